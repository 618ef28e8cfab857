// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"
#include "tests/support/window_test.h"
#include "ui/picture_maker.h"

#include <QDir>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// A save of the made pictures that fails is reported, naming the picture, leaves no picture and
// no temporary file behind, and tells the opener nothing.
class TestMadePicturesRobustness final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void failedSaveLeavesNothing_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("read-only folder") << u"read-only folder"_s;
        QTest::newRow("full disk") << u"full disk"_s;
    }
    void failedSaveLeavesNothing()
    {
        QFETCH(QString, place);
        QTemporaryDir temporary;
        const QString folder = temporary.filePath(u"pictures"_s);
        QVERIFY(QDir().mkpath(folder));
        auto *maker = new ui::PictureMaker(workspace(), PictureKind::Button);
        maker->showWindow();
        if (place == u"read-only folder"_s) {
            // Root writes past every permission.
            if (hostile::runsAsRoot()) {
                if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                    QFAIL(qPrintable(*failure));
                return;
            }
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        } else {
            if (const std::optional<QString> refused = hostile::mountSmallFileSystem(folder))
                QSKIP(qPrintable(u"the full disk case is skipped: "_s + *refused));
            // Room for the small pictures, not for the large ones at 2x.
            QVERIFY(testfiles::writeFile(QDir(folder).filePath(u"room"_s), QByteArray(16 * 1024, 'r')));
            QVERIFY(hostile::fillUp(folder));
            QVERIFY(QFile::remove(QDir(folder).filePath(u"room"_s)));
            testwindows::child<QSpinBox>(maker, u"PictureWidth"_s)->setValue(1000);
            testwindows::child<QSpinBox>(maker, u"PictureHeight"_s)->setValue(1000);
        }
        const auto unmount = qScopeGuard([&] {
            if (place == u"full disk"_s)
                hostile::unmount(folder);
        });
        const QStringList before = testfiles::entriesOf(folder);
        QSignalSpy saved(maker, &ui::PictureMaker::picturesSaved);
        services().answerSave(QDir(folder).filePath(u"made.png"_s));
        testwindows::click(maker, u"SavePictures"_s);
        QCOMPARE(services().messages.size(), 1);
        const QString message = services().messages[0].text;
        QVERIFY2(message.startsWith(u"The picture could not be saved as \""_s + folder + u"/made"_s),
                 qPrintable(message));
        QVERIFY2(!message.endsWith(u"\n\n"_s), "the message gives no reason");
        QCOMPARE(testfiles::entriesOf(folder), before);
        QCOMPARE(saved.size(), 0);
    }
};

QTEST_MAIN(TestMadePicturesRobustness)
#include "test_made_pictures_robustness.moc"
