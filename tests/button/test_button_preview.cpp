// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_editor.h"
#include "button/picture_box.h"
#include "pictures/picture_cache.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;
using testwindows::sendMouse;

// The live preview: which picture the preview shows, and at which size, after each mouse
// event on the preview, the window's background, Frame2 and the "..." buttons.

namespace {

enum class Picture { None, Default, Over, Down };

// The three pictures differ in size and colour: default 40 by 20 red, mouse-over 50 by 30
// green, mouse-down 60 by 40 blue.
QSize sizeOf(Picture picture)
{
    switch (picture) {
    case Picture::Default:
        return {40, 20};
    case Picture::Over:
        return {50, 30};
    case Picture::Down:
        return {60, 40};
    case Picture::None:
        break;
    }
    return {177, 153}; // the preview's design size
}

} // namespace

Q_DECLARE_METATYPE(Picture)

class TestButtonPreview final : public WindowTest {
    Q_OBJECT

public:
    TestButtonPreview()
        : WindowTest({800, 600})
    {}

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkdir(u"one"_s));
        QVERIFY(QDir(m_dir.path()).mkdir(u"two"_s));
        QVERIFY(testimages::writePicture(path(u"default.bmp"_s), 40, 20, Qt::red));
        QVERIFY(testimages::writeGif(path(u"over.gif"_s), 50, 30, Qt::green));
        QVERIFY(testimages::writePicture(path(u"down.jpg"_s), 60, 40, Qt::blue));
        QVERIFY(testimages::writeGif(path(u"one/same.gif"_s), 50, 30, Qt::green));
        QVERIFY(testimages::writeGif(path(u"two/same.gif"_s), 60, 40, Qt::blue));
        QVERIFY(testimages::writeGif(path(u"Over.gif"_s), 60, 40, Qt::blue));
        QVERIFY(testimages::writePicture(path(u"large default.bmp"_s), 160, 120, Qt::red));
        QVERIFY(testimages::writeGif(path(u"small over.gif"_s), 30, 20, Qt::green));
    }

    void movesArriveWithoutAButtonHeld()
    {
        Form7 *w = open<Form7>();
        QVERIFY(w->hasMouseTracking());
        for (const QString &name : {u"button"_s, u"Frame2"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s})
            QVERIFY2(w->findChild<QWidget *>(name)->hasMouseTracking(), qPrintable(name));
    }

    void stateTable_data()
    {
        QTest::addColumn<Picture>("showing");
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("check2");
        QTest::addColumn<Picture>("after");

        struct Row {
            Picture showing;
            Picture over, press, restore; // with Check2 unchecked
            Picture overChecked;          // moving over the preview with Check2 checked
        };
        const Row rows[] = {
            {Picture::Default, Picture::Over, Picture::Down, Picture::Default, Picture::Default},
            {Picture::Over, Picture::Over, Picture::Down, Picture::Default, Picture::Over},
            {Picture::Down, Picture::Over, Picture::Down, Picture::Default, Picture::Down},
        };
        const char *names[] = {"", "default", "over", "down"};
        for (const Row &row : rows) {
            for (const bool check2 : {false, true}) {
                const auto add = [&](const char *event, Picture after) {
                    QTest::addRow("%s, %s, Check2 %s", names[int(row.showing)], event, check2 ? "on" : "off")
                        << row.showing << QString::fromLatin1(event) << check2 << after;
                };
                add("move over preview", check2 ? row.overChecked : row.over);
                add("press", row.press);
                add("release", check2 ? Picture::Default : Picture::Over); // the pointer is still over it
                for (const char *restore : {"move over background", "move over Frame2", "move over Command1",
                                            "move over Command2", "move over Command3"})
                    add(restore, row.restore);
            }
        }
    }

    void stateTable()
    {
        QFETCH(Picture, showing);
        QFETCH(QString, event);
        QFETCH(bool, check2);
        QFETCH(Picture, after);
        Form7 *w = openWithAllThree();

        // Bring the preview to the state of the row.
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        if (showing == Picture::Over)
            sendMouse(preview(w), QEvent::MouseMove);
        else if (showing == Picture::Down)
            sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        QCOMPARE(shown(w), showing);
        w->findChild<QCheckBox *>(u"Check2"_s)->setChecked(check2);

        if (event == u"move over preview"_s)
            sendMouse(preview(w), QEvent::MouseMove);
        else if (event == u"press"_s)
            sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        else if (event == u"release"_s)
            sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        else if (event == u"move over background"_s)
            sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        else
            sendMouse(w->findChild<QWidget *>(event.mid(QStringLiteral("move over ").size())), QEvent::MouseMove);

        QCOMPARE(shown(w), after);
        QCOMPARE(preview(w)->size(), sizeOf(after));
        QCOMPARE(w->shownPicture(), keyOf(after));
    }

    // A pointer at rest over the preview sees one picture, whichever control is under it as
    // the picture changes size: a mouse-over picture smaller than the default stays while the
    // pointer is inside the default picture's area, where the restore would bring it back.
    void aPointerAtRestSeesOnePicture_data()
    {
        QTest::addColumn<QPoint>("at"); // in Frame2
        QTest::addColumn<Picture>("seen");
        QTest::newRow("inside the default's area, outside the mouse-over's") << QPoint(108, 76) << Picture::Over;
        QTest::newRow("inside both") << QPoint(12, 20) << Picture::Over;
        QTest::newRow("outside the default's area") << QPoint(180, 150) << Picture::Default;
    }
    void aPointerAtRestSeesOnePicture()
    {
        QFETCH(QPoint, at);
        QFETCH(Picture, seen);
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"large default.bmp"_s));
        services().answerOpen(path(u"small over.gif"_s));
        click(w, u"Command1"_s);
        click(w, u"Command2"_s);
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        const QPoint inWindow = child<QWidget>(w, u"Frame2"_s)->mapTo(w, at);
        for (int move = 1; move <= 20; ++move) {
            // Each move goes to the control the point is over now.
            QWidget *under = w->childAt(inWindow);
            QVERIFY(under);
            sendMouse(under, QEvent::MouseMove, Qt::NoButton, under->mapFrom(w, inWindow));
            QVERIFY2(shown(w) == seen, qPrintable(u"move %1 over %2"_s.arg(move).arg(under->objectName())));
        }
    }

    // In either code the preview does as the page will: the link is still hovered when the button
    // comes up, so the mouse-over picture shows again.
    void modernReleaseKeepsTheHover_data()
    {
        QTest::addColumn<bool>("modern");
        QTest::addColumn<bool>("check2");
        QTest::addColumn<Picture>("released");
        QTest::newRow("classic") << false << false << Picture::Over;
        QTest::newRow("modern") << true << false << Picture::Over;
        QTest::newRow("modern, mouse-over switched off") << true << true << Picture::Default;
    }
    void modernReleaseKeepsTheHover()
    {
        QFETCH(bool, modern);
        QFETCH(bool, check2);
        QFETCH(Picture, released);
        Form7 *w = openWithAllThree();
        child<QCheckBox>(w, u"ModernCode"_s)->setChecked(modern);
        child<QCheckBox>(w, u"Check2"_s)->setChecked(check2);
        sendMouse(preview(w), QEvent::MouseMove);
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Down);
        sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(shown(w), released);
        QCOMPARE(preview(w)->size(), sizeOf(released));
    }

    // Every way out of the preview shows the default again, in either code: a fast move straight
    // onto a neighbouring box, one out of the window, and a release outside the preview.
    void everyWayOutLetsGo_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("modern");
        const char *ways[] = {"to a neighbouring box", "out of the window", "release outside"};
        for (int row = 0; row < 6; ++row)
            QTest::addRow("%s, %s", ways[row % 3], row < 3 ? "classic" : "modern") << row % 3 << (row >= 3);
    }
    void everyWayOutLetsGo()
    {
        QFETCH(int, way);
        QFETCH(bool, modern);
        Form7 *w = openWithAllThree();
        child<QCheckBox>(w, u"ModernCode"_s)->setChecked(modern);
        QTest::mouseMove(w, background());
        QTest::mouseMove(preview(w), {5, 5});
        QCOMPARE(shown(w), Picture::Over);
        if (way == 0)
            QTest::mouseMove(child<QWidget>(w, u"Check2"_s), {5, 5});
        if (way == 1)
            QTest::mouseMove(w->window(), w->window()->rect().bottomRight() + QPoint(40, 40));
        if (way == 2) {
            QTest::mousePress(preview(w), Qt::LeftButton, Qt::NoModifier, {5, 5});
            QTest::mouseRelease(preview(w), Qt::LeftButton, Qt::NoModifier, {-30, 5});
        }
        QCOMPARE(shown(w), Picture::Default);
    }

    void holdingTheButtonOverThePreview()
    {
        // Every small move with the button held fires the mouse-over rule again.
        Form7 *w = openWithAllThree();
        QCheckBox *check2 = w->findChild<QCheckBox *>(u"Check2"_s);
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Down);
        sendMouse(preview(w), QEvent::MouseMove, Qt::NoButton, {4, 3}, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Over);
        sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Over);
        check2->setChecked(true);
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        sendMouse(preview(w), QEvent::MouseMove, Qt::NoButton, {4, 3}, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Down);
        sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Default);
    }

    void everyButtonPresses_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void everyButtonPresses()
    {
        QFETCH(Qt::MouseButton, button);
        Form7 *w = openWithAllThree();
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        sendMouse(preview(w), QEvent::MouseButtonPress, button, {3, 3}, button);
        QCOMPARE(shown(w), Picture::Down);
        QCOMPARE(preview(w)->size(), QSize(60, 40));
        sendMouse(preview(w), QEvent::MouseButtonRelease, button);
        QCOMPARE(shown(w), Picture::Over);
    }

    void throughThePlatform()
    {
        // The same through the window system's own mouse events: hovering, pressing,
        // releasing and leaving across the background.
        Form7 *w = openWithAllThree();
        QWidget *b = preview(w);
        QTest::mouseMove(w, background());
        QCOMPARE(shown(w), Picture::Default);
        QTest::mouseMove(b, {5, 5});
        QCOMPARE(shown(w), Picture::Over);
        QTest::mousePress(b, Qt::RightButton, Qt::NoModifier, {5, 5});
        QCOMPARE(shown(w), Picture::Down);
        QTest::mouseRelease(b, Qt::RightButton, Qt::NoModifier, {5, 5});
        QCOMPARE(shown(w), Picture::Over);
        QTest::mouseMove(b, {6, 5});
        QCOMPARE(shown(w), Picture::Over);
        QTest::mouseMove(w, background());
        QCOMPARE(shown(w), Picture::Default);
    }

    void otherControlsLeaveThePreview_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name : {"Frame1", "Text1", "Text4", "Text11", "Label1", "Label12", "Check1", "Check2",
                                 "Command4", "Command5", "Command6", "Command7", "Command8", "Command14"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void otherControlsLeaveThePreview()
    {
        QFETCH(QString, control);
        Form7 *w = openWithAllThree();
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        sendMouse(preview(w), QEvent::MouseMove);
        QCOMPARE(shown(w), Picture::Over);
        QWidget *target = w->findChild<QWidget *>(control);
        QVERIFY(target);
        sendMouse(target, QEvent::MouseMove, Qt::NoButton, {2, 2});
        QCOMPARE(shown(w), Picture::Over);
        // With a button held the move comes up through the frames to the window: still no restore.
        sendMouse(target, QEvent::MouseMove, Qt::NoButton, {2, 2}, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Over);
        // The same through the window system.
        QTest::mouseMove(target, {2, 2});
        QCOMPARE(shown(w), Picture::Over);
    }

    void dragFromTheBackground()
    {
        // A drag that began on the bare background restores wherever it goes.
        Form7 *w = openWithAllThree();
        sendMouse(preview(w), QEvent::MouseMove);
        QCOMPARE(shown(w), Picture::Over);
        sendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, background(), Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Over); // a press restores nothing
        const QPoint overText1 = w->findChild<QWidget *>(u"Text1"_s)->mapTo(w, QPoint(2, 2));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, overText1, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Default);
        sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, overText1);
        // A drag that began on a label does not.
        sendMouse(preview(w), QEvent::MouseMove);
        QWidget *label = w->findChild<QWidget *>(u"Label4"_s);
        sendMouse(label, QEvent::MouseButtonPress, Qt::LeftButton, {2, 2}, Qt::LeftButton);
        sendMouse(label, QEvent::MouseMove, Qt::NoButton, {3, 2}, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Over);
        // The label keeps the moves of its drag, and they come up to the window even over
        // the bare background.
        sendMouse(label, QEvent::MouseMove, Qt::NoButton, label->mapFrom(w, background()), Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Over);
    }

    void codeFrameAndStepFramesLeaveThePreview()
    {
        Form7 *w = openWithAllThree();
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        sendMouse(preview(w), QEvent::MouseMove);
        click(w, u"Command8"_s);
        for (const QString &name : {u"Frame3"_s, u"first"_s, u"Label10"_s, u"Command12"_s}) {
            QWidget *target = w->findChild<QWidget *>(name);
            sendMouse(target, QEvent::MouseMove, Qt::NoButton, {2, 2});
            QCOMPARE(shown(w), Picture::Over);
        }
        click(w, u"Command13"_s);
        QGroupBox *tut2 = w->findChild<QGroupBox *>(u"tut2"_s);
        tut2->show();
        sendMouse(tut2, QEvent::MouseMove, Qt::NoButton, {100, 100});
        sendMouse(tut2->findChild<QWidget *>(u"Label14"_s), QEvent::MouseMove, Qt::NoButton, {2, 2});
        QCOMPARE(shown(w), Picture::Over);
    }

    void noPictures()
    {
        Form7 *w = open<Form7>();
        sendMouse(preview(w), QEvent::MouseMove);
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        sendMouse(w->findChild<QWidget *>(u"Frame2"_s), QEvent::MouseMove);
        QVERIFY(preview(w)->picture().isNull());
        QCOMPARE(preview(w)->size(), QSize(177, 153));
        QCOMPARE(w->shownPicture(), std::string());
    }

    void onlyAMouseOverPicture()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"over.gif"_s));
        click(w, u"Command2"_s);
        QVERIFY(preview(w)->picture().isNull());
        sendMouse(preview(w), QEvent::MouseMove, Qt::NoButton, {170, 150}); // the empty preview's far corner
        QCOMPARE(shown(w), Picture::Over);
        QCOMPARE(preview(w)->size(), QSize(50, 30));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        sendMouse(w->findChild<QWidget *>(u"Frame2"_s), QEvent::MouseMove);
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Over);
        QCOMPARE(w->shownPicture(), std::string("over.gif"));
    }

    void defaultAndDownWithoutOver()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.bmp"_s));
        services().answerOpen(path(u"down.jpg"_s));
        click(w, u"Command1"_s);
        click(w, u"Command3"_s);
        sendMouse(preview(w), QEvent::MouseMove);
        QCOMPARE(shown(w), Picture::Default);
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Down);
        sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Default);
    }

    void sameFileNameFromTwoFolders()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.bmp"_s));
        services().answerOpen(path(u"one/same.gif"_s));
        services().answerOpen(path(u"two/same.gif"_s));
        click(w, u"Command1"_s);
        click(w, u"Command2"_s);
        click(w, u"Command3"_s);
        sendMouse(preview(w), QEvent::MouseMove);
        QCOMPARE(preview(w)->size(), QSize(50, 30));
        QCOMPARE(w->shownPicture(), std::string("same.gif"));
        // Both keys are "same.gif": pressing changes nothing.
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        QCOMPARE(preview(w)->size(), QSize(50, 30));
        QCOMPARE(colourShown(w), QColor(Qt::green));
        sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Over);
    }

    void keysAreCaseSensitive()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"over.gif"_s));
        services().answerOpen(path(u"Over.gif"_s));
        click(w, u"Command2"_s);
        click(w, u"Command3"_s);
        sendMouse(preview(w), QEvent::MouseMove);
        QCOMPARE(preview(w)->size(), QSize(50, 30));
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        QCOMPARE(w->shownPicture(), std::string("Over.gif"));
        QCOMPARE(preview(w)->size(), QSize(60, 40));
    }

    void pickersChangeOnlyWhatTheySay()
    {
        Form7 *w = openWithAllThree();
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        sendMouse(preview(w), QEvent::MouseMove);
        QCOMPARE(shown(w), Picture::Over);
        // A new mouse-over picture waits for the mouse; a new default shows at once.
        services().answerOpen(path(u"two/same.gif"_s));
        click(w, u"Command2"_s);
        QCOMPARE(shown(w), Picture::Over);
        services().answerOpen(path(u"down.jpg"_s));
        click(w, u"Command1"_s);
        QCOMPARE(preview(w)->size(), QSize(60, 40));
        QCOMPARE(w->shownPicture(), std::string("over.gif")); // the picker takes no key
        sendMouse(preview(w), QEvent::MouseMove);
        QCOMPARE(w->shownPicture(), std::string("same.gif"));
        QCOMPARE(colourShown(w), QColor(Qt::blue));
    }

    void deletedPicture()
    {
        const QString gone = path(u"gone.gif"_s);
        QVERIFY(testimages::writeGif(gone, 70, 10, Qt::yellow));
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.bmp"_s));
        services().answerOpen(gone);
        click(w, u"Command1"_s);
        click(w, u"Command3"_s);
        QVERIFY(QFile::remove(gone));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        // The key is taken, the old picture stays.
        QCOMPARE(w->shownPicture(), std::string("gone.gif"));
        QCOMPARE(shown(w), Picture::Default);
        sendMouse(preview(w), QEvent::MouseButtonPress, Qt::LeftButton, {3, 3}, Qt::LeftButton);
        QCOMPARE(shown(w), Picture::Default);
        sendMouse(preview(w), QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(w->shownPicture(), path(u"default.bmp"_s).toStdString());
        // A deleted default: the restore tries it at every move and the preview stays.
        const QString def = path(u"passing.bmp"_s);
        QVERIFY(testimages::writePicture(def, 33, 22, Qt::red));
        services().answerOpen(def);
        click(w, u"Command1"_s);
        QVERIFY(QFile::remove(def));
        for (int i = 0; i < 3; ++i)
            sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        QCOMPARE(preview(w)->size(), QSize(33, 22));
        QCOMPARE(w->shownPicture(), def.toStdString());
        // And back on disk with new pixels: the next restore shows them.
        QVERIFY(testimages::writePicture(def, 44, 11, Qt::green));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        QCOMPARE(preview(w)->size(), QSize(44, 11));
    }

    void rewrittenDefaultShowsItsNewContent()
    {
        const QString file = path(u"rewritten.bmp"_s);
        QVERIFY(testimages::writePicture(file, 40, 20, Qt::red));
        Form7 *w = open<Form7>();
        services().answerOpen(file);
        click(w, u"Command1"_s);
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        QCOMPARE(colourShown(w), QColor(Qt::red));
        // The same number of bytes, other pixels, saved a little later.
        QVERIFY(testimages::writePicture(file, 40, 20, Qt::blue));
        QVERIFY(testfiles::setModified(file, QDateTime::currentDateTimeUtc().addSecs(3)));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        QCOMPARE(colourShown(w), QColor(Qt::blue));
        QCOMPARE(preview(w)->size(), QSize(40, 20));
    }

    void restoreKeepsALargePictureShown()
    {
        const QString file = path(u"large.jpg"_s);
        QVERIFY(testimages::writePattern(file, 4000, 3000, 90));
        Form7 *w = open<Form7>();
        services().answerOpen(file);
        click(w, u"Command1"_s);
        QCOMPARE(preview(w)->size(), QSize(4000, 3000));
        const qint64 shownKey = preview(w)->picture().cacheKey();
        // The restore move hands back the picture already shown instead of decoding it again;
        // scripts/bench shows what that costs.
        for (int i = 0; i < 50; ++i)
            sendMouse(w, QEvent::MouseMove, Qt::NoButton, background());
        QCOMPARE(preview(w)->picture().cacheKey(), shownKey);
        QCOMPARE(w->shownPicture(), file.toStdString());
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    static QPoint background() { return {10, 100}; } // left of Frame1

    Form7 *openWithAllThree()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.bmp"_s));
        services().answerOpen(path(u"over.gif"_s));
        services().answerOpen(path(u"down.jpg"_s));
        click(w, u"Command1"_s);
        click(w, u"Command2"_s);
        click(w, u"Command3"_s);
        return w;
    }

    static PictureBox *preview(Form7 *w) { return child<PictureBox>(w, u"button"_s); }

    static QColor colourShown(Form7 *w)
    {
        const QImage image = preview(w)->picture().toImage();
        return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
    }

    // Which of the three pictures the preview shows, told by its colour (JPEG is near enough).
    static Picture shown(Form7 *w)
    {
        const QColor colour = colourShown(w);
        if (!colour.isValid())
            return Picture::None;
        if (colour.red() > 200 && colour.green() < 60 && colour.blue() < 60)
            return Picture::Default;
        if (colour.green() > 200 && colour.red() < 60 && colour.blue() < 60)
            return Picture::Over;
        if (colour.blue() > 200 && colour.red() < 60 && colour.green() < 60)
            return Picture::Down;
        return Picture::None;
    }

    std::string keyOf(Picture picture) const
    {
        switch (picture) {
        case Picture::Default:
            return path(u"default.bmp"_s).toStdString();
        case Picture::Over:
            return "over.gif";
        case Picture::Down:
            return "down.jpg";
        case Picture::None:
            break;
        }
        return {};
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestButtonPreview)
#include "test_button_preview.moc"
