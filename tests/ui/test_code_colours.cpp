// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/page_windows.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "text/css_colours.h"
#include "ui/code_colours.h"
#include "ui/controls.h"
#include "ui/text_box.h"
#include "ui/workspace.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace Qt::StringLiterals;
using testwindows::child;

// The code boxes' colours: each line's runs of roles, with what a line leaves open carried on to
// the next; colour on the screen only, never in the text.

namespace {

constexpr const char *RoleNames[] = {"plain",    "tag", "name",   "value",   "comment",  "selector",
                                     "property", "css", "string", "keyword", "reference"};

// The text's coloured runs as "role:text", one line after the other.
QString runs(const QString &text)
{
    QTextDocument document(text);
    ui::CodeColours colours(&document, false);
    colours.rehighlight();
    const ui::CodePalette &palette = ui::codePalette(false);
    QStringList said;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            const auto role =
                std::find(palette.colours.begin(), palette.colours.end(), range.format.foreground().color());
            said << QString::fromLatin1(RoleNames[role - palette.colours.begin()]) + u':' +
                        block.text().mid(range.start, range.length);
        }
    }
    return said.join(u' ');
}

} // namespace

class TestCodeColours final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("runs");
        QTest::newRow("a tag") << u"<a href=\"x.html\">Go &amp; see</a>"_s
                               << u"tag:<a name:href value:\"x.html\" tag:> reference:&amp; tag:</a>"_s;
        QTest::newRow("a handler across lines")
            << u"<a onmouseover=\n\"document.images['a'].src=b.src\">"_s
            << u"tag:<a name:onmouseover value:\" keyword:document value:.images[ string:'a' value:].src=b.src\" tag:>"_s;
        QTest::newRow("a comment across lines") << u"<!-- one\ntwo -->x"_s << u"comment:<!-- one comment:two -->"_s;
        QTest::newRow("a script across lines")
            << u"<script>\nvar s = \"</p>\"; // go\n</script>"_s
            << u"tag:<script> keyword:var string:\"</p>\" comment:// go tag:</script>"_s;
        QTest::newRow("a style sheet across lines")
            << u"<style>\n.q{display:none}\n@media (hover:hover){a:hover{color:red}}\n</style>"_s
            << u"tag:<style> selector:.q property:display css:none keyword:@media css: (hover:hover) selector:a:hover "
               "property:color css:red tag:</style>"_s;
        QTest::newRow("a comment in a style sheet")
            << u"<style>a{/* x\n}*/color:red}</style>"_s
            << u"tag:<style> selector:a comment:/* x comment:}*/ property:color css:red tag:</style>"_s;
    }
    void lines()
    {
        QFETCH(QString, text);
        QFETCH(QString, runs);
        QCOMPARE(::runs(text), runs);
    }

    void everyColourReadsOnItsBox()
    {
        for (const bool dark : {false, true}) {
            const Rgb base = dark ? Rgb{35, 38, 41} : Rgb{255, 255, 255};
            for (const QColor &colour : ui::codePalette(dark).colours) {
                if (colour.isValid())
                    QVERIFY2(ContrastRatio({colour.red(), colour.green(), colour.blue()}, base) >= 4.5,
                             qPrintable(colour.name()));
            }
        }
    }

    // Renders to look at: the rollover's code and the link effects' final code, light and dark. A
    // palette is the desktop's before any window opens: each gets a workspace of its own.
    void rendersInBothPalettes()
    {
        const QPalette light = QApplication::palette();
        for (const bool dark : {false, true}) {
            QPalette palette = light;
            if (dark) {
                palette.setColor(QPalette::Base, QColor(35, 38, 41));
                palette.setColor(QPalette::Text, QColor(230, 230, 230));
            }
            QApplication::setPalette(palette);
            ui::Workspace workspace(services());
            workspace.resize(760, 512);
            workspace.show();
            for (const QString &window : {u"Form2"_s, u"Form5"_s}) {
                const pagewindows::Ready ready = pagewindows::openReady(workspace, services(), window, true, {});
                const QString name = u"code-colours-%1-%2"_s.arg(window, dark ? u"dark"_s : u"light"_s);
                QVERIFY(!testimages::render(ready.window, name).isEmpty());
            }
        }
        QApplication::setPalette(light);
    }

    // A long line waits for typing to pause; one too long for colour says so over the box.
    void longLines()
    {
        QPlainTextEdit *box = ui::makeTextBox(nullptr, u"Code"_s, {0, 0, 300, 100});
        ui::showAsCode(box);
        box->setPlainText(u"<b>x</b>"_s.repeated(300));
        QVERIFY(box->document()->begin().layout()->formats().isEmpty());
        QTRY_VERIFY(!box->document()->begin().layout()->formats().isEmpty());
        auto *hint = child<QLabel>(box, u"CodeLongLineHint"_s);
        QVERIFY(hint->isHidden());
        box->setPlainText(u"<b>x</b>"_s.repeated(9000));
        QVERIFY(!hint->isHidden());
        delete box;
    }

    void theTextStaysAsGiven()
    {
        QPlainTextEdit *box = ui::makeTextBox(nullptr, u"Code"_s, {0, 0, 300, 100});
        ui::showAsCode(box);
        const std::string code = "<style>\r\na{color:red}\r\n</style>\r\n<a href=\"x\">\u00E9</a>";
        ui::setText(box, code);
        QCOMPARE(ui::textOf(box), code);
        delete box;
    }
};

QTEST_MAIN(TestCodeColours)
#include "test_code_colours.moc"
