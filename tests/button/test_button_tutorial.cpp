// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_editor.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "ui/look.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;

// The button editor's six tutorial steps.

class TestButtonTutorial final : public WindowTest {
    Q_OBJECT

public:
    TestButtonTutorial()
        : WindowTest({800, 600})
    {}

private Q_SLOTS:
    void stepFrames_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QRect>("labelGeometry");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QRect>("okGeometry");
        QTest::addColumn<QString>("text");
        // A line taller than the layout's 169, for the way to the picture maker.
        QTest::newRow("1") << 1 << QRect(88, 104, 353, 180) << u"Label13"_s << QRect(8, 16, 337, 137) << u"Command9"_s
                           << QRect(184, 128, 113, 25)
                           << u"The button editor is a more advanced tool that allows you more control over a button. "
                              "You can change the mouseover(which happens when a mouse is over the button), and the "
                              "mouse down(which happens when you click down on the button). If you don't want one of "
                              "these effects, leave the corresponding image blank. You will always need a default "
                              "image, which is the one everyone will see when the page loads. Click the buttons to the "
                              "right of each image textbox to select an image from file. Load some images for the "
                              "effects you desire and press \"ok\" when you are ready to continue. "_s;
        QTest::newRow("2") << 2 << QRect(16, 24, 329, 169) << u"Label14"_s << QRect(8, 16, 313, 137) << u"Command15"_s
                           << QRect(192, 136, 113, 25)
                           << u"After you have selected the images, you will notice the default image appears to your "
                              "right. This will act exactly like your button will on a webpage, so if you have a "
                              "mouseover effect you can move your mouse over the image and it will switch to the next "
                              "one. Below that is the option \"Don't use rollover in preview.\"  Check this if you "
                              "don't want interference with mouseovers if you have a mosuedown effect and a mouseover "
                              "effect. When you have experimented with this click ok to move on. "_s;
        QTest::newRow("3") << 3 << QRect(88, 193, 353, 169) << u"Label15"_s << QRect(8, 16, 337, 137) << u"Command16"_s
                           << QRect(184, 128, 113, 25)
                           << u"Next you will need to get the button width and height. All of your images need to be "
                              "the same size, or you may experience some odd results. You can get the width and height "
                              "two ways. First, you can type them in yourself where you see \"Button Width\" and "
                              "\"Button Height\". Alternatively you can click \"Get width and height from image "
                              "source. If you have a default image loaded it will set the width and height to the "
                              "width and height of the images. After you have set the width and height click ok to "
                              "proceed. "_s;
        QTest::newRow("4")
            << 4 << QRect(88, 32, 353, 169) << u"Label16"_s << QRect(8, 16, 337, 137) << u"Command17"_s
            << QRect(184, 128, 113, 25)
            << u"Next you need to name the button and the images. Keep in mind that no images or button "
               "can have the same name, they must begin with a letter, and cannot contain spaces. Since "
               "these names are only used by the javascript and html, if you don't plan on modifying the "
               "code then you do not need to worry about these names, and if you want you can click "
               "\"Random\" to generate a name with random numbers in it. Also below that you will see "
               "\"Button Link\". This programs assumes your button will link to something, so a link "
               "here is required. When you have named the images and typed in a link click ok. "_s;
        QTest::newRow("5") << 5 << QRect(88, 224, 353, 113) << u"Label17"_s << QRect(8, 16, 337, 57) << u"Command18"_s
                           << QRect(224, 80, 113, 25)
                           << u"Congratulations! You have completed everything necessary to generate the button code. "
                              "Since you are in tutorial mode, click ok below to go to the generated code. If you were "
                              "not in tutorial mode, you would click \"See Code\", which this frame is currently "
                              "hiding. "_s;
        QTest::newRow("6") << 6 << QRect(96, 88, 353, 201) << u"Label18"_s << QRect(8, 16, 337, 153) << u"Command19"_s
                           << QRect(224, 168, 113, 25)
                           << u"There are two parts to the button code. The first part is in the first textbox, and "
                              "this code needs to be inserted into the <head> section of your webpage. The second "
                              "textbox contains the button itself, and this needs to be in the <body> section where "
                              "you want your button be located.  Click \"Copy\" beside each textbox to copy the code "
                              "so you can paste it. If you don't want to paste it into an html page, you can save the "
                              "button in an auto-generated html page by clicking \"Save As HTML\". This will open a "
                              "save dialog and you can type a filename. After that happens, the button will be "
                              "visible on that html page and you can do whatever you want with it. Click ok to finish "
                              "this tutorial, and thanks for using it!"_s;
    }
    void stepFrames()
    {
        QFETCH(int, step);
        QFETCH(QRect, frame);
        QFETCH(QString, label);
        QFETCH(QRect, labelGeometry);
        QFETCH(QString, ok);
        QFETCH(QRect, okGeometry);
        QFETCH(QString, text);
        Form7 *w = open<Form7>(true);
        auto *tut = w->findChild<QGroupBox *>(u"tut"_s + QString::number(step));
        QVERIFY(tut);
        QCOMPARE(tut->parentWidget(), w);
        QCOMPARE(tut->title(), u"Interactive Tutorial"_s);
        QCOMPARE(tut->geometry(), frame);
        QCOMPARE(tut->palette().color(QPalette::Window), ui::StepFrameYellow);
        auto *text_ = tut->findChild<QLabel *>(label);
        QVERIFY(text_);
        QCOMPARE(text_->geometry(), labelGeometry);
        QCOMPARE(text_->text(), text);
        QVERIFY(text_->wordWrap());
        QVERIFY(!text_->autoFillBackground());
        auto *button = tut->findChild<QPushButton *>(ok);
        QVERIFY(button);
        QCOMPARE(button->text(), u"Ok"_s);
        QCOMPARE(button->geometry(), okGeometry);
        QCOMPARE(button->palette().color(QPalette::Button), ui::ButtonFace);
        // The Ok lies above the text it overlaps.
        QCOMPARE(tut->childAt(okGeometry.center()), button);
        QCOMPARE(tut->grab().toImage().pixelColor(frame.width() - 4, frame.height() - 4), ui::StepFrameYellow);
    }

    void firstStepAtLoad()
    {
        Form7 *w = open<Form7>(true);
        QVERIFY(frame(w, 1)->isVisible());
        for (int i = 2; i <= 6; ++i)
            QVERIFY(!frame(w, i)->isVisible());
        QVERIFY(!w->findChild<QGroupBox *>(u"Frame3"_s)->isVisible());
        QCOMPARE(highlighted(w), (QStringList{u"Label1"_s, u"Label2"_s, u"Label3"_s}));
        // Over the input fields: the point where Text4 is belongs to the step frame.
        QWidget *text4 = w->findChild<QWidget *>(u"Text4"_s);
        QWidget *top = w->childAt(text4->mapTo(w, QPoint(100, 5)));
        QVERIFY(top == frame(w, 1) || frame(w, 1)->isAncestorOf(top));
        // White on red, painted.
        auto *label1 = w->findChild<QLabel *>(u"Label1"_s);
        QCOMPARE(label1->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(label1->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QCOMPARE(label1->grab().toImage().pixelColor(label1->width() - 2, label1->height() - 2), QColor(255, 0, 0));
        QVERIFY(!testimages::render(w, u"button_tutorial_step1"_s).isEmpty());
    }

    void eachOkInTurn()
    {
        Form7 *w = open<Form7>(true);
        child<QLineEdit>(w, u"Text4"_s)->setText(u"88"_s);
        child<QLineEdit>(w, u"Text5"_s)->setText(u"31"_s);

        click(w, u"Command9"_s);
        QCOMPARE(visibleSteps(w), QList<int>{2});
        QCOMPARE(highlighted(w), QStringList());
        for (const QString &name : {u"Label1"_s, u"Label2"_s, u"Label3"_s}) {
            auto *label = w->findChild<QLabel *>(name);
            QCOMPARE(label->palette().color(QPalette::Window), ui::WindowBackground);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        }
        // tut2 stands at the left and leaves the preview in view.
        QWidget *preview = w->findChild<QWidget *>(u"button"_s);
        QCOMPARE(w->childAt(preview->mapTo(w, QPoint(2, 2))), preview);

        click(w, u"Command15"_s);
        QCOMPARE(visibleSteps(w), QList<int>{3});
        QCOMPARE(highlighted(w), (QStringList{u"Label4"_s, u"Label5"_s}));

        click(w, u"Command16"_s);
        QCOMPARE(visibleSteps(w), QList<int>{4});
        QCOMPARE(highlighted(w), (QStringList{u"Label6"_s, u"Label7"_s, u"Label8"_s, u"Label9"_s, u"Label12"_s}));

        click(w, u"Command17"_s);
        QCOMPARE(visibleSteps(w), QList<int>{5});
        QCOMPARE(highlighted(w), QStringList());
        QVERIFY(!w->findChild<QGroupBox *>(u"Frame3"_s)->isVisible());

        click(w, u"Command18"_s);
        QCOMPARE(visibleSteps(w), QList<int>{6});
        auto *frame3 = w->findChild<QGroupBox *>(u"Frame3"_s);
        QVERIFY(frame3->isVisible());
        QCOMPARE(w->findChild<QPlainTextEdit *>(u"first"_s)->toPlainText(),
                 u"<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\n"
                 "DefaultImage= new Image(88,31)\n"
                 "DefaultImage.src=\"\"\n"
                 "\n"
                 "--> </script>"_s);
        QCOMPARE(w->findChild<QPlainTextEdit *>(u"second"_s)->toPlainText(),
                 u"<a href=\"http://\" ><img src=\"\" name=\"Example\"></a>"_s);
        // tut6 lies in front of the code frame.
        QWidget *top = w->childAt(frame(w, 6)->geometry().center());
        QVERIFY(top == frame(w, 6) || frame(w, 6)->isAncestorOf(top));
        QVERIFY(!testimages::render(w, u"button_tutorial_step6"_s).isEmpty());

        click(w, u"Command19"_s);
        QCOMPARE(visibleSteps(w), QList<int>());
        QVERIFY(frame3->isVisible());
        QCOMPARE(highlighted(w), QStringList());
        QVERIFY(w->tutmode);
    }

    void okButtonsOnlyWithTheirFrames()
    {
        Form7 *w = open<Form7>(true);
        const QStringList oks{u"Command9"_s,  u"Command15"_s, u"Command16"_s,
                              u"Command17"_s, u"Command18"_s, u"Command19"_s};
        for (int step = 1; step <= 6; ++step) {
            for (int i = 0; i < oks.size(); ++i)
                QCOMPARE(w->findChild<QPushButton *>(oks[i])->isVisible(), i + 1 == step);
            click(w, oks[step - 1]);
        }
        for (const QString &ok : oks)
            QVERIFY(!w->findChild<QPushButton *>(ok)->isVisible());
    }

    void seeCodeDuringAStep()
    {
        Form7 *w = open<Form7>(true);
        click(w, u"Command8"_s);
        auto *frame3 = w->findChild<QGroupBox *>(u"Frame3"_s);
        QVERIFY(frame3->isVisible());
        QVERIFY(frame(w, 1)->isVisible());
        QWidget *top = w->childAt(frame(w, 1)->geometry().center());
        QVERIFY(top == frame(w, 1) || frame(w, 1)->isAncestorOf(top));
        // The step goes on over the code frame.
        click(w, u"Command9"_s);
        QVERIFY(frame(w, 2)->isVisible());
        top = w->childAt(frame(w, 2)->geometry().center());
        QVERIFY(top == frame(w, 2) || frame(w, 2)->isAncestorOf(top));
    }

    void withoutTutmodeNoStepFrame()
    {
        Form7 *w = open<Form7>();
        QCOMPARE(visibleSteps(w), QList<int>());
        QCOMPARE(highlighted(w), QStringList());
        click(w, u"Command8"_s);
        click(w, u"Command13"_s);
        click(w, u"Command8"_s);
        QCOMPARE(visibleSteps(w), QList<int>());
        QCOMPARE(highlighted(w), QStringList());
    }

    void tutmodeIsReadAtLoadOnly()
    {
        auto *w = new Form7(workspace());
        w->setTop(0); // loads
        w->tutmode = true;
        w->showWindow();
        QCOMPARE(visibleSteps(w), QList<int>());
    }

private:
    static QGroupBox *frame(Form7 *w, int step) { return child<QGroupBox>(w, u"tut"_s + QString::number(step)); }

    static QList<int> visibleSteps(Form7 *w)
    {
        QList<int> steps;
        for (int i = 1; i <= 6; ++i) {
            if (frame(w, i)->isVisible())
                steps.append(i);
        }
        return steps;
    }

    // The field labels shown white on red, in label order.
    static QStringList highlighted(Form7 *w)
    {
        QStringList names;
        for (int i = 1; i <= 12; ++i) {
            auto *label = w->findChild<QLabel *>(u"Label"_s + QString::number(i));
            if (label && ui::isHighlighted(label))
                names.append(label->objectName());
        }
        return names;
    }
};

QTEST_MAIN(TestButtonTutorial)
#include "test_button_tutorial.moc"
