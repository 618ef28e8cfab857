// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/example_link.h"
#include "linkfx/link_effects.h"
#include "linkfx/link_effects_window.h"
#include "linkfx/link_hints.h"
#include "linkfx/link_style.h"
#include "tests/support/line_break_rows.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "ui/look.h"
#include "ui/remembered_places.h"
#include "ui/text_box.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;
using testwindows::clipboardText;

namespace {

const QByteArray LinelessPage = "<html> <head> \r\n"
                                "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                "<!-- Created by Quillarc 2-->\r\n"
                                "<style><!--a{text-decoration:none}--></style></head>\r\n"
                                "<body>\r\n"
                                "<a href=\"example.html\"> Example Link </a>\r\n"
                                "</body> </html>\r\n";

const QByteArray EmptyPage = "<html> <head> \r\n"
                             "<title> Quillarc 2: Link Effects Page </title>\r\n"
                             "<!-- Created by Quillarc 2--></head>\r\n"
                             "<body>\r\n"
                             "<a href=\"example.html\"> Example Link </a>\r\n"
                             "</body> </html>\r\n";

// A point of the window where a click reaches the control itself, not a frame above it.
std::optional<QPoint> reachablePoint(QWidget *window, QWidget *control)
{
    const QRect area = control->geometry();
    for (int y = area.top() + 2; y < area.bottom() - 1; y += 2) {
        for (int x = area.left() + 2; x < area.right() - 1; x += 2) {
            QWidget *hit = window->childAt(x, y);
            if (hit == control || (hit && control->isAncestorOf(hit)))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

} // namespace

class TestLinkEffectsWindow final : public WindowTest {
    Q_OBJECT

public:
    TestLinkEffectsWindow()
        : WindowTest({800, 600})
    {}

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        QGuiApplication::clipboard()->setText(u"before"_s);
    }

    void opensEmptyAtTheTop()
    {
        Form5 *w = open<Form5>();
        QCOMPARE(w->objectName(), u"Form5"_s);
        QCOMPARE(w->windowTitle(), u"Customizable Link Effects"_s);
        QCOMPARE(w->size(),
                 QSize(569, 482)); // 8535 x 7230 twips: the layout, the code choice, the notes, Insert, the scope
        QCOMPARE(w->top(), 0);
        QCOMPARE(workspace().activeSubWindow(), w->subWindow());
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray());
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        for (const QString &name : {u"tut1"_s, u"tut2"_s, u"tut3"_s})
            QVERIFY2(!child<QGroupBox>(w, name)->isVisible(), qPrintable(name));
        for (const QString &name : {u"RichTextBox1"_s, u"Text1"_s}) {
            QPlainTextEdit *edit = child<QPlainTextEdit>(w, name);
            QVERIFY(!edit->isReadOnly());
            QCOMPARE(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QVERIFY(edit->horizontalScrollBar()->isVisible());
            QVERIFY(edit->verticalScrollBar()->isVisible());
        }
        QVERIFY(services().questions.isEmpty());
    }

    void effectButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("prompt"); // empty: the button asks nothing
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QString>("hint"); // the colour hint, empty for none

        const QString size = u"Enter a size number"_s;
        const QString text = u"Enter a color name"_s;
        const QString background = u"Enter a color name..."_s;
        const auto notAColour = [](const QString &answer) {
            return u"\u201C%1\u201D is not a colour name or a #rrggbb colour that every browser knows."_s.arg(answer);
        };
        const QString noSize = u"No size was given, so the effect changes nothing."_s;
        const QString noColour = u"No colour was given, so the effect changes nothing."_s;
        const auto lowContrast = [](const char *ratio) {
            return u"The text colour's contrast with the white page is only %1:1; text needs 4.5:1 to read well."_s.arg(
                QLatin1String(ratio));
        };
        const auto row = [](const char *name, const QString &button, const QString &prompt, bool cancel,
                            const QString &answer, const QByteArray &expected, bool modern = false,
                            const QString &hint = {}) {
            QTest::newRow(name) << button << prompt << cancel << answer << expected << modern << hint;
        };
        row("FontSize 12px", u"Command1"_s, size, false, u"12px"_s, "<style><!--a:hover{font-size:12px; }--></style>");
        row("FontSize 12 gets its unit", u"Command1"_s, size, false, u"12"_s,
            "<style><!--a:hover{font-size:12px; }--></style>");
        row("FontSize cancelled", u"Command1"_s, size, true, QString(), "<style><!--a:hover{font-size:; }--></style>",
            false, noSize);
        row("FontSize empty answer", u"Command1"_s, size, false, QString(),
            "<style><!--a:hover{font-size:; }--></style>", false, noSize);
        row("FontSize navy", u"Command1"_s, size, false, u"navy"_s, "<style><!--a:hover{font-size:navy; }--></style>",
            false,
            u"\u201Cnavy\u201D is not a font size that every browser knows, such as 12px, 1.5em, 120% or large."_s);
        row("ForeColor red", u"Command2"_s, text, false, u"red"_s, "<style><!--a:hover{color:red; }--></style>", false,
            lowContrast("4.00"));
        row("ForeColor cancelled", u"Command2"_s, text, true, QString(), "<style><!--a:hover{color:; }--></style>",
            false, noColour);
        row("ForeColor non-ASCII", u"Command2"_s, text, false, u"grün"_s,
            "<style><!--a:hover{color:gr\xc3\xbcn; }--></style>", false, notAColour(u"grün"_s));
        row("BackColor navy with blanks", u"Command3"_s, background, false, u" navy "_s,
            "<style><!--a:hover{background-color: navy ; }--></style>");
        row("BackColor cancelled", u"Command3"_s, background, true, QString(),
            "<style><!--a:hover{background-color:; }--></style>", false, noColour);
        row("BackColor quotes and brackets", u"Command3"_s, background, false, u"\"<b>\""_s,
            "<style><!--a:hover{background-color:\"<b>\"; }--></style>", false,
            u"\u201C\"<b>\"\u201D holds < or >, which can end the style element: what follows would become part of "
            "the page, even a script that runs when it opens."_s);
        row("Uppercase", u"Command5"_s, QString(), false, QString(),
            "<style><!--a:hover{text-transform:uppercase; }--></style>");
        row("Lowercase", u"Command4"_s, QString(), false, QString(),
            "<style><!--a:hover{text-transform:lowercase; }--></style>");
        row("Lineless", u"Command12"_s, QString(), false, QString(), "<style><!--a{text-decoration:none}--></style>");
        row("modern FontSize 12", u"Command1"_s, size, false, u"12"_s,
            "<style>@media (hover:hover){a:hover{font-size:12px}}a:focus-visible{font-size:12px}</style>", true);
        row("modern ForeColor #777777", u"Command2"_s, text, false, u"#777777"_s,
            "<style>@media (hover:hover){a:hover{color:#777777}}a:focus-visible{color:#777777}</style>", true,
            lowContrast("4.48"));
        row("modern ForeColor black", u"Command2"_s, text, false, u"black"_s,
            "<style>@media (hover:hover){a:hover{color:black}}a:focus-visible{color:black}</style>", true);
        row("modern Lineless", u"Command12"_s, QString(), false, QString(), "<style>a{text-decoration:none}</style>",
            true);
        row("modern FontSize cancelled", u"Command1"_s, size, true, QString(), "", true, noSize);
    }
    void effectButton()
    {
        QFETCH(QString, button);
        QFETCH(QString, prompt);
        QFETCH(bool, cancel);
        QFETCH(QString, answer);
        QFETCH(QByteArray, expected);
        QFETCH(bool, modern);
        QFETCH(QString, hint);

        Form5 *w = open<Form5>();
        child<QCheckBox>(w, u"ModernCode"_s)->setChecked(modern);
        ui::setText(child<QPlainTextEdit>(w, u"RichTextBox1"_s), "old snippet");
        ui::setText(child<QPlainTextEdit>(w, u"Text1"_s), "\r\nkept");
        if (!prompt.isEmpty())
            services().answerPrompt(cancel ? std::nullopt : std::optional<QString>(answer));
        click(w, button);

        QCOMPARE(text(w, u"RichTextBox1"_s), expected);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\nkept"));
        if (prompt.isEmpty()) {
            QVERIFY(services().questions.isEmpty());
        } else {
            QCOMPARE(services().questions.size(), 1);
            const FakeServices::Question &question = services().questions.front();
            QCOMPARE(question.kind, FakeServices::Question::Prompt);
            QCOMPARE(question.title, u"Quillarc 2"_s);
            QCOMPARE(question.prompt, prompt);
        }
        QCOMPARE(clipboardText(), u"before"_s);
        auto *shownHint = child<QLabel>(w, u"ColourHint"_s);
        QCOMPARE(shownHint->isVisible(), !hint.isEmpty());
        QCOMPARE(shownHint->text(), hint);
    }

    void unsafeAnswersStayOutOfTheModernCode_data()
    {
        QTest::addColumn<LinkEffect>("effect");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("answer");
        QTest::newRow("a script") << LinkEffect::ForeColor << u"Command2"_s << false
                                  << u"red}</style><script>alert(1)</script><style>a{"_s;
        QTest::newRow("a rule hiding the page")
            << LinkEffect::BackColor << u"Command3"_s << false << u"red}body{display:none"_s;
        QTest::newRow("a quote") << LinkEffect::FontSize << u"Command1"_s << false << u"12px\""_s;
        QTest::newRow("a backslash") << LinkEffect::ForeColor << u"Command2"_s << false << u"red\\"_s;
        QTest::newRow("a comment") << LinkEffect::BackColor << u"Command3"_s << false << u"red/*"_s;
        QTest::newRow("an unclosed rgb(") << LinkEffect::ForeColor << u"Command2"_s << false << u"rgb(255,0,0"_s;
        QTest::newRow("cancelled") << LinkEffect::FontSize << u"Command1"_s << true << QString();
    }
    void unsafeAnswersStayOutOfTheModernCode()
    {
        QFETCH(LinkEffect, effect);
        QFETCH(QString, button);
        QFETCH(bool, cancel);
        QFETCH(QString, answer);
        Form5 *w = open<Form5>();
        auto *modern = child<QCheckBox>(w, u"ModernCode"_s);
        auto *hint = child<QLabel>(w, u"ColourHint"_s);
        modern->setChecked(true);
        services().answerPrompt(cancel ? std::nullopt : std::optional<QString>(answer));
        click(w, button);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray());
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QString::fromStdString(AnswerHints(effect, answer.toStdString(), true).at(0)));
        // The classic code keeps the answer as typed, with the hint.
        modern->setChecked(false);
        const ChosenEffect chosen{effect, answer.toStdString()};
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray::fromStdString(LinkEffectSnippet(effect, chosen.value)));
        QCOMPARE(text(w, u"Text1"_s), QByteArray::fromStdString(ClassicFinalCode({chosen})));
        QCOMPARE(hint->text(), QString::fromStdString(AnswerHints(effect, answer.toStdString(), false).at(0)));
    }

    void theChoiceOfCodeRewritesBothBoxes()
    {
        Form5 *w = open<Form5>();
        auto *modern = child<QCheckBox>(w, u"ModernCode"_s);
        // An empty effect box, then two effects.
        std::vector<std::optional<ChosenEffect>> added{std::nullopt, ChosenEffect{LinkEffect::Lineless, {}},
                                                       ChosenEffect{LinkEffect::ForeColor, "darkred"}};
        click(w, u"Command9"_s);
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        services().answerPrompt(u"darkred"_s);
        click(w, u"Command2"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray::fromStdString(ClassicFinalCode(added)));
        modern->setChecked(true);
        QCOMPARE(text(w, u"Text1"_s), QByteArray::fromStdString(ModernFinalCode(added)));
        QCOMPARE(text(w, u"RichTextBox1"_s),
                 QByteArray::fromStdString(ModernLinkEffectSnippet(LinkEffect::ForeColor, "darkred")));
        click(w, u"Command5"_s);
        click(w, u"Command9"_s);
        added.emplace_back(ChosenEffect{LinkEffect::Uppercase, {}});
        QCOMPARE(text(w, u"Text1"_s), QByteArray::fromStdString(ModernFinalCode(added)));
        modern->setChecked(false);
        QCOMPARE(text(w, u"Text1"_s), QByteArray::fromStdString(ClassicFinalCode(added)));
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray::fromStdString(LinkEffectSnippet(LinkEffect::Uppercase, {})));
        QVERIFY(!child<QLabel>(w, u"CodeKindHint"_s)->isVisible());
    }

    void boxesEditedByHandAreKept()
    {
        Form5 *w = open<Form5>();
        auto *modern = child<QCheckBox>(w, u"ModernCode"_s);
        auto *hint = child<QLabel>(w, u"CodeKindHint"_s);
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        QTest::keyClicks(child<QPlainTextEdit>(w, u"Text1"_s), u"x"_s);
        const QByteArray edited = text(w, u"Text1"_s);
        modern->setChecked(true);
        QCOMPARE(text(w, u"Text1"_s), edited);
        QVERIFY(hint->isVisible());
        QCOMPARE(
            hint->text(),
            u"Edited by hand, the final code keeps the classic code. \u201CClear final code\u201D starts it again."_s);
        // Adding goes on at its end, in the chosen kind; an effect box edited by hand stays too.
        click(w, u"Command5"_s);
        click(w, u"Command9"_s);
        const QByteArray added = edited + "\r\n" + ModernLinkEffectSnippet(LinkEffect::Uppercase, {}).c_str();
        QCOMPARE(text(w, u"Text1"_s), added);
        QTest::keyClicks(child<QPlainTextEdit>(w, u"RichTextBox1"_s), u"y"_s);
        const QByteArray effect = text(w, u"RichTextBox1"_s);
        modern->setChecked(false);
        QCOMPARE(text(w, u"Text1"_s), added);
        QCOMPARE(text(w, u"RichTextBox1"_s), effect);
        QVERIFY(!hint->isVisible()); // it holds classic code, as chosen now
        modern->setChecked(true);
        QVERIFY(hint->isVisible());
        // Clearing starts again.
        click(w, u"Command11"_s);
        QVERIFY(!hint->isVisible());
        click(w, u"Command4"_s);
        click(w, u"Command9"_s);
        modern->setChecked(false);
        QCOMPARE(text(w, u"Text1"_s),
                 QByteArray::fromStdString(ClassicFinalCode({ChosenEffect{LinkEffect::Lowercase, {}}})));
    }

    void addClearAndAddAgain()
    {
        Form5 *w = open<Form5>();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"
                                                 "<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a{text-decoration:none}--></style>"));
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"
                                                 "<style><!--a{text-decoration:none}--></style>\r\n"
                                                 "<style><!--a{text-decoration:none}--></style>"));
        click(w, u"Command11"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a{text-decoration:none}--></style>"));
        click(w, u"Command11"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        click(w, u"Command5"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"
                                                 "<style><!--a:hover{text-transform:uppercase; }--></style>"));
    }

    void addingAnEmptyEffectBoxAddsALineBreak()
    {
        Form5 *w = open<Form5>();
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"));
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n\r\n"));
    }

    void twoColoursKeptInOrder()
    {
        Form5 *w = open<Form5>();
        services().answerPrompt(u"red"_s);
        services().answerPrompt(u"navy"_s);
        click(w, u"Command2"_s);
        click(w, u"Command9"_s);
        click(w, u"Command3"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"
                                                 "<style><!--a:hover{color:red; }--></style>\r\n"
                                                 "<style><!--a:hover{background-color:navy; }--></style>"));
    }

    void copyButtonsCopyOnlyTheirOwnBox()
    {
        Form5 *w = open<Form5>();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        click(w, u"Command5"_s);

        click(w, u"Command6"_s);
        QCOMPARE(clipboardText(), u"<style><!--a:hover{text-transform:uppercase; }--></style>"_s);
        click(w, u"Command10"_s);
        QCOMPARE(clipboardText(), u"\r\n<style><!--a{text-decoration:none}--></style>"_s);
        click(w, u"Command6"_s);
        QCOMPARE(clipboardText(), u"<style><!--a:hover{text-transform:uppercase; }--></style>"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));
    }

    void copyingAnEmptyBoxLeavesEmptyText_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Copy") << u"Command6"_s;
        QTest::newRow("Copy This") << u"Command10"_s;
    }
    void copyingAnEmptyBoxLeavesEmptyText()
    {
        QFETCH(QString, button);
        Form5 *w = open<Form5>();
        QCOMPARE(clipboardText(), u"before"_s);
        click(w, button);
        QCOMPARE(clipboardText(), QString());
    }

    void handEditsAreWhatIsAddedCopiedAndSaved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"edited.html"_s);
        Form5 *w = open<Form5>();
        QPlainTextEdit *effect = child<QPlainTextEdit>(w, u"RichTextBox1"_s);
        QPlainTextEdit *finalCode = child<QPlainTextEdit>(w, u"Text1"_s);

        click(w, u"Command12"_s);
        effect->moveCursor(QTextCursor::End);
        QTest::keyClicks(effect, u"a:visited{color:gray}"_s);
        QTest::keyClick(effect, Qt::Key_Return);
        QTest::keyClicks(effect, u"p{}"_s);
        QCOMPARE(text(w, u"RichTextBox1"_s),
                 QByteArray("<style><!--a{text-decoration:none}--></style>a:visited{color:gray}\r\n"
                            "p{}"));
        click(w, u"Command6"_s);
        QCOMPARE(clipboardText(), u"<style><!--a{text-decoration:none}--></style>a:visited{color:gray}\r\np{}"_s);

        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s),
                 QByteArray("\r\n"
                            "<style><!--a{text-decoration:none}--></style>a:visited{color:gray}\r\n"
                            "p{}"));

        finalCode->selectAll();
        QTest::keyClicks(finalCode, u"<!-- mine -->"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("<!-- mine -->"));
        click(w, u"Command10"_s);
        QCOMPARE(clipboardText(), u"<!-- mine -->"_s);

        services().answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(path), QByteArray("<html> <head> \r\n"
                                                        "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                                        "<!-- Created by Quillarc 2--><!-- mine --></head>\r\n"
                                                        "<body>\r\n"
                                                        "<a href=\"example.html\"> Example Link </a>\r\n"
                                                        "</body> </html>\r\n"));

        // The hand-typed final code is what the next snippet is added to.
        click(w, u"Command4"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("<!-- mine -->\r\n"
                                                 "<style><!--a:hover{text-transform:lowercase; }--></style>"));
    }

    // A line break that the user put into a value stays as it is in the snippet, the final
    // code, the clipboard and the page, until the box that holds it is edited; after an edit
    // the box gives what it holds, every line break as CR LF.
    void breaksInsideAValueAreKept_data()
    {
        testrows::addLineBreakRows({u"copy effect"_s, u"copy final code"_s, u"save"_s});
    }
    void breaksInsideAValueAreKept()
    {
        QFETCH(QString, lineBreak);
        QFETCH(QString, use);
        QFETCH(bool, edited);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"page.html"_s);
        Form5 *w = open<Form5>();
        services().answerPrompt(u"1"_s + lineBreak + u"2"_s);
        click(w, u"Command1"_s);
        click(w, u"Command9"_s);

        const bool effectBox = use == u"copy effect"_s;
        QString expected = (effectBox ? QString() : u"\r\n"_s) + u"<style><!--a:hover{font-size:1"_s + lineBreak +
                           u"2; }--></style>"_s;
        if (edited) {
            QPlainTextEdit *edit = child<QPlainTextEdit>(w, effectBox ? u"RichTextBox1"_s : u"Text1"_s);
            edit->moveCursor(QTextCursor::End);
            QTest::keyClicks(edit, u"x"_s);
            expected = (effectBox ? QString() : u"\r\n"_s) + u"<style><!--a:hover{font-size:1\r\n2; }--></style>x"_s;
        }
        if (use == u"save"_s) {
            services().answerSave(path);
            click(w, u"Command7"_s);
            QCOMPARE(testfiles::contentOf(path), "<html> <head> \r\n"
                                                 "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                                 "<!-- Created by Quillarc 2-->" +
                                                     expected.toUtf8() +
                                                     "</head>\r\n"
                                                     "<body>\r\n"
                                                     "<a href=\"example.html\"> Example Link </a>\r\n"
                                                     "</body> </html>\r\n");
        } else {
            click(w, effectBox ? u"Command6"_s : u"Command10"_s);
            QCOMPARE(clipboardText(), expected);
        }
    }

    void saveWritesThePageWithTheFinalCodeOnly_data()
    {
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QByteArray>("lineless");  // the snippet added
        QTest::addColumn<QByteArray>("uppercase"); // the snippet left in the effect box
        QTest::newRow("classic") << false << QByteArray("<style><!--a{text-decoration:none}--></style>")
                                 << QByteArray("<style><!--a:hover{text-transform:uppercase; }--></style>");
        QTest::newRow("modern") << true << QByteArray("<style>a{text-decoration:none}</style>")
                                << QByteArray("<style>@media (hover:hover){a:hover{text-transform:uppercase}}"
                                              "a:focus-visible{text-transform:uppercase}</style>");
    }
    void saveWritesThePageWithTheFinalCodeOnly()
    {
        QFETCH(bool, modern);
        QFETCH(QByteArray, lineless);
        QFETCH(QByteArray, uppercase);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"links.html"_s);
        Form5 *w = open<Form5>();
        child<QCheckBox>(w, u"ModernCode"_s)->setChecked(modern);
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        click(w, u"Command5"_s); // in the effect box only: not in the page
        services().answerSave(path);
        const QString pages = ui::proposedPath(services(), ui::FileKind::Pages);
        click(w, u"Command7"_s);

        // The modern page's own bytes are the link effects text tests' to check.
        QCOMPARE(testfiles::contentOf(path),
                 modern ? QByteArray::fromStdString(ModernLinkEffectsPage("\r\n" + lineless.toStdString()))
                        : LinelessPage);
        QCOMPARE(services().questions.size(), 1);
        const FakeServices::Question &question = services().questions.front();
        QCOMPARE(question.kind, FakeServices::Question::Save);
        QCOMPARE(question.request.filter.description, u"HTM(L) *.html, *.htm "_s);
        QCOMPARE(question.request.filter.patterns, u"*.html"_s);
        QCOMPARE(question.request.title, QString());
        QCOMPARE(question.request.proposedName, pages);
        QVERIFY(services().messages.isEmpty());
        // Saving changes neither box.
        QCOMPARE(text(w, u"Text1"_s), "\r\n" + lineless);
        QCOMPARE(text(w, u"RichTextBox1"_s), uppercase);
    }

    void saveWithAnEmptyFinalCode()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"empty.htm"_s);
        Form5 *w = open<Form5>();
        services().answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(path), EmptyPage);
    }

    void aNameWithoutExtensionGetsHtml()
    {
        QTemporaryDir dir;
        Form5 *w = open<Form5>();
        services().answerSave(dir.filePath(u"page"_s));
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(dir.filePath(u"page.html"_s)), EmptyPage);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"page.html"_s});
    }

    void saveAgainProposesTheFirstNameAndReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"first.html"_s);
        Form5 *w = open<Form5>();
        services().answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(path), EmptyPage);

        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        services().answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(services().questions.size(), 2);
        QCOMPARE(services().questions[1].request.proposedName, path);
        QCOMPARE(testfiles::contentOf(path), LinelessPage);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"first.html"_s});
    }

    void cancelOrEmptyNameWritesNothing_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancelled") << true;
        QTest::newRow("empty name") << false;
    }
    void cancelOrEmptyNameWritesNothing()
    {
        QFETCH(bool, cancel);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"first.html"_s);
        Form5 *w = open<Form5>();
        services().answerSave(path);
        click(w, u"Command7"_s);

        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        services().answerSave(cancel ? std::nullopt : std::optional<QString>(QString()));
        click(w, u"Command7"_s);
        QCOMPARE(services().questions.size(), 2);
        QCOMPARE(services().questions[1].request.proposedName, path);
        QCOMPARE(testfiles::contentOf(path), EmptyPage); // the first file as it was
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"first.html"_s});
        QVERIFY(services().messages.isEmpty());

        // The name proposed next is still the one chosen before.
        services().answerSave(std::nullopt);
        click(w, u"Command7"_s);
        QCOMPARE(services().questions[2].request.proposedName, path);
    }

    void anUnwritablePathIsReportedAndWritesNothing_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << u"missing/page.html"_s;
        QTest::newRow("a folder's name") << u"folder.html"_s;
    }
    void anUnwritablePathIsReportedAndWritesNothing()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"folder.html"_s));
        const QString path = dir.filePath(relative);
        Form5 *w = open<Form5>();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        services().answerSave(path);
        click(w, u"Command7"_s);

        QCOMPARE(services().messages.size(), 1);
        QCOMPARE(services().messages.front().title, u"Quillarc 2"_s);
        QVERIFY2(services().messages.front().text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(services().messages.front().text));
        QVERIFY(!QFile::exists(dir.filePath(u"missing"_s)));
        QVERIFY(QFileInfo(dir.filePath(u"folder.html"_s)).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(dir.filePath(u"folder"_s)).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a{text-decoration:none}--></style>"));

        // The window goes on working.
        click(w, u"Command5"_s);
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a:hover{text-transform:uppercase; }--></style>"));
    }

    void twoWindowsKeepSeparateTexts()
    {
        QTemporaryDir dir;
        Form5 *first = open<Form5>();
        Form5 *second = open<Form5>();
        QVERIFY(first != second);
        QCOMPARE(workspace().subWindowList().size(), 2);

        click(first, u"Command12"_s);
        click(first, u"Command9"_s);
        services().answerPrompt(u"red"_s);
        click(second, u"Command2"_s);
        QCOMPARE(text(first, u"RichTextBox1"_s), QByteArray("<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(first, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(second, u"RichTextBox1"_s), QByteArray("<style><!--a:hover{color:red; }--></style>"));
        QCOMPARE(text(second, u"Text1"_s), QByteArray());

        click(second, u"Command11"_s);
        QCOMPARE(text(first, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));

        // Each window's dialog remembers its own name; another starts in the folder used last.
        const QString firstPath = dir.filePath(u"one.html"_s);
        services().answerSave(firstPath);
        click(first, u"Command7"_s);
        services().answerSave(std::nullopt);
        click(second, u"Command7"_s);
        QCOMPARE(services().questions.last().request.proposedName, dir.path());
        QCOMPARE(testfiles::contentOf(firstPath), LinelessPage);
    }

    void closeDiscardsTheWindowWithoutAQuestion()
    {
        Form5 *w = open<Form5>();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        QPointer<Form5> alive(w);
        click(w, u"Command8"_s);
        QVERIFY(w->isClosed());
        QTRY_VERIFY(alive.isNull());
        QVERIFY(services().questions.isEmpty());
        QVERIFY(workspace().subWindowList().isEmpty());
    }

    // The window's controls as its constructor lays them out: the parent, the text, the tip and
    // the place in twips (in a step frame, from the frame's corner). A label's length is
    // counted too, so that a blank lost at its end shows.

    void exampleLinkShowsTheFinalCode_data()
    {
        // The effects added to the final code (button, and the answer of a valued one), the
        // modern code, then the link at rest, hovered and focused: font pixels, text colour,
        // background ("" none), text shown, underline.
        QTest::addColumn<QStringList>("effects");
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QStringList>("rest");
        QTest::addColumn<QStringList>("hover");
        QTest::addColumn<QStringList>("focus");
        const QStringList plain{u"16"_s, u"#0000ee"_s, QString(), u"Example Link"_s, u"1"_s};
        const auto with = [&plain](std::initializer_list<std::pair<int, QString>> changes) {
            QStringList look = plain;
            for (const auto &[index, value] : changes)
                look[index] = value;
            return look;
        };
        for (const bool modern : {false, true}) {
            const auto row = [modern](const char *tag, const QStringList &effects, const QStringList &rest,
                                      const QStringList &hover, const QStringList &focus) {
                const QByteArray name = QByteArray(tag) + (modern ? " modern" : " classic");
                // The classic code has no rule for focus: a focused link looks as at rest.
                QTest::newRow(name.constData()) << effects << modern << rest << hover << (modern ? focus : rest);
            };
            row("none", {}, plain, plain, plain);
            row("size", {u"Command1=24"_s}, plain, with({{0, u"24"_s}}), with({{0, u"24"_s}}));
            row("size with unit", {u"Command1=2em"_s}, plain, with({{0, u"32"_s}}), with({{0, u"32"_s}}));
            row("size rounded", {u"Command1=12.7px"_s}, plain, with({{0, u"13"_s}}), with({{0, u"13"_s}}));
            row("text colour", {u"Command2=red"_s}, plain, with({{1, u"#ff0000"_s}}), with({{1, u"#ff0000"_s}}));
            row("background", {u"Command3=#00ff00"_s}, plain, with({{2, u"#00ff00"_s}}), with({{2, u"#00ff00"_s}}));
            row("upper", {u"Command5"_s}, plain, with({{3, u"EXAMPLE LINK"_s}}), with({{3, u"EXAMPLE LINK"_s}}));
            row("lower", {u"Command4"_s}, plain, with({{3, u"example link"_s}}), with({{3, u"example link"_s}}));
            row("lineless", {u"Command12"_s}, with({{4, u"0"_s}}), with({{4, u"0"_s}}), with({{4, u"0"_s}}));
            row("upper then lower", {u"Command5"_s, u"Command4"_s}, plain, with({{3, u"example link"_s}}),
                with({{3, u"example link"_s}}));
            row("two colours, the later wins", {u"Command2=red"_s, u"Command2=navy"_s}, plain,
                with({{1, u"#000080"_s}}), with({{1, u"#000080"_s}}));
            const QStringList all = {u"10"_s, u"#ffffff"_s, u"#000000"_s, u"EXAMPLE LINK"_s, u"0"_s};
            row("all", {u"Command1=10"_s, u"Command2=white"_s, u"Command3=black"_s, u"Command5"_s, u"Command12"_s},
                with({{4, u"0"_s}}), all, all);
        }
    }
    void exampleLinkShowsTheFinalCode()
    {
        QFETCH(QStringList, effects);
        QFETCH(bool, modern);
        QFETCH(QStringList, rest);
        QFETCH(QStringList, hover);
        QFETCH(QStringList, focus);
        Form5 *w = open<Form5>();
        child<QCheckBox>(w, u"ModernCode"_s)->setChecked(modern);
        for (const QString &effect : effects) {
            const QStringList parts = effect.split(u'=');
            if (parts.size() == 2)
                services().answerPrompt(parts[1]);
            click(w, parts[0]);
            click(w, u"Command9"_s);
        }
        auto *link = child<ExampleLink>(w, u"ExampleLink"_s);
        QCOMPARE(shownLook(link), rest);
        QVERIFY(!child<QLabel>(w, u"ExampleHint"_s)->isVisible());

        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), link->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(shownLook(link), hover);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QCOMPARE(shownLook(link), rest);

        QVERIFY(QTest::qWaitForWindowActive(&workspace()));
        link->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(link->hasFocus());
        QCOMPARE(shownLook(link), focus);
        child<QWidget>(w, u"Text1"_s)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!link->hasFocus());
        QCOMPARE(shownLook(link), rest);
    }

    // "Only links inside:" scopes every rule the window writes, the example link shows the code as
    // inside the scope, and the page puts its link there; what is no plain selector stays out.
    void scopeFollowsTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("taken");
        QTest::newRow("a plain selector") << u" ul.menu  li "_s << u"ul.menu li"_s;
        QTest::newRow("no plain selector") << u"table"_s << QString();
    }
    void scopeFollowsTheBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, taken);
        const QTemporaryDir dir;
        Form5 *w = open<Form5>();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        QTest::keyClicks(child<QLineEdit>(w, u"LinkScope"_s), typed);
        const std::string code = ClassicFinalCode({ChosenEffect{LinkEffect::Lineless, {}}}, taken.toStdString());
        QCOMPARE(text(w, u"Text1"_s), QByteArray::fromStdString(code));
        QCOMPARE(child<QLabel>(w, u"LinkScopeHint"_s)->isVisible(), taken.isEmpty());
        QCOMPARE(shownLook(child<ExampleLink>(w, u"ExampleLink"_s)).at(4), u"0"_s);
        QVERIFY(!testimages::render(w, u"Form5 with the scope "_s + typed.trimmed()).isEmpty());
        services().answerSave(dir.filePath(u"scoped.html"_s));
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(dir.filePath(u"scoped.html"_s)),
                 QByteArray::fromStdString(LinkEffectsPage(code, taken.toStdString())));
    }

    void exampleLinkFollowsHandEditsAndNamesWhatItCannotShow()
    {
        Form5 *w = open<Form5>();
        auto *link = child<ExampleLink>(w, u"ExampleLink"_s);
        auto *hint = child<QLabel>(w, u"ExampleHint"_s);
        QCOMPARE(link->text(), u"Example Link"_s);
        QCOMPARE(link->accessibleName(), u"Example Link"_s);
        QCOMPARE(link->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(link->geometry(), ui::pixelRect(5400, 3360, 2160, 720));
        QWidget *next = child<QWidget>(w, u"ModernCode"_s)->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next, link);

        // Hand edits are read once typing pauses.
        ui::setText(child<QPlainTextEdit>(w, u"Text1"_s), "<style>a{color:green;font-weight:bold}</style>");
        QTRY_COMPARE(shownLook(link).at(1), u"#008000"_s);
        QVERIFY(hint->isVisible());
        QVERIFY2(hint->text().contains(u"font-weight:bold"_s), qPrintable(hint->text()));
        // The unit rule: the classic page takes a bare size in pixels, a standards page drops it.
        ui::setText(child<QPlainTextEdit>(w, u"Text1"_s), "<style>a{font-size:20}</style>");
        QTRY_COMPARE(shownLook(link).at(0), u"20"_s);
        QVERIFY(!hint->isVisible());
        child<QCheckBox>(w, u"ModernCode"_s)->setChecked(true);
        QCOMPARE(shownLook(link).at(0), u"16"_s);
        QVERIFY(hint->isVisible());
        ui::setText(child<QPlainTextEdit>(w, u"Text1"_s),
                    std::string(LongestPreviewedCode, ' ') + "<style>a{color:red}");
        QTRY_COMPARE(hint->text(), QString::fromUtf8(TooLongToPreview));
        QCOMPARE(shownLook(link).at(1), u"#0000ee"_s);
        ui::setText(child<QPlainTextEdit>(w, u"Text1"_s), "");
        QTRY_VERIFY(!hint->isVisible());
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<int>("length"); // labels only
        QTest::addColumn<QRect>("twips");
        const auto control = [](const char *name, const char *parent, const QString &text, const QString &toolTip,
                                QRect twips) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << text << toolTip << -1
                                << twips;
        };
        const auto label = [](const char *name, const char *parent, const QString &text, int length, QRect twips) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << text << QString()
                                << length << twips;
        };
        label("Label1", "Form5", u"Click a button to select a style"_s, 32, {120, 120, 3735, 255});
        label("Label2", "Form5", u"Paste the code into the <Head>. All links will be changed!"_s, 58,
              {120, 360, 4575, 255});
        control("Command1", "Form5", u"FontSize"_s, u"Change the fontsize of the links"_s, {120, 600, 1335, 375});
        control("Command2", "Form5", u"ForeColor"_s, u"Change the text color of the links"_s, {1440, 600, 1335, 375});
        control("Command3", "Form5", u"BackColor"_s, u"Change the background color of the links"_s,
                {2760, 600, 1335, 375});
        control("Command5", "Form5", u"Uppercase"_s, u"Convert all links to uppercase"_s, {120, 960, 1335, 375});
        control("Command4", "Form5", u"Lowercase"_s, u"Convert all links to lowercase"_s, {1440, 960, 1335, 375});
        control("Command6", "Form5", u"Copy"_s, u"Copy the text below to the clipboard"_s, {2760, 960, 1335, 375});
        control("Command12", "Form5", u"Lineless"_s, u"Make links appear to have no lines below them"_s,
                {4080, 840, 1095, 375});
        control("RichTextBox1", "Form5", QString(), QString(), {0, 1320, 4575, 1935});
        control("Command9", "Form5", u"Add Above to Final Code"_s, u"Add the above code to teh final result"_s,
                {240, 3240, 2535, 615});
        control("Command11", "Form5", u"Clear final code"_s, u"Clear the final result"_s, {2760, 3240, 1215, 615});
        control("Text1", "Form5", QString(), QString(), {0, 3840, 4575, 1815});
        control("Command10", "Form5", u"Copy This"_s, u"Copy the final code to the clipboard"_s,
                {360, 5640, 1095, 495});
        control("Command7", "Form5", u"Save As HTML"_s,
                u"Create an HTML file with your chosen link effects(includes an example link)"_s,
                {1440, 5640, 1335, 495});
        control("Command8", "Form5", u"Close"_s, u"Close this link effect window"_s, {2760, 5640, 1335, 495});
        control("OpenInBrowser", "Form5", u"Open in Browser"_s, u"Show the page in your web browser"_s,
                {5400, 5640, 1455, 495});
        control("tut1", "Form5", u"Interactive Tutorial"_s, QString(), {120, 3855, 4455, 1785});
        label("label99", "tut1",
              u"The first textbox above you is where the current effect appears when you click an effect button. "
              "For example, If you click \"lineless\", the code for the lineless links will appear in that textbox. "
              "When you have selected an effect, click ok to proceed to the next section. "_s,
              271, {120, 240, 4215, 1215});
        control("Command13", "tut1", u"Ok"_s, QString(), {1560, 1320, 1335, 375});
        control("tut2", "Form5", u"Interactive Tutorial"_s, QString(), {120, 1320, 4455, 1815});
        label("Label3", "tut2",
              u"Now that you see an effect code in the textbox(now hidden), you need to add it to the final code. "
              "Click \"Add above to final code\" and the code will appear in the textbox below you. This textbox "
              "displays all of the code you will have. When you have added the effect to the final code, click ok."_s,
              293, {120, 240, 4215, 1215});
        control("Command14", "tut2", u"Ok"_s, QString(), {1560, 1320, 1335, 375});
        control("tut3", "Form5", u"Interactive Tutorial"_s, QString(), {120, 3480, 4455, 1815});
        label("Label4", "tut3",
              u"Finally, you need to save or copy the final code so you can use it on your webpage. If you want to "
              "copy it, click \"Copy This\" below, and then paste it into the <head> section of your webpage. If you "
              "don't want to do this, click \"Save As HTML\" to get an html page with an example link of your "
              "effects. Thank you for using this tutorial!"_s,
              335, {120, 240, 4215, 1215});
        control("Command15", "tut3", u"Ok"_s, QString(), {3000, 1320, 1335, 375});
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(int, length);
        QFETCH(QRect, twips);
        Form5 *w = open<Form5>();
        const QList<QWidget *> found = w->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QWidget *control = found.first();
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), ui::pixelRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(control->toolTip(), toolTip);
        if (auto *label = qobject_cast<QLabel *>(control)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->text().size(), length);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(!label->autoFillBackground());
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            QCOMPARE(button->text(), text);
            QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 224, 192));
        } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
            QCOMPARE(frame->title(), text);
        } else {
            QCOMPARE(qobject_cast<QPlainTextEdit *>(control)->toPlainText(), text);
        }
    }

    void tabOrderFollowsTheTabIndices()
    {
        Form5 *w = open<Form5>();
        workspace().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&workspace()));
        child<QPushButton>(w, u"Command1"_s)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(child<QPushButton>(w, u"Command1"_s)));
        QStringList visited{u"Command1"_s};
        for (int i = 0; i < 13; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, (QStringList{u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command5"_s, u"Command6"_s,
                                       u"Text1"_s, u"Command9"_s, u"Command10"_s, u"Command11"_s, u"RichTextBox1"_s,
                                       u"Command4"_s, u"Command7"_s, u"Command8"_s, u"Command12"_s}));
    }

    void tabReachesTheOkOfTheShownStep()
    {
        Form5 *w = open<Form5>(true);
        workspace().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&workspace()));
        const QString oks[] = {u"Command13"_s, u"Command14"_s, u"Command15"_s};
        for (const QString &ok : oks) {
            child<QPushButton>(w, u"Command12"_s)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(child<QPushButton>(w, u"Command12"_s)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), ok);
            // The Ok takes the space bar like every button.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        for (const QString &name : {u"tut1"_s, u"tut2"_s, u"tut3"_s})
            QVERIFY2(!child<QGroupBox>(w, name)->isVisible(), qPrintable(name));
    }

    void colours()
    {
        Form5 *w = open<Form5>(true);
        QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(child<QGroupBox>(w, u"tut1"_s)->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(child<QGroupBox>(w, u"tut2"_s)->palette().color(QPalette::Window), QColor(255, 255, 128));
        QCOMPARE(child<QGroupBox>(w, u"tut3"_s)->palette().color(QPalette::Window), QColor(255, 255, 128));
        for (const QString &name : {u"tut1"_s, u"tut2"_s, u"tut3"_s})
            QCOMPARE(child<QGroupBox>(w, name)->title(), u"Interactive Tutorial"_s);

        // What is drawn: a spot of each frame left free by its text and its button.
        const QPoint spot(30, 105);
        QCOMPARE(w->grab().toImage().pixelColor(child<QGroupBox>(w, u"tut1"_s)->geometry().topLeft() + spot),
                 QColor(255, 255, 192));
        click(w, u"Command13"_s);
        QCOMPARE(w->grab().toImage().pixelColor(child<QGroupBox>(w, u"tut2"_s)->geometry().topLeft() + spot),
                 QColor(255, 255, 128));
        click(w, u"Command14"_s);
        QCOMPARE(w->grab().toImage().pixelColor(child<QGroupBox>(w, u"tut3"_s)->geometry().topLeft() + spot),
                 QColor(255, 255, 128));
        // And the window's own background beside the boxes.
        QCOMPARE(w->grab().toImage().pixelColor(330, 150), QColor(255, 255, 192));
    }

    void tutorialLeadsThroughTheFramesInOrder()
    {
        Form5 *w = open<Form5>(true);
        QVERIFY(w->tutmode);
        const auto visibleFrames = [w] {
            QStringList names;
            for (const QString &name : {u"tut1"_s, u"tut2"_s, u"tut3"_s})
                if (child<QGroupBox>(w, name)->isVisible())
                    names.append(name);
            return names;
        };
        QCOMPARE(visibleFrames(), QStringList{u"tut1"_s});
        checkUsable(w, 1);
        click(w, u"Command13"_s);
        QCOMPARE(visibleFrames(), QStringList{u"tut2"_s});
        checkUsable(w, 2);
        click(w, u"Command14"_s);
        QCOMPARE(visibleFrames(), QStringList{u"tut3"_s});
        checkUsable(w, 3);
        click(w, u"Command15"_s);
        QCOMPARE(visibleFrames(), QStringList());
        checkUsable(w, 4);
        QVERIFY(services().messages.isEmpty());
    }

    void tutorialStepsDoNotWaitForTheUser()
    {
        // The Ok buttons move on whatever was or was not done.
        Form5 *w = open<Form5>(true);
        click(w, u"Command13"_s);
        click(w, u"Command14"_s);
        QVERIFY(child<QGroupBox>(w, u"tut3"_s)->isVisible());
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        click(w, u"Command15"_s);
        QVERIFY(!child<QGroupBox>(w, u"tut3"_s)->isVisible());
    }

    void tutorialFlagSetAfterLoadingShowsNothing()
    {
        Form5 *w = open<Form5>();
        w->tutmode = true;
        w->showWindow();
        QVERIFY(!child<QGroupBox>(w, u"tut1"_s)->isVisible());
    }

    void renders()
    {
        Form5 *plain = open<Form5>();
        click(plain, u"Command12"_s);
        click(plain, u"Command9"_s);
        const QString plainPath = testimages::render(plain, u"linkfx_window"_s);
        QVERIFY(QImage(plainPath).size() == QSize(569, 482));

        Form5 *tutorial = open<Form5>(true);
        const QString steps[] = {u"linkfx_window_tut1"_s, u"linkfx_window_tut2"_s, u"linkfx_window_tut3"_s};
        const QString oks[] = {u"Command13"_s, u"Command14"_s, u"Command15"_s};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(QImage(testimages::render(tutorial, steps[i])).size() == QSize(569, 482));
            click(tutorial, oks[i]);
        }
        testimages::render(&workspace(), u"linkfx_workspace"_s);
    }

private:
    // What the example link shows: font pixels, text colour, background, text, underline.
    static QStringList shownLook(const ExampleLink *link)
    {
        const LinkLook &look = link->look();
        const QString background =
            look.background ? QColor(look.background->red, look.background->green, look.background->blue).name()
                            : QString();
        return {QString::number(link->font().pixelSize()), link->palette().color(QPalette::WindowText).name(),
                background, link->text(), link->font().underline() ? u"1"_s : u"0"_s};
    }

    static QByteArray text(QWidget *w, const QString &name)
    {
        return QByteArray::fromStdString(ui::textOf(child<QPlainTextEdit>(w, name)));
    }

    // While a step frame is shown every button of the window can still be reached with the
    // mouse, and both boxes take typing.
    void checkUsable(Form5 *w, int step)
    {
        const QString context = u"step %1"_s.arg(step);
        ui::setText(child<QPlainTextEdit>(w, u"Text1"_s), std::string());
        const QString buttons[] = {u"Command1"_s,  u"Command2"_s,  u"Command3"_s,  u"Command5"_s,
                                   u"Command4"_s,  u"Command6"_s,  u"Command12"_s, u"Command9"_s,
                                   u"Command11"_s, u"Command10"_s, u"Command7"_s,  u"Command8"_s};
        for (const QString &name : buttons) {
            QPushButton *control = child<QPushButton>(w, name);
            const std::optional<QPoint> point = reachablePoint(w, control);
            QVERIFY2(point, qPrintable(context + u": "_s + name + u" is covered"_s));
            QVERIFY2(control->isEnabled(), qPrintable(context + u": "_s + name));
        }
        const auto clickAt = [w](const QString &name) {
            QPushButton *control = child<QPushButton>(w, name);
            const QPoint point = *reachablePoint(w, control);
            QTest::mouseClick(control, Qt::LeftButton, {}, control->mapFrom(w, point));
        };
        services().answerPrompt(u"blue"_s);
        clickAt(u"Command2"_s);
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a:hover{color:blue; }--></style>"));
        clickAt(u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n<style><!--a:hover{color:blue; }--></style>"));
        clickAt(u"Command10"_s);
        QCOMPARE(clipboardText(), u"\r\n<style><!--a:hover{color:blue; }--></style>"_s);
        clickAt(u"Command11"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray());

        for (const QString &name : {u"RichTextBox1"_s, u"Text1"_s}) {
            QPlainTextEdit *edit = child<QPlainTextEdit>(w, name);
            edit->selectAll();
            QTest::keyClicks(edit, u"typed"_s);
            QCOMPARE(text(w, name), QByteArray("typed"));
        }
        ui::setText(child<QPlainTextEdit>(w, u"RichTextBox1"_s), std::string());
        ui::setText(child<QPlainTextEdit>(w, u"Text1"_s), std::string());
    }
};

QTEST_MAIN(TestLinkEffectsWindow)
#include "test_link_effects_window.moc"
