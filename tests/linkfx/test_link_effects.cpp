// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_effects.h"
#include "linkfx/link_hints.h"
#include "linkfx/link_scope.h"
#include "linkfx/link_style.h"

#include <QtTest>

#include <cmath>
#include <string>
#include <utility>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(LinkEffect)
Q_DECLARE_METATYPE(Rgb)

namespace {

// Byte arrays print their control characters escaped, so a missing CR shows in a failure.
QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

std::string str(const QByteArray &text)
{
    return text.toStdString();
}

// Effects as the window adds them, each "Button=answer" or "-" for an empty effect box.
std::vector<std::optional<ChosenEffect>> added(const QStringList &effects)
{
    static const QStringList names{u"FontSize"_s,  u"ForeColor"_s, u"BackColor"_s,
                                   u"Uppercase"_s, u"Lowercase"_s, u"Lineless"_s};
    std::vector<std::optional<ChosenEffect>> chosen;
    for (const QString &effect : effects) {
        const QString name = effect.section(u'=', 0, 0);
        if (name == u"-"_s)
            chosen.emplace_back();
        else
            chosen.push_back(ChosenEffect{LinkEffect(names.indexOf(name)), effect.section(u'=', 1).toStdString()});
    }
    return chosen;
}

} // namespace

class TestLinkEffects final : public QObject {
    Q_OBJECT

private:
    static QStringList described(const LinkLook &look)
    {
        const auto hex = [](Rgb rgb) {
            return u"#%1"_s.arg((rgb.red << 16) | (rgb.green << 8) | rgb.blue, 6, 16, QChar(u'0'));
        };
        const QString textCase = look.textCase == LinkLook::Case::Upper   ? u"U"_s
                                 : look.textCase == LinkLook::Case::Lower ? u"L"_s
                                                                          : u"-"_s;
        return {QString::number(look.fontSizePx), hex(look.colour), look.background ? hex(*look.background) : QString(),
                textCase, look.underline ? u"1"_s : u"0"_s};
    }

private Q_SLOTS:
    void snippet_data()
    {
        QTest::addColumn<LinkEffect>("effect");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("FontSize 12px") << LinkEffect::FontSize << QByteArray("12px")
                                       << QByteArray("<style><!--a:hover{font-size:12px; }--></style>");
        QTest::newRow("FontSize 12 gets px") << LinkEffect::FontSize << QByteArray("12")
                                             << QByteArray("<style><!--a:hover{font-size:12px; }--></style>");
        QTest::newRow("FontSize 12.5 gets px") << LinkEffect::FontSize << QByteArray("12.5")
                                               << QByteArray("<style><!--a:hover{font-size:12.5px; }--></style>");
        QTest::newRow("FontSize .5 gets px") << LinkEffect::FontSize << QByteArray(".5")
                                             << QByteArray("<style><!--a:hover{font-size:.5px; }--></style>");
        QTest::newRow("FontSize 0 gets px")
            << LinkEffect::FontSize << QByteArray("0") << QByteArray("<style><!--a:hover{font-size:0px; }--></style>");
        QTest::newRow("FontSize 12. as typed") << LinkEffect::FontSize << QByteArray("12.")
                                               << QByteArray("<style><!--a:hover{font-size:12.; }--></style>");
        QTest::newRow("FontSize . as typed")
            << LinkEffect::FontSize << QByteArray(".") << QByteArray("<style><!--a:hover{font-size:.; }--></style>");
        QTest::newRow("FontSize two points as typed") << LinkEffect::FontSize << QByteArray("1.2.3")
                                                      << QByteArray("<style><!--a:hover{font-size:1.2.3; }--></style>");
        QTest::newRow("FontSize blank before a number as typed")
            << LinkEffect::FontSize << QByteArray(" 12")
            << QByteArray("<style><!--a:hover{font-size: 12; }--></style>");
        QTest::newRow("FontSize sign as typed")
            << LinkEffect::FontSize << QByteArray("-3") << QByteArray("<style><!--a:hover{font-size:-3; }--></style>");
        QTest::newRow("FontSize exponent as typed") << LinkEffect::FontSize << QByteArray("1e3")
                                                    << QByteArray("<style><!--a:hover{font-size:1e3; }--></style>");
        QTest::newRow("FontSize 1em as typed") << LinkEffect::FontSize << QByteArray("1em")
                                               << QByteArray("<style><!--a:hover{font-size:1em; }--></style>");
        QTest::newRow("FontSize non-ASCII digits as typed")
            << LinkEffect::FontSize << QByteArray("\xd9\xa1\xd9\xa2")
            << QByteArray("<style><!--a:hover{font-size:\xd9\xa1\xd9\xa2; }--></style>");
        QTest::newRow("ForeColor number gets no unit")
            << LinkEffect::ForeColor << QByteArray("12") << QByteArray("<style><!--a:hover{color:12; }--></style>");
        QTest::newRow("FontSize empty") << LinkEffect::FontSize << QByteArray()
                                        << QByteArray("<style><!--a:hover{font-size:; }--></style>");
        QTest::newRow("FontSize blanks kept") << LinkEffect::FontSize << QByteArray("  14pt ")
                                              << QByteArray("<style><!--a:hover{font-size:  14pt ; }--></style>");
        QTest::newRow("FontSize quotes and brackets")
            << LinkEffect::FontSize << QByteArray("\"1em\"<b>")
            << QByteArray("<style><!--a:hover{font-size:\"1em\"<b>; }--></style>");

        QTest::newRow("ForeColor red") << LinkEffect::ForeColor << QByteArray("red")
                                       << QByteArray("<style><!--a:hover{color:red; }--></style>");
        QTest::newRow("ForeColor empty") << LinkEffect::ForeColor << QByteArray()
                                         << QByteArray("<style><!--a:hover{color:; }--></style>");
        QTest::newRow("ForeColor blanks kept") << LinkEffect::ForeColor << QByteArray(" navy  ")
                                               << QByteArray("<style><!--a:hover{color: navy  ; }--></style>");
        QTest::newRow("ForeColor quotes and brackets")
            << LinkEffect::ForeColor << QByteArray("'red'\"</style>")
            << QByteArray("<style><!--a:hover{color:'red'\"</style>; }--></style>");
        QTest::newRow("ForeColor not looked up") << LinkEffect::ForeColor << QByteArray("#12345G")
                                                 << QByteArray("<style><!--a:hover{color:#12345G; }--></style>");
        QTest::newRow("ForeColor UTF-8 as is") << LinkEffect::ForeColor << QByteArray("gr\xc3\xbcn")
                                               << QByteArray("<style><!--a:hover{color:gr\xc3\xbcn; }--></style>");

        QTest::newRow("BackColor navy") << LinkEffect::BackColor << QByteArray("navy")
                                        << QByteArray("<style><!--a:hover{background-color:navy; }--></style>");
        QTest::newRow("BackColor empty") << LinkEffect::BackColor << QByteArray()
                                         << QByteArray("<style><!--a:hover{background-color:; }--></style>");
        QTest::newRow("BackColor blanks kept") << LinkEffect::BackColor << QByteArray(" ")
                                               << QByteArray("<style><!--a:hover{background-color: ; }--></style>");
        QTest::newRow("BackColor quotes and brackets")
            << LinkEffect::BackColor << QByteArray("<\"yellow\">")
            << QByteArray("<style><!--a:hover{background-color:<\"yellow\">; }--></style>");

        QTest::newRow("Uppercase") << LinkEffect::Uppercase << QByteArray()
                                   << QByteArray("<style><!--a:hover{text-transform:uppercase; }--></style>");
        QTest::newRow("Uppercase ignores a value")
            << LinkEffect::Uppercase << QByteArray("red")
            << QByteArray("<style><!--a:hover{text-transform:uppercase; }--></style>");
        QTest::newRow("Lowercase") << LinkEffect::Lowercase << QByteArray()
                                   << QByteArray("<style><!--a:hover{text-transform:lowercase; }--></style>");
        QTest::newRow("Lowercase ignores a value")
            << LinkEffect::Lowercase << QByteArray(" 12 ")
            << QByteArray("<style><!--a:hover{text-transform:lowercase; }--></style>");
        QTest::newRow("Lineless") << LinkEffect::Lineless << QByteArray()
                                  << QByteArray("<style><!--a{text-decoration:none}--></style>");
        QTest::newRow("Lineless ignores a value")
            << LinkEffect::Lineless << QByteArray("<b>") << QByteArray("<style><!--a{text-decoration:none}--></style>");
    }
    void snippet()
    {
        QFETCH(LinkEffect, effect);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytes(LinkEffectSnippet(effect, str(value))), expected);
    }

    void modernSnippet_data()
    {
        QTest::addColumn<LinkEffect>("effect");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("FontSize 12 gets px")
            << LinkEffect::FontSize << QByteArray("12")
            << QByteArray(
                   "<style>@media (hover:hover){a:hover{font-size:12px}}a:focus-visible{font-size:12px}</style>");
        QTest::newRow("FontSize 1.5em as typed")
            << LinkEffect::FontSize << QByteArray("1.5em")
            << QByteArray(
                   "<style>@media (hover:hover){a:hover{font-size:1.5em}}a:focus-visible{font-size:1.5em}</style>");
        QTest::newRow("FontSize empty, none") << LinkEffect::FontSize << QByteArray() << QByteArray();
        QTest::newRow("ForeColor blanks only, none") << LinkEffect::ForeColor << QByteArray(" \t") << QByteArray();
        QTest::newRow("BackColor ending its rule, none") << LinkEffect::BackColor << QByteArray("red}") << QByteArray();
        QTest::newRow("ForeColor darkred")
            << LinkEffect::ForeColor << QByteArray("darkred")
            << QByteArray("<style>@media (hover:hover){a:hover{color:darkred}}a:focus-visible{color:darkred}</style>");
        QTest::newRow("ForeColor blanks kept")
            << LinkEffect::ForeColor << QByteArray(" navy ")
            << QByteArray("<style>@media (hover:hover){a:hover{color: navy }}a:focus-visible{color: navy }</style>");
        QTest::newRow("BackColor #ffff00")
            << LinkEffect::BackColor << QByteArray("#ffff00")
            << QByteArray("<style>@media (hover:hover){a:hover{background-color:#ffff00}}"
                          "a:focus-visible{background-color:#ffff00}</style>");
        QTest::newRow("Uppercase ignores a value")
            << LinkEffect::Uppercase << QByteArray("red")
            << QByteArray("<style>@media (hover:hover){a:hover{text-transform:uppercase}}"
                          "a:focus-visible{text-transform:uppercase}</style>");
        QTest::newRow("Lowercase") << LinkEffect::Lowercase << QByteArray()
                                   << QByteArray("<style>@media (hover:hover){a:hover{text-transform:lowercase}}"
                                                 "a:focus-visible{text-transform:lowercase}</style>");
        QTest::newRow("Lineless, a plain rule for all links")
            << LinkEffect::Lineless << QByteArray("<b>") << QByteArray("<style>a{text-decoration:none}</style>");
    }
    void modernSnippet()
    {
        QFETCH(LinkEffect, effect);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytes(ModernLinkEffectSnippet(effect, str(value))), expected);
    }

    void fontSizeValue_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("whole number") << QByteArray("12") << QByteArray("12px");
        QTest::newRow("decimal") << QByteArray("12.25") << QByteArray("12.25px");
        QTest::newRow("point first") << QByteArray(".5") << QByteArray(".5px");
        QTest::newRow("point last") << QByteArray("12.") << QByteArray("12.");
        QTest::newRow("unit given") << QByteArray("12px") << QByteArray("12px");
        QTest::newRow("percent") << QByteArray("120%") << QByteArray("120%");
        QTest::newRow("keyword") << QByteArray("large") << QByteArray("large");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("blank after") << QByteArray("12 ") << QByteArray("12 ");
        QTest::newRow("comma as the point") << QByteArray("12,5") << QByteArray("12,5");
    }
    void fontSizeValue()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, value);
        QCOMPARE(bytes(FontSizeValue(str(answer))), value);
    }

    void contrastRatio_data()
    {
        QTest::addColumn<Rgb>("first");
        QTest::addColumn<Rgb>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << Rgb{0, 0, 0} << Rgb{255, 255, 255} << 21.0;
        QTest::newRow("white on black, either order") << Rgb{255, 255, 255} << Rgb{0, 0, 0} << 21.0;
        QTest::newRow("the same colour") << Rgb{120, 30, 200} << Rgb{120, 30, 200} << 1.0;
        QTest::newRow("red on white") << Rgb{255, 0, 0} << Rgb{255, 255, 255} << 3.9985;
        QTest::newRow("#767676 on white, just enough") << Rgb{118, 118, 118} << Rgb{255, 255, 255} << 4.5422;
        QTest::newRow("#777777 on white, just too little") << Rgb{119, 119, 119} << Rgb{255, 255, 255} << 4.4781;
        QTest::newRow("link blue on white") << Rgb{0, 0, 238} << Rgb{255, 255, 255} << 9.3976;
        QTest::newRow("darkred on yellow") << Rgb{139, 0, 0} << Rgb{255, 255, 0} << 9.3222;
        QTest::newRow("a low channel on the linear part") << Rgb{10, 10, 10} << Rgb{0, 0, 0} << 1.0607;
    }
    void contrastRatio()
    {
        QFETCH(Rgb, first);
        QFETCH(Rgb, second);
        QFETCH(double, ratio);
        const double computed = ContrastRatio(first, second);
        QVERIFY2(std::abs(computed - ratio) < 0.0001, QByteArray::number(computed, 'f', 4));
        QCOMPARE(computed >= MinimumTextContrast, ratio >= MinimumTextContrast);
    }

    void valuedSnippetsEndInTheSameSuffix_data()
    {
        QTest::addColumn<LinkEffect>("effect");
        QTest::newRow("FontSize") << LinkEffect::FontSize;
        QTest::newRow("ForeColor") << LinkEffect::ForeColor;
        QTest::newRow("BackColor") << LinkEffect::BackColor;
    }
    void valuedSnippetsEndInTheSameSuffix()
    {
        QFETCH(LinkEffect, effect);
        const QByteArray snippet = bytes(LinkEffectSnippet(effect, "VALUE"));
        QVERIFY(snippet.startsWith("<style><!--a:hover{"));
        QVERIFY(snippet.endsWith(":VALUE; }--></style>"));
        QCOMPARE(snippet.count("VALUE"), 1);
    }

    void append_data()
    {
        QTest::addColumn<QByteArray>("finalCode");
        QTest::addColumn<QByteArray>("snippet");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("empty final code still gets the line break")
            << QByteArray() << QByteArray("<style><!--a{text-decoration:none}--></style>")
            << QByteArray("\r\n"
                          "<style><!--a{text-decoration:none}--></style>");
        QTest::newRow("empty snippet adds just a line break") << QByteArray() << QByteArray() << QByteArray("\r\n");
        QTest::newRow("empty snippet after a snippet")
            << QByteArray("\r\n"
                          "<style><!--a{text-decoration:none}--></style>")
            << QByteArray()
            << QByteArray("\r\n"
                          "<style><!--a{text-decoration:none}--></style>\r\n");
        QTest::newRow("second snippet on its own line")
            << QByteArray("\r\n"
                          "<style><!--a{text-decoration:none}--></style>")
            << QByteArray("<style><!--a:hover{text-transform:uppercase; }--></style>")
            << QByteArray("\r\n"
                          "<style><!--a{text-decoration:none}--></style>\r\n"
                          "<style><!--a:hover{text-transform:uppercase; }--></style>");
        QTest::newRow("hand-typed final code without a break")
            << QByteArray("my rules") << QByteArray("<style><!--a{text-decoration:none}--></style>")
            << QByteArray("my rules\r\n"
                          "<style><!--a{text-decoration:none}--></style>");
        QTest::newRow("final code ending in a break gets another") << QByteArray("x\r\n") << QByteArray("y")
                                                                   << QByteArray("x\r\n"
                                                                                 "\r\n"
                                                                                 "y");
        QTest::newRow("snippet with line breaks goes in whole") << QByteArray() << QByteArray("a\r\nb")
                                                                << QByteArray("\r\n"
                                                                              "a\r\n"
                                                                              "b");
    }
    void append()
    {
        QFETCH(QByteArray, finalCode);
        QFETCH(QByteArray, snippet);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytes(AppendToFinalCode(str(finalCode), str(snippet))), expected);
    }

    void addingTwiceKeepsBoth()
    {
        const std::string snippet = LinkEffectSnippet(LinkEffect::Lowercase, {});
        const std::string once = AppendToFinalCode({}, snippet);
        QCOMPARE(bytes(AppendToFinalCode(once, snippet)),
                 QByteArray("\r\n"
                            "<style><!--a:hover{text-transform:lowercase; }--></style>\r\n"
                            "<style><!--a:hover{text-transform:lowercase; }--></style>"));
    }

    void twoColoursKeptInOrder()
    {
        std::string finalCode;
        finalCode = AppendToFinalCode(finalCode, LinkEffectSnippet(LinkEffect::ForeColor, "red"));
        finalCode = AppendToFinalCode(finalCode, LinkEffectSnippet(LinkEffect::BackColor, "navy"));
        QCOMPARE(bytes(finalCode), QByteArray("\r\n"
                                              "<style><!--a:hover{color:red; }--></style>\r\n"
                                              "<style><!--a:hover{background-color:navy; }--></style>"));

        // Two rules for the same property both stay, the first added first.
        finalCode = AppendToFinalCode({}, LinkEffectSnippet(LinkEffect::ForeColor, "blue"));
        finalCode = AppendToFinalCode(finalCode, LinkEffectSnippet(LinkEffect::ForeColor, "red"));
        QCOMPARE(bytes(finalCode), QByteArray("\r\n"
                                              "<style><!--a:hover{color:blue; }--></style>\r\n"
                                              "<style><!--a:hover{color:red; }--></style>"));
    }

    // "Only links inside:": a plain selector is taken with single blanks and built as the elements
    // the page's example link stands in (start and end tags, split at '|'); anything else is left
    // out, with a hint.
    void scope_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("taken");
        QTest::addColumn<QByteArray>("tags");
        const auto row = [](const char *tag, const char *text, const char *taken = "", const char *tags = "|") {
            QTest::newRow(tag) << QByteArray(text) << QByteArray(taken) << QByteArray(tags);
        };
        row("empty", " ");
        row("element", "nav", "nav", "<nav>|</nav>");
        row("class, blanks round", " .menu\t", ".menu", "<div class=\"menu\">|</div>");
        row("a list and its item", "UL#main   li", "UL#main li", "<ul id=\"main\"><li>|</li></ul>");
        row("an item", "li", "li", "<ul><li>|</li></ul>");
        row("an id and classes in a paragraph", "p #a.b.c", "p #a.b.c", "<p><span id=\"a\" class=\"b c\">|</span></p>");
        for (const char *left : {"nav a", "table", "nav, .menu", "p div", "#a#b", "nav>ul", ".1x", "[href]"})
            row(left, left);
    }
    void scope()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, taken);
        QFETCH(QByteArray, tags);
        QCOMPARE(bytes(ScopeSelector(str(text))), taken);
        QCOMPARE(LinkScopeHint(str(text)).empty(), !taken.isEmpty() || text.trimmed().isEmpty());
        const ScopeTags elements = ScopeElements(str(taken));
        QCOMPARE(bytes(elements.start + "|" + elements.end), tags);
    }

    // Every rule of a scoped code is for the links inside the scope.
    void scopedCode_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *tag, const std::string &code, const char *expected) {
            QTest::newRow(tag) << bytes(code) << QByteArray(expected);
        };
        row("classic size", LinkEffectSnippet(LinkEffect::FontSize, "12", "nav"),
            "<style><!--nav a:hover{font-size:12px; }--></style>");
        row("modern final code", ModernFinalCode(added({u"Lineless"_s, u"Uppercase"_s}), "ul li"),
            "\r\n<style>ul li a{text-decoration:none}@media (hover:hover){ul li a:hover{text-transform:uppercase}}"
            "ul li a:focus-visible{text-transform:uppercase}</style>");
    }
    void scopedCode()
    {
        QFETCH(QByteArray, code);
        QFETCH(QByteArray, expected);
        QCOMPARE(code, expected);
    }

    // The example link stands inside the scope: the scope's rules apply to it, each by its weight.
    void scopedLinkStyle_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("scope");
        QTest::addColumn<QStringList>("colours"); // at rest, hovered
        const auto row = [](const char *tag, const char *code, const char *scope, const char *rest, const char *hover) {
            QTest::newRow(tag) << QString::fromUtf8(code) << QString::fromUtf8(scope)
                               << QStringList{QString::fromUtf8(rest), QString::fromUtf8(hover)};
        };
        row("the scope's rule, blanks as written", "<style>ul \n li   a:hover{color:red}</style>", "ul li", "#0000ee",
            "#ff0000");
        row("a state outweighs the scope's rule for every link", "<style>a:hover{color:red}nav a{color:green}</style>",
            "nav", "#008000", "#ff0000");
        row("the scope's class outweighs a later state", "<style>.menu a:hover{color:red}a:hover{color:blue}</style>",
            ".menu", "#0000ee", "#ff0000");
    }
    void scopedLinkStyle()
    {
        QFETCH(QString, code);
        QFETCH(QString, scope);
        QFETCH(QStringList, colours);
        const LinkStyle style = ReadLinkStyle(code.toStdString(), true, scope.toStdString());
        QCOMPARE(
            (QStringList{described(LookOf(style, false, false)).at(1), described(LookOf(style, true, false)).at(1)}),
            colours);
        QVERIFY(style.notRead.empty());
    }

    void page_data()
    {
        QTest::addColumn<QByteArray>("finalCode");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("empty final code") << QByteArray()
                                          << QByteArray("<html> <head> \r\n"
                                                        "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                                        "<!-- Created by Quillarc 2--></head>\r\n"
                                                        "<body>\r\n"
                                                        "<a href=\"example.html\"> Example Link </a>\r\n"
                                                        "</body> </html>\r\n");
        QTest::newRow("Lineless added once") << QByteArray("\r\n"
                                                           "<style><!--a{text-decoration:none}--></style>")
                                             << QByteArray("<html> <head> \r\n"
                                                           "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                                           "<!-- Created by Quillarc 2-->\r\n"
                                                           "<style><!--a{text-decoration:none}--></style></head>\r\n"
                                                           "<body>\r\n"
                                                           "<a href=\"example.html\"> Example Link </a>\r\n"
                                                           "</body> </html>\r\n");
        QTest::newRow("two snippets") << QByteArray("\r\n"
                                                    "<style><!--a:hover{color:red; }--></style>\r\n"
                                                    "<style><!--a:hover{font-size:; }--></style>")
                                      << QByteArray("<html> <head> \r\n"
                                                    "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                                    "<!-- Created by Quillarc 2-->\r\n"
                                                    "<style><!--a:hover{color:red; }--></style>\r\n"
                                                    "<style><!--a:hover{font-size:; }--></style></head>\r\n"
                                                    "<body>\r\n"
                                                    "<a href=\"example.html\"> Example Link </a>\r\n"
                                                    "</body> </html>\r\n");
        QTest::newRow("hand-typed final code runs on from the comment")
            << QByteArray("a{color:green}")
            << QByteArray("<html> <head> \r\n"
                          "<title> Quillarc 2: Link Effects Page </title>\r\n"
                          "<!-- Created by Quillarc 2-->a{color:green}</head>\r\n"
                          "<body>\r\n"
                          "<a href=\"example.html\"> Example Link </a>\r\n"
                          "</body> </html>\r\n");
        QTest::newRow("final code ending in a break") << QByteArray("\r\n"
                                                                    "<style><!--a{text-decoration:none}--></style>\r\n")
                                                      << QByteArray("<html> <head> \r\n"
                                                                    "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                                                    "<!-- Created by Quillarc 2-->\r\n"
                                                                    "<style><!--a{text-decoration:none}--></style>\r\n"
                                                                    "</head>\r\n"
                                                                    "<body>\r\n"
                                                                    "<a href=\"example.html\"> Example Link </a>\r\n"
                                                                    "</body> </html>\r\n");
    }
    void modernPage_data()
    {
        QTest::addColumn<QByteArray>("finalCode");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("empty final code")
            << QByteArray()
            << QByteArray("<!DOCTYPE html>\r\n"
                          "<html lang=\"en\">\r\n"
                          "<head>\r\n"
                          "<meta charset=\"utf-8\">\r\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
                          "<title> Quillarc 2: Link Effects Page </title>\r\n"
                          "<!-- Created by Quillarc 2-->\r\n"
                          "</head>\r\n"
                          "<body>\r\n"
                          "<a href=\"example.html\"> Example Link </a>\r\n"
                          "</body>\r\n"
                          "</html>\r\n");
        QTest::newRow("two snippets added")
            << QByteArray("\r\n"
                          "<style>a{text-decoration:none}</style>\r\n"
                          "<style>@media (hover:hover){a:hover{color:darkred}}a:focus-visible{color:darkred}</style>")
            << QByteArray(
                   "<!DOCTYPE html>\r\n"
                   "<html lang=\"en\">\r\n"
                   "<head>\r\n"
                   "<meta charset=\"utf-8\">\r\n"
                   "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
                   "<title> Quillarc 2: Link Effects Page </title>\r\n"
                   "<!-- Created by Quillarc 2-->\r\n"
                   "<style>a{text-decoration:none}</style>\r\n"
                   "<style>@media (hover:hover){a:hover{color:darkred}}a:focus-visible{color:darkred}</style>\r\n"
                   "</head>\r\n"
                   "<body>\r\n"
                   "<a href=\"example.html\"> Example Link </a>\r\n"
                   "</body>\r\n"
                   "</html>\r\n");
        QTest::newRow("hand-typed final code runs on from the comment")
            << QByteArray("<style>a{color:green}</style>")
            << QByteArray("<!DOCTYPE html>\r\n"
                          "<html lang=\"en\">\r\n"
                          "<head>\r\n"
                          "<meta charset=\"utf-8\">\r\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
                          "<title> Quillarc 2: Link Effects Page </title>\r\n"
                          "<!-- Created by Quillarc 2--><style>a{color:green}</style>\r\n"
                          "</head>\r\n"
                          "<body>\r\n"
                          "<a href=\"example.html\"> Example Link </a>\r\n"
                          "</body>\r\n"
                          "</html>\r\n");
    }
    void modernPage()
    {
        QFETCH(QByteArray, finalCode);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytes(ModernLinkEffectsPage(str(finalCode))), expected);
    }

    void finalCodes_data()
    {
        // The effects added, then the classic and the modern final code they build.
        QTest::addColumn<QStringList>("effects");
        QTest::addColumn<QByteArray>("classic");
        QTest::addColumn<QByteArray>("modern");
        QTest::newRow("none") << QStringList() << QByteArray() << QByteArray();
        QTest::newRow("one effect is its snippet after a break")
            << QStringList{u"ForeColor=red"_s} << QByteArray("\r\n<style><!--a:hover{color:red; }--></style>")
            << QByteArray("\r\n<style>@media (hover:hover){a:hover{color:red}}a:focus-visible{color:red}</style>");
        QTest::newRow("all six in one style element, each property once")
            << QStringList{u"Lineless"_s,         u"FontSize=20"_s, u"ForeColor=darkred"_s,
                           u"BackColor=yellow"_s, u"Uppercase"_s,   u"Lowercase"_s}
            << QByteArray("\r\n<style><!--a{text-decoration:none}--></style>\r\n"
                          "<style><!--a:hover{font-size:20px; }--></style>\r\n"
                          "<style><!--a:hover{color:darkred; }--></style>\r\n"
                          "<style><!--a:hover{background-color:yellow; }--></style>\r\n"
                          "<style><!--a:hover{text-transform:uppercase; }--></style>\r\n"
                          "<style><!--a:hover{text-transform:lowercase; }--></style>")
            << QByteArray("\r\n<style>a{text-decoration:none}@media (hover:hover){a:hover{font-size:20px;"
                          "color:darkred;background-color:yellow;text-transform:lowercase}}a:focus-visible{"
                          "font-size:20px;color:darkred;background-color:yellow;text-transform:lowercase}</style>");
        QTest::newRow("the value added last, in its place")
            << QStringList{u"ForeColor=red"_s, u"Lineless"_s, u"FontSize=1em"_s, u"ForeColor=navy"_s, u"Lineless"_s}
            << QByteArray("\r\n<style><!--a:hover{color:red; }--></style>\r\n"
                          "<style><!--a{text-decoration:none}--></style>\r\n"
                          "<style><!--a:hover{font-size:1em; }--></style>\r\n"
                          "<style><!--a:hover{color:navy; }--></style>\r\n"
                          "<style><!--a{text-decoration:none}--></style>")
            << QByteArray("\r\n<style>a{text-decoration:none}@media (hover:hover){a:hover{font-size:1em;color:navy}}"
                          "a:focus-visible{font-size:1em;color:navy}</style>");
        QTest::newRow("an empty box and answers the modern code leaves out")
            << QStringList{u"-"_s, u"FontSize="_s, u"BackColor=red}body{display:none"_s}
            << QByteArray("\r\n\r\n<style><!--a:hover{font-size:; }--></style>\r\n"
                          "<style><!--a:hover{background-color:red}body{display:none; }--></style>")
            << QByteArray();
    }
    void finalCodes()
    {
        QFETCH(QStringList, effects);
        QFETCH(QByteArray, classic);
        QFETCH(QByteArray, modern);
        QCOMPARE(bytes(ClassicFinalCode(added(effects))), classic);
        QCOMPARE(bytes(ModernFinalCode(added(effects))), modern);
    }

    void answerHints_data()
    {
        QTest::addColumn<LinkEffect>("effect");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QString>("hint"); // empty: none
        const QString leftOut = u" The modern code leaves it out."_s;
        const QString style = u" holds < or >, which can end the style element: what follows would become part of the "
                              "page, even a script that runs when it opens."_s;
        QTest::newRow("a size") << LinkEffect::FontSize << u"12"_s << true << QString();
        QTest::newRow("a size keyword") << LinkEffect::FontSize << u"x-large"_s << true << QString();
        QTest::newRow("a colour as a size")
            << LinkEffect::FontSize << u"navy"_s << false
            << u"“navy” is not a font size that every browser knows, such as 12px, 1.5em, 120% or large."_s;
        QTest::newRow("a bare number after a blank, classic") << LinkEffect::FontSize << u" 12"_s << false << QString();
        QTest::newRow("a bare number after a blank, standards")
            << LinkEffect::FontSize << u" 12"_s << true
            << u"“ 12” is not a font size that every browser knows, such as 12px, 1.5em, 120% or large."_s;
        QTest::newRow("no size") << LinkEffect::FontSize << u" "_s << false
                                 << u"No size was given, so the effect changes nothing."_s;
        QTest::newRow("no colour") << LinkEffect::BackColor << QString() << true
                                   << u"No colour was given, so the effect changes nothing."_s;
        QTest::newRow("a size as a colour")
            << LinkEffect::ForeColor << u"12px"_s << true
            << u"“12px” is not a colour name or a #rrggbb colour that every browser knows."_s;
        QTest::newRow("a script") << LinkEffect::ForeColor << u"red}</style><script>alert(1)</script><style>a{"_s
                                  << true << u"“red}</style><script>alert(1)</script><st…”"_s + style + leftOut;
        QTest::newRow("a rule for the whole page")
            << LinkEffect::BackColor << u"red}body{display:none"_s << false
            << u"“red}body{display:none” holds { or }, which end the link's rule: what follows would apply "
               "to the whole page and could even hide it."_s;
        QTest::newRow("a comment") << LinkEffect::FontSize << u"12px/*"_s << true
                                   << u"“12px/*” holds a quote, a backslash or /*, which carry the rule on "
                                      "past its end: the effects after it would be lost."_s +
                                          leftOut;
    }
    void answerHints()
    {
        QFETCH(LinkEffect, effect);
        QFETCH(QString, answer);
        QFETCH(bool, modern);
        QFETCH(QString, hint);
        const std::vector<std::string> hints = AnswerHints(effect, answer.toStdString(), modern);
        QCOMPARE(hints.size(), hint.isEmpty() ? 0U : 1U);
        if (!hint.isEmpty())
            QCOMPARE(QString::fromStdString(hints.front()), hint);
        QCOMPARE(ModernCodeTakes(effect, answer.toStdString()), hint.isEmpty() || hint.contains(u"not a "_s));
    }

    void linkStyle_data()
    {
        // The final code, whether the page is the standards one, and the look at rest, hovered
        // and focused: font pixels, colour, background ("" none), case (U, L or -), underline;
        // then how many parts are not read.
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("standards");
        QTest::addColumn<QStringList>("rest");
        QTest::addColumn<QStringList>("hover");
        QTest::addColumn<QStringList>("focus");
        QTest::addColumn<int>("notRead");
        const QStringList plain{u"16"_s, u"#0000ee"_s, QString(), u"-"_s, u"1"_s};
        const auto with = [&plain](int index, const QString &value) {
            QStringList look = plain;
            look[index] = value;
            return look;
        };
        const auto classic = [](LinkEffect effect, const char *value) {
            return QString::fromStdString(AppendToFinalCode({}, LinkEffectSnippet(effect, value)));
        };
        const auto modern = [](LinkEffect effect, const char *value) {
            return QString::fromStdString(AppendToFinalCode({}, ModernLinkEffectSnippet(effect, value)));
        };
        QTest::newRow("empty") << QString() << false << plain << plain << plain << 0;
        QTest::newRow("classic size") << classic(LinkEffect::FontSize, "12") << false << plain << with(0, u"12"_s)
                                      << plain << 0;
        QTest::newRow("classic size em") << classic(LinkEffect::FontSize, "1.5em") << false << plain << with(0, u"24"_s)
                                         << plain << 0;
        QTest::newRow("classic size pt") << classic(LinkEffect::FontSize, "12pt") << false << plain << with(0, u"16"_s)
                                         << plain << 0;
        QTest::newRow("size in per cent")
            << classic(LinkEffect::FontSize, "120%") << false << plain << with(0, u"19.2"_s) << plain << 0;
        QTest::newRow("bare size, classic page")
            << u"<style>a:hover{font-size:20}</style>"_s << false << plain << with(0, u"20"_s) << plain << 0;
        QTest::newRow("a point with no digit after it, as a browser drops it")
            << u"<style>a:hover{font-size:12.}</style>"_s << false << plain << plain << plain << 1;
        QTest::newRow("bare size, standards page")
            << u"<style>a:hover{font-size:20}</style>"_s << true << plain << plain << plain << 1;
        QTest::newRow("classic colour") << classic(LinkEffect::ForeColor, "red") << false << plain
                                        << with(1, u"#ff0000"_s) << plain << 0;
        // The classic page reads "0f0" as #0000F0: a colour without its # is not read.
        QTest::newRow("classic hex without #")
            << classic(LinkEffect::ForeColor, "0f0") << false << plain << plain << plain << 1;
        // Named once, though both the hover and the focus rule hold it.
        QTest::newRow("hex without #, standards")
            << modern(LinkEffect::ForeColor, "00FF00") << true << plain << plain << plain << 1;
        QTest::newRow("transparent text, standards")
            << u"<style>a:hover{color:transparent}</style>"_s << true << plain << plain << plain << 1;
        QTest::newRow("classic background")
            << classic(LinkEffect::BackColor, "#abc") << false << plain << with(2, u"#aabbcc"_s) << plain << 0;
        QTest::newRow("classic upper") << classic(LinkEffect::Uppercase, "") << false << plain << with(3, u"U"_s)
                                       << plain << 0;
        QTest::newRow("classic lower") << classic(LinkEffect::Lowercase, "") << false << plain << with(3, u"L"_s)
                                       << plain << 0;
        QTest::newRow("classic lineless")
            << classic(LinkEffect::Lineless, "") << false << with(4, u"0"_s) << with(4, u"0"_s) << with(4, u"0"_s) << 0;
        QTest::newRow("modern size") << modern(LinkEffect::FontSize, "30") << true << plain << with(0, u"30"_s)
                                     << with(0, u"30"_s) << 0;
        QTest::newRow("modern colour") << modern(LinkEffect::ForeColor, "Navy") << true << plain
                                       << with(1, u"#000080"_s) << with(1, u"#000080"_s) << 0;
        QTest::newRow("modern background") << modern(LinkEffect::BackColor, "yellow") << true << plain
                                           << with(2, u"#ffff00"_s) << with(2, u"#ffff00"_s) << 0;
        QTest::newRow("modern upper") << modern(LinkEffect::Uppercase, "") << true << plain << with(3, u"U"_s)
                                      << with(3, u"U"_s) << 0;
        QTest::newRow("modern lower") << modern(LinkEffect::Lowercase, "") << true << plain << with(3, u"L"_s)
                                      << with(3, u"L"_s) << 0;
        QTest::newRow("modern lineless") << modern(LinkEffect::Lineless, "") << true << with(4, u"0"_s)
                                         << with(4, u"0"_s) << with(4, u"0"_s) << 0;
        QTest::newRow("later rule wins") << QString::fromStdString(AppendToFinalCode(
                                                AppendToFinalCode({}, LinkEffectSnippet(LinkEffect::Uppercase, "")),
                                                LinkEffectSnippet(LinkEffect::Lowercase, "")))
                                         << false << plain << with(3, u"L"_s) << plain << 0;
        QTest::newRow("combination")
            << QString::fromStdString(AppendToFinalCode(
                   AppendToFinalCode(AppendToFinalCode({}, ModernLinkEffectSnippet(LinkEffect::FontSize, "10")),
                                     ModernLinkEffectSnippet(LinkEffect::ForeColor, "#123456")),
                   ModernLinkEffectSnippet(LinkEffect::Lineless, "")))
            << true << with(4, u"0"_s) << QStringList{u"10"_s, u"#123456"_s, QString(), u"-"_s, u"0"_s}
            << QStringList{u"10"_s, u"#123456"_s, QString(), u"-"_s, u"0"_s} << 0;
        QTest::newRow("a state outweighs a later rule for all links")
            << u"<style>a:hover{color:red}a{color:green}</style>"_s << false << with(1, u"#008000"_s)
            << with(1, u"#ff0000"_s) << with(1, u"#008000"_s) << 0;
        QTest::newRow("unknown colour ignored, the earlier stays")
            << u"<style>a:hover{color:red}</style><style>a:hover{color:nocolour}</style>"_s << false << plain
            << with(1, u"#ff0000"_s) << plain << 1;
        QTest::newRow("unknown property") << u"<style>a:hover{font-weight:bold; color:blue}</style>"_s << false << plain
                                          << with(1, u"#0000ff"_s) << plain << 1;
        QTest::newRow("unknown selector")
            << u"<style>p{color:red} a:visited{color:red}</style>"_s << false << plain << plain << plain << 2;
        QTest::newRow("other media") << u"<style>@media print{a{color:red}}</style>"_s << true << plain << plain
                                     << plain << 1;
        QTest::newRow("text outside a style") << u"<b>hi</b>"_s << false << plain << plain << plain << 1;
        QTest::newRow("capitals and a comment") << u"<STYLE>/* mine */ A:HOVER { COLOR : Red }</STYLE>"_s << false
                                                << plain << with(1, u"#ff0000"_s) << plain << 0;
        QTest::newRow("a comment within a selector joins it")
            << u"<style>a/**/:hover{color:red}</style>"_s << true << plain << with(1, u"#ff0000"_s) << plain << 0;
        // What a browser drops, or reads in a way of its own, is named and not shown.
        const auto named = [&plain](const char *tag, const QString &code, bool standards = true) {
            QTest::newRow(tag) << code << standards << plain << plain << plain << 1;
        };
        named("a blank before :hover", u"<style>a :hover{color:red}</style>"_s);
        named("a blank after a:", u"<style>a: hover{color:red}</style>"_s);
        named("a blank after @", u"<style>@ media (hover:hover){a:hover{color:red}}</style>"_s);
        named("a style sheet for print", u"<style media=\"print\">a:hover{color:red}</style>"_s);
        named("a style sheet in another language", u"<style type='text/less'>a:hover{color:red}</style>"_s, false);
        named("markup opening inside a rule", u"<style>a:hover{<!--color:red}</style>"_s);
        named("a point without a digit after it", u"<style>a:hover{font-size:12.px}</style>"_s, false);
        named("an unclosed style element", u"<style>a:hover{color:red}"_s);
        named("a style element inside a comment", u"<!-- <style>a{color:red}</style> -->"_s);
        named("a rule that a string runs on", u"<style>a:hover{color:\"red}a{color:blue}\"}</style>"_s);
        named("an important value", u"<style>a:hover{color:red!important}</style>"_s);
        named("one unknown selector drops the rule", u"<style>a:hover,a:focus{color:red}</style>"_s);
    }
    void linkStyle()
    {
        QFETCH(QString, code);
        QFETCH(bool, standards);
        QFETCH(QStringList, rest);
        QFETCH(QStringList, hover);
        QFETCH(QStringList, focus);
        QFETCH(int, notRead);
        const LinkStyle style = ReadLinkStyle(code.toStdString(), standards);
        QCOMPARE(described(LookOf(style, false, false)), rest);
        QCOMPARE(described(LookOf(style, true, false)), hover);
        QCOMPARE(described(LookOf(style, false, true)), focus);
        QCOMPARE(int(style.notRead.size()), notRead);
    }

    void page()
    {
        QFETCH(QByteArray, finalCode);
        QFETCH(QByteArray, expected);
        const QByteArray page = bytes(LinkEffectsPage(str(finalCode)));
        QCOMPARE(page, expected);
        QVERIFY(page.endsWith("</body> </html>\r\n"));
        QVERIFY(!page.endsWith("\r\n\r\n"));
        QCOMPARE(page.count('\n'), page.count("\r\n")); // no bare line feeds
    }
};

QTEST_APPLESS_MAIN(TestLinkEffects)
#include "test_link_effects.moc"
