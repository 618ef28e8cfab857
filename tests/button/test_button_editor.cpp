// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_code.h"
#include "button/button_editor.h"
#include "button/button_page.h"
#include "button/picture_box.h"
#include "tests/support/drag_drop.h"
#include "tests/support/line_break_rows.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "ui/files.h"
#include "ui/look.h"
#include "ui/remembered_places.h"
#include "ui/text_box.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;
using testwindows::clipboardText;

// The button editor window: its controls, the pickers, the size, the random names, "See
// Code" and the code frame with copying and saving.

class TestButtonEditor final : public WindowTest {
    Q_OBJECT

public:
    TestButtonEditor()
        : WindowTest({800, 600})
    {}

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(testimages::writePicture(path(u"default.jpg"_s), 120, 40, Qt::red));
        QVERIFY(testimages::writeGif(path(u"over.gif"_s), 60, 20, Qt::green));
        QVERIFY(testimages::writePicture(path(u"down.bmp"_s), 30, 50, Qt::blue));
        QVERIFY(testimages::writePicture(path(u"other.bmp"_s), 88, 31, Qt::yellow));
        QVERIFY(testimages::writePicture(path(u"my pic#1.bmp"_s), 10, 12, Qt::cyan));
        QVERIFY(testimages::writePicture(path(u"default.png"_s), 64, 48, Qt::red));
        QVERIFY(testimages::writePicture(path(u"over.webp"_s), 70, 26, Qt::green));
        QVERIFY(testimages::writeSvg(path(u"down.svg"_s), 44, 52, Qt::blue));
        QVERIFY(testimages::writeSvg(path(u"large.svg"_s), 1600, 1200, Qt::darkGreen));
        QVERIFY(testimages::writePattern(path(u"large.webp"_s), 1600, 1200));
        QVERIFY(testimages::writePattern(path(u"large.jpg"_s), 1600, 1200));
        QVERIFY(testimages::writePattern(path(u"wide.bmp"_s), 400, 100));
        QVERIFY(testimages::writeClaimingGif(path(u"claims.gif"_s), 3000, 2000));
        QVERIFY(testfiles::writeFile(path(u"notes.jpg"_s), "These are not the pixels you are looking for.\r\n"));
        QVERIFY(QFile::copy(path(u"notes.jpg"_s), path(u"notes.txt"_s)));
        // The first half of a real JPEG.
        QVERIFY(testimages::writePicture(path(u"whole.jpg"_s), 200, 100, Qt::magenta));
        const QByteArray whole = testfiles::contentOf(path(u"whole.jpg"_s));
        QVERIFY(testfiles::writeFile(path(u"cut.jpg"_s), whole.left(whole.size() / 2)));
        for (const QString &name : {u"default.png"_s, u"over.webp"_s}) {
            const QByteArray picture = testfiles::contentOf(path(name));
            QVERIFY(testfiles::writeFile(path(u"cut-"_s + name), picture.left(picture.size() / 2)));
        }
        // A bitmap header that claims 50000 by 50000 pixels in a 60-byte file.
        QVERIFY(testfiles::writeFile(path(u"huge.bmp"_s), testimages::claimingBitmap(50000, 50000, 6)));
    }

    void freshWindow()
    {
        // The boxes' first texts and every control's place are rows of controls.
        Form7 *w = open<Form7>();
        QCOMPARE(w->objectName(), u"Form7"_s);
        QCOMPARE(w->windowTitle(), u"Button Editor"_s);
        QCOMPARE(w->size(), QSize(728, 408)); // the layout's 553, and the code view and the code choice
        QCOMPARE(w->palette().color(QPalette::Window), ui::WindowBackground);
        QCOMPARE(w->subWindow()->pos(), QPoint(0, 0));
        for (const QString &name : {u"Text1"_s, u"Text2"_s, u"Text3"_s})
            QVERIFY(child<QLineEdit>(w, name)->isReadOnly());
        for (const QString &name :
             {u"Text4"_s, u"Text5"_s, u"Text6"_s, u"Text7"_s, u"Text8"_s, u"Text9"_s, u"Text11"_s})
            QVERIFY(!child<QLineEdit>(w, name)->isReadOnly());
        QVERIFY(!child<QCheckBox>(w, u"Check1"_s)->isChecked());
        QVERIFY(!child<QCheckBox>(w, u"Check2"_s)->isChecked());
        QVERIFY(preview(w)->picture().isNull());
        QVERIFY(w->findChild<QWidget *>(u"Frame1"_s)->isVisible());
        QVERIFY(child<QPushButton>(w, u"Command5"_s)->isVisible());
        QVERIFY(child<QPushButton>(w, u"Command6"_s)->isVisible());
        QVERIFY(!child<QGroupBox>(w, u"Frame3"_s)->isVisible());
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!child<QGroupBox>(w, u"tut"_s + QString::number(i))->isVisible());
        QCOMPARE(w->shownPicture(), std::string());
        QCOMPARE(w->findChildren<QLineEdit *>().size(), 11); // ten and the alt text
        // The load moved the code frame to the top left corner.
        QCOMPARE(child<QGroupBox>(w, u"Frame3"_s)->geometry(), QRect(0, 1, 561, 407));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        const auto row = [](const QString &name, const QString &container, const QString &text, QRect geometry) {
            QTest::newRow(qPrintable(name)) << name << container << text << geometry;
        };
        row(u"Command6"_s, u"Form7"_s, u"Random"_s, {320, 264, 57, 19});
        row(u"Command5"_s, u"Form7"_s, u"Random"_s, {320, 232, 57, 19});
        row(u"Frame1"_s, u"Form7"_s, u"Button Editor"_s, {32, 8, 513, 353});
        row(u"Command14"_s, u"Frame1"_s, u"Close"_s, {416, 264, 73, 33});
        row(u"Text11"_s, u"Frame1"_s, u"http://"_s, {144, 320, 145, 19});
        row(u"Command8"_s, u"Frame1"_s, u"See Code"_s, {416, 232, 73, 33});
        row(u"Check2"_s, u"Frame1"_s, u"Don't Use Mouseover in preview"_s, {360, 192, 137, 33});
        row(u"Command7"_s, u"Frame1"_s, u"Random"_s, {288, 288, 57, 19});
        row(u"Text9"_s, u"Frame1"_s, u"Example"_s, {144, 288, 145, 19});
        row(u"Command4"_s, u"Frame1"_s, u"Random"_s, {288, 192, 57, 19});
        row(u"Text8"_s, u"Frame1"_s, u"MouseDownImage"_s, {144, 256, 145, 19});
        row(u"Text7"_s, u"Frame1"_s, u"MouseOverImage"_s, {144, 224, 145, 19});
        row(u"Text6"_s, u"Frame1"_s, u"DefaultImage"_s, {144, 192, 145, 19});
        row(u"Check1"_s, u"Frame1"_s, u"Get width and height from image source"_s, {40, 168, 225, 17});
        row(u"Text5"_s, u"Frame1"_s, QString(), {104, 144, 185, 19});
        row(u"Text4"_s, u"Frame1"_s, QString(), {104, 112, 185, 19});
        row(u"Command3"_s, u"Frame1"_s, u"..."_s, {288, 80, 25, 19});
        row(u"Command2"_s, u"Frame1"_s, u"..."_s, {288, 48, 25, 19});
        row(u"Command1"_s, u"Frame1"_s, u"..."_s, {288, 16, 25, 19});
        row(u"Frame2"_s, u"Frame1"_s, u"Button:"_s, {312, 8, 193, 177});
        row(u"button"_s, u"Frame2"_s, QString(), {8, 16, 177, 153});
        row(u"Text3"_s, u"Frame1"_s, QString(), {104, 80, 185, 19});
        row(u"Text2"_s, u"Frame1"_s, QString(), {104, 48, 185, 19});
        row(u"Text1"_s, u"Frame1"_s, QString(), {104, 16, 185, 19});
        row(u"Label12"_s, u"Frame1"_s, u"Button Link: "_s, {8, 320, 137, 17});
        row(u"Label9"_s, u"Frame1"_s, u"Button Name:"_s, {8, 288, 129, 17});
        row(u"Label8"_s, u"Frame1"_s, u"Mouse Down Image Name:"_s, {8, 256, 137, 17});
        row(u"Label7"_s, u"Frame1"_s, u"Mouse Over Image Name:"_s, {8, 224, 137, 17});
        row(u"Label6"_s, u"Frame1"_s, u"Default Image Name:"_s, {8, 192, 137, 17});
        row(u"Label5"_s, u"Frame1"_s, u"Button Height: "_s, {8, 144, 105, 17});
        row(u"Label4"_s, u"Frame1"_s, u"Button Width:"_s, {8, 112, 97, 17});
        row(u"Label3"_s, u"Frame1"_s, u"Mouse Down Image:"_s, {8, 80, 153, 17});
        row(u"Label2"_s, u"Frame1"_s, u"Mouse Over Image:"_s, {8, 48, 137, 17});
        row(u"Label1"_s, u"Frame1"_s, u"Default Image:"_s, {8, 16, 209, 17});
        row(u"Label10"_s, u"Frame3"_s,
            u"There are two steps to adding this button to your webpage. First, add this code below to the <head> "
            "section of your webpage"_s,
            {8, 16, 481, 49});
        row(u"first"_s, u"Frame3"_s, QString(), {8, 48, 489, 97});
        row(u"Label11"_s, u"Frame3"_s,
            u"The code below is the button itself. Add this to wherever you want the button to be located in your "
            "webpage. "_s,
            {8, 152, 489, 41});
        row(u"second"_s, u"Frame3"_s, QString(), {8, 192, 489, 97});
        row(u"Command10"_s, u"Frame3"_s, u"Copy"_s, {496, 64, 57, 33});
        row(u"Command11"_s, u"Frame3"_s, u"Copy"_s, {496, 208, 57, 33});
        row(u"Command12"_s, u"Frame3"_s, u"Save As HTML"_s, {160, 296, 89, 33});
        row(u"OpenInBrowser"_s, u"Frame3"_s, u"Open in Browser"_s, {352, 296, 105, 33});
        row(u"Command13"_s, u"Frame3"_s, u"Done"_s, {256, 296, 89, 33});
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        Form7 *w = open<Form7>();
        const QList<QWidget *> found = w->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QWidget *control = found.first();
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->geometry(), geometry);
        QVERIFY(control->toolTip().isEmpty());
        if (auto *label = qobject_cast<QLabel *>(control)) {
            QCOMPARE(label->text(), text);
            QVERIFY(!label->autoFillBackground()); // transparent
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            QCOMPARE(edit->text(), text);
        } else if (auto *box = qobject_cast<QPlainTextEdit *>(control)) {
            QCOMPARE(box->toPlainText(), text);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
            QCOMPARE(frame->title(), text);
            QCOMPARE(frame->palette().color(QPalette::Window), ui::WindowBackground);
        } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
            QCOMPARE(check->text(), text);
            QCOMPARE(check->palette().color(QPalette::Window), ui::WindowBackground);
        } else if (auto *command = qobject_cast<QPushButton *>(control)) {
            QCOMPARE(command->text(), text);
            QCOMPARE(command->palette().color(QPalette::Button), ui::ButtonFace);
        } else {
            QVERIFY(qobject_cast<PictureBox *>(control));
        }
    }

    void frontToBack()
    {
        Form7 *w = open<Form7>();
        // Among siblings a later child lies in front.
        const auto depth = [w](const QString &name) {
            return w->children().indexOf(w->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly));
        };
        QVERIFY(depth(u"Frame1"_s) >= 0);
        QVERIFY(depth(u"Command5"_s) > depth(u"Frame1"_s));
        QVERIFY(depth(u"Command6"_s) > depth(u"Frame1"_s));
        QVERIFY(depth(u"Frame3"_s) > depth(u"Frame1"_s));
        QVERIFY(depth(u"Frame3"_s) > depth(u"Command6"_s));
        QVERIFY(depth(u"tut1"_s) > depth(u"Frame3"_s));
        for (int i = 2; i <= 6; ++i)
            QVERIFY(depth(u"tut"_s + QString::number(i)) > depth(u"tut"_s + QString::number(i - 1)));
        // Inside Frame1 the "..." buttons lie over Frame2's edge and the boxes over the labels.
        QWidget *frame1 = w->findChild<QWidget *>(u"Frame1"_s);
        const auto inner = [frame1](const QString &name) {
            return frame1->children().indexOf(frame1->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly));
        };
        QVERIFY(inner(u"Command1"_s) > inner(u"Frame2"_s));
        QVERIFY(inner(u"Text1"_s) > inner(u"Label1"_s));
        QVERIFY(inner(u"Command14"_s) > inner(u"Text11"_s));
        // The point where Label1 and Text1 overlap belongs to the box.
        QCOMPARE(frame1->childAt(150, 20)->objectName(), u"Text1"_s);
        QCOMPARE(frame1->childAt(300, 20)->objectName(), u"Command1"_s);
    }

    void focusOrder()
    {
        Form7 *w = open<Form7>();
        const QStringList expected{u"Text1"_s,     u"Text2"_s,     u"Text3"_s,     u"Command1"_s,  u"Command2"_s,
                                   u"Command3"_s,  u"Text4"_s,     u"Text5"_s,     u"Check1"_s,    u"Text6"_s,
                                   u"Text7"_s,     u"Text8"_s,     u"Command4"_s,  u"Command5"_s,  u"Command6"_s,
                                   u"Text9"_s,     u"Command7"_s,  u"Check2"_s,    u"Command8"_s,  u"first"_s,
                                   u"second"_s,    u"Command10"_s, u"Command11"_s, u"Command12"_s, u"Command13"_s,
                                   u"Text11"_s,    u"Command14"_s, u"Command9"_s,  u"Command15"_s, u"Command16"_s,
                                   u"Command17"_s, u"Command18"_s, u"Command19"_s};
        QStringList chain;
        QWidget *at = w->findChild<QWidget *>(u"Text1"_s);
        for (int i = 0; i < 500 && chain.size() < expected.size(); ++i) {
            if (expected.contains(at->objectName()) && !chain.contains(at->objectName()))
                chain.append(at->objectName());
            at = at->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
    }

    void pickDefaultMeasures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("jpeg") << u"default.jpg"_s << QSize(120, 40);
        QTest::newRow("gif") << u"over.gif"_s << QSize(60, 20);
        QTest::newRow("bmp") << u"down.bmp"_s << QSize(30, 50);
        QTest::newRow("jpeg larger than the frame") << u"large.jpg"_s << QSize(1600, 1200);
        QTest::newRow("bmp wider than the frame") << u"wide.bmp"_s << QSize(400, 100);
        QTest::newRow("gif claiming more than it holds") << u"claims.gif"_s << QSize(3000, 2000);
        QTest::newRow("png") << u"default.png"_s << QSize(64, 48);
        QTest::newRow("webp") << u"over.webp"_s << QSize(70, 26);
        QTest::newRow("svg") << u"down.svg"_s << QSize(44, 52);
        QTest::newRow("webp larger than the frame") << u"large.webp"_s << QSize(1600, 1200);
        QTest::newRow("svg larger than the frame") << u"large.svg"_s << QSize(1600, 1200);
        // The limits, exactly: the most pixels a picture may have, and the largest file read
        // (sparse, a small picture and then nothing).
        constexpr qint64 LargestFile = qint64(256) * 1024 * 1024;
        QVERIFY(testimages::writeClaimingGif(path(u"most-pixels.gif"_s), 16384, 4096));
        QVERIFY(testimages::writePicture(path(u"most-pixels.jpg"_s), 16384, 4096, Qt::darkRed));
        QVERIFY(testimages::writeGif(path(u"largest-file.gif"_s), 16, 12, Qt::green));
        QVERIFY(QFile::resize(path(u"largest-file.gif"_s), LargestFile));
        QTest::newRow("gif claiming exactly the most pixels") << u"most-pixels.gif"_s << QSize(16384, 4096);
        QTest::newRow("jpeg of exactly the most pixels") << u"most-pixels.jpg"_s << QSize(16384, 4096);
        QTest::newRow("gif in a file of exactly the largest size read") << u"largest-file.gif"_s << QSize(16, 12);
    }
    void pickDefaultMeasures()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        Form7 *w = open<Form7>();
        child<QCheckBox>(w, u"Check1"_s)->setChecked(true);
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), QString()); // nothing to measure yet
        services().answerOpen(path(file));
        click(w, u"Command1"_s);
        QCOMPARE(services().questions.size(), 1);
        const FakeServices::Question &asked = services().questions.first();
        QCOMPARE(asked.kind, FakeServices::Question::Open);
        QCOMPARE(asked.request.filter.description, u"Image Files (*.jpg,*.gif,*.bmp) "_s);
        QCOMPARE(asked.request.filter.patterns, u"*.jpg;*.gif;*.bmp"_s);
        QCOMPARE(asked.request.moreFilters.size(), 1);
        const QStringList second = asked.request.moreFilters.first().patterns.split(u';');
        for (const QString &pattern : {u"*.png"_s, u"*.webp"_s, u"*.svg"_s})
            QVERIFY2(second.contains(pattern), qPrintable(pattern));
        QCOMPARE(asked.request.title, QString());
        QCOMPARE(child<QLineEdit>(w, u"Text1"_s)->text(), file);
        QCOMPARE(preview(w)->size(), size);
        // Only what the frame around the preview lets show is kept.
        QCOMPARE(preview(w)->picture().size(), size.boundedTo(shownPart(w)));
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), QString::number(size.width()));
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), QString::number(size.height()));
        QCOMPARE(w->shownPicture(), std::string()); // the picker takes no key
    }

    void largePictureShowsItsTopLeft_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("jpeg") << u"large.jpg"_s;
        QTest::newRow("webp") << u"large.webp"_s;
        QTest::newRow("svg") << u"large.svg"_s;
    }
    void largePictureShowsItsTopLeft()
    {
        // What the frame shows of a picture larger than itself: the whole picture's top left.
        QFETCH(QString, file);
        Form7 *w = open<Form7>();
        services().answerOpen(path(file));
        click(w, u"Command1"_s);
        QWidget *frame2 = w->findChild<QWidget *>(u"Frame2"_s);
        const QRect visible(preview(w)->pos(), shownPart(w));
        const QImage seen = frame2->grab(visible).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage whole = QImage(path(file)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(whole.size(), QSize(1600, 1200));
        QCOMPARE(seen, whole.copy(QRect(QPoint(0, 0), visible.size())));
    }

    // Unchecked, the pick fills the size only while both boxes are empty.
    void pickDefaultUncheckedKeepsSize_data()
    {
        QTest::addColumn<QStringList>("typed"); // width and height
        QTest::addColumn<QStringList>("after");
        QTest::newRow("width typed") << QStringList{u"7"_s, QString()} << QStringList{u"7"_s, QString()};
        QTest::newRow("both empty") << QStringList{QString(), QString()} << QStringList{u"120"_s, u"40"_s};
    }
    void pickDefaultUncheckedKeepsSize()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, after);
        Form7 *w = open<Form7>();
        child<QLineEdit>(w, u"Text4"_s)->setText(typed[0]);
        child<QLineEdit>(w, u"Text5"_s)->setText(typed[1]);
        services().answerOpen(path(u"default.jpg"_s));
        click(w, u"Command1"_s);
        QCOMPARE(preview(w)->size(), QSize(120, 40));
        QCOMPARE((QStringList{child<QLineEdit>(w, u"Text4"_s)->text(), child<QLineEdit>(w, u"Text5"_s)->text()}),
                 after);
        // Checking it now measures the picture shown.
        QTest::mouseClick(child<QCheckBox>(w, u"Check1"_s), Qt::LeftButton);
        QVERIFY(child<QCheckBox>(w, u"Check1"_s)->isChecked());
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), u"120"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), u"40"_s);
    }

    void wrappedCaptionClicks()
    {
        // The caption of Check2 takes two lines; a click on the second line toggles it too.
        Form7 *w = open<Form7>();
        QCheckBox *check2 = child<QCheckBox>(w, u"Check2"_s);
        QTest::mouseClick(check2, Qt::LeftButton, Qt::NoModifier, QPoint(60, 28));
        QVERIFY(check2->isChecked());
        QTest::mouseClick(check2, Qt::LeftButton, Qt::NoModifier, QPoint(130, 3));
        QVERIFY(!check2->isChecked());
    }

    void checkBeforeAnyPictureClears()
    {
        Form7 *w = open<Form7>();
        child<QLineEdit>(w, u"Text4"_s)->setText(u"50"_s);
        child<QLineEdit>(w, u"Text5"_s)->setText(u"60"_s);
        QTest::mouseClick(child<QCheckBox>(w, u"Check1"_s), Qt::LeftButton);
        QVERIFY(child<QCheckBox>(w, u"Check1"_s)->isChecked());
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), QString());
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), QString());
    }

    void uncheckingClearsSizes()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.jpg"_s));
        click(w, u"Command1"_s);
        QTest::mouseClick(child<QCheckBox>(w, u"Check1"_s), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), u"120"_s);
        child<QLineEdit>(w, u"Text4"_s)->setText(u"121"_s); // typed over the measured width
        QTest::mouseClick(child<QCheckBox>(w, u"Check1"_s), Qt::LeftButton);
        QVERIFY(!child<QCheckBox>(w, u"Check1"_s)->isChecked());
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), QString());
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), QString());
    }

    void newDefaultMeasuresAgain()
    {
        Form7 *w = open<Form7>();
        child<QCheckBox>(w, u"Check1"_s)->setChecked(true);
        services().answerOpen(path(u"default.jpg"_s));
        services().answerOpen(path(u"other.bmp"_s));
        click(w, u"Command1"_s);
        click(w, u"Command1"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text1"_s)->text(), u"other.bmp"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), u"88"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), u"31"_s);
        QCOMPARE(preview(w)->size(), QSize(88, 31));
        // The second picker proposes the picture picked last.
        QCOMPARE(services().questions.at(1).request.proposedName, path(u"default.jpg"_s));
    }

    void overAndDownPickersLoadNothing()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.jpg"_s));
        services().answerOpen(path(u"over.gif"_s));
        services().answerOpen(path(u"down.bmp"_s));
        click(w, u"Command1"_s);
        const qint64 shown = preview(w)->picture().cacheKey();
        click(w, u"Command2"_s);
        click(w, u"Command3"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text2"_s)->text(), u"over.gif"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text3"_s)->text(), u"down.bmp"_s);
        QCOMPARE(preview(w)->picture().cacheKey(), shown);
        QCOMPARE(preview(w)->size(), QSize(120, 40));
    }

    void cancelledPickChangesNothing_data()
    {
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QString>("box");
        QTest::newRow("default") << u"Command1"_s << u"Text1"_s;
        QTest::newRow("mouse-over") << u"Command2"_s << u"Text2"_s;
        QTest::newRow("mouse-down") << u"Command3"_s << u"Text3"_s;
    }
    void cancelledPickChangesNothing()
    {
        QFETCH(QString, picker);
        QFETCH(QString, box);
        Form7 *w = open<Form7>();
        child<QCheckBox>(w, u"Check1"_s)->setChecked(true);
        services().answerOpen(path(u"down.bmp"_s));
        services().answerOpen(std::nullopt);
        click(w, picker);
        const QPixmap before = preview(w)->picture();
        const QString width = child<QLineEdit>(w, u"Text4"_s)->text();
        click(w, picker);
        QCOMPARE(services().questions.size(), 2);
        QCOMPARE(child<QLineEdit>(w, box)->text(), u"down.bmp"_s);
        QCOMPARE(preview(w)->picture().cacheKey(), before.cacheKey());
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), width);
        // The name and the path are still the picked ones: "See Code" and the preview use them.
        click(w, u"Command8"_s);
        QVERIFY(child<QPlainTextEdit>(w, u"first"_s)->toPlainText().contains(u"=\"down.bmp\""_s));
        if (picker == u"Command1"_s) {
            QCOMPARE(preview(w)->size(), QSize(30, 50));
            w->Form_MouseMove();
            QCOMPARE(w->shownPicture(), path(u"down.bmp"_s).toStdString());
        }
    }

    void unreadablePictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("not a picture") << u"notes.jpg"_s;
        QTest::newRow("truncated jpeg") << u"cut.jpg"_s;
        QTest::newRow("truncated png") << u"cut-default.png"_s;
        QTest::newRow("truncated webp") << u"cut-over.webp"_s;
        QTest::newRow("claims a huge size") << u"huge.bmp"_s;
        QTest::newRow("missing") << u"gone.gif"_s;
        // One past each limit that pickDefaultMeasures takes exactly.
        constexpr qint64 LargestFile = qint64(256) * 1024 * 1024;
        QVERIFY(testimages::writeClaimingGif(path(u"row-too-many.gif"_s), 16384, 4097));
        QVERIFY(testimages::writePicture(path(u"row-too-many.jpg"_s), 16384, 4097, Qt::darkRed));
        QVERIFY(testimages::writeGif(path(u"byte-too-large.gif"_s), 16, 12, Qt::green));
        QVERIFY(QFile::resize(path(u"byte-too-large.gif"_s), LargestFile + 1));
        QTest::newRow("gif claiming a row more than the most pixels") << u"row-too-many.gif"_s;
        QTest::newRow("jpeg of a row more than the most pixels") << u"row-too-many.jpg"_s;
        QTest::newRow("gif in a file a byte larger than the largest read") << u"byte-too-large.gif"_s;
    }
    void unreadablePictures()
    {
        QFETCH(QString, file);
        Form7 *w = open<Form7>();
        child<QCheckBox>(w, u"Check1"_s)->setChecked(true);
        // On a fresh window: the name is taken, the preview stays empty, nothing is measured.
        services().answerOpen(path(file));
        click(w, u"Command1"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text1"_s)->text(), file);
        QVERIFY(preview(w)->picture().isNull());
        QCOMPARE(preview(w)->size(), QSize(177, 153));
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), QString());
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), QString());
        // After a good picture: the preview and the measured size stay.
        services().answerOpen(path(u"default.jpg"_s));
        services().answerOpen(path(file));
        click(w, u"Command1"_s);
        const qint64 shown = preview(w)->picture().cacheKey();
        click(w, u"Command1"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text1"_s)->text(), file);
        QCOMPARE(preview(w)->picture().cacheKey(), shown);
        QCOMPARE(preview(w)->size(), QSize(120, 40));
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), u"120"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), u"40"_s);
    }

    void pickedNamesAreRelativeUrls()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"my pic#1.bmp"_s));
        services().answerOpen(path(u"over.gif"_s));
        click(w, u"Command2"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text2"_s)->text(), u"my%20pic%231.bmp"_s);
        click(w, u"Command3"_s);
        QCOMPARE(child<QLineEdit>(w, u"Text3"_s)->text(), u"over.gif"_s);
        click(w, u"Command8"_s);
        QVERIFY(
            child<QPlainTextEdit>(w, u"first"_s)->toPlainText().contains(u"MouseOverImage.src=\"my%20pic%231.bmp\""_s));
        // The preview's key is the plain file name.
        w->button_MouseMove();
        QCOMPARE(w->shownPicture(), std::string("my pic#1.bmp"));
        QCOMPARE(preview(w)->size(), QSize(10, 12));
    }

    void droppedPicturesAreTakenAsPicked_data()
    {
        // The control the drag ends on, what the drag carries, the picture it gives (1 the
        // default, 2 the mouse-over, 3 the mouse-down picture; 0 when refused), the name in the
        // picture's box and the picture's size (none for a file that is no picture).
        QTest::addColumn<QString>("target");
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const auto file = [this](const QString &name) {
            return QList<QUrl>{QUrl::fromLocalFile(path(name))};
        };
        const auto taken = [&](const char *tag, const QString &target, const QString &name, int picture, QSize size) {
            QTest::newRow(tag) << target << file(name) << QString() << picture << QString(ui::urlFromFileName(name))
                               << size;
        };
        taken("jpeg on Text1", u"Text1"_s, u"default.jpg"_s, 1, {120, 40});
        taken("bmp on Command1", u"Command1"_s, u"other.bmp"_s, 1, {88, 31});
        taken("blank and hash on Command1", u"Command1"_s, u"my pic#1.bmp"_s, 1, {10, 12});
        taken("no picture under .jpg on Text1", u"Text1"_s, u"notes.jpg"_s, 1, {});
        taken("gif on Text2", u"Text2"_s, u"over.gif"_s, 2, {60, 20});
        taken("gif on Command2", u"Command2"_s, u"over.gif"_s, 2, {60, 20});
        taken("bmp on Text3", u"Text3"_s, u"down.bmp"_s, 3, {30, 50});
        taken("bmp on Command3", u"Command3"_s, u"down.bmp"_s, 3, {30, 50});
        taken("png on Text1", u"Text1"_s, u"default.png"_s, 1, {64, 48});
        taken("webp on Command1", u"Command1"_s, u"over.webp"_s, 1, {70, 26});
        taken("svg on Text1", u"Text1"_s, u"down.svg"_s, 1, {44, 52});
        taken("webp on Text2", u"Text2"_s, u"over.webp"_s, 2, {70, 26});
        taken("svg on Command3", u"Command3"_s, u"down.svg"_s, 3, {44, 52});
        taken("cut png on Text1", u"Text1"_s, u"cut-default.png"_s, 1, {});
        taken("cut webp on Command1", u"Command1"_s, u"cut-over.webp"_s, 1, {});

        const QList<QUrl> web{QUrl(u"https://example.org/default.jpg"_s)};
        const auto refused = [](const char *tag, const QString &target, const QList<QUrl> &urls, const QString &text) {
            QTest::newRow(tag) << target << urls << text << 0 << QString() << QSize();
        };
        refused("folder on Text1", u"Text1"_s, {QUrl::fromLocalFile(m_dir.path())}, QString());
        refused("two pictures on Command1", u"Command1"_s, file(u"default.jpg"_s) + file(u"over.gif"_s), QString());
        refused("web address on Text2", u"Text2"_s, web, web.first().toString());
        refused("plain text on Command2", u"Command2"_s, {}, path(u"over.gif"_s));
        refused("text file on Text3", u"Text3"_s, file(u"notes.txt"_s), QString());
        refused("two pictures on Command3", u"Command3"_s, file(u"down.bmp"_s) + file(u"other.bmp"_s), QString());
    }
    void droppedPicturesAreTakenAsPicked()
    {
        QFETCH(QString, target);
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(int, picture);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        Form7 *w = open<Form7>();
        child<QCheckBox>(w, u"Check1"_s)->setChecked(true);
        const std::unique_ptr<QMimeData> data = dragdrop::mimeData(urls, text);
        QWidget *over = w->findChild<QWidget *>(target);
        // The box of the picture the control picks, Text1 for Command1 and Text1.
        QLineEdit *box = child<QLineEdit>(w, u"Text"_s + target.right(1));
        const QImage edgeAtRest = dragdrop::edgeOf(box);
        // A drag that passes over shows the box it would fill, and leaves it as it was.
        QCOMPARE(dragdrop::dragOver(over, data.get()).move, picture != 0);
        QCOMPARE(dragdrop::showsDropHighlight(box), picture != 0);
        dragdrop::dragLeave(over);
        QCOMPARE(dragdrop::edgeOf(box), edgeAtRest);
        // One that ends there: the highlight goes with the drop.
        dragdrop::Answer answer = dragdrop::dragOver(over, data.get());
        QCOMPARE(dragdrop::showsDropHighlight(box), picture != 0);
        dragdrop::dropOn(over, data.get(), answer);
        QCOMPARE(answer.drop, picture != 0);
        QCOMPARE(dragdrop::edgeOf(box), edgeAtRest);
        QVERIFY(services().questions.isEmpty()); // no dialog
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(child<QLineEdit>(w, u"Text"_s + QString::number(i))->text(), i == picture ? name : QString());

        // The default picture goes into the preview at once and is measured; a file that is
        // no picture changes neither. The others show when the preview is moved over or pressed.
        const bool measured = picture == 1 && size.isValid();
        QCOMPARE(child<QLineEdit>(w, u"Text4"_s)->text(), measured ? QString::number(size.width()) : QString());
        QCOMPARE(child<QLineEdit>(w, u"Text5"_s)->text(), measured ? QString::number(size.height()) : QString());
        if (picture != 1)
            QVERIFY(preview(w)->picture().isNull());
        if (picture == 2)
            w->button_MouseMove();
        if (picture == 3)
            w->button_MouseDown();
        if (size.isValid())
            QCOMPARE(preview(w)->picture().size(), size);
        else
            QVERIFY(preview(w)->picture().isNull());

        // The picture's picker proposes the dropped file next, as after a pick.
        services().answerOpen(std::nullopt);
        click(w, u"Command"_s + QString::number(std::max(picture, 1)));
        QCOMPARE(services().questions.last().request.proposedName,
                 picture == 0 ? ui::proposedPath(services(), ui::FileKind::Pictures) : urls.first().toLocalFile());
    }

    void randomNames_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        QTest::newRow("Command4") << u"Command4"_s << u"Text6"_s << u"Image19523"_s;
        QTest::newRow("Command5") << u"Command5"_s << u"Text7"_s << u"Image19523"_s;
        QTest::newRow("Command6") << u"Command6"_s << u"Text8"_s << u"Image19523"_s;
        QTest::newRow("Command7") << u"Command7"_s << u"Text9"_s << u"Button19523"_s;
    }
    void randomNames()
    {
        QFETCH(QString, command);
        QFETCH(QString, box);
        QFETCH(QString, name);
        Form7 *w = open<Form7>();
        const QStringList before{child<QLineEdit>(w, u"Text6"_s)->text(), child<QLineEdit>(w, u"Text7"_s)->text(),
                                 child<QLineEdit>(w, u"Text8"_s)->text(), child<QLineEdit>(w, u"Text9"_s)->text()};
        services().scriptDraws({0.0f, 0.99999f, 0.5f, 0.2f, 0.25f});
        click(w, command);
        QCOMPARE(child<QLineEdit>(w, box)->text(), name);
        int changed = 0;
        for (const QString &other : {u"Text6"_s, u"Text7"_s, u"Text8"_s, u"Text9"_s})
            changed += before.contains(child<QLineEdit>(w, other)->text()) ? 0 : 1;
        QCOMPARE(changed, 1);
        // Unscripted draws from the clock: always five digits from 1 to 9.
        const QRegularExpression pattern(name.startsWith(u"Button"_s) ? u"^Button[1-9]{5}$"_s : u"^Image[1-9]{5}$"_s);
        for (int i = 0; i < 200; ++i) {
            child<QPushButton>(w, command)->click();
            QVERIFY2(pattern.match(child<QLineEdit>(w, box)->text()).hasMatch(),
                     qPrintable(child<QLineEdit>(w, box)->text()));
        }
    }

    void seeCodeTwiceReplaces()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.jpg"_s));
        services().answerOpen(path(u"down.bmp"_s));
        click(w, u"Command1"_s);
        click(w, u"Command3"_s);
        child<QLineEdit>(w, u"Text4"_s)->setText(u"120"_s);
        child<QLineEdit>(w, u"Text5"_s)->setText(u"40"_s);
        click(w, u"Command8"_s);
        QVERIFY(child<QGroupBox>(w, u"Frame3"_s)->isVisible());
        const QString head = u"<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\n"
                             "DefaultImage= new Image(120,40)\n"
                             "DefaultImage.src=\"default.jpg\"\n"
                             "MouseDownImage= new Image(120,40)\n"
                             "MouseDownImage.src=\"down.bmp\"\n"
                             "\n"
                             "--> </script>"_s;
        const QString body = u"<a href=\"http://\" "
                             "onmousedown=\"document.images['Example'].src=MouseDownImage.src\" "
                             "onmouseup=\"document.images['Example'].src=DefaultImage.src\" "
                             "><img src=\"default.jpg\" name=\"Example\"></a>"_s;
        QCOMPARE(child<QPlainTextEdit>(w, u"first"_s)->toPlainText(), head);
        QCOMPARE(child<QPlainTextEdit>(w, u"second"_s)->toPlainText(), body);
        child<QPlainTextEdit>(w, u"first"_s)->appendPlainText(u"hand edit"_s);
        click(w, u"Command13"_s); // Done
        QVERIFY(!child<QGroupBox>(w, u"Frame3"_s)->isVisible());
        child<QLineEdit>(w, u"Text9"_s)->setText(u"Go"_s);
        click(w, u"Command8"_s);
        QVERIFY(child<QGroupBox>(w, u"Frame3"_s)->isVisible());
        QCOMPARE(child<QPlainTextEdit>(w, u"first"_s)->toPlainText(), head);
        QCOMPARE(child<QPlainTextEdit>(w, u"second"_s)->toPlainText(), QString(body).replace(u"Example"_s, u"Go"_s));
    }

    void doneKeepsTexts()
    {
        Form7 *w = open<Form7>();
        click(w, u"Command8"_s);
        child<QPlainTextEdit>(w, u"second"_s)->setPlainText(u"kept"_s);
        const QString head = child<QPlainTextEdit>(w, u"first"_s)->toPlainText();
        click(w, u"Command13"_s);
        QVERIFY(!child<QGroupBox>(w, u"Frame3"_s)->isVisible());
        QCOMPARE(child<QPlainTextEdit>(w, u"first"_s)->toPlainText(), head);
        QCOMPARE(child<QPlainTextEdit>(w, u"second"_s)->toPlainText(), u"kept"_s);
        QVERIFY(child<QGroupBox>(w, u"Frame1"_s)->isVisible());
    }

    void copyTakesHandEdits()
    {
        Form7 *w = open<Form7>();
        click(w, u"Command8"_s);
        QPlainTextEdit *first = child<QPlainTextEdit>(w, u"first"_s);
        QPlainTextEdit *second = child<QPlainTextEdit>(w, u"second"_s);
        first->moveCursor(QTextCursor::End);
        QTest::keyClicks(first, u"<!-- mine -->"_s);
        second->moveCursor(QTextCursor::Start);
        QTest::keyClicks(second, u"<p>"_s);
        click(w, u"Command10"_s);
        QCOMPARE(clipboardText(), u"<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                                  "DefaultImage= new Image()\r\n"
                                  "DefaultImage.src=\"\"\r\n"
                                  "\r\n"
                                  "--> </script><!-- mine -->"_s);
        click(w, u"Command11"_s);
        QCOMPARE(clipboardText(), u"<p><a href=\"http://\" ><img src=\"\" name=\"Example\"></a>"_s);
    }

    // A line break put into a field stays as it is in the code, on the clipboard and in the
    // page until the box that holds the code is edited; after an edit the box gives what it
    // holds, every line break as CR LF.
    void breaksInsideAFieldAreKept_data() { testrows::addLineBreakRows({u"copy head"_s, u"copy body"_s, u"save"_s}); }
    void breaksInsideAFieldAreKept()
    {
        QFETCH(QString, lineBreak);
        QFETCH(QString, use);
        QFETCH(bool, edited);
        Form7 *w = open<Form7>();
        child<QLineEdit>(w, u"Text6"_s)->setText(u"Default"_s + lineBreak + u"Image"_s);
        child<QLineEdit>(w, u"Text9"_s)->setText(u"Exa"_s + lineBreak + u"mple"_s);
        click(w, u"Command8"_s);

        const auto head = [](const QString &lineBreak) -> QString {
            return u"<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                   "Default"_s +
                   lineBreak + u"Image= new Image()\r\nDefault"_s + lineBreak +
                   u"Image.src=\"\"\r\n"
                   "\r\n"
                   "--> </script>"_s;
        };
        const auto body = [](const QString &lineBreak) -> QString {
            return u"<a href=\"http://\" ><img src=\"\" name=\"Exa"_s + lineBreak + u"mple\"></a>"_s;
        };
        QString expectedHead = head(lineBreak);
        QString expectedBody = body(lineBreak);
        if (edited) {
            for (const QString &name : {u"first"_s, u"second"_s}) {
                child<QPlainTextEdit>(w, name)->moveCursor(QTextCursor::End);
                QTest::keyClicks(child<QPlainTextEdit>(w, name), u"x"_s);
            }
            expectedHead = head(u"\r\n"_s) + u"x"_s;
            expectedBody = body(u"\r\n"_s) + u"x"_s;
        }
        if (use == u"save"_s) {
            const QTemporaryDir dir; // the shared folder's pages are counted elsewhere
            const QString target = dir.filePath(u"breaks.html"_s);
            services().answerSave(target);
            click(w, u"Command12"_s);
            QCOMPARE(testfiles::contentOf(target), "<html>\r\n"
                                                   "<head> <title> Quillarc 2: Button Page </title>\r\n" +
                                                       expectedHead.toUtf8() +
                                                       "\r\n"
                                                       "</head> <body> \r\n" +
                                                       expectedBody.toUtf8() +
                                                       "\r\n"
                                                       "</body> </html>\r\n");
        } else {
            const bool copyHead = use == u"copy head"_s;
            click(w, copyHead ? u"Command10"_s : u"Command11"_s);
            QCOMPARE(clipboardText(), copyHead ? expectedHead : expectedBody);
        }
    }

    void saveWritesThePage()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.jpg"_s));
        services().answerOpen(path(u"over.gif"_s));
        services().answerOpen(path(u"down.bmp"_s));
        click(w, u"Command1"_s);
        click(w, u"Command2"_s);
        click(w, u"Command3"_s);
        click(w, u"Command8"_s);
        child<QPlainTextEdit>(w, u"second"_s)->moveCursor(QTextCursor::End);
        QTest::keyClicks(child<QPlainTextEdit>(w, u"second"_s), u" <br>"_s);
        const QString target = path(u"button page.html"_s);
        services().answerSave(path(u"button page"_s)); // the extension is added
        const QString pages = ui::proposedPath(services(), ui::FileKind::Pages);
        click(w, u"Command12"_s);
        const FakeServices::Question &asked = services().questions.last();
        QCOMPARE(asked.kind, FakeServices::Question::Save);
        QCOMPARE(asked.request.filter.description, u"HTM(L) Files *.html,*.htm "_s);
        QCOMPARE(asked.request.filter.patterns, u"*.html;*.htm"_s);
        QCOMPARE(asked.request.title, QString());
        QCOMPARE(asked.request.proposedName, pages); // never the picture picked last
        QCOMPARE(testfiles::contentOf(target),
                 QByteArray("<html>\r\n"
                            "<head> <title> Quillarc 2: Button Page </title>\r\n"
                            "<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                            "DefaultImage= new Image(120,40)\r\n"
                            "DefaultImage.src=\"default.jpg\"\r\n"
                            "MouseOverImage= new Image(120,40)\r\n"
                            "MouseOverImage.src=\"over.gif\"\r\n"
                            "MouseDownImage= new Image(120,40)\r\n"
                            "MouseDownImage.src=\"down.bmp\"\r\n"
                            "\r\n"
                            "--> </script>\r\n"
                            "</head> <body> \r\n"
                            "<a href=\"http://\" "
                            "onmouseover=\"document.images['Example'].src=MouseOverImage.src\" "
                            "onmouseout=\"document.images['Example'].src=DefaultImage.src\" "
                            "onmousedown=\"document.images['Example'].src=MouseDownImage.src\" "
                            "onmouseup=\"document.images['Example'].src=DefaultImage.src\" "
                            "><img src=\"default.jpg\" name=\"Example\"></a> <br>\r\n"
                            "</body> </html>\r\n"));
        QVERIFY(QFile::remove(target));
        QVERIFY(services().messages.isEmpty());
        QVERIFY(child<QGroupBox>(w, u"Frame3"_s)->isVisible());
    }

    // "See Code" writes the code chosen with the alt text, and "Save As HTML" its page.
    void codeChoiceWritesItsCode_data()
    {
        QTest::addColumn<QString>("alt");
        QTest::addColumn<bool>("modern");
        QTest::newRow("classic with an alt text") << u"Tom & \"Jerry\" <3"_s << false;
        QTest::newRow("modern without an alt text") << QString() << true;
        QTest::newRow("modern with an alt text") << u"Tom & \"Jerry\" <3"_s << true;
    }
    void codeChoiceWritesItsCode()
    {
        QFETCH(QString, alt);
        QFETCH(bool, modern);
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.jpg"_s));
        services().answerOpen(path(u"down.bmp"_s));
        click(w, u"Command1"_s);
        click(w, u"Command3"_s); // the size is the default picture's: 120 by 40
        QTest::keyClicks(child<QLineEdit>(w, u"AltText"_s), alt);
        child<QCheckBox>(w, u"ModernCode"_s)->setChecked(modern);
        click(w, u"Command8"_s);
        ButtonSpec fields{"http://",
                          "Example",
                          "120",
                          "40",
                          "default.jpg",
                          "",
                          "down.bmp",
                          "DefaultImage",
                          "MouseOverImage",
                          "MouseDownImage",
                          alt.toStdString()};
        const ButtonCode code = modern ? GenerateModernButtonCode(fields) : GenerateButtonCode(fields);
        QCOMPARE(ui::textOf(child<QPlainTextEdit>(w, u"first"_s)), code.head);
        QCOMPARE(ui::textOf(child<QPlainTextEdit>(w, u"second"_s)), code.body);
        if (!alt.isEmpty())
            QVERIFY(code.body.find("alt=\"Tom &amp; &quot;Jerry&quot; &lt;3\"") != std::string::npos);
        // The code view follows the choice and the alt text beside it, and saves what it shows.
        child<QCheckBox>(w, u"ModernCode"_s)->setChecked(!modern);
        QTest::keyClicks(child<QLineEdit>(w, u"AltText"_s), u"!"_s);
        fields.AltText += "!";
        const ButtonCode other = modern ? GenerateButtonCode(fields) : GenerateModernButtonCode(fields);
        QCOMPARE(ui::textOf(child<QPlainTextEdit>(w, u"second"_s)), other.body);
        const QString target = path(u"chosen.html"_s);
        services().answerSave(target);
        click(w, u"Command12"_s);
        QCOMPARE(testfiles::contentOf(target),
                 QByteArray::fromStdString(modern ? ButtonPage(other.head, other.body)
                                                  : ModernButtonPage(other.head, other.body)));
        QVERIFY(QFile::remove(target));
    }

    void saveTwiceThenCancel()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.jpg"_s));
        click(w, u"Command1"_s);
        click(w, u"Command8"_s);
        const QString one = path(u"one.html"_s);
        const QString two = path(u"two.htm"_s);
        QFile::remove(one);
        QFile::remove(two);
        services().answerSave(one);
        services().answerSave(two);
        services().answerSave(std::nullopt);
        services().answerSave(QString()); // an empty name writes nothing either
        click(w, u"Command12"_s);
        const QByteArray page = testfiles::contentOf(one);
        QVERIFY(page.startsWith("<html>\r\n"));
        child<QPlainTextEdit>(w, u"first"_s)->setPlainText(u"changed"_s);
        click(w, u"Command12"_s);
        QCOMPARE(services().questions.last().request.proposedName, one);
        QVERIFY(testfiles::contentOf(two).contains("\r\nchanged\r\n"));
        QCOMPARE(testfiles::contentOf(one), page); // the first page stays as it was
        click(w, u"Command12"_s);
        QCOMPARE(services().questions.last().request.proposedName, two);
        click(w, u"Command12"_s);
        QCOMPARE(testfiles::contentOf(one), page);
        QVERIFY(testfiles::contentOf(two).contains("\r\nchanged\r\n"));
        QCOMPARE(QDir(m_dir.path()).entryList({u"*.htm*"_s}, QDir::Files).size(), 2);
        QVERIFY(services().messages.isEmpty());
    }

    void unwritablePathIsReported()
    {
        Form7 *w = open<Form7>();
        click(w, u"Command8"_s);
        const QString head = child<QPlainTextEdit>(w, u"first"_s)->toPlainText();
        const QString target = path(u"notes.jpg/page.html"_s); // a file stands where the folder should
        services().answerSave(target);
        click(w, u"Command12"_s);
        QCOMPARE(services().messages.size(), 1);
        QVERIFY(services().messages.first().text.contains(QDir::toNativeSeparators(target)));
        QVERIFY(!QFile::exists(target));
        QVERIFY(testfiles::contentOf(path(u"notes.jpg"_s)).startsWith("These are not"));
        QVERIFY(child<QGroupBox>(w, u"Frame3"_s)->isVisible());
        QCOMPARE(child<QPlainTextEdit>(w, u"first"_s)->toPlainText(), head);
    }

    void closeDiscardsTheWindow()
    {
        Form7 *w = open<Form7>();
        QPointer<Form7> alive(w);
        click(w, u"Command14"_s);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(services().questions.isEmpty());
    }

    void twoWindowsAreIndependent()
    {
        Form7 *a = open<Form7>();
        Form7 *b = open<Form7>();
        QVERIFY(a != b);
        child<QCheckBox>(a, u"Check1"_s)->setChecked(true);
        services().answerOpen(path(u"default.jpg"_s));
        services().answerOpen(path(u"other.bmp"_s));
        child<QLineEdit>(b, u"Text4"_s)->setText(u"5"_s); // a size typed: the pick keeps it
        click(a, u"Command1"_s);
        click(b, u"Command1"_s);
        child<QLineEdit>(a, u"Text9"_s)->setText(u"First"_s);
        QCOMPARE(child<QLineEdit>(a, u"Text1"_s)->text(), u"default.jpg"_s);
        QCOMPARE(child<QLineEdit>(b, u"Text1"_s)->text(), u"other.bmp"_s);
        QCOMPARE(preview(a)->size(), QSize(120, 40));
        QCOMPARE(preview(b)->size(), QSize(88, 31));
        QCOMPARE(child<QLineEdit>(a, u"Text4"_s)->text(), u"120"_s);
        QCOMPARE(child<QLineEdit>(b, u"Text4"_s)->text(), u"5"_s);
        QCOMPARE(child<QLineEdit>(b, u"Text9"_s)->text(), u"Example"_s);
        a->Form_MouseMove();
        QCOMPARE(a->shownPicture(), path(u"default.jpg"_s).toStdString());
        QCOMPARE(b->shownPicture(), std::string());
        click(a, u"Command8"_s);
        QVERIFY(!child<QGroupBox>(b, u"Frame3"_s)->isVisible());
    }

    void render()
    {
        Form7 *w = open<Form7>();
        services().answerOpen(path(u"default.jpg"_s));
        services().answerOpen(path(u"over.gif"_s));
        child<QCheckBox>(w, u"Check1"_s)->setChecked(true);
        click(w, u"Command1"_s);
        click(w, u"Command2"_s);
        QVERIFY(!testimages::render(w, u"button_editor"_s).isEmpty());
        // The colours as painted, not only as set.
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.pixelColor(5, 5), ui::WindowBackground);                    // the window
        QCOMPARE(shot.pixelColor(45, 352), ui::WindowBackground);                 // Frame1
        QCOMPARE(shot.pixelColor(32 + 312 + 100, 8 + 160), ui::WindowBackground); // Frame2 below the picture
        QVERIFY(shot.pixelColor(32 + 312 + 8 + 5, 8 + 8 + 16 + 5).red() > 240);   // the default picture (red)
        QVERIFY(shot.pixelColor(32 + 312 + 8 + 5, 8 + 8 + 16 + 5).green() < 16);
        QCOMPARE(shot.pixelColor(32 + 40 + 1, 8 + 168), ui::WindowBackground);      // Check1's own background
        QCOMPARE(shot.pixelColor(32 + 360 + 1, 8 + 192 + 1), ui::WindowBackground); // Check2's
        QCOMPARE(shot.pixelColor(320 + 3, 232 + 3), ui::ButtonFace);                // Command5
        click(w, u"Command8"_s);
        QVERIFY(!testimages::render(w, u"button_editor_code"_s).isEmpty());
        const QImage code = w->grab().toImage();
        QCOMPARE(code.pixelColor(4, 300), ui::WindowBackground);           // Frame3 over the editor
        QCOMPARE(code.pixelColor(496 + 3, 1 + 64 + 3), ui::ButtonFace);    // the upper "Copy", whole in the window
        QCOMPARE(code.pixelColor(552, 1 + 64 + 16), QColor(128, 112, 96)); // its right border
        // The code view shows whole, both "Copy" buttons and its own right border too, and
        // covers the whole editor: nothing of it peeks out.
        const auto *frame3 = child<QGroupBox>(w, u"Frame3"_s);
        QVERIFY(w->rect().contains(frame3->geometry()));
        for (const QString &copy : {u"Command10"_s, u"Command11"_s}) {
            const auto *button = child<QPushButton>(frame3, copy);
            QVERIFY2(w->rect().contains(QRect(button->mapTo(w, QPoint(0, 0)), button->size())), qPrintable(copy));
        }
        QCOMPARE(code.pixelColor(frame3->geometry().right(), 100), QColor(128, 128, 128));
        // All but the column beside it.
        for (const QWidget *control : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control != frame3 && control->isVisible() && control->x() <= frame3->geometry().right())
                QVERIFY2(frame3->geometry().contains(control->geometry()), qPrintable(control->objectName()));
        }
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    static PictureBox *preview(Form7 *w) { return child<PictureBox>(w, u"button"_s); }
    // The part of the preview that its frame lets show: from its corner to the frame's edges.
    static QSize shownPart(Form7 *w)
    {
        const QWidget *frame2 = w->findChild<QWidget *>(u"Frame2"_s);
        return {frame2->width() - preview(w)->x(), frame2->height() - preview(w)->y()};
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestButtonEditor)
#include "test_button_editor.moc"
