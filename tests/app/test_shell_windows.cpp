// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_run_marker.h"
#include "app/main_window.h"
#include "app/quick_start_window.h"
#include "app/tutorial_launcher.h"
#include "app/welcome_window.h"
#include "button/button_editor.h"
#include "linkfx/link_effects_window.h"
#include "rollover/code_window.h"
#include "rollover/properties_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "ui/look.h"
#include "ui/remembered_places.h"
#include "ui/workspace.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;

namespace {

// The columns of a window's layout table: each control as the window's constructor lays it
// out, its place in twips from its parent's corner.
void addLayoutColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QRect>("twips");
}

void layoutRow(const char *name, const char *parent, const QString &text, const QString &toolTip, QRect twips)
{
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << text << toolTip << twips;
}

// Checks the control of the running row of a layout table.
void checkLayoutRow(const QWidget *window)
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QRect, twips);
    const QList<QWidget *> found = window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *control = found.first();
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), ui::pixelRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(control->toolTip(), toolTip);
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(qobject_cast<QGroupBox *>(control)->title(), text);
}

} // namespace

class TestShellWindows final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_services = std::make_unique<FakeServices>();
        m_main = new Mainfrm(*m_services, FirstRunMarker(m_folder->path(), QString()));
        m_main->MDIForm_Load();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanup()
    {
        delete m_main;
        QCOMPARE(m_services->unexpected, 0);
    }

    void quickStartWindow()
    {
        // The controls' texts and places are rows of quickStartLayout.
        Form4 *quickStart = &m_main->quickStartWindow();
        QCOMPARE(quickStart->windowTitle(), u"Quick Start"_s);
        QCOMPARE(quickStart->size(), QSize(171, 208));
        // One evenly spaced column, "Create a Button" third in it, though it belongs to the window.
        const QStringList column{u"Command1"_s, u"Command2"_s, u"Command5"_s, u"Command4"_s, u"Command3"_s};
        const QPoint top = child<QPushButton>(quickStart, column.first())->mapTo(quickStart, QPoint(0, 0));
        for (int i = 0; i < column.size(); ++i)
            QCOMPARE(child<QPushButton>(quickStart, column[i])->mapTo(quickStart, QPoint(0, 0)),
                     top + QPoint(0, 32 * i));
        // "Create a Button" is drawn above the frame: the frame comes before it among the window's children.
        const QObjectList children = quickStart->children();
        QVERIFY(children.indexOf(child<QGroupBox>(quickStart, u"Frame1"_s)) <
                children.indexOf(child<QPushButton>(quickStart, u"Command5"_s)));
        const QImage image = QImage(testimages::render(quickStart, u"Form4"_s));
        QCOMPARE(image.pixelColor(30, 32 + 2 * 32 + 20), QColor(255, 224, 192));
    }

    void quickStartLayout_data()
    {
        addLayoutColumns();
        layoutRow("Frame1", "Form4", u"Start Quickly!"_s, QString(), {120, 120, 2295, 2895});
        layoutRow("Command1", "Frame1", u"Create a Rollover"_s, u"Create a new rollover effect for your webpage"_s,
                  {240, 360, 1815, 375});
        layoutRow("Command2", "Frame1", u"Create a Link Effect"_s, u"Add some new link effects to your webpage"_s,
                  {240, 840, 1815, 375});
        layoutRow("Command5", "Form4", u"Create a Button"_s, QString(), {360, 1440, 1815, 375});
        layoutRow("Command4", "Frame1", u"Help Me Get Started"_s, u"Start the interactive tutorials"_s,
                  {240, 1800, 1815, 375});
        layoutRow("Command3", "Frame1", u"Quit"_s, u"Leave, Exit, or Quit"_s, {240, 2280, 1815, 375});
    }
    void quickStartLayout() { checkLayoutRow(&m_main->quickStartWindow()); }

    void createARolloverThreeTimes()
    {
        Form4 &quickStart = m_main->quickStartWindow();
        for (int i = 0; i < 3; ++i)
            click(&quickStart, u"Command1"_s);
        const QList<Form2 *> windows = m_main->workspace().findChildren<Form2 *>();
        QCOMPARE(windows.size(), 3);
        for (Form2 *window : windows) {
            QCOMPARE(window->top(), 0);
            QVERIFY(!window->tutmode);
            QVERIFY(!window->findChild<QGroupBox *>(u"tut1"_s)->isVisible());
        }
        QVERIFY(quickStart.isVisible());
        QCOMPARE(m_main->workspace().activeSubWindow(), windows.last()->subWindow());
    }

    void createButtonsOpenTheirWizards_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("link effect") << u"Command2"_s << u"Form5"_s;
        QTest::newRow("button") << u"Command5"_s << u"Form7"_s;
    }
    void createButtonsOpenTheirWizards()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        Form4 &quickStart = m_main->quickStartWindow();
        click(&quickStart, button);
        auto *opened = m_main->workspace().findChild<ui::ChildWindow *>(window);
        QVERIFY(opened && opened->isVisible());
        QCOMPARE(opened->top(), 0);
        QCOMPARE(m_main->workspace().activeSubWindow(), opened->subWindow());
    }

    void menuOpensIndependentWindows()
    {
        choose(u"rollover"_s);
        choose(u"rollover"_s);
        choose(u"te"_s);
        choose(u"button"_s);
        QCOMPARE(m_main->workspace().findChildren<Form2 *>().size(), 2);
        QCOMPARE(m_main->workspace().findChildren<Form5 *>().size(), 1);
        QCOMPARE(m_main->workspace().findChildren<Form7 *>().size(), 1);
        for (ui::ChildWindow *window : m_main->workspace().findChildren<ui::ChildWindow *>())
            if (window->objectName() != u"Form1"_s)
                QCOMPARE(window->top(), 0);
    }

    // The Window menu after View: its list names every open window, numbered, the active one
    // checked; its commands move between them and lay them out.
    void windowMenu()
    {
        const QList<QAction *> menus = m_main->menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus.last()->menu(), child<QMenu>(m_main, u"window"_s));
        choose(u"rollover"_s);
        choose(u"te"_s);
        auto *menu = child<QMenu>(m_main, u"window"_s);
        const auto listed = [menu] {
            Q_EMIT menu->aboutToShow();
            QStringList names;
            for (QAction *action : menu->actions())
                if (action->objectName().startsWith(u"window"_s))
                    names << (action->isChecked() ? u"*"_s : QString()) + action->text();
            return names;
        };
        const QStringList opened = listed();
        QCOMPARE(opened.size(), m_main->workspace().subWindowList().size());
        QCOMPARE(opened.last(), u"*&%1 Customizable Link Effects"_s.arg(opened.size()));
        choose(u"te"_s);                    // a second one is told apart
        const QStringList again = listed(); // made anew each time the menu opens
        QCOMPARE(again.size(), opened.size() + 1);
        QCOMPARE(again.last(), u"*&%1 Customizable Link Effects 2"_s.arg(opened.size() + 1));
        QMdiSubWindow *linkEffects = m_main->workspace().activeSubWindow();
        choose(u"previous"_s);
        QMdiSubWindow *previous = m_main->workspace().activeSubWindow();
        QVERIFY(previous != linkEffects);
        choose(u"next"_s);
        QVERIFY(m_main->workspace().activeSubWindow() != previous);
        // Ctrl+F6 and Ctrl+Shift+F6, which the menu shows first; Ctrl+Tab as well.
        QCOMPARE(child<QAction>(menu, u"next"_s)->shortcuts(), QKeySequence::listFromString(u"Ctrl+F6; Ctrl+Tab"_s));
        QTest::keyClick(m_main, Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_main->workspace().activeSubWindow(), previous);
        // A window chosen from the list shows whole, however far the workspace has to scroll.
        QMdiSubWindow *first = m_main->workspace().subWindowList().first();
        first->move(3000, 2000);
        child<QAction>(menu, u"window1"_s)->trigger();
        QCOMPARE(m_main->workspace().activeSubWindow(), first);
        QVERIFY(m_main->workspace().viewport()->rect().contains(first->geometry()));
        QVERIFY(listed().first().startsWith(u"*&1 "_s));
        // Tile sets every window at its own size, none over another; the workspace scrolls to the rest.
        const QList<QMdiSubWindow *> windows = m_main->workspace().subWindowList();
        QList<QSize> sizes;
        for (const QMdiSubWindow *window : windows)
            sizes << window->size();
        choose(u"tile"_s);
        for (qsizetype i = 0; i < windows.size(); ++i) {
            QCOMPARE(windows[i]->size(), sizes[i]);
            for (const QMdiSubWindow *other : windows.mid(i + 1))
                QVERIFY(!other->geometry().intersects(windows[i]->geometry()));
        }
        QVERIFY(m_main->workspace().verticalScrollBar()->maximum() > 0);
        const QRect tiled = linkEffects->geometry();
        choose(u"cascade"_s);
        QVERIFY(linkEffects->geometry() != tiled);
    }

    void helpMeGetStartedReusesTheOpenLauncher()
    {
        Form4 &quickStart = m_main->quickStartWindow();
        click(&quickStart, u"Command4"_s);
        Form6 *launcher = m_main->workspace().findChild<Form6 *>();
        QVERIFY(launcher && launcher->isVisible());
        QCOMPARE(launcher->top(), 0);
        QCOMPARE(launcher->subWindow()->x(), 2600 / 15); // positions fall on whole pixels
        launcher->setLeft(4500);
        launcher->setTop(900);
        quickStart.showWindow();
        click(&quickStart, u"Command4"_s);
        QCOMPARE(m_main->workspace().findChildren<Form6 *>().size(), 1);
        QCOMPARE(launcher->subWindow()->x(), 2600 / 15);
        QCOMPARE(launcher->top(), 0);
        QCOMPARE(m_main->workspace().activeSubWindow(), launcher->subWindow());
    }

    void viewQuickStartWhileOpenAndAfterClosing()
    {
        Form4 *first = &m_main->quickStartWindow();
        first->setLeft(3000);
        first->setTop(1500);
        choose(u"rollover"_s);
        choose(u"qs"_s);
        QCOMPARE(&m_main->quickStartWindow(), first);
        QCOMPARE(first->left(), 0);
        QCOMPARE(first->top(), 0);
        QCOMPARE(m_main->workspace().activeSubWindow(), first->subWindow());

        QPointer<Form4> closed(first);
        first->closeWindow();
        QTRY_VERIFY(closed.isNull());
        choose(u"qs"_s);
        Form4 *fresh = m_main->workspace().findChild<Form4 *>();
        QVERIFY(fresh && fresh->isVisible());
        QCOMPARE(fresh->left(), 0);
        QCOMPARE(fresh->top(), 0);
    }

    void quitOnAFirstRunWritesNoMarker()
    {
        QVERIFY(m_main->workspace().findChild<Form1 *>());
        click(&m_main->quickStartWindow(), u"Command3"_s);
        QCOMPARE(m_services->endings, 1);
        QVERIFY(!QFile::exists(m_folder->filePath(u"hasran.txt"_s)));
    }

    void launcherWindow()
    {
        // The controls' texts and places are rows of launcherLayout.
        choose(u"hgs"_s);
        Form6 *launcher = m_main->workspace().findChild<Form6 *>();
        QCOMPARE(launcher->windowTitle(), u"Help Getting Started"_s);
        QCOMPARE(launcher->size(), QSize(558, 382));
        QCOMPARE(child<QLabel>(launcher, u"Label1"_s)->font().pointSizeF(), 18.0);
        testimages::render(launcher, u"Form6"_s);
    }

    void launcherLayout_data()
    {
        addLayoutColumns();
        layoutRow("Label1", "Form6",
                  u"Ok, so you don't know how to use this? No Problem! This interactive tutorial will guide you "
                  "through the process of creating a rollover,link effect, or button. Click on one of the options "
                  "below to begin!"_s,
                  QString(), {120, 120, 8055, 2535});
        layoutRow("Command1", "Form6", u"A Rollover"_s, u"Start the interactive tutorial for creating a rollover"_s,
                  {2520, 2640, 2775, 495});
        layoutRow("Command2", "Form6", u"A Link Effect"_s,
                  u"Start the interactive tutorial for creating a link effect"_s, {2520, 3240, 2775, 495});
        layoutRow("Command4", "Form6", u"A Button"_s, QString(), {2520, 3840, 2775, 495});
        layoutRow("Command3", "Form6", u"Pick One For Me"_s,
                  u"Pick a random tutorial; either a rollover or a link effect"_s, {2520, 4440, 2775, 495});
        layoutRow("Command5", "Form6", u"Close"_s, QString(), {2520, 5040, 2775, 495});
    }
    void launcherLayout()
    {
        choose(u"hgs"_s);
        checkLayoutRow(m_main->workspace().findChild<Form6 *>());
    }

    void launcherStartsEachTutorial_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<float>("draw"); // for "Pick One For Me"
        QTest::addColumn<QString>("window");
        QTest::newRow("a rollover") << u"Command1"_s << 0.0f << u"Form2"_s;
        QTest::newRow("a link effect") << u"Command2"_s << 0.0f << u"Form5"_s;
        QTest::newRow("a button") << u"Command4"_s << 0.0f << u"Form7"_s;
        QTest::newRow("pick 0: link effect") << u"Command3"_s << 0.0f << u"Form5"_s;
        QTest::newRow("pick half: rollover") << u"Command3"_s << 0.5f << u"Form2"_s;
        QTest::newRow("pick near 1: button") << u"Command3"_s << std::nextafter(1.0f, 0.0f) << u"Form7"_s;
    }
    void launcherStartsEachTutorial()
    {
        QFETCH(QString, button);
        QFETCH(float, draw);
        QFETCH(QString, window);
        m_services->scriptDraws({draw});
        choose(u"hgs"_s);
        Form6 *launcher = m_main->workspace().findChild<Form6 *>();
        QPointer<Form6> alive(launcher);
        click(launcher, button);
        QVERIFY(launcher->isClosed());
        QTRY_VERIFY(alive.isNull());

        const QList<ui::ChildWindow *> wizards = wizardWindows();
        QCOMPARE(wizards.size(), 1);
        QCOMPARE(wizards[0]->objectName(), window);
        QVERIFY(wizards[0]->isVisible());
        auto *tut1 = wizards[0]->findChild<QGroupBox *>(u"tut1"_s);
        QVERIFY(tut1);
        QVERIFY(tut1->isVisible());
        // The rollover and button tutorials lead a user without pictures to the picture maker.
        const auto *tip = tut1->findChild<QLabel *>(u"MakePicturesTip"_s);
        QCOMPARE(tip ? tip->text() : QString(),
                 window == u"Form5"_s ? QString() : u"No pictures? Make Pictures... draws them."_s);
        // Every step frame shows whole in the workspace.
        QCoreApplication::processEvents(); // the scroll bars would take their room
        for (QGroupBox *frame : wizards[0]->findChildren<QGroupBox *>(QRegularExpression(u"^tut\\d$"_s))) {
            frame->show();
            QVERIFY(m_main->workspace().viewport()->rect().contains(
                QRect(frame->mapTo(m_main->workspace().viewport(), QPoint()), frame->size())));
        }
    }

    // The tutorial's properties window takes the place the workspace gives a new window, and its
    // code window opens at the same place, which can reach below the visible part of the
    // main window: the workspace scrolls so that each shows whole, at its own position.
    void aTutorialsWindowsScrollIntoView()
    {
        choose(u"hgs"_s);
        click(&m_main->tutorialLauncher(), u"Command1"_s);
        Form2 *properties = m_main->workspace().findChild<Form2 *>();
        QVERIFY(properties);
        QCoreApplication::processEvents(); // the scroll bars take their room
        QWidget *visible = m_main->workspace().viewport();
        const auto wholeInView = [visible](const QWidget *widget) {
            return visible->rect().contains(QRect(widget->mapTo(visible, QPoint(0, 0)), widget->size()));
        };
        QVERIFY(wholeInView(properties->subWindow()));
        const int left = properties->left();
        const int top = properties->top();

        click(properties, u"Command3"_s);
        Form3 *code = m_main->workspace().findChild<Form3 *>();
        QVERIFY(code && code->isVisible());
        QCoreApplication::processEvents(); // the scroll bars take their room
        QCOMPARE(code->left(), left);
        QCOMPARE(code->top(), top);
        QVERIFY(wholeInView(code->subWindow()));
        QVERIFY(wholeInView(code->findChild<QPushButton *>(u"Command5"_s))); // "Save as HTML"
        QVERIFY(wholeInView(code->findChild<QPushButton *>(u"Command1"_s))); // "Close"
        testimages::render(m_main, u"Mainfrm tutorial code window"_s);
    }

    // Wizards from the menu, the Quick Start window and the launcher, tutorials among them: each
    // new window lies whole in the client area, which never needs a scroll bar.
    void newWindowsOfEveryKindStayInView()
    {
        const QList<std::function<void()>> openers{
            [this] { choose(u"rollover"_s); },        [this] { click(&m_main->quickStartWindow(), u"Command2"_s); },
            [this] { startTutorial(u"Command1"_s); }, [this] { choose(u"button"_s); },
            [this] { startTutorial(u"Command4"_s); }, [this] { click(&m_main->quickStartWindow(), u"Command5"_s); },
            [this] { startTutorial(u"Command2"_s); }, [this] { choose(u"te"_s); },
        };
        ui::Workspace &workspace = m_main->workspace();
        for (qsizetype i = 0; i < openers.size(); ++i) {
            openers[i]();
            QCoreApplication::processEvents(); // the scroll bars would take their room
            const QMdiSubWindow *opened = workspace.activeSubWindow();
            QVERIFY(opened);
            const QString what = u"window %1, %2"_s.arg(i + 1).arg(opened->widget()->objectName());
            QVERIFY2(workspace.viewport()->rect().contains(opened->geometry()), qPrintable(what));
            QVERIFY2(!workspace.horizontalScrollBar()->isVisible(), qPrintable(what));
            QVERIFY2(!workspace.verticalScrollBar()->isVisible(), qPrintable(what));
        }
        QCOMPARE(wizardWindows().size(), openers.size());
    }

    void closeOpensNothing()
    {
        choose(u"hgs"_s);
        Form6 *launcher = m_main->workspace().findChild<Form6 *>();
        QPointer<Form6> alive(launcher);
        click(launcher, u"Command5"_s);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(wizardWindows().isEmpty());
    }

    void twoRolloverTutorialsAndOneFromTheMenu()
    {
        for (int i = 0; i < 2; ++i) {
            choose(u"hgs"_s);
            click(&m_main->tutorialLauncher(), u"Command1"_s);
        }
        choose(u"rollover"_s);
        const QList<Form2 *> windows = m_main->workspace().findChildren<Form2 *>();
        QCOMPARE(windows.size(), 3);
        int tutorials = 0;
        for (Form2 *window : windows) {
            const bool showing = window->findChild<QGroupBox *>(u"tut1"_s)->isVisible();
            QCOMPARE(showing, window->tutmode);
            tutorials += window->tutmode ? 1 : 0;
        }
        QCOMPARE(tutorials, 2);
        // The tutorials advance independently.
        click(windows[0]->tutmode ? windows[0] : windows[1], u"Command6"_s);
        int onStepTwo = 0;
        for (Form2 *window : windows)
            onStepTwo += window->findChild<QGroupBox *>(u"tut2"_s)->isVisible() ? 1 : 0;
        QCOMPARE(onStepTwo, 1);
    }

    void everyControlIsNamed_data()
    {
        // The welcome window holds nothing but text.
        QTest::addColumn<QString>("window");
        for (const char *window : {"Form2", "Form3", "Form4", "Form5", "Form6", "Form7"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        openEveryWindow();
        QWidget *form = childWindow(window);
        QList<QWidget *> controls;
        for (QLineEdit *box : form->findChildren<QLineEdit *>())
            controls << box;
        for (QPlainTextEdit *box : form->findChildren<QPlainTextEdit *>())
            controls << box;
        for (QAbstractButton *button : form->findChildren<QAbstractButton *>())
            controls << button;
        QVERIFY(!controls.isEmpty());
        for (QWidget *control : controls) {
            const QString name = accessibleText(control, QAccessible::Name);
            // A name says something in words: not "...", and not the caption of the frame
            // around the control, which is all a toolkit finds for a box without a label.
            QVERIFY2(name.contains(QRegularExpression(u"\\w"_s)), qPrintable(control->objectName()));
            if (const auto *frame = qobject_cast<const QGroupBox *>(control->parentWidget()))
                QVERIFY2(name != frame->title(), qPrintable(control->objectName()));
        }
        // A label that names its box brings no access key with it: only the rollover
        // introduction's "&a" and the alt text's "Al&t text:" lead anywhere.
        for (const QLabel *label : form->findChildren<QLabel *>()) {
            const bool leads = (window == u"Form2"_s && label->objectName() == u"Label1"_s) ||
                               label->objectName() == u"AltTextLabel"_s;
            if (label->buddy())
                QCOMPARE(label->text().contains(u'&'), leads);
        }
        // Each tutorial step frame is described by its step text.
        const QRegularExpression step(u"^tut\\d$"_s);
        int steps = 0;
        for (QGroupBox *frame : form->findChildren<QGroupBox *>(step)) {
            const QLabel *text = frame->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
            QVERIFY(!text->text().isEmpty());
            QCOMPARE(accessibleText(frame, QAccessible::Description), text->text());
            ++steps;
        }
        const QMap<QString, int> stepsOf{{u"Form2"_s, 6}, {u"Form3"_s, 2}, {u"Form5"_s, 3}, {u"Form7"_s, 6}};
        QCOMPARE(steps, stepsOf.value(window));
    }

    void namesReadAsExpected_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("kind"); // QAccessible::Name or Description
        QTest::addColumn<QString>("text");
        const auto name = [](const char *window, const char *control, const QString &text) {
            QTest::addRow("%s %s", window, control)
                << QString::fromLatin1(window) << QString::fromLatin1(control) << int(QAccessible::Name) << text;
        };
        name("Form2", "Text1", u"Image #1 "_s);
        name("Form2", "Text3", u"<A href> url:"_s);
        name("Form2", "Text7", u"Image 2#"_s);
        name("Form2", "Command1", u"Choose Image #1"_s);
        name("Form2", "Command2", u"Choose Image #2"_s);
        name("Form2", "Command9", u"Random"_s);
        name("Form2", "Command6", u"Ok!"_s);
        name("Form2", "AltText", u"Alt text:"_s);
        name("Form2", "ModernCode", u"Modern code (keyboard, touch, no script)"_s);
        name("Form5", "ModernCode", u"Modern code (keyboard, touch, no script)"_s);
        name("Form3", "OpenInBrowser", u"Open in Browser"_s);
        name("Form5", "OpenInBrowser", u"Open in Browser"_s);
        name("Form7", "OpenInBrowser", u"Open in Browser"_s);
        name("Form7", "AltText", u"Alt text:"_s);
        name("Form3", "RichTextBox1", u"Copy this code into the <Head> section of your page. "_s);
        name("Form3", "RichTextBox2", u"Copy this where you want the rollover image to be in the <Body> section"_s);
        name("Form4", "Command5", u"Create a Button"_s);
        name("Form5", "RichTextBox1", u"Effect code"_s);
        name("Form5", "Text1", u"Final code"_s);
        name("Form6", "Command3", u"Pick One For Me"_s);
        name("Form7", "Text1", u"Default Image:"_s);
        name("Form7", "Text5", u"Button Height: "_s);
        name("Form7", "Text11", u"Button Link: "_s);
        name("Form7", "Command1", u"Choose Default Image"_s);
        name("Form7", "Command3", u"Choose Mouse Down Image"_s);
        name("Form7", "Check2", u"Don't Use Mouseover in preview"_s);
        name("Form7", "second",
             u"The code below is the button itself. Add this to wherever you want the button to be located in "
             "your webpage. "_s);
        QTest::addRow("Form7 tut5 description")
            << u"Form7"_s << u"tut5"_s << int(QAccessible::Description)
            << u"Congratulations! You have completed everything necessary to generate the button code. Since you are "
               "in tutorial mode, click ok below to go to the generated code. If you were not in tutorial mode, you "
               "would click \"See Code\", which this frame is currently hiding. "_s;
    }
    void namesReadAsExpected()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, kind);
        QFETCH(QString, text);
        openEveryWindow();
        QWidget *widget = childWindow(window)->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(accessibleText(widget, QAccessible::Text(kind)), text);
    }

    void screenshotWithAWizard()
    {
        choose(u"rollover"_s);
        Form2 *rollover = m_main->workspace().findChild<Form2 *>();
        rollover->setLeft(2700);
        rollover->setTop(300);
        m_main->quickStartWindow().showWindow();
        const QImage image(testimages::render(m_main, u"Mainfrm"_s));
        QVERIFY(!image.isNull());
        const QPoint button = rollover->findChild<QWidget *>(u"Command3"_s)->mapTo(m_main, QPoint(5, 5));
        QCOMPARE(image.pixelColor(button), QColor(255, 224, 192));
        const QPoint quickStart = m_main->quickStartWindow().mapTo(m_main, QPoint(2, 2));
        QCOMPARE(image.pixelColor(quickStart), QColor(255, 255, 192));
    }

    // The main window opens as the last run left it: its size, its place, maximised or not.
    void placeIsKeptAcrossRuns()
    {
        const QRect placed(40, 50, 700, 480);
        m_main->setGeometry(placed);
        m_main->showMaximized();
        QVERIFY(m_main->close());
        delete m_main;
        Mainfrm next(*m_services, FirstRunMarker(m_folder->path(), QString()));
        next.show();
        QVERIFY(next.isMaximized());
        QCOMPARE(next.normalGeometry(), placed);
    }

    // Each dialog of pictures or pages starts in the folder its kind was chosen in last, and
    // keeps the folder of the file chosen there for the next one.
    void dialogsStartWhereTheUserWorks_data()
    {
        QTest::addColumn<QStringList>("steps"); // a menu item, then each window with the button clicked there
        QTest::addColumn<QString>("chosen");    // p.png for pictures
        for (const QString &steps :
             {u"rollover Form2 Command1"_s, u"rollover Form2 Command2"_s, u"button Form7 Command1"_s,
              u"button Form7 Command2"_s, u"button Form7 Command3"_s})
            QTest::newRow(qPrintable(steps)) << steps.split(u' ') << u"p.png"_s;
        QTest::newRow("Save Pictures") << u"rollover Form2 MakePictures PictureMaker SavePictures"_s.split(u' ')
                                       << u"made.png"_s;
        const QString rolloverCode = u"rollover Form2 Command3 Form3 "_s,
                      buttonCode = u"button Form7 Command8 Form7 "_s;
        for (const QString &steps :
             QStringList{rolloverCode + u"Command5"_s, rolloverCode + u"InsertIntoPage"_s, u"te Form5 Command7"_s,
                         u"te Form5 InsertIntoPage"_s, buttonCode + u"Command12"_s, buttonCode + u"InsertIntoPage"_s,
                         u"EditInsertedCode"_s})
            QTest::newRow(qPrintable(steps)) << steps.split(u' ') << u"into.html"_s;
    }
    void dialogsStartWhereTheUserWorks()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, chosen);
        const ui::FileKind kind = chosen.endsWith(u".png"_s) ? ui::FileKind::Pictures : ui::FileKind::Pages;
        const QDir folder(m_folder->path());
        QVERIFY(folder.mkpath(u"before"_s) && folder.mkpath(u"after"_s));
        QVERIFY(testimages::writePicture(folder.filePath(u"after/p.png"_s), 8, 8, Qt::red));
        QVERIFY(testfiles::writeFile(folder.filePath(u"after/into.html"_s), "<!DOCTYPE html><title>t</title>\n"));
        ui::rememberFolder(*m_services, kind, folder.filePath(u"before/x"_s));
        m_services->answerOpen(folder.filePath(u"after/"_s + chosen));
        m_services->answerSave(folder.filePath(u"after/"_s + chosen));
        choose(steps.first());
        for (qsizetype i = 1; i + 1 < steps.size(); i += 2)
            click(childWindow(steps.at(i)), steps.at(i + 1));
        const QString proposed = m_services->questions.constLast().request.proposedName;
        QVERIFY2(QFileInfo(proposed).path() == folder.filePath(u"before"_s) || proposed == folder.filePath(u"before"_s),
                 qPrintable(proposed));
        QCOMPARE(ui::proposedPath(*m_services, kind), folder.filePath(u"after"_s));
    }

private:
    // Chooses the named item of the main window's menus, as the user does.
    void choose(const QString &item) { child<QAction>(m_main, item)->trigger(); }
    void startTutorial(const QString &button)
    {
        choose(u"hgs"_s);
        click(&m_main->tutorialLauncher(), button);
    }

    // Every child window as the user opens it: the welcome and Quick Start windows are open
    // at a first start; the code window comes from a rollover's "See Code".
    void openEveryWindow()
    {
        choose(u"hgs"_s);
        choose(u"rollover"_s);
        click(childWindow(u"Form2"_s), u"Command3"_s);
        choose(u"rollover"_s);
        choose(u"te"_s);
        choose(u"button"_s);
    }

    // The open child window of that name.
    ui::ChildWindow *childWindow(const QString &name) const
    {
        for (ui::ChildWindow *window : m_main->workspace().findChildren<ui::ChildWindow *>())
            if (!window->isClosed() && window->objectName() == name)
                return window;
        qFatal("no open window %s", qPrintable(name));
    }

    static QString accessibleText(QWidget *widget, QAccessible::Text kind)
    {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible ? accessible->text(kind) : QString();
    }

    QList<ui::ChildWindow *> wizardWindows() const
    {
        QList<ui::ChildWindow *> wizards;
        for (ui::ChildWindow *window : m_main->workspace().findChildren<ui::ChildWindow *>())
            if (!window->isClosed() && QStringList{u"Form2"_s, u"Form5"_s, u"Form7"_s}.contains(window->objectName()))
                wizards << window;
        return wizards;
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakeServices> m_services;
    QPointer<Mainfrm> m_main;
};

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"
