// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/picture_maker.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"
#include "tests/support/window_test.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using testwindows::child;

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

    // Odd names, filters, captions and links at the names: a save writes the rollover's four
    // pictures as new files of the format chosen, where nothing else changes, or refuses and says why.
    void writesOnlyThePictures_data()
    {
        QTest::addColumn<QString>("kind"); // what stands in the way
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");    // 0 PNG, 1 WebP
        QTest::addColumn<QString>("first"); // the first picture's name; empty: refused
        QTest::newRow("a link to a file outside") << u"link"_s << u"made.png"_s << 0 << u"made.png"_s;
        QTest::newRow("a link to nothing") << u"dangling"_s << u"made"_s << 0 << u"made.png"_s;
        QTest::newRow("a link made while asked") << u"meanwhile"_s << u"made.png"_s << 0 << u"made.png"_s;
        QTest::newRow("a caption of a million characters") << u"caption"_s << u"made.png"_s << 0 << u"made.png"_s;
        QTest::newRow("WebP chosen, no suffix typed") << QString() << u"made"_s << 1 << u"made.webp"_s;
        QTest::newRow("a name of only .png") << QString() << u".png"_s << 0 << QString();
        QTest::newRow("a name ending in a point") << QString() << u"made."_s << 0 << u"made.png"_s;
    }
    void writesOnlyThePictures()
    {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, first);
        if (filter == 1 && !QImageWriter::supportedImageFormats().contains("webp"))
            QSKIP("WebP is not written here");
        QTemporaryDir temporary;
        const QDir folder(temporary.filePath(u"pictures"_s));
        const QString notes = temporary.filePath(u"notes.txt"_s);
        QVERIFY(QDir().mkpath(folder.path()) && testfiles::writeFile(notes, "text"));
        auto *maker = new ui::PictureMaker(workspace(), PictureKind::Rollover);
        maker->showWindow();
        const QString link = folder.filePath(kind == u"dangling"_s ? u"made-over@2x.png"_s : u"made-over.png"_s);
        const QString target = kind == u"dangling"_s ? temporary.filePath(u"new.png"_s) : notes;
        if (kind == u"link"_s || kind == u"dangling"_s)
            QVERIFY(QFile::link(target, link));
        if (kind == u"meanwhile"_s)
            QVERIFY(testfiles::writeFile(folder.filePath(u"made.png"_s), "old"));
        if (!kind.isEmpty() && kind != u"caption"_s)
            services().answerYesNo(true, [&] { QVERIFY(kind != u"meanwhile"_s || QFile::link(target, link)); });
        if (kind == u"caption"_s)
            child<QLineEdit>(maker, u"Caption"_s)->setText(u"Home page "_s.repeated(100000));
        services().answerSave(folder.filePath(typed), filter);
        testwindows::click(maker, u"SavePictures"_s);

        QStringList written;
        if (!first.isEmpty()) {
            const QString suffix = first.mid(first.lastIndexOf(u'.'));
            for (const QString &end : {u""_s, u"-over"_s, u"@2x"_s, u"-over@2x"_s})
                written.append(u"made"_s + end + suffix);
            written.sort();
        }
        QCOMPARE(testfiles::entriesOf(folder.path()), written);
        for (const QString &name : written) {
            QVERIFY2(!QFileInfo(folder.filePath(name)).isSymLink(), qPrintable(name));
            QCOMPARE(QImageReader::imageFormat(folder.filePath(name)), first.endsWith(u".webp"_s) ? "webp" : "png");
        }
        QCOMPARE(testfiles::entriesOf(temporary.path()), (QStringList{u"notes.txt"_s, u"pictures"_s}));
        QCOMPARE(testfiles::contentOf(notes), "text");
        QCOMPARE(services().messages.size(), first.isEmpty() ? 1 : 0);
        if (first.isEmpty())
            QVERIFY(services().messages[0].text.startsWith(u"The pictures were not saved: the name \""_s));
        if (kind == u"link"_s || kind == u"dangling"_s)
            QVERIFY(services().questions.constLast().prompt.contains(
                link + u", a link to "_s + target +
                u"\n\nReplace them with the new pictures? A link is replaced "
                "itself; what it leads to is left as it is."_s));
        if (kind == u"caption"_s) {
            QCOMPARE(maker->look().caption.size(), LongestCaption);
            const QString proposed = QFileInfo(services().questions[0].request.proposedName).fileName();
            QVERIFY2(proposed.size() <= qsizetype(LongestProposedName) + 4, qPrintable(proposed));
            QVERIFY(child<QLabel>(maker, u"PictureHints"_s)->text().contains(u"at most 200 characters"_s));
        }
    }
};

QTEST_MAIN(TestMadePicturesRobustness)
#include "test_made_pictures_robustness.moc"
