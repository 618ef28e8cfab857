// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_effects.h"

#include <QtTest>

#include <string>

Q_DECLARE_METATYPE(LinkEffect)

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

} // namespace

class TestLinkEffects final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void snippet_data()
    {
        QTest::addColumn<LinkEffect>("effect");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("FontSize 12px") << LinkEffect::FontSize << QByteArray("12px")
                                       << QByteArray("<style><!--a:hover{font-size:12px; }--></style>");
        QTest::newRow("FontSize 12, no unit added")
            << LinkEffect::FontSize << QByteArray("12") << QByteArray("<style><!--a:hover{font-size:12; }--></style>");
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
