// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_run_marker.h"
#include "app/quick_start_window.h"
#include "app/tutorial_launcher.h"
#include "app/welcome_window.h"
#include "button/button_code.h"
#include "button/button_editor.h"
#include "linkfx/link_effects_window.h"
#include "rollover/code_window.h"
#include "rollover/properties_window.h"
#include "rollover/rollover_hints.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "text/html_text.h"
#include "text/picture_names.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/note.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Every window of the application, opened and shown as its opener shows it.
ui::ChildWindow *openWindow(const QString &name, ui::Workspace &workspace, const QString &markerFolder)
{
    ui::ChildWindow *window = nullptr;
    if (name == u"Form1"_s)
        window = new Form1(workspace, FirstRunMarker(markerFolder, QString()));
    else if (name == u"Form2"_s)
        window = new Form2(workspace);
    else if (name == u"Form3"_s) {
        auto *code = new Form3(workspace);
        code->instanced = true;
        window = code;
    } else if (name == u"Form4"_s)
        window = new Form4(workspace);
    else if (name == u"Form5"_s)
        window = new Form5(workspace);
    else if (name == u"Form6"_s)
        window = new Form6(workspace);
    else if (name == u"Form7"_s)
        window = new Form7(workspace);
    if (window)
        window->showWindow();
    return window;
}

void addWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : {u"Form1"_s, u"Form2"_s, u"Form3"_s, u"Form4"_s, u"Form5"_s, u"Form6"_s, u"Form7"_s})
        QTest::newRow(qPrintable(name)) << name;
}

// Runs the check on the window as it opens, then with each of its hidden frames (the
// tutorial steps, the button editor's code frame) shown in turn.
void inEveryState(QWidget *window, const std::function<void(const QString &state)> &check)
{
    check(window->objectName());
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        if (frame->isVisibleTo(window))
            continue;
        frame->show();
        check(window->objectName() + u" with "_s + frame->objectName());
        frame->hide();
    }
}

// The rectangle, in the label's own coordinates, that its text takes as the label lays it out.
QRect laidOutText(const QLabel *label)
{
    int flags = int(QStyle::visualAlignment(label->layoutDirection(), label->alignment()));
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    if (label->buddy() && label->text().contains(u'&'))
        flags |= Qt::TextShowMnemonic;
    const int margin = label->margin();
    const QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    return label->fontMetrics().boundingRect(area, flags, label->text());
}

// The controls stacked above a widget among its siblings. The frames that lie above other
// controls (the tutorial steps, the code frame) cover whole rows by design: what they cover
// is not shown at all, and their own texts are checked when they are shown.
QList<QWidget *> controlsAbove(const QWidget *widget, const QWidget *window)
{
    QList<QWidget *> above;
    const QObjectList siblings = widget->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(widget) + 1; i < siblings.size(); ++i) {
        auto *sibling = qobject_cast<QWidget *>(siblings.at(i));
        if (sibling && sibling->isVisibleTo(window) && !qobject_cast<QGroupBox *>(sibling))
            above.append(sibling);
    }
    return above;
}

QString rectText(const QRect &r)
{
    return u"(%1, %2, %3 by %4)"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Every shown text of the window: what does not show whole, and why.
QStringList textFaults(QWidget *window, const QString &state)
{
    QStringList faults;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window))
            continue;
        const QString where = state + u": "_s + label->objectName();
        const QRect text = laidOutText(label);
        if (!label->contentsRect().contains(text))
            faults << where + u" needs "_s + rectText(text) + u" in "_s + rectText(label->contentsRect());
        const QRect inParent = text.translated(label->pos());
        for (const QWidget *control : controlsAbove(label, window))
            if (inParent.intersects(control->geometry()))
                faults << where + u" runs under "_s + control->objectName() + u" by "_s +
                              rectText(inParent.intersected(control->geometry()));
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(window))
            continue;
        // One line between the one-pixel borders.
        const QRect area = button->rect().adjusted(1, 1, -1, -1);
        const QRect text =
            button->fontMetrics().boundingRect(area, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
        if (!area.contains(text))
            faults << state + u": "_s + button->objectName() + u" caption needs "_s + rectText(text);
    }
    for (QCheckBox *box : window->findChildren<QCheckBox *>()) {
        if (!box->isVisibleTo(window))
            continue;
        // The caption wraps beside the box, within the control's height.
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const int left = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
        const QRect area(left, 0, box->width() - left, box->height());
        const QRect text =
            box->fontMetrics().boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, box->text());
        if (!area.contains(text))
            faults << state + u": "_s + box->objectName() + u" caption needs "_s + rectText(text);
    }
    return faults;
}

// What a reader sees when the mouse rests on the control: the tooltip shows its text as rich
// text when it looks like markup, as plain text otherwise. Empty when no tooltip shows.
QString shownToolTip(QWidget *control)
{
    const QPoint at = control->rect().center();
    QHelpEvent event(QEvent::ToolTip, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
    QString shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *tip = qobject_cast<QLabel *>(widget);
        if (!tip || tip->objectName() != u"qtooltip_label"_s || !tip->isVisible())
            continue;
        const bool rich = tip->textFormat() == Qt::RichText ||
                          (tip->textFormat() == Qt::AutoText && Qt::mightBeRichText(tip->text()));
        if (rich) {
            QTextDocument document;
            document.setHtml(tip->text());
            shown = document.toPlainText();
        } else {
            shown = tip->text();
        }
    }
    QToolTip::hideText();
    return shown;
}

} // namespace

class TestWindowLook final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        m_folder = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        WindowTest::cleanup();
        m_folder.reset();
    }

    void windowFaceIsInstalled()
    {
        // The face itself, not a fallback the font configuration found instead.
        const QFont font = ui::windowFont();
        QCOMPARE(QFontInfo(font).family(), u"PT Sans Narrow"_s);
        QCOMPARE(font.pointSizeF(), 7.5);
        QCOMPARE(QFontMetrics(font).lineSpacing(), 13);
    }

    void everyTextShowsWhole_data() { addWindowRows(); }
    void everyTextShowsWhole()
    {
        QFETCH(QString, window);
        QWidget *shown = openWindow(window, workspace(), m_folder->path());
        QVERIFY(shown);
        QStringList faults;
        // Every text in the one face, whatever its size, but code, which its boxes show in the
        // desktop's fixed face.
        const QString fixed = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
        for (QWidget *control : shown->findChildren<QWidget *>()) {
            const QString family = QFontInfo(control->font()).family();
            const bool code = qobject_cast<QPlainTextEdit *>(control) ||
                              qobject_cast<QPlainTextEdit *>(control->parent()) ||
                              (control->parent() && qobject_cast<QPlainTextEdit *>(control->parent()->parent()));
            if (family != u"PT Sans Narrow"_s && !(code && family == fixed))
                faults << control->objectName() + u" is set in "_s + family;
        }
        inEveryState(shown, [&](const QString &state) {
            faults << textFaults(shown, state);
            testimages::render(shown, state); // to look at: every window, every step
        });
        for (const QString &fault : faults)
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(u"%1 texts do not show whole, each named above"_s.arg(faults.size())));
    }

    // A step frame leaves whole the controls its text sends the user to, and cuts no control
    // in half: each control listed is either clear of the frame or under it whole.
    void stepFramesCutNoControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("clear");   // shows whole beside the frame
        QTest::addColumn<QStringList>("covered"); // lies whole under the frame
        QTest::newRow("Form7 tut2") << u"Form7"_s << u"tut2"_s << QStringList{u"button"_s, u"Check2"_s}
                                    << QStringList{u"Label1"_s, u"Text1"_s, u"Command1"_s, u"Check1"_s};
        QTest::newRow("Form7 tut3") << u"Form7"_s << u"tut3"_s
                                    << QStringList{u"Check1"_s, u"Label4"_s, u"Text4"_s, u"Label5"_s, u"Text5"_s}
                                    << QStringList{u"Text6"_s, u"Text7"_s, u"Text8"_s, u"Text9"_s, u"Text11"_s};
        QTest::newRow("Form5 tut1") << u"Form5"_s << u"tut1"_s
                                    << QStringList{u"RichTextBox1"_s, u"Command9"_s, u"Command11"_s,
                                                   u"Command10"_s,    u"Command7"_s, u"Command8"_s}
                                    << QStringList{};
    }
    void stepFramesCutNoControl()
    {
        QFETCH(QString, window);
        QFETCH(QString, frame);
        QFETCH(QStringList, clear);
        QFETCH(QStringList, covered);
        QWidget *shown = openWindow(window, workspace(), m_folder->path());
        QVERIFY(shown);
        auto *step = testwindows::child<QGroupBox>(shown, frame);
        step->show();
        QVERIFY(!testimages::render(shown, window + u" with "_s + frame).isEmpty());
        const auto place = [shown](const QWidget *control) {
            return QRect(control->mapTo(shown, QPoint(0, 0)), control->size());
        };
        for (const QString &name : clear)
            QVERIFY2(!place(step).intersects(place(testwindows::child<QWidget>(shown, name))), qPrintable(name));
        for (const QString &name : covered)
            QVERIFY2(place(step).contains(place(testwindows::child<QWidget>(shown, name))), qPrintable(name));
    }

    // The choice of code: the alt text and the modern code box come after every other control,
    // the modern code greys the fields it does not use, and a hint asks for the alt text.
    void codeChoice_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("altText");
        QTest::addColumn<QStringList>("greyed");
        QTest::addColumn<QString>("previous"); // the control before, in the focus order
        QTest::newRow("Form2") << u"Form2"_s << true
                               << QStringList{u"Text4"_s,    u"Command9"_s, u"Text6"_s,  u"Command4"_s, u"Text7"_s,
                                              u"Command5"_s, u"Label5"_s,   u"Label8"_s, u"Label9"_s}
                               << u"Command11"_s;
        QTest::newRow("Form5") << u"Form5"_s << false << QStringList{} << u"Command15"_s;
        QTest::newRow("Form7") << u"Form7"_s << true
                               << QStringList{u"Text6"_s,    u"Text7"_s,    u"Text8"_s,    u"Text9"_s,  u"Command4"_s,
                                              u"Command5"_s, u"Command6"_s, u"Command7"_s, u"Label6"_s, u"Label9"_s}
                               << u"Command19"_s;
    }
    void codeChoice()
    {
        QFETCH(QString, window);
        QFETCH(bool, altText);
        QFETCH(QStringList, greyed);
        QFETCH(QString, previous);
        QWidget *shown = openWindow(window, workspace(), m_folder->path());
        QVERIFY(shown);
        auto *modern = testwindows::child<QCheckBox>(shown, u"ModernCode"_s);
        QVERIFY(!modern->isChecked());
        QVERIFY(modern->isVisible());
        // After every control the window had: its last step's Ok, then the alt text, then this.
        const auto nextByTab = [](QWidget *from) {
            QWidget *next = from->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus))
                next = next->nextInFocusChain();
            return next;
        };
        QWidget *const before = testwindows::child<QWidget>(shown, previous);
        QLineEdit *const altBox = shown->findChild<QLineEdit *>(u"AltText"_s);
        QCOMPARE(nextByTab(before), altText ? static_cast<QWidget *>(altBox) : modern);
        if (altBox)
            QCOMPARE(nextByTab(altBox), modern);
        QLineEdit *alt = shown->findChild<QLineEdit *>(u"AltText"_s);
        QCOMPARE(alt != nullptr, altText);
        QLabel *hint = shown->findChild<QLabel *>(u"AltHint"_s);
        QCOMPARE(hint != nullptr, altText);
        if (alt) {
            QVERIFY(alt->text().isEmpty());
            QCOMPARE(testwindows::child<QLabel>(shown, u"AltTextLabel"_s)->buddy(), alt);
            QVERIFY(!hint->isVisible());
        }
        modern->click();
        for (const QString &name : greyed)
            QVERIFY2(!testwindows::child<QWidget>(shown, name)->isEnabled(), qPrintable(name));
        if (alt) {
            QVERIFY(hint->isVisible());
            QVERIFY(!testimages::render(shown, window + u" with the modern code"_s).isEmpty());
            QTest::keyClicks(alt, u"Example"_s);
            QVERIFY(!hint->isVisible());
        }
        modern->click();
        for (const QString &name : greyed)
            QVERIFY2(testwindows::child<QWidget>(shown, name)->isEnabled(), qPrintable(name));
        if (alt)
            QVERIFY(!hint->isVisible());
    }

    void everyToolTipShowsAsWritten_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("toolTips"); // control name, then what the reader sees
        QTest::newRow("Form1") << u"Form1"_s << QStringList();
        QTest::newRow("Form2") << u"Form2"_s << QStringList();
        QTest::newRow("Form3")
            << u"Form3"_s
            << QStringList{
                   u"Command1"_s,         u"Close this rollover window"_s,
                   u"Command3"_s,         u"Copy the <head> text to the clipboard"_s,
                   u"Command4"_s,         u"Copy the <body> section of the code to the clipboard"_s,
                   u"Command5"_s,         u"Create an HTML page with your rollover"_s,
                   u"OpenInBrowser"_s,    u"Show the page in your web browser"_s,
                   u"BackToProperties"_s, u"Change the properties of this rollover"_s,
                   u"InsertIntoPage"_s,   u"Put the code into a page of yours"_s,
                   u"ReplaceInPage"_s,    u"Put the code into the page in place of the rollover it was made from"_s};
        QTest::newRow("Form4") << u"Form4"_s
                               << QStringList{u"Command1"_s, u"Create a new rollover effect for your webpage"_s,
                                              u"Command2"_s, u"Add some new link effects to your webpage"_s,
                                              u"Command3"_s, u"Leave, Exit, or Quit"_s,
                                              u"Command4"_s, u"Start the interactive tutorials"_s};
        QTest::newRow("Form5")
            << u"Form5"_s
            << QStringList{u"Command1"_s,
                           u"Change the fontsize of the links"_s,
                           u"Command10"_s,
                           u"Copy the final code to the clipboard"_s,
                           u"Command11"_s,
                           u"Clear the final result"_s,
                           u"Command12"_s,
                           u"Make links appear to have no lines below them"_s,
                           u"Command2"_s,
                           u"Change the text color of the links"_s,
                           u"Command3"_s,
                           u"Change the background color of the links"_s,
                           u"Command4"_s,
                           u"Convert all links to lowercase"_s,
                           u"Command5"_s,
                           u"Convert all links to uppercase"_s,
                           u"Command6"_s,
                           u"Copy the text below to the clipboard"_s,
                           u"Command7"_s,
                           u"Create an HTML file with your chosen link effects(includes an example link)"_s,
                           u"Command8"_s,
                           u"Close this link effect window"_s,
                           u"Command9"_s,
                           u"Add the above code to teh final result"_s,
                           u"OpenInBrowser"_s,
                           u"Show the page in your web browser"_s,
                           u"InsertIntoPage"_s,
                           u"Put the final code into a page of yours"_s,
                           u"ReplaceInPage"_s,
                           u"Put the final code into the page in place of the link effects it was made from"_s};
        QTest::newRow("Form6") << u"Form6"_s
                               << QStringList{
                                      u"Command1"_s, u"Start the interactive tutorial for creating a rollover"_s,
                                      u"Command2"_s, u"Start the interactive tutorial for creating a link effect"_s,
                                      u"Command3"_s, u"Pick a random tutorial; either a rollover or a link effect"_s};
        QTest::newRow("Form7") << u"Form7"_s << QStringList();
    }
    void everyToolTipShowsAsWritten()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, toolTips);
        QWidget *shown = openWindow(window, workspace(), m_folder->path());
        QVERIFY(shown);
        QStringList expected;
        for (qsizetype i = 0; i + 1 < toolTips.size(); i += 2)
            expected << toolTips.at(i) + u": "_s + toolTips.at(i + 1);

        QStringList seen;
        for (QWidget *control : shown->findChildren<QWidget *>())
            if (!control->toolTip().isEmpty())
                seen << control->objectName() + u": "_s + shownToolTip(control);
        seen.sort();
        expected.sort();
        QCOMPARE(seen, expected);
    }

    void focusedButtonKeepsItsFace_data() { addWindowRows(); }
    void focusedButtonKeepsItsFace()
    {
        QFETCH(QString, window);
        QWidget *shown = openWindow(window, workspace(), m_folder->path());
        QVERIFY(shown);
        // The keyboard moves the focus from button to button, as a user tabbing through the window.
        QStringList faults;
        QSet<QPushButton *> focused;
        for (int press = 0; press < 60; ++press) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : shown, Qt::Key_Tab);
            auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
            if (!button || focused.contains(button))
                continue;
            focused.insert(button);
            // The four corners of the face, inside the border and clear of the caption.
            const QImage face = button->grab().toImage();
            const int right = face.width() - 3;
            const int bottom = face.height() - 3;
            for (const QPoint spot : {QPoint(2, 2), QPoint(right, 2), QPoint(2, bottom), QPoint(right, bottom)})
                if (face.pixelColor(spot) != ui::ButtonFace)
                    faults << button->objectName() + u" is "_s + face.pixelColor(spot).name() + u" at "_s +
                                  QString::number(spot.x()) + u","_s + QString::number(spot.y());
            // The focus rectangle: the border turns dotted, with the face between the dots.
            int gaps = 0;
            for (int x = 1; x < face.width() - 1; ++x)
                gaps += face.pixelColor(x, 0) == ui::ButtonFace ? 1 : 0;
            if (gaps == 0 || gaps == face.width() - 2)
                faults << button->objectName() + u" shows no focus rectangle"_s;
        }
        QCOMPARE(focused.isEmpty(), window == u"Form1"_s); // the welcome window has no buttons
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }

    // A disabled button is drawn greyed: its face and its caption differ from an enabled one's.
    void disabledButtonIsGreyed()
    {
        QWidget window;
        QPushButton *enabled = ui::makeButton(&window, u"On"_s, u"Random"_s, QRect(0, 0, 80, 25));
        QPushButton *disabled = ui::makeButton(&window, u"Off"_s, u"Random"_s, QRect(0, 30, 80, 25));
        disabled->setEnabled(false);
        window.show();
        const QImage on = enabled->grab().toImage();
        const QImage off = disabled->grab().toImage();
        QCOMPARE(on.pixelColor(3, 3), ui::ButtonFace);
        QCOMPARE(off.pixelColor(3, 3), ui::DisabledButtonFace);
        // The caption's darkest pixel: black when enabled, grey when not.
        const auto darkest = [](const QImage &face) {
            int least = 255;
            for (int y = 0; y < face.height(); ++y)
                for (int x = 0; x < face.width(); ++x)
                    least = std::min(least, qGray(face.pixel(x, y)));
            return least;
        };
        QVERIFY(darkest(on) < 60);
        QVERIFY(darkest(off) > 120);
    }

    // Each copy and save button leaves a note beside it that says what it did; a cancelled save
    // says nothing.
    void buttonsLeaveANote_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("said");
        const QString saved = ui::savedNote(u"saved.html"_s);
        QTest::newRow("code window, head") << u"Form3"_s << u"Command3"_s << u"HeadCopyNote"_s << ui::CopiedNote;
        QTest::newRow("code window, body") << u"Form3"_s << u"Command4"_s << u"BodyCopyNote"_s << ui::CopiedNote;
        QTest::newRow("code window, save") << u"Form3"_s << u"Command5"_s << u"SaveNote"_s << saved;
        QTest::newRow("button code, head") << u"Form7"_s << u"Command10"_s << u"HeadCopyNote"_s << ui::CopiedNote;
        QTest::newRow("button code, body") << u"Form7"_s << u"Command11"_s << u"BodyCopyNote"_s << ui::CopiedNote;
        QTest::newRow("button code, save") << u"Form7"_s << u"Command12"_s << u"SaveNote"_s << saved;
        QTest::newRow("code window, save cancelled") << u"Form3"_s << u"Command5"_s << u"SaveNote"_s << QString();
        QTest::newRow("button code, save cancelled") << u"Form7"_s << u"Command12"_s << u"SaveNote"_s << QString();
    }
    void buttonsLeaveANote()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, note);
        QFETCH(QString, said);
        QWidget *shown = openWindow(window, workspace(), m_folder->path());
        if (window == u"Form7"_s)
            testwindows::click(shown, u"Command8"_s);
        // asked by a save only
        services().answerSave(said.isEmpty() ? std::nullopt : std::optional(m_folder->filePath(u"saved.html"_s)));
        const auto *label = testwindows::child<QLabel>(shown, note);
        QVERIFY(!label->isVisible());
        testwindows::click(shown, button);
        QCOMPARE(label->isVisible(), !said.isEmpty());
        QCOMPARE(label->text(), said);
    }

    // Two pictures of the same name from different folders: the window says the page can show
    // only one, in the words of the rule.
    void sameNameHintFollowsThePicks_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("pickers");
        QTest::newRow("rollover") << u"Form2"_s << QStringList{u"Command1"_s, u"Command2"_s};
        QTest::newRow("button") << u"Form7"_s << QStringList{u"Command1"_s, u"Command3"_s};
    }
    void sameNameHintFollowsThePicks()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, pickers);
        QWidget *shown = openWindow(window, workspace(), m_folder->path());
        const QDir folder(m_folder->path());
        const QStringList paths{folder.filePath(u"a/button.png"_s), folder.filePath(u"b/button.png"_s)};
        for (const QString &path : paths) {
            QVERIFY(folder.mkpath(QFileInfo(path).path()));
            QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(path));
        }
        for (qsizetype i = 0; i < pickers.size(); ++i) {
            services().answerOpen(paths.at(i));
            testwindows::click(shown, pickers.at(i));
        }
        std::vector<std::string> picked{paths.at(0).toStdString(), paths.at(1).toStdString()};
        if (window == u"Form7"_s)
            picked.insert(picked.begin() + 1, std::string()); // no mouse-over picture
        const auto *hint = testwindows::child<QLabel>(shown, u"SameNameHint"_s);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QString::fromStdString(ui::sameNameHint(picked)));
    }

    // Each hint follows its box, in the words of the rule it shows.
    void hintsFollowTheirBoxes_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("expected");
        const auto link = [](const char *text) {
            return QString::fromStdString(LinkHint(text));
        };
        const auto size = [](const char *text) {
            return QString::fromStdString(ModernSizeHint(text));
        };
        QTest::newRow("rollover, a script link")
            << u"Form2"_s << false << u"Text3"_s << u" JavaScript:go()"_s << u"LinkHint"_s << link(" JavaScript:go()");
        QTest::newRow("rollover, a page link")
            << u"Form2"_s << false << u"Text3"_s << u"https://example.org/"_s << u"LinkHint"_s << QString();
        QTest::newRow("button, a script link")
            << u"Form7"_s << false << u"Text11"_s << u"javascript:go()"_s << u"LinkHint"_s << link("javascript:go()");
        QTest::newRow("button, no height") << u"Form7"_s << false << u"Text4"_s << u"88"_s << u"SizeHint"_s
                                           << QString::fromStdString(ButtonSizeHint("88", ""));
        QTest::newRow("modern rollover, size 0")
            << u"Form2"_s << true << u"Text5"_s << u"0,40"_s << u"SizeHint"_s << size("0,40");
        QTest::newRow("modern rollover, one number")
            << u"Form2"_s << true << u"Text5"_s << u"40"_s << u"SizeHint"_s << size("40");
        QTest::newRow("classic rollover, one number")
            << u"Form2"_s << false << u"Text5"_s << u"40"_s << u"SizeHint"_s << QString();
    }
    void hintsFollowTheirBoxes()
    {
        QFETCH(QString, window);
        QFETCH(bool, modern);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        QFETCH(QString, expected);
        QWidget *shown = openWindow(window, workspace(), m_folder->path());
        testwindows::child<QCheckBox>(shown, u"ModernCode"_s)->setChecked(modern);
        testwindows::child<QLineEdit>(shown, box)->setText(text);
        const auto *label = testwindows::child<QLabel>(shown, hint);
        QCOMPARE(label->isVisible(), !expected.isEmpty());
        QCOMPARE(label->text(), expected);
    }

    // The order in which a step frame hides and the next one shows decides where the keyboard
    // focus goes: each tutorial's Ok pressed with the space bar, and the control focused after.
    void okWithSpaceLeavesTheFocus_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("focused"); // after each Ok, in step order
        // A frame hidden first hands the focus on to the next control shown; a frame shown first
        // hands it to its own Ok, which follows in the chain.
        QTest::newRow("Form2") << u"Form2"_s
                               << QStringList{u"Command9"_s, u"Command9"_s, u"Command9"_s, u"AltText"_s, u"AltText"_s};
        QTest::newRow("Form3") << u"Form3"_s << QStringList{u"Command6"_s, u"OpenInBrowser"_s};
        QTest::newRow("Form5") << u"Form5"_s << QStringList{u"ModernCode"_s, u"ModernCode"_s, u"ModernCode"_s};
        QTest::newRow("Form7") << u"Form7"_s << QStringList{u"Command15"_s, u"Command16"_s, u"Command17"_s,
                                                            u"AltText"_s,   u"AltText"_s,   u"AltText"_s};
    }
    void okWithSpaceLeavesTheFocus()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, focused);
        ui::ChildWindow *shown = nullptr;
        if (window == u"Form2"_s)
            shown = open<Form2>(true);
        else if (window == u"Form5"_s)
            shown = open<Form5>(true);
        else if (window == u"Form7"_s)
            shown = open<Form7>(true);
        else {
            auto *code = new Form3(workspace());
            code->tutmode = true;
            code->instanced = true;
            code->showWindow();
            shown = code;
        }
        QStringList seen;
        for (;;) {
            QPushButton *ok = nullptr;
            for (QGroupBox *frame : shown->findChildren<QGroupBox *>(QRegularExpression(u"^tut"_s)))
                if (frame->isVisible())
                    ok = frame->findChild<QPushButton *>();
            if (!ok)
                break;
            ok->setFocus();
            QTRY_VERIFY(ok->hasFocus());
            QTest::keyClick(ok, Qt::Key_Space);
            seen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
        }
        QCOMPARE(seen, focused);
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(TestWindowLook)
#include "test_window_look.moc"
