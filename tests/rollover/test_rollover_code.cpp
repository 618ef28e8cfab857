// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/random_names.h"
#include "rollover/rollover_code.h"
#include "rollover/rollover_page.h"

#include <QtTest>

#include <cmath>

namespace {

int countLines(const std::string &text)
{
    int lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

} // namespace

class TestRolloverCode final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void defaultsGiveTheTwoCodes()
    {
        const RolloverCode code = GenerateRolloverCode(RolloverProperties{});
        QCOMPARE(code.head, std::string("<script language=\"JavaScript\">\r\n"
                                        "<!-- Created by Quillarc 2--> \r\n"
                                        "<!--\r\n"
                                        "Image01= new Image(32,32)\r\n"
                                        "Image01.src=\"\"\r\n"
                                        "Image02= new Image(32,32)\r\n"
                                        "Image02.src=\"\"\r\n"
                                        "//-->\r\n"
                                        "</script>"));
        QCOMPARE(code.body, std::string("<a href=\"http://\" onmouseover=\r\n"
                                        "\"document.images['Example'].src=Image02.src\" onmouseout=\r\n"
                                        "\"document.images['Example'].src=Image01.src\">\r\n"
                                        "<img src=\"\" name=\"Example\"></a>"));
        QCOMPARE(countLines(code.head), 9);
        QCOMPARE(countLines(code.body), 4);
    }

    void fieldsGoInAsTyped_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("headLines"); // lines 4 to 7, joined by |
        QTest::addColumn<QString>("bodyLines"); // lines 1 to 4, joined by |

        QTest::newRow("picked pictures")
            << "src"
            << "up.gif|over.gif"
            << "Image01= new Image(32,32)|Image01.src=\"up.gif\"|Image02= new Image(32,32)|Image02.src=\"over.gif\""
            << "<a href=\"http://\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|<img src=\"up.gif\" name=\"Example\"></a>";
        QTest::newRow("empty size")
            << "size"
            << ""
            << "Image01= new Image()|Image01.src=\"\"|Image02= new Image()|Image02.src=\"\""
            << "<a href=\"http://\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|<img src=\"\" name=\"Example\"></a>";
        QTest::newRow("tutorial size")
            << "size"
            << "34,54"
            << "Image01= new Image(34,54)|Image01.src=\"\"|Image02= new Image(34,54)|Image02.src=\"\""
            << "<a href=\"http://\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|<img src=\"\" name=\"Example\"></a>";
        QTest::newRow("size without comma, blank kept")
            << "size"
            << "40, "
            << "Image01= new Image(40, )|Image01.src=\"\"|Image02= new Image(40, )|Image02.src=\"\""
            << "<a href=\"http://\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|<img src=\"\" name=\"Example\"></a>";
        QTest::newRow("same image names")
            << "names"
            << "Pic|Pic"
            << "Pic= new Image(32,32)|Pic.src=\"\"|Pic= new Image(32,32)|Pic.src=\"\""
            << "<a href=\"http://\" onmouseover=|\"document.images['Example'].src=Pic.src\" onmouseout=|"
               "\"document.images['Example'].src=Pic.src\">|<img src=\"\" name=\"Example\"></a>";
        QTest::newRow("empty link")
            << "link"
            << ""
            << "Image01= new Image(32,32)|Image01.src=\"\"|Image02= new Image(32,32)|Image02.src=\"\""
            << "<a href=\"\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|<img src=\"\" name=\"Example\"></a>";
        QTest::newRow("quotes and brackets pass through")
            << "link"
            << "a\"b<c>'d"
            << "Image01= new Image(32,32)|Image01.src=\"\"|Image02= new Image(32,32)|Image02.src=\"\""
            << "<a href=\"a\"b<c>'d\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|<img src=\"\" name=\"Example\"></a>";
        QTest::newRow("apostrophe in the name")
            << "name"
            << "it's"
            << "Image01= new Image(32,32)|Image01.src=\"\"|Image02= new Image(32,32)|Image02.src=\"\""
            << "<a href=\"http://\" onmouseover=|\"document.images['it's'].src=Image02.src\" onmouseout=|"
               "\"document.images['it's'].src=Image01.src\">|<img src=\"\" name=\"it's\"></a>";
    }
    void fieldsGoInAsTyped()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, headLines);
        QFETCH(QString, bodyLines);
        RolloverProperties p;
        const QStringList values = value.split(QLatin1Char('|'));
        if (field == QLatin1String("src")) {
            p.Image1Src = values[0].toStdString();
            p.Image2Src = values[1].toStdString();
        } else if (field == QLatin1String("size")) {
            p.RolloverSize = value.toStdString();
        } else if (field == QLatin1String("names")) {
            p.Image1Name = values[0].toStdString();
            p.Image2Name = values[1].toStdString();
        } else if (field == QLatin1String("link")) {
            p.RolloverLink = value.toStdString();
        } else if (field == QLatin1String("name")) {
            p.RolloverName = value.toStdString();
        }
        const RolloverCode code = GenerateRolloverCode(p);
        const std::string head = "<script language=\"JavaScript\">\r\n<!-- Created by Quillarc 2--> \r\n<!--\r\n" +
                                 headLines.replace(QLatin1Char('|'), QLatin1String("\r\n")).toStdString() +
                                 "\r\n//-->\r\n</script>";
        QCOMPARE(code.head, head);
        QCOMPARE(code.body, bodyLines.replace(QLatin1Char('|'), QLatin1String("\r\n")).toStdString());
    }

    void aValueWithALineBreakAddsALine()
    {
        RolloverProperties p;
        p.RolloverLink = "a\r\nb";
        const RolloverCode code = GenerateRolloverCode(p);
        QCOMPARE(countLines(code.body), 5);
        QCOMPARE(code.body.substr(0, 32), std::string("<a href=\"a\r\nb\" onmouseover=\r\n\"do"));
        QCOMPARE(countLines(code.head), 9);
    }

    void pageHoldsBothCodes()
    {
        const RolloverCode code = GenerateRolloverCode(RolloverProperties{});
        const std::string page = RolloverPage(code.head, code.body);
        QCOMPARE(page, std::string("<html>\r\n"
                                   "<title> Quillarc: Rollover Page </title>\r\n"
                                   "<head> \r\n"
                                   "<script language=\"JavaScript\">\r\n"
                                   "<!-- Created by Quillarc 2--> \r\n"
                                   "<!--\r\n"
                                   "Image01= new Image(32,32)\r\n"
                                   "Image01.src=\"\"\r\n"
                                   "Image02= new Image(32,32)\r\n"
                                   "Image02.src=\"\"\r\n"
                                   "//-->\r\n"
                                   "</script>\r\n"
                                   "</head>\r\n"
                                   "<Body> \r\n"
                                   "<a href=\"http://\" onmouseover=\r\n"
                                   "\"document.images['Example'].src=Image02.src\" onmouseout=\r\n"
                                   "\"document.images['Example'].src=Image01.src\">\r\n"
                                   "<img src=\"\" name=\"Example\"></a>\r\n"
                                   "</body> </html>\r\n"));
        QCOMPARE(countLines(page), 20); // 19 lines and the empty rest after the final break
    }

    void pageWithEmptyCodes()
    {
        QCOMPARE(RolloverPage("", ""), std::string("<html>\r\n"
                                                   "<title> Quillarc: Rollover Page </title>\r\n"
                                                   "<head> \r\n"
                                                   "\r\n"
                                                   "</head>\r\n"
                                                   "<Body> \r\n"
                                                   "\r\n"
                                                   "</body> </html>\r\n"));
    }

    void randomImageNames_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<QString>("name");
        QTest::newRow("zero") << 0.0f << "Image1";
        QTest::newRow("just below a thousandth") << 0.000999f << "Image1";
        QTest::newRow("a thousandth") << 0.001f << "Image2";
        QTest::newRow("half") << 0.5f << "Image501";
        QTest::newRow("largest below one") << std::nextafter(1.0f, 0.0f) << "Image1000";
    }
    void randomImageNames()
    {
        QFETCH(float, draw);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(RandomImageName(draw)), name);
    }

    void randomLetters_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<char>("letter");
        QTest::newRow("zero") << 0.0f << 'a';
        QTest::newRow("a tenth") << 0.1f << 'b';
        QTest::newRow("half") << 0.5f << 'f';
        QTest::newRow("0.95") << 0.95f << 'j';
        QTest::newRow("largest below one") << std::nextafter(1.0f, 0.0f) << 'j';
    }
    void randomLetters()
    {
        QFETCH(float, draw);
        QFETCH(char, letter);
        QCOMPARE(RandomRolloverLetter(draw), letter);
    }
};

QTEST_APPLESS_MAIN(TestRolloverCode)
#include "test_rollover_code.moc"
