// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/code_window.h"
#include "rollover/properties_window.h"
#include "rollover/rollover_code.h"
#include "rollover/rollover_page.h"
#include "rollover/rollover_preview.h"
#include "tests/support/drag_drop.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "ui/look.h"
#include "ui/remembered_places.h"
#include "ui/text_box.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <cmath>
#include <unistd.h>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;

namespace {

const char DefaultHead[] = "<script language=\"JavaScript\">\r\n"
                           "<!-- Created by Quillarc 2--> \r\n"
                           "<!--\r\n"
                           "Image01= new Image(32,32)\r\n"
                           "Image01.src=\"\"\r\n"
                           "Image02= new Image(32,32)\r\n"
                           "Image02.src=\"\"\r\n"
                           "//-->\r\n"
                           "</script>";
const char DefaultBody[] = "<a href=\"http://\" onmouseover=\r\n"
                           "\"document.images['Example'].src=Image02.src\" onmouseout=\r\n"
                           "\"document.images['Example'].src=Image01.src\">\r\n"
                           "<img src=\"\" name=\"Example\"></a>";

} // namespace

class TestRolloverWindows final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_pictures.isValid());
        QVERIFY(testimages::writeGif(picture(u"up.gif"_s), 8, 8, Qt::red));
        QVERIFY(testimages::writePicture(picture(u"over.png"_s), 8, 8, Qt::green));
        QVERIFY(testimages::writePicture(picture(u"my pic#1.bmp"_s), 8, 8, Qt::blue));
        QVERIFY(testimages::writePicture(picture(u"photo.webp"_s), 8, 8, Qt::yellow));
        QVERIFY(testimages::writeSvg(picture(u"logo.svg"_s), 8, 8, Qt::cyan));
        QFile notes(picture(u"notes.txt"_s));
        QVERIFY(notes.open(QIODevice::WriteOnly));
    }

    void propertiesWindowOpensWithItsDefaults()
    {
        // The boxes' texts and the controls' places are rows of controlsOfBothWindows.
        Form2 *form = open<Form2>();
        QCOMPARE(form->windowTitle(), u"Rollover Properties"_s);
        QCOMPARE(form->size(), QSize(530, 384));
        for (int step = 1; step <= 6; ++step)
            QVERIFY(!child<QGroupBox>(form, u"tut%1"_s.arg(step))->isVisible());
        QVERIFY(!ui::isHighlighted(child<QLabel>(form, u"Label2"_s)));
        QVERIFY(child<QPushButton>(form, u"Command9"_s)->toolTip().isEmpty());
    }

    void controlsOfBothWindows_data()
    {
        // The window, the control, its text, and its place in twips (frame children relative to the frame).
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char *window, const char *name, const QString &text, QRect twips) {
            QTest::addRow("%s %s", window, name)
                << QString::fromLatin1(window) << QString::fromLatin1(name) << text << twips;
        };
        row("Form2", "Label1",
            u"This program will take all the properties and turn it into a cut && paste code.   Please Enter &all "
            "properties in the boxes below. "_s,
            {360, 120, 4815, 615});
        row("Form2", "Label2", u"Image #1 "_s, {240, 840, 2775, 255});
        row("Form2", "Label3", u"Image #2"_s, {240, 1200, 735, 255});
        row("Form2", "Label4", u"<A href> url:"_s, {120, 1680, 3975, 255});
        row("Form2", "Label5", u"Name of rollover"_s, {120, 2040, 1215, 255});
        row("Form2", "Label6", u"That's it!  Now all you have to do is copy the code and your done!"_s,
            {360, 3600, 4935, 255});
        row("Form2", "Label7", u"Width and Height for both:"_s, {120, 2400, 2535, 255});
        row("Form2", "Label8", u"Image 1#"_s, {240, 2760, 1575, 255});
        row("Form2", "Label9", u"Image 2#"_s, {240, 3120, 975, 255});
        row("Form2", "Text1", QString(), {960, 840, 3135, 285});
        row("Form2", "Text2", QString(), {960, 1200, 3135, 285});
        row("Form2", "Text3", u"http://"_s, {1080, 1680, 3015, 285});
        row("Form2", "Text4", u"Example"_s, {1320, 2040, 2775, 285});
        row("Form2", "Text5", u"32,32"_s, {2040, 2400, 2055, 285});
        row("Form2", "Text6", u"Image01"_s, {1440, 2760, 2655, 285});
        row("Form2", "Text7", u"Image02"_s, {1440, 3240, 2655, 285});
        row("Form2", "Command1", u"..."_s, {4080, 840, 255, 255});
        row("Form2", "Command2", u"..."_s, {4080, 1200, 255, 255});
        row("Form2", "Command9", u"Random"_s, {4080, 2040, 1215, 375});
        row("Form2", "Command4", u"Random"_s, {4080, 2760, 1215, 375});
        row("Form2", "Command5", u"Random"_s, {4080, 3240, 1215, 375});
        row("Form2", "Command3", u"See Code"_s, {1200, 3960, 2175, 375});
        // A line taller than the layout's 1815, for the way to the picture maker.
        row("Form2", "tut1", u"Interactive Tutorial"_s, {240, 1680, 4815, 2100});
        row("Form2", "tut2", u"Interactive Tutorial"_s, {240, 1920, 4695, 1695});
        row("Form2", "tut3", u"Interactive Tutorial"_s, {240, 2400, 4695, 1935});
        row("Form2", "tut4", u"Interactive Tutorial"_s, {240, 720, 4695, 1695});
        row("Form2", "tut5", u"Interactive Tutorial"_s, {240, 960, 4695, 1815});
        row("Form2", "tut6", u"Interactive Tutorial"_s, {240, 2880, 4695, 1095});
        row("Form2", "Label10",
            u"First, you need to select two images for the rollover. Image #1 should be the image seen when the "
            "mouse is not over the picture, and Image #2 should be the image shown when the mouse is over the "
            "picture   Click the buttons to the right of each text box to select an image, or type one in "
            "yourself! Click ok after you have done this."_s,
            {120, 240, 4575, 1335});
        row("Form2", "Label12",
            u"Now you need to type the link of the rollover above. The link will be activated when someone clicks "
            "the image. This program assumes that you want to create a linked rollover, so if you don't want a "
            "link you will have to take it out manually. Click ok when you have typed in a link"_s,
            {120, 240, 4455, 1215});
        row("Form2", "Label13",
            u"Now you need to name the rollover. Don't name two rollovers the same thing, or that will cause "
            "problems. You can name it something like \"Rollover1\", but it must start with letters and contain "
            "no spaces. If you don't mind it, you can create a random combination of letters by clicking "
            "\"random\" beside it. Click Ok when you have named the rollover."_s,
            {120, 240, 4455, 1215});
        row("Form2", "Label14",
            u"Next you need to enter the width and height of the images. It is better if you know the width and "
            "height, but if you don't you can enter an estimate. Use the format of width,height, so if you have "
            "an image with width 34 and height 54, it would be 34,54. Click ok when you have entered a width and "
            "height"_s,
            {120, 240, 4455, 1215});
        row("Form2", "Label15",
            u"Last, you need to enter the image numbers. Don't worry about this too much, just remember, no image "
            "can have the same image number. If you don't plan on modifying the code, just cilck \"random\" "
            "beside each textbox to get a random number. Click ok when you have assigned image numbers."_s,
            {120, 240, 4455, 1215});
        row("Form2", "Command6", u"Ok!"_s, {1800, 1320, 1575, 375});
        row("Form2", "Command7", u"Ok"_s, {2640, 1080, 1575, 375});
        row("Form2", "Command8", u"Ok"_s, {1680, 1440, 1575, 375});
        row("Form2", "Command10", u"Ok"_s, {1680, 1200, 1575, 375});
        row("Form2", "Command11", u"Ok"_s, {1680, 1320, 1575, 375});
        row("Form3", "Label1", u"There are two steps to adding the rollover effect to your webpage."_s,
            {240, 120, 5415, 255});
        row("Form3", "Label2", u"Copy this code into the <Head> section of your page. "_s, {120, 840, 4215, 255});
        row("Form3", "Label3", u"Copy this where you want the rollover image to be in the <Body> section"_s,
            {120, 2520, 4335, 495});
        row("Form3", "RichTextBox1", QString(), {120, 1080, 4335, 1335});
        row("Form3", "RichTextBox2", QString(), {120, 3000, 4455, 1335});
        row("Form3", "Command3", u"Copy This"_s, {4680, 1320, 1335, 615});
        row("Form3", "Command4", u"Copy This"_s, {4680, 3240, 1335, 615});
        row("Form3", "Command5", u"Save as HTML"_s, {1200, 4440, 1455, 495});
        row("Form3", "Command1", u"Close"_s, {2640, 4440, 1455, 495});
        row("Form3", "OpenInBrowser", u"Open in Browser"_s, {6240, 4440, 1455, 495});
        row("Form3", "tut1", u"Interactive Tutorial"_s, {240, 480, 4575, 1695});
        row("Form3", "tut2", u"Interactive Tutorial"_s, {240, 2520, 4575, 1695});
        row("Form3", "Label4",
            u"Now you can copy the code into your web page. First,you need to copy the <head> section. Click Copy "
            "this to the right of this frame, and then paste it into the <head> section of the webpage. Click ok "
            "when you have done this"_s,
            {120, 240, 4335, 1095});
        row("Form3", "Label5",
            u"Now you copy the image code itself. Click copy this to the right and then paste the code where you "
            "want the image to be. If you don't want to do that, click \"Save as HTML\" to make an html page with "
            "the code in place. Thank you for using this tutorial!"_s,
            {120, 240, 4335, 1095});
        row("Form3", "Command2", u"Ok"_s, {1200, 1080, 1575, 375});
        row("Form3", "Command6", u"Ok"_s, {1800, 1080, 1575, 375});
    }
    void controlsOfBothWindows()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        QWidget *form = window == u"Form2"_s ? static_cast<QWidget *>(open<Form2>()) : openCode(false);
        QWidget *control = child<QWidget>(form, name);
        QString shown;
        if (auto *label = qobject_cast<QLabel *>(control))
            shown = label->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(control))
            shown = edit->text();
        else if (auto *button = qobject_cast<QPushButton *>(control))
            shown = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            shown = frame->title();
        QCOMPARE(shown, text);
        QCOMPARE(control->geometry(), ui::pixelRect(twips.x(), twips.y(), twips.width(), twips.height()));
        if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 224, 192));
    }

    void focusRunsInTheWindowsOrder()
    {
        Form2 *form = open<Form2>();
        const QStringList order{u"Text1"_s,    u"Command1"_s, u"Text2"_s,   u"Command2"_s, u"Text3"_s,
                                u"Text4"_s,    u"Command3"_s, u"Text5"_s,   u"Text6"_s,    u"Text7"_s,
                                u"Command4"_s, u"Command5"_s, u"Command9"_s};
        QWidget *widget = child<QWidget>(form, order.first());
        for (const QString &next : order.mid(1)) {
            widget = widget->nextInFocusChain();
            while (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus)
                widget = widget->nextInFocusChain();
            QCOMPARE(widget->objectName(), next);
        }
    }

    void accessKeyOfTheIntroductionFocusesTheFirstPicture()
    {
        Form2 *form = open<Form2>();
        QCOMPARE(child<QLabel>(form, u"Label1"_s)->buddy(), child<QLineEdit>(form, u"Text1"_s));
        child<QLineEdit>(form, u"Text5"_s)->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&workspace()));
        QTest::keyClick(form, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(form, u"Text1"_s));
    }

    void pickingAPictureTakesItsNameWithoutFolder_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::newRow("picture 1") << u"Command1"_s << u"Text1"_s << u"Select src for Image #1"_s
                                   << u"/home/me/pics/up.gif"_s << u"up.gif"_s;
        QTest::newRow("picture 2") << u"Command2"_s << u"Text2"_s << u"Select src for Image #2"_s
                                   << u"/home/me/pics/over.jpg"_s << u"over.jpg"_s;
        QTest::newRow("blank and hash") << u"Command1"_s << u"Text1"_s << u"Select src for Image #1"_s
                                        << u"/tmp/my pic#1.bmp"_s << u"my%20pic%231.bmp"_s;
        QTest::newRow("quote") << u"Command2"_s << u"Text2"_s << u"Select src for Image #2"_s << u"/tmp/say\"hi\".gif"_s
                               << u"say%22hi%22.gif"_s;
        QTest::newRow("png") << u"Command1"_s << u"Text1"_s << u"Select src for Image #1"_s << u"/home/me/pics/up.png"_s
                             << u"up.png"_s;
        QTest::newRow("webp") << u"Command2"_s << u"Text2"_s << u"Select src for Image #2"_s
                              << u"/home/me/pics/over.webp"_s << u"over.webp"_s;
        QTest::newRow("svg") << u"Command1"_s << u"Text1"_s << u"Select src for Image #1"_s
                             << u"/home/me/pics/logo.svg"_s << u"logo.svg"_s;
    }
    void pickingAPictureTakesItsNameWithoutFolder()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, title);
        QFETCH(QString, path);
        QFETCH(QString, text);
        Form2 *form = open<Form2>();
        services().answerOpen(path);
        click(form, button);
        QCOMPARE(child<QLineEdit>(form, box)->text(), text);
        QCOMPARE(services().questions.size(), 1);
        const FakeServices::Question &asked = services().questions.first();
        QCOMPARE(asked.kind, FakeServices::Question::Open);
        QCOMPARE(asked.request.title, title);
        QCOMPARE(asked.request.filter.description, u"Image Files (*.jpg,*.gif,*.bmp) "_s);
        QCOMPARE(asked.request.filter.patterns, u"*.jpg;*.gif;*.bmp"_s);
        QCOMPARE(asked.request.moreFilters.size(), 1);
        const QStringList second = asked.request.moreFilters.first().patterns.split(u';');
        for (const QString &pattern : {u"*.png"_s, u"*.webp"_s, u"*.svg"_s})
            QVERIFY2(second.contains(pattern), qPrintable(pattern));
    }

    void cancelledPickKeepsTheBoxAndTheDialogKeepsItsLastName()
    {
        Form2 *form = open<Form2>();
        services().answerOpen(u"/pics/up.gif"_s);
        click(form, u"Command1"_s);
        services().answerOpen(std::nullopt);
        click(form, u"Command1"_s);
        QCOMPARE(child<QLineEdit>(form, u"Text1"_s)->text(), u"up.gif"_s);
        child<QLineEdit>(form, u"Text2"_s)->setText(u"typed.gif"_s);
        services().answerOpen(std::nullopt);
        click(form, u"Command2"_s);
        QCOMPARE(child<QLineEdit>(form, u"Text2"_s)->text(), u"typed.gif"_s);
        QCOMPARE(services().questions.size(), 3);
        // Each picker starts at its own picture, never the other's; a folder that is not there no more.
        QCOMPARE(services().questions[1].request.proposedName, u"/pics/up.gif"_s);
        QCOMPARE(services().questions[2].request.proposedName, ui::proposedPath(services(), ui::FileKind::Pictures));
    }

    void droppedPictureIsTakenAsPicked_data()
    {
        // The control the drag ends on, the box of its picture, what the drag carries, and the
        // box's text afterwards (unchanged when the drag is refused).
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("taken");
        const auto file = [this](const QString &name) {
            return QList<QUrl>{QUrl::fromLocalFile(picture(name))};
        };
        const QList<QUrl> web{QUrl(u"https://example.org/up.gif"_s)};
        const auto row = [](const char *tag, const QString &target, const QString &box, const QList<QUrl> &urls,
                            const QString &text, const QString &taken) {
            QTest::newRow(tag) << target << box << urls << text << taken;
        };
        row("gif on Text1", u"Text1"_s, u"Text1"_s, file(u"up.gif"_s), QString(), u"up.gif"_s);
        row("gif on Command1", u"Command1"_s, u"Text1"_s, file(u"up.gif"_s), QString(), u"up.gif"_s);
        row("png on Text2", u"Text2"_s, u"Text2"_s, file(u"over.png"_s), QString(), u"over.png"_s);
        row("png on Command1", u"Command1"_s, u"Text1"_s, file(u"over.png"_s), QString(), u"over.png"_s);
        row("webp on Text1", u"Text1"_s, u"Text1"_s, file(u"photo.webp"_s), QString(), u"photo.webp"_s);
        row("webp on Command2", u"Command2"_s, u"Text2"_s, file(u"photo.webp"_s), QString(), u"photo.webp"_s);
        row("svg on Command1", u"Command1"_s, u"Text1"_s, file(u"logo.svg"_s), QString(), u"logo.svg"_s);
        row("svg on Text2", u"Text2"_s, u"Text2"_s, file(u"logo.svg"_s), QString(), u"logo.svg"_s);
        row("blank and hash on Command2", u"Command2"_s, u"Text2"_s, file(u"my pic#1.bmp"_s), QString(),
            u"my%20pic%231.bmp"_s);
        row("folder on Text1", u"Text1"_s, u"Text1"_s, {QUrl::fromLocalFile(m_pictures.path())}, QString(), QString());
        row("two pictures on Command1", u"Command1"_s, u"Text1"_s, file(u"up.gif"_s) + file(u"over.png"_s), QString(),
            QString());
        row("web address on Text2", u"Text2"_s, u"Text2"_s, web, web.first().toString(), QString());
        row("plain text on Text2", u"Text2"_s, u"Text2"_s, {}, picture(u"up.gif"_s), QString());
        row("text file on Command2", u"Command2"_s, u"Text2"_s, file(u"notes.txt"_s), QString(), QString());
    }
    void droppedPictureIsTakenAsPicked()
    {
        QFETCH(QString, target);
        QFETCH(QString, box);
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(QString, taken);
        Form2 *form = open<Form2>();
        QLineEdit *frame = child<QLineEdit>(form, box);
        frame->setText(u"typed.gif"_s);
        const std::unique_ptr<QMimeData> data = dragdrop::mimeData(urls, text);
        QWidget *over = child<QWidget>(form, target);
        const QImage edgeAtRest = dragdrop::edgeOf(frame);
        // A drag that passes over shows the box it would fill, and leaves it as it was.
        QCOMPARE(dragdrop::dragOver(over, data.get()).move, !taken.isEmpty());
        QCOMPARE(dragdrop::showsDropHighlight(frame), !taken.isEmpty());
        dragdrop::dragLeave(over);
        QCOMPARE(dragdrop::edgeOf(frame), edgeAtRest);
        QCOMPARE(frame->text(), u"typed.gif"_s);
        // One that ends there: the highlight goes with the drop.
        dragdrop::Answer answer = dragdrop::dragOver(over, data.get());
        QCOMPARE(dragdrop::showsDropHighlight(frame), !taken.isEmpty());
        dragdrop::dropOn(over, data.get(), answer);
        QCOMPARE(answer.drop, !taken.isEmpty());
        QCOMPARE(dragdrop::edgeOf(frame), edgeAtRest);
        QCOMPARE(child<QLineEdit>(form, box)->text(), taken.isEmpty() ? u"typed.gif"_s : taken);
        QVERIFY(services().questions.isEmpty()); // no dialog
        // The picture's picker proposes the dropped file next, as after a pick.
        services().answerOpen(std::nullopt);
        click(form, u"Command"_s + box.right(1));
        QCOMPARE(services().questions.last().request.proposedName,
                 taken.isEmpty() ? ui::proposedPath(services(), ui::FileKind::Pictures) : urls.first().toLocalFile());
    }

    void previewShowsTheRollover_data()
    {
        // The two pictures' format, how picture 1 arrives, and whether the modern code is chosen.
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<bool>("modern");
        for (const char *suffix : {"jpg", "gif", "bmp", "png", "webp", "svg"}) {
            for (const bool modern : {false, true}) {
                const QByteArray tag = QByteArray(suffix) + (modern ? " modern" : " classic");
                QTest::newRow(tag.constData()) << QString::fromLatin1(suffix) << false << modern;
            }
        }
        QTest::newRow("png dropped") << u"png"_s << true << false;
        QTest::newRow("svg dropped modern") << u"svg"_s << true << true;
    }
    void previewShowsTheRollover()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, dropped);
        QFETCH(bool, modern);
        // Picture 2 is smaller than picture 1, in both directions.
        const QString up = picture(u"preview-up."_s + suffix);
        const QString over = picture(u"preview-over."_s + suffix);
        QVERIFY(writePreviewPicture(up, 40, 30, Qt::red));
        QVERIFY(writePreviewPicture(over, 20, 10, Qt::blue));

        // The modern code gives both pictures the size in the box, which picture 1 set.
        const QSize overSize = modern ? QSize(40, 30) : QSize(20, 10);
        Form2 *form = open<Form2>();
        auto *preview = child<RolloverPreview>(form, u"Preview"_s);
        if (modern)
            child<QCheckBox>(form, u"ModernCode"_s)->click();
        if (dropped) {
            const std::unique_ptr<QMimeData> data = dragdrop::files({up});
            QVERIFY(dragdrop::dragOnto(child<QLineEdit>(form, u"Text1"_s), data.get()).drop);
        } else {
            services().answerOpen(up);
            click(form, u"Command1"_s);
        }
        // Picture 1 as soon as it is there, before picture 2 is picked.
        QVERIFY(shows(preview, Qt::red, QSize(40, 30)));
        QVERIFY(!child<QLabel>(preview, u"PreviewHint"_s)->isVisible());
        services().answerOpen(over);
        click(form, u"Command2"_s);
        QVERIFY(shows(preview, Qt::red, QSize(40, 30)));

        const QPoint origin = preview->contentsRect().topLeft();
        testwindows::sendMouse(preview, QEvent::MouseMove, Qt::NoButton, origin + QPoint(5, 5));
        QVERIFY(shows(preview, Qt::blue, overSize));
        // Past picture 2 but within picture 1: the pointer at rest sees one steady picture.
        testwindows::sendMouse(preview, QEvent::MouseMove, Qt::NoButton, origin + QPoint(35, 25));
        QVERIFY(shows(preview, Qt::blue, overSize));
        // In the frame past picture 1 the pointer is off the rollover.
        testwindows::sendMouse(preview, QEvent::MouseMove, Qt::NoButton, origin + QPoint(60, 60));
        QVERIFY(shows(preview, Qt::red, QSize(40, 30)));
        testwindows::sendMouse(preview, QEvent::MouseMove, Qt::NoButton, origin + QPoint(1, 1));
        QVERIFY(shows(preview, Qt::blue, overSize));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(preview, &leave);
        QVERIFY(shows(preview, Qt::red, QSize(40, 30)));

        // Keyboard focus shows picture 2 with the modern code only, as focus on its link does.
        QVERIFY(QTest::qWaitForWindowActive(&workspace()));
        preview->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(preview->hasFocus());
        QVERIFY(modern ? shows(preview, Qt::blue, overSize) : shows(preview, Qt::red, QSize(40, 30)));
        child<QLineEdit>(form, u"Text3"_s)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!preview->hasFocus());
        QVERIFY(shows(preview, Qt::red, QSize(40, 30)));
    }

    void previewWithoutAPictureIsAnEmptyFrameWithAHint()
    {
        Form2 *form = open<Form2>();
        auto *preview = child<RolloverPreview>(form, u"Preview"_s);
        QVERIFY(preview->shown().isNull());
        QLabel *hint = child<QLabel>(preview, u"PreviewHint"_s);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), u"Pick Image #1 to preview"_s);
        QVERIFY(hint->fontMetrics().horizontalAdvance(hint->text()) <= preview->contentsRect().width());
        QCOMPARE(preview->geometry(), ui::pixelRect(5520, 3360, 2280, 2280));
        QCOMPARE(preview->accessibleName(), u"Rollover preview"_s);
        // The pointer over it changes nothing.
        testwindows::sendMouse(preview, QEvent::MouseMove, Qt::NoButton, {10, 10});
        QVERIFY(preview->shown().isNull());
        QVERIFY(hint->isVisible());
        // A picture name typed by hand names no file: the preview goes back to its hint.
        services().answerOpen(picture(u"up.gif"_s));
        click(form, u"Command1"_s);
        QVERIFY(!preview->shown().isNull());
        QTest::keyClick(child<QLineEdit>(form, u"Text1"_s), Qt::Key_X);
        QVERIFY(preview->shown().isNull());
        QVERIFY(hint->isVisible());
    }

    // The size box follows picture 1 while it holds what the window opened with or what the
    // last pick put there; a picture that cannot be read changes nothing but the preview's words.
    void sizeFollowsPictureOne_data()
    {
        QTest::addColumn<QString>("typedSize"); // typed before the pictures; empty: none
        QTest::addColumn<QStringList>("taken"); // "pick:" or "drop:" or "type:" and a file name
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("hint"); // the preview's words; empty: it shows a picture
        const QString unreadable = u"Quillarc cannot read Image #1."_s;
        QTest::newRow("picked") << QString() << QStringList{u"pick:wide.png"_s} << u"120,40"_s << QString();
        QTest::newRow("picked again") << QString() << QStringList{u"pick:wide.png"_s, u"pick:up.gif"_s} << u"8,8"_s
                                      << QString();
        QTest::newRow("typed, then picked") << u"50,50"_s << QStringList{u"pick:wide.png"_s} << u"50,50"_s << QString();
        QTest::newRow("dropped") << QString() << QStringList{u"drop:wide.png"_s} << u"120,40"_s << QString();
        QTest::newRow("not a picture") << QString() << QStringList{u"pick:notes.txt"_s} << u"32,32"_s << unreadable;
        QTest::newRow("full path typed") << QString() << QStringList{u"type:*wide.png"_s} << u"120,40"_s << QString();
        QTest::newRow("name typed beside the last pick")
            << QString() << QStringList{u"pick:up.gif"_s, u"type:wide.png"_s} << u"120,40"_s << QString();
        QTest::newRow("name typed that names no file")
            << QString() << QStringList{u"type:nowhere.png"_s} << u"32,32"_s << unreadable;
    }
    void sizeFollowsPictureOne()
    {
        QFETCH(QString, typedSize);
        QFETCH(QStringList, taken);
        QFETCH(QString, size);
        QFETCH(QString, hint);
        QVERIFY(testimages::writePicture(picture(u"wide.png"_s), 120, 40, Qt::red));
        Form2 *form = open<Form2>();
        auto *box = child<QLineEdit>(form, u"Text1"_s);
        if (!typedSize.isEmpty()) {
            child<QLineEdit>(form, u"Text5"_s)->clear();
            QTest::keyClicks(child<QLineEdit>(form, u"Text5"_s), typedSize);
        }
        for (const QString &step : taken) {
            const QString name = step.section(u':', 1);
            if (step.startsWith(u"pick:"_s)) {
                services().answerOpen(picture(name));
                click(form, u"Command1"_s);
            } else if (step.startsWith(u"drop:"_s)) {
                const std::unique_ptr<QMimeData> data = dragdrop::files({picture(name)});
                QVERIFY(dragdrop::dragOnto(box, data.get()).drop);
            } else {
                box->clear();
                QTest::keyClicks(box, name.startsWith(u'*') ? picture(name.mid(1)) : name);
                QTest::keyClick(box, Qt::Key_Return);
            }
        }
        QCOMPARE(child<QLineEdit>(form, u"Text5"_s)->text(), size);
        auto *preview = child<RolloverPreview>(form, u"Preview"_s);
        QCOMPARE(preview->shown().isNull(), !hint.isEmpty());
        if (!hint.isEmpty())
            QCOMPARE(child<QLabel>(preview, u"PreviewHint"_s)->text(), hint);
    }

    // "Back to Properties" opens the properties the code was made from, where the code window
    // stood, and closes the code window.
    void backToProperties()
    {
        Form2 *form = open<Form2>(true);
        services().answerOpen(picture(u"up.gif"_s));
        click(form, u"Command1"_s);
        services().answerOpen(picture(u"over.png"_s));
        click(form, u"Command2"_s);
        const QStringList boxes{u"Text3"_s, u"Text4"_s, u"Text5"_s, u"Text6"_s, u"Text7"_s, u"AltText"_s};
        for (const QString &name : boxes)
            QTest::keyClicks(child<QLineEdit>(form, name), u"x"_s);
        child<QCheckBox>(form, u"ModernCode"_s)->setChecked(true);
        const RolloverEntries made = form->entries();
        click(form, u"Command3"_s);
        Form3 *code = workspace().findChild<Form3 *>();
        QVERIFY(code);
        code->setLeft(300);
        QPointer<Form3> closing(code);
        click(code, u"BackToProperties"_s);
        QTRY_VERIFY(!closing);
        Form2 *again = nullptr;
        for (Form2 *window : workspace().findChildren<Form2 *>())
            if (!window->isClosed())
                again = window;
        QVERIFY(again && again != form);
        QVERIFY(!again->tutmode);
        QCOMPARE(again->left(), 300);
        const RolloverEntries restored = again->entries();
        // The classic code names every box and the alt text.
        const RolloverCode before = GenerateRolloverCode(made.properties);
        const RolloverCode after = GenerateRolloverCode(restored.properties);
        QCOMPARE(QByteArray::fromStdString(after.head + after.body),
                 QByteArray::fromStdString(before.head + before.body));
        QVERIFY(restored.modern);
        QCOMPARE(restored.picture1Path, picture(u"up.gif"_s));
        QCOMPARE(restored.picture2Path, picture(u"over.png"_s));
        QVERIFY(!child<RolloverPreview>(again, u"Preview"_s)->shown().isNull());
        for (int step = 1; step <= 6; ++step)
            QVERIFY(!child<QGroupBox>(again, u"tut%1"_s.arg(step))->isVisible());
    }

    void previewTakesTheFocusAfterTheCodeChoice()
    {
        Form2 *form = open<Form2>();
        auto *preview = child<RolloverPreview>(form, u"Preview"_s);
        QCOMPARE(preview->focusPolicy(), Qt::StrongFocus);
        QWidget *next = child<QWidget>(form, u"ModernCode"_s)->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next, preview);
    }

    void randomImageNames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<float>("draw");
        QTest::addColumn<QString>("name");
        QTest::newRow("image 1 lowest") << u"Command4"_s << u"Text6"_s << 0.0f << u"Image1"_s;
        QTest::newRow("image 1 highest") << u"Command4"_s << u"Text6"_s << std::nextafter(1.0f, 0.0f) << u"Image1000"_s;
        QTest::newRow("image 2 middle") << u"Command5"_s << u"Text7"_s << 0.25f << u"Image251"_s;
    }
    void randomImageNames()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(float, draw);
        QFETCH(QString, name);
        Form2 *form = open<Form2>();
        services().scriptDraws({draw});
        click(form, button);
        QCOMPARE(child<QLineEdit>(form, box)->text(), name);
    }

    void randomRolloverNameIsEightLetters()
    {
        Form2 *form = open<Form2>();
        services().scriptDraws({0.0f, 0.1f, 0.2f, 0.3f, 0.45f, 0.5f, 0.99f, std::nextafter(1.0f, 0.0f)});
        click(form, u"Command9"_s);
        QCOMPARE(child<QLineEdit>(form, u"Text4"_s)->text(), u"Rolloverabcdefjj"_s);

        // Unscripted draws: always 16 characters, letters a to j only, and not all the same.
        QSet<QChar> seen;
        for (int run = 0; run < 20; ++run) {
            click(form, u"Command9"_s);
            const QString name = child<QLineEdit>(form, u"Text4"_s)->text();
            QCOMPARE(name.size(), 16);
            QVERIFY(name.startsWith(u"Rollover"_s));
            for (QChar letter : name.mid(8)) {
                QVERIFY(letter >= u'a' && letter <= u'j');
                seen.insert(letter);
            }
        }
        QVERIFY(seen.size() > 1);
    }

    void seeCodeOpensTheCodeWindowInItsPlace_data()
    {
        QTest::addColumn<bool>("tutorial");
        QTest::newRow("plain") << false;
        QTest::newRow("tutorial") << true;
    }
    void seeCodeOpensTheCodeWindowInItsPlace()
    {
        QFETCH(bool, tutorial);
        Form2 *form = open<Form2>(tutorial);
        form->setLeft(1500);
        QPointer<Form2> properties(form);
        click(form, u"Command3"_s);
        QVERIFY(form->isClosed());
        QTRY_VERIFY(properties.isNull());

        Form3 *code = workspace().findChild<Form3 *>();
        QVERIFY(code);
        QVERIFY(code->isVisible());
        QVERIFY(code->instanced);
        QCOMPARE(code->tutmode, tutorial);
        QCOMPARE(code->left(), 1500);
        QCOMPARE(code->top(), 0);
        QCOMPARE(ui::textOf(child<QPlainTextEdit>(code, u"RichTextBox1"_s)), std::string(DefaultHead));
        QCOMPARE(ui::textOf(child<QPlainTextEdit>(code, u"RichTextBox2"_s)), std::string(DefaultBody));
        QCOMPARE(child<QGroupBox>(code, u"tut1"_s)->isVisible(), tutorial);
        QVERIFY(!child<QGroupBox>(code, u"tut2"_s)->isVisible());
    }

    // The boxes as typed go into the code, the alt text escaped, and "Save as HTML" writes the
    // page of the code chosen.
    void seeCodeReadsTheBoxesAsTyped_data()
    {
        QTest::addColumn<QString>("alt");
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QByteArray>("picture"); // as the body code holds picture 1
        QTest::newRow("classic") << QString() << false << QByteArray("<img src=\"a.gif\" name=\"R\"></a>");
        QTest::newRow("classic with an alt text")
            << u"a & \"b\" <c>"_s << false
            << QByteArray("<img src=\"a.gif\" name=\"R\" alt=\"a &amp; &quot;b&quot; &lt;c&gt;\"></a>");
        QTest::newRow("modern") << u"a & \"b\" <c>"_s << true
                                << QByteArray("<img src=\"a.gif\" alt=\"a &amp; &quot;b&quot; &lt;c&gt;\" "
                                              "width=\"1\" height=\"2\">");
    }
    void seeCodeReadsTheBoxesAsTyped()
    {
        QFETCH(QString, alt);
        QFETCH(bool, modern);
        QFETCH(QByteArray, picture);
        Form2 *form = open<Form2>();
        const QList<std::pair<QString, QString>> typed{
            {u"Text1"_s, u"a.gif"_s}, {u"Text2"_s, u"b.gif"_s}, {u"Text3"_s, u"x.html"_s}, {u"Text4"_s, u"R"_s},
            {u"Text5"_s, u"1,2"_s},   {u"Text6"_s, u"P"_s},     {u"Text7"_s, u"Q"_s},      {u"AltText"_s, alt}};
        for (const auto &[name, text] : typed) {
            child<QLineEdit>(form, name)->clear();
            QTest::keyClicks(child<QLineEdit>(form, name), text);
        }
        child<QCheckBox>(form, u"ModernCode"_s)->setChecked(modern);
        click(form, u"Command3"_s);
        Form3 *code = workspace().findChild<Form3 *>();
        RolloverProperties p{"a.gif", "b.gif", "x.html", "R", "1,2", "P", "Q", alt.toStdString()};
        const RolloverCode expected = modern ? GenerateModernRolloverCode(p) : GenerateRolloverCode(p);
        QCOMPARE(ui::textOf(child<QPlainTextEdit>(code, u"RichTextBox1"_s)), expected.head);
        QCOMPARE(ui::textOf(child<QPlainTextEdit>(code, u"RichTextBox2"_s)), expected.body);
        QVERIFY(QByteArray::fromStdString(expected.body).contains(picture));
        const QString page = m_pictures.filePath(u"typed.html"_s);
        services().answerSave(page);
        click(code, u"Command5"_s);
        QCOMPARE(testfiles::contentOf(page),
                 QByteArray::fromStdString(modern ? ModernRolloverPage(expected.head, expected.body)
                                                  : RolloverPage(expected.head, expected.body)));
        QVERIFY(QFile::remove(page));
    }

    void propertiesTutorialSteps()
    {
        Form2 *form = open<Form2>(true);
        struct Expect {
            QString button; // pressed before checking; empty for the opening state
            int visible;    // the one step frame showing
            QStringList highlighted;
        };
        const QList<Expect> steps{
            {QString(), 1, {u"Label2"_s, u"Label3"_s}},
            {u"Command6"_s, 2, {u"Label4"_s}},
            {u"Command7"_s, 3, {u"Label5"_s}},
            {u"Command8"_s, 4, {u"Label7"_s}},
            {u"Command10"_s, 5, {u"Label8"_s, u"Label9"_s}},
            {u"Command11"_s, 6, {}},
        };
        const QStringList labels{u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s,
                                 u"Label7"_s, u"Label8"_s, u"Label9"_s};
        for (const Expect &step : steps) {
            if (!step.button.isEmpty())
                click(form, step.button);
            for (int frame = 1; frame <= 6; ++frame)
                QCOMPARE(child<QGroupBox>(form, u"tut%1"_s.arg(frame))->isVisible(), frame == step.visible);
            for (const QString &label : labels)
                QCOMPARE(ui::isHighlighted(child<QLabel>(form, label)), step.highlighted.contains(label));
        }
        for (const QString &label : labels) {
            const QPalette palette = child<QLabel>(form, label)->palette();
            QCOMPARE(palette.color(QPalette::Window), QColor(255, 255, 192));
            QCOMPARE(palette.color(QPalette::WindowText), QColor(0, 0, 0));
        }
        QCOMPARE(child<QLabel>(form, u"Label16"_s)->text(),
                 u"Good job, you have entered all of the properties needed and now you are ready to copy the code. "
                 "Click \"See Code\" below to goto the next screen. "_s);
        QVERIFY(!child<QGroupBox>(form, u"tut6"_s)->findChild<QPushButton *>());
    }

    void fieldsWorkDuringATutorialStep()
    {
        Form2 *form = open<Form2>(true);
        services().scriptDraws({0.5f});
        click(form, u"Command5"_s);
        QCOMPARE(child<QLineEdit>(form, u"Text7"_s)->text(), u"Image501"_s);
        click(form, u"Command3"_s); // See Code before the last step still passes the tutorial on
        Form3 *code = workspace().findChild<Form3 *>();
        QVERIFY(code->tutmode);
        QVERIFY(child<QGroupBox>(code, u"tut1"_s)->isVisible());
    }

    void codeWindowTutorialSteps()
    {
        Form3 *code = openCode(true);
        QGroupBox *tut1 = child<QGroupBox>(code, u"tut1"_s);
        QGroupBox *tut2 = child<QGroupBox>(code, u"tut2"_s);
        QVERIFY(tut1->isVisible() && !tut2->isVisible());
        click(code, u"Command2"_s);
        QVERIFY(!tut1->isVisible() && tut2->isVisible());
        QVERIFY(tut2->y() > tut1->y());
        click(code, u"Command6"_s);
        QVERIFY(!tut1->isVisible() && !tut2->isVisible());
        QCOMPARE(tut1->palette().color(QPalette::Window), QColor(255, 255, 128));
    }

    void codeWindowWithoutTutorialShowsNoFrame()
    {
        Form3 *code = openCode(false);
        QVERIFY(!child<QGroupBox>(code, u"tut1"_s)->isVisible());
        QVERIFY(!child<QGroupBox>(code, u"tut2"_s)->isVisible());
        QVERIFY(child<QPlainTextEdit>(code, u"RichTextBox1"_s)->isReadOnly());
        QVERIFY(child<QPlainTextEdit>(code, u"RichTextBox2"_s)->isReadOnly());
        // The tips with angle brackets are escaped, so that they show as written.
        const auto shownTip = [code](const QString &name) {
            QTextDocument tip;
            tip.setHtml(child<QPushButton>(code, name)->toolTip());
            return tip.toPlainText();
        };
        QCOMPARE(shownTip(u"Command3"_s), u"Copy the <head> text to the clipboard"_s);
        QCOMPARE(shownTip(u"Command4"_s), u"Copy the <body> section of the code to the clipboard"_s);
        QCOMPARE(child<QPushButton>(code, u"Command5"_s)->toolTip(), u"Create an HTML page with your rollover"_s);
        QCOMPARE(child<QPushButton>(code, u"Command1"_s)->toolTip(), u"Close this rollover window"_s);
    }

    void codeWindowLoadedWithoutInstancedClosesItself()
    {
        auto *code = new Form3(workspace());
        QPointer<Form3> alive(code);
        code->setTop(0);
        code->showWindow();
        QVERIFY(code->isClosed());
        QVERIFY(!code->isVisible());
        QTRY_VERIFY(alive.isNull());
    }

    void copyButtonsCopyTheirOwnBox()
    {
        Form3 *code = openCode(false);
        click(code, u"Command3"_s);
        QCOMPARE(testwindows::clipboardText(), QString::fromLatin1(DefaultHead));
        click(code, u"Command4"_s);
        QCOMPARE(testwindows::clipboardText(), QString::fromLatin1(DefaultBody));
    }

    void saveTwiceThenCancel()
    {
        QTemporaryDir dir;
        Form3 *code = openCode(false);
        const QString page = dir.filePath(u"rollover.html"_s);
        const QByteArray expected = QByteArray::fromStdString(RolloverPage(DefaultHead, DefaultBody));
        services().answerSave(page);
        const QString pages = ui::proposedPath(services(), ui::FileKind::Pages);
        click(code, u"Command5"_s);
        QCOMPARE(testfiles::contentOf(page), expected);
        QVERIFY(expected.endsWith("</body> </html>\r\n"));

        QFile::remove(page);
        services().answerSave(page);
        click(code, u"Command5"_s);
        QCOMPARE(testfiles::contentOf(page), expected);

        services().answerSave(std::nullopt);
        click(code, u"Command5"_s);
        QCOMPARE(testfiles::contentOf(page), expected);

        QCOMPARE(services().questions.size(), 3);
        QCOMPARE(services().questions[0].request.proposedName, pages);
        QCOMPARE(services().questions[1].request.proposedName, page);
        QCOMPARE(services().questions[2].request.proposedName, page);
        QCOMPARE(services().questions[0].request.filter.description, u"HTM(L) Files *.html, *.htm "_s);
        QCOMPARE(services().questions[0].request.filter.patterns, u"*.html"_s);
        QVERIFY(services().questions[0].request.title.isEmpty());
        QVERIFY(services().messages.isEmpty());
        QVERIFY(code->isVisible());
    }

    void saveIntoAMissingFolderSaysSoAndWritesNothing()
    {
        QTemporaryDir dir;
        Form3 *code = openCode(false);
        const QString target = dir.filePath(u"no such folder/page.html"_s);
        services().answerSave(target);
        click(code, u"Command5"_s);
        QCOMPARE(services().messages.size(), 1);
        QVERIFY(services().messages[0].text.contains(u"no such folder/page.html"_s));
        QVERIFY(!QFile::exists(target));
        QCOMPARE(ui::textOf(child<QPlainTextEdit>(code, u"RichTextBox1"_s)), std::string(DefaultHead));
        QVERIFY(code->isVisible());
    }

    void saveOverAPageInAReadOnlyFolderLeavesItIntact()
    {
        if (::geteuid() == 0)
            QSKIP("root may write into read-only folders");
        QTemporaryDir dir;
        const QString existing = dir.filePath(u"keep.html"_s);
        {
            QFile file(existing);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old page");
        }
        Form3 *code = openCode(false);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        services().answerSave(existing);
        click(code, u"Command5"_s);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(services().messages.size(), 1);
        QCOMPARE(testfiles::contentOf(existing), QByteArray("old page"));
    }

    void closeButtonClosesTheWindow()
    {
        Form3 *code = openCode(false);
        QPointer<Form3> alive(code);
        click(code, u"Command1"_s);
        QTRY_VERIFY(alive.isNull());
    }

    void renders()
    {
        Form2 *plain = open<Form2>();
        QImage image = QImage(testimages::render(plain, u"Form2"_s));
        QCOMPARE(image.size(), QSize(530, 384));
        QCOMPARE(image.pixelColor(5, 5), QColor(255, 255, 192));
        const QRect see = child<QPushButton>(plain, u"Command3"_s)->geometry();
        QCOMPARE(image.pixelColor(see.x() + 10, see.y() + 5), QColor(255, 224, 192));

        Form2 *tutorial = open<Form2>(true);
        image = QImage(testimages::render(tutorial, u"Form2-tutorial"_s));
        const QRect label2 = child<QLabel>(tutorial, u"Label2"_s)->geometry();
        QCOMPARE(image.pixelColor(label2.x() + 1, label2.y() + 1), QColor(255, 0, 0));
        const QRect tut1 = child<QGroupBox>(tutorial, u"tut1"_s)->geometry();
        QCOMPARE(image.pixelColor(tut1.x() + 4, tut1.bottom() - 4), QColor(255, 255, 128));

        Form3 *code = openCode(true);
        image = QImage(testimages::render(code, u"Form3-tutorial"_s));
        QCOMPARE(image.pixelColor(5, 5), QColor(255, 255, 192));
        click(code, u"Command2"_s);
        click(code, u"Command6"_s);
        testimages::render(code, u"Form3-tutorial-finished"_s);
    }

private:
    // The code window as "See Code" opens it.
    Form3 *openCode(bool tutorial)
    {
        auto *code = new Form3(workspace());
        code->tutmode = tutorial;
        code->instanced = true;
        code->setLeft(0);
        code->setTop(0);
        code->setCode(DefaultHead, DefaultBody);
        code->showWindow();
        return code;
    }

    // A one-colour picture in the format its suffix names.
    static bool writePreviewPicture(const QString &path, int width, int height, const QColor &colour)
    {
        if (path.endsWith(u".gif"_s))
            return testimages::writeGif(path, width, height, colour);
        if (path.endsWith(u".svg"_s))
            return testimages::writeSvg(path, width, height, colour);
        return testimages::writePicture(path, width, height, colour);
    }
    // Whether the preview shows a picture of that size whose corner is near the colour (the
    // lossy formats shift it a little).
    static bool shows(const RolloverPreview *preview, const QColor &colour, QSize size)
    {
        const QPixmap &shown = preview->shown();
        const QColor corner = shown.toImage().pixelColor(1, 1);
        const bool near = std::abs(corner.red() - colour.red()) < 40 &&
                          std::abs(corner.green() - colour.green()) < 40 &&
                          std::abs(corner.blue() - colour.blue()) < 40;
        if (shown.size() != size || !near)
            qWarning() << "shown" << shown.size() << corner << "wanted" << size << colour;
        return shown.size() == size && near;
    }

    QString picture(const QString &name) const { return m_pictures.filePath(name); }

    QTemporaryDir m_pictures;
};

QTEST_MAIN(TestRolloverWindows)
#include "test_rollover_windows.moc"
