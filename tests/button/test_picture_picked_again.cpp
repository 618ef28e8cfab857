// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_editor.h"
#include "button/picture_box.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using testfiles::setModified;
using testwindows::child;
using testwindows::click;

// A picture that could not be read when it was picked, mended while its size and time stay
// the same, and picked again: the new pick reads it and the preview shows it.

namespace {

void moveOver(QWidget *target)
{
    testwindows::sendMouse(target, QEvent::MouseMove, Qt::NoButton, {2, 2});
}

} // namespace

class TestPicturePickedAgain final : public WindowTest {
    Q_OBJECT

public:
    TestPicturePickedAgain()
        : WindowTest({800, 600})
    {}

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        QVERIFY(m_dir.isValid());
    }

    // The file is no picture at first (its signature spoilt), then the picture again, with the
    // same size and the same modification time.
    void mendedWithTheSameStamp_data()
    {
        QTest::addColumn<bool>("overPicker");
        QTest::newRow("default picture") << false;
        QTest::newRow("mouse-over picture") << true;
    }
    void mendedWithTheSameStamp()
    {
        QFETCH(bool, overPicker);
        const QString file = m_dir.filePath(u"mended.bmp"_s);
        QVERIFY(testimages::writePicture(file, 20, 10, Qt::blue));
        const QByteArray good = testfiles::contentOf(file);
        QByteArray spoilt = good;
        spoilt[0] = 'X';
        // Whole seconds, which every file system keeps exactly.
        const QDateTime when = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 60, Qt::UTC);
        QVERIFY(testfiles::writeFile(file, spoilt));
        QVERIFY(setModified(file, when));

        Form7 *w = openEditor();
        if (!overPicker) {
            pickDefault(w, file);
            QVERIFY(preview(w)->picture().isNull());
            QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), QString());
        } else {
            // A default to restore to between the two tries over the preview.
            const QString red = m_dir.filePath(u"red.bmp"_s);
            QVERIFY(testimages::writePicture(red, 40, 30, Qt::red));
            pickDefault(w, red);
            pickOver(w, file);
            moveOver(preview(w));
            QCOMPARE(preview(w)->size(), QSize(40, 30)); // the default stays
        }

        QVERIFY(testfiles::writeFile(file, good));
        QVERIFY(setModified(file, when));
        if (!overPicker) {
            pickDefault(w, file);
        } else {
            pickOver(w, file);
            moveOver(w->findChild<QWidget *>(u"Frame2"_s)); // restore, then over again
            moveOver(preview(w));
        }
        QCOMPARE(preview(w)->size(), QSize(20, 10));
        QCOMPARE(preview(w)->picture().toImage().pixelColor(5, 5), QColor(Qt::blue));
        if (!overPicker) {
            QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), u"20"_s);
            QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), u"10"_s);
        }
    }

    // An unreadable file made readable. Root reads every file whatever its mode, so as root
    // the case runs again in a child process under an unprivileged user.
    void unreadableMadeReadable()
    {
        if (hostile::runsAsRoot()) {
            if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                QFAIL(qPrintable(*failure));
            return;
        }
        const QString file = m_dir.filePath(u"locked.jpg"_s);
        QVERIFY(testimages::writePicture(file, 30, 20, Qt::green));
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
        QFile probe(file);
        QVERIFY2(!probe.open(QIODevice::ReadOnly), "an unreadable file could be read");

        Form7 *w = openEditor();
        pickDefault(w, file);
        QVERIFY(preview(w)->picture().isNull());
        QCOMPARE(child<QLineEdit>(w, u"Text1"_s)->text(), u"locked.jpg"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), QString());

        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        pickDefault(w, file);
        QCOMPARE(preview(w)->size(), QSize(30, 20));
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), u"30"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), u"20"_s);
    }

private:
    // The button editor with the size taken from the default picture.
    Form7 *openEditor()
    {
        Form7 *w = open<Form7>();
        child<QCheckBox>(w, u"Check1"_s)->setChecked(true);
        return w;
    }
    void pickDefault(Form7 *w, const QString &file)
    {
        services().answerOpen(file);
        click(w, u"Command1"_s);
    }
    void pickOver(Form7 *w, const QString &file)
    {
        services().answerOpen(file);
        click(w, u"Command2"_s);
    }
    static PictureBox *preview(Form7 *w) { return child<PictureBox>(w, u"button"_s); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPicturePickedAgain)
#include "test_picture_picked_again.moc"
