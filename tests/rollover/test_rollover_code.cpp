// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/random_names.h"
#include "rollover/rollover_code.h"
#include "rollover/rollover_page.h"
#include "text/html_text.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(RolloverProperties)

namespace {

// The window's defaults with two picked pictures and an alt text.
RolloverProperties picked()
{
    RolloverProperties p;
    p.Image1Src = "up.gif";
    p.Image2Src = "over.gif";
    p.AltText = "Home page";
    return p;
}

// The modern head code, the same for every rollover.
const std::string ModernHead =
    "<style>\r\n"
    ".q2-over{display:none}\r\n"
    ".q2-link{display:inline-block;line-height:0}.q2-link>img{max-width:100%;height:auto}\r\n"
    "@media (hover:hover){a:hover>.q2-over{display:inline}"
    "a:hover>.q2-over~img{display:none}}\r\n"
    "a:focus-visible>.q2-over{display:inline}a:focus-visible>.q2-over~img{display:none}\r\n"
    "</style>";

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
        QTest::newRow("# in the pictures' names")
            << "src"
            << "up#1.gif|#over.gif"
            << "Image01= new Image(32,32)|Image01.src=\"up%231.gif\"|Image02= new Image(32,32)|Image02.src=\"%23over.gif\""
            << "<a href=\"http://\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|<img src=\"up%231.gif\" name=\"Example\"></a>";
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
        QTest::newRow("alt text at the end of the image")
            << "alt"
            << "Home page"
            << "Image01= new Image(32,32)|Image01.src=\"\"|Image02= new Image(32,32)|Image02.src=\"\""
            << "<a href=\"http://\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|<img src=\"\" name=\"Example\" alt=\"Home page\"></a>";
        QTest::newRow("alt text with &, quotes and < escaped")
            << "alt"
            << "Tom & \"Jerry\" <3 >"
            << "Image01= new Image(32,32)|Image01.src=\"\"|Image02= new Image(32,32)|Image02.src=\"\""
            << "<a href=\"http://\" onmouseover=|\"document.images['Example'].src=Image02.src\" onmouseout=|"
               "\"document.images['Example'].src=Image01.src\">|"
               "<img src=\"\" name=\"Example\" alt=\"Tom &amp; &quot;Jerry&quot; &lt;3 &gt;\"></a>";
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
        } else if (field == QLatin1String("alt")) {
            p.AltText = value.toStdString();
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

    void modernCode_data()
    {
        QTest::addColumn<RolloverProperties>("properties");
        QTest::addColumn<QByteArray>("body");

        QTest::newRow("defaults with alt text")
            << picked()
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-over\" src=\"over.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                          "<img src=\"up.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                          "</a>");

        RolloverProperties noAlt = picked();
        noAlt.AltText.clear();
        QTest::newRow("no alt text, no alt attribute")
            << noAlt
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-over\" src=\"over.gif\" width=\"32\" height=\"32\">"
                          "<img src=\"up.gif\" width=\"32\" height=\"32\">"
                          "</a>");

        RolloverProperties link = picked();
        link.RolloverLink = " seite \xc3\xa4.html?a=1&copy=2&say=\"hi\"&x=<y>&p=50%#teil 2#3 ";
        QTest::newRow("link encoded, its query and fragment kept")
            << link
            << QByteArray(
                   "<a class=\"q2-link\" href=\"seite%20%C3%A4.html?a=1&amp;copy=2&amp;say=%22hi%22&amp;x=%3Cy%3E"
                   "&amp;p=50%25#teil%202%233\">"
                   "<img class=\"q2-over\" src=\"over.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                   "<img src=\"up.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                   "</a>");

        // The link box as it opens names no place; anything typed after it stands.
        for (const auto &[typed, href] : {std::pair{"https://", "#"},
                                          {"http://example.com/", "http://example.com/"},
                                          {"http:// ", "#"},
                                          {"http://[::1]/a[1]{x}.html", "http://[::1]/a%5B1%5D%7Bx%7D.html"},
                                          {"http:\\\\example.com\\a b", "http://example.com/a%20b"},
                                          {"javascript:alert('\\n')", "javascript:alert('%5Cn')"},
                                          {"", ""}}) {
            RolloverProperties place = picked();
            place.RolloverLink = typed;
            QTest::addRow("link \"%s\"", typed)
                << place
                << (QByteArray("<a class=\"q2-link\" href=\"") + href +
                    "\">"
                    "<img class=\"q2-over\" src=\"over.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                    "<img src=\"up.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                    "</a>");
        }

        RolloverProperties alt = picked();
        alt.AltText = "Tom & \"Jerry\" <3 >";
        QTest::newRow("alt text with &, quotes and <")
            << alt
            << QByteArray(
                   "<a class=\"q2-link\" href=\"#\">"
                   "<img class=\"q2-over\" src=\"over.gif\" alt=\"Tom &amp; &quot;Jerry&quot; &lt;3 &gt;\" "
                   "width=\"32\" height=\"32\">"
                   "<img src=\"up.gif\" alt=\"Tom &amp; &quot;Jerry&quot; &lt;3 &gt;\" width=\"32\" height=\"32\">"
                   "</a>");

        // Picked names come percent-encoded from the picture boxes and stay; typed ones may hold anything.
        RolloverProperties names = picked();
        names.Image1Src = "my%20up&copy.png";
        names.Image2Src = "say \"hi\"<1> #1 100% gr\xc3\xbcn.gif";
        QTest::newRow("names that need encoding")
            << names
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-over\" src=\"say%20%22hi%22%3C1%3E%20%231%20100%25%20gr%C3%BCn.gif\" "
                          "alt=\"Home page\" width=\"32\" height=\"32\">"
                          "<img src=\"my%20up&amp;copy.png\" alt=\"Home page\" width=\"32\" height=\"32\">"
                          "</a>");

        RolloverProperties twice = picked();
        twice.Image1Src2x = "up@2x.gif";
        twice.Image2Src2x = "over 1,2@2x.gif";
        QTest::newRow("pictures of twice the density in srcset")
            << twice
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-over\" src=\"over.gif\" srcset=\"over%201%2C2@2x.gif 2x\" alt=\"Home page\" "
                          "width=\"32\" height=\"32\"><img src=\"up.gif\" srcset=\"up@2x.gif 2x\" alt=\"Home page\" "
                          "width=\"32\" height=\"32\"></a>");

        RolloverProperties blanks = picked();
        blanks.RolloverSize = " 40 ,\t7 ";
        QTest::newRow("size with blanks around the numbers")
            << blanks
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-over\" src=\"over.gif\" alt=\"Home page\" width=\"40\" height=\"7\">"
                          "<img src=\"up.gif\" alt=\"Home page\" width=\"40\" height=\"7\">"
                          "</a>");

        for (const char *size : {"40", "32,32px", "", "32,,32", "3 2,32", "-1,32", "32,32,32", "1.5,2"}) {
            RolloverProperties noSize = picked();
            noSize.RolloverSize = size;
            QTest::addRow("size \"%s\" is not two whole numbers", size)
                << noSize
                << QByteArray("<a class=\"q2-link\" href=\"#\">"
                              "<img class=\"q2-over\" src=\"over.gif\" alt=\"Home page\">"
                              "<img src=\"up.gif\" alt=\"Home page\">"
                              "</a>");
        }

        RolloverProperties noOver = picked();
        noOver.Image2Src.clear();
        QTest::newRow("no over picture, one image")
            << noOver
            << QByteArray(
                   "<a class=\"q2-link\" href=\"#\"><img src=\"up.gif\" alt=\"Home page\" width=\"32\" height=\"32\"></a>");

        // The script names and the image's name have no part in the modern code.
        RolloverProperties unused = picked();
        unused.RolloverName = "it's";
        unused.Image1Name = "A";
        unused.Image2Name = "A";
        QTest::newRow("names the modern code does not use")
            << unused
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-over\" src=\"over.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                          "<img src=\"up.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                          "</a>");
    }
    void modernCode()
    {
        QFETCH(RolloverProperties, properties);
        QFETCH(QByteArray, body);
        const RolloverCode code = GenerateModernRolloverCode(properties);
        QCOMPARE(QByteArray::fromStdString(code.head), QByteArray::fromStdString(ModernHead));
        QCOMPARE(QByteArray::fromStdString(code.body), body);
    }

    void classicCodeWithoutAltTextIsUnchangedByTheModernFields()
    {
        // An empty alt text leaves every byte of the classic code as it was.
        RolloverProperties p = picked();
        p.AltText.clear();
        const RolloverCode code = GenerateRolloverCode(p);
        QCOMPARE(code.body, std::string("<a href=\"http://\" onmouseover=\r\n"
                                        "\"document.images['Example'].src=Image02.src\" onmouseout=\r\n"
                                        "\"document.images['Example'].src=Image01.src\">\r\n"
                                        "<img src=\"up.gif\" name=\"Example\"></a>"));
        QCOMPARE(code.head.find("alt"), std::string::npos);
    }

    void twoWholeNumbers_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("reads");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("32,32") << "32,32" << true << "32"
                               << "32";
        QTest::newRow("blank after the comma") << "34, 54" << true << "34"
                                               << "54";
        QTest::newRow("blanks and tabs around") << "\t1 , 2\t" << true << "1"
                                                << "2";
        QTest::newRow("zeros kept as typed") << "0,007" << true << "0"
                                             << "007";
        QTest::newRow("one number") << "40" << false << ""
                                    << "";
        QTest::newRow("empty") << "" << false << ""
                               << "";
        QTest::newRow("empty width") << ",32" << false << ""
                                     << "";
        QTest::newRow("empty height") << "32," << false << ""
                                      << "";
        QTest::newRow("unit") << "32px,32px" << false << ""
                              << "";
        QTest::newRow("decimal") << "1.5,2" << false << ""
                                 << "";
        QTest::newRow("negative") << "-1,2" << false << ""
                                  << "";
        QTest::newRow("plus sign") << "+1,2" << false << ""
                                   << "";
        QTest::newRow("three numbers") << "1,2,3" << false << ""
                                       << "";
        QTest::newRow("blank inside a number") << "3 2,1" << false << ""
                                               << "";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("\xd9\xa3,2") << false << ""
                                         << "";
    }
    void twoWholeNumbers()
    {
        QFETCH(QString, size);
        QFETCH(bool, reads);
        QFETCH(QString, width);
        QFETCH(QString, height);
        const std::optional<PictureSize> read = TwoWholeNumbersIn(size.toStdString());
        QCOMPARE(ReadsAsTwoWholeNumbers(size.toStdString()), reads);
        QCOMPARE(read.has_value(), reads);
        if (read) {
            QCOMPARE(QString::fromStdString(read->width), width);
            QCOMPARE(QString::fromStdString(read->height), height);
        }
    }

    void modernPageHoldsBothCodes()
    {
        const RolloverCode code = GenerateModernRolloverCode(picked());
        QCOMPARE(
            QByteArray::fromStdString(ModernRolloverPage(code.head, code.body)),
            QByteArray("<!DOCTYPE html>\r\n"
                       "<html lang=\"en\">\r\n"
                       "<head>\r\n"
                       "<meta charset=\"utf-8\">\r\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
                       "<title> Quillarc: Rollover Page </title>\r\n"
                       "<style>\r\n"
                       ".q2-over{display:none}\r\n"
                       ".q2-link{display:inline-block;line-height:0}.q2-link>img{max-width:100%;height:auto}\r\n"
                       "@media (hover:hover){a:hover>.q2-over{display:inline}a:hover>.q2-over~img{display:none}}\r\n"
                       "a:focus-visible>.q2-over{display:inline}a:focus-visible>.q2-over~img{display:none}\r\n"
                       "</style>\r\n"
                       "</head>\r\n"
                       "<body>\r\n"
                       "<a class=\"q2-link\" href=\"#\">"
                       "<img class=\"q2-over\" src=\"over.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                       "<img src=\"up.gif\" alt=\"Home page\" width=\"32\" height=\"32\">"
                       "</a>\r\n"
                       "</body>\r\n"
                       "</html>\r\n"));
    }

    void modernPageWithEmptyCodes()
    {
        QCOMPARE(QByteArray::fromStdString(ModernRolloverPage("", "")),
                 QByteArray("<!DOCTYPE html>\r\n"
                            "<html lang=\"en\">\r\n"
                            "<head>\r\n"
                            "<meta charset=\"utf-8\">\r\n"
                            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
                            "<title> Quillarc: Rollover Page </title>\r\n"
                            "\r\n"
                            "</head>\r\n"
                            "<body>\r\n"
                            "\r\n"
                            "</body>\r\n"
                            "</html>\r\n"));
    }

    void twiceDensityName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("twice");
        for (const auto &[name, twice] : {std::pair{"up.png", "up@2x.png"},
                                          {"a.b.png", "a.b@2x.png"},
                                          {"up", "up@2x"},
                                          {".png", ".png@2x"},
                                          {"img.d/up", "img.d/up@2x"},
                                          {"a%20b.gif", "a%20b@2x.gif"}})
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(twice);
    }
    void twiceDensityName()
    {
        QFETCH(QString, name);
        QFETCH(QString, twice);
        QCOMPARE(QString::fromStdString(TwiceDensityName(name.toStdString())), twice);
    }

    void linkHint_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("hinted");
        for (const auto &[link, hinted] : {std::pair{"javascript:alert(1)", true},
                                           {" \tJavaScript:x", true},
                                           {"java\tscript:x", true},
                                           {"javascript", false},
                                           {"http://a.example/?javascript:x", false},
                                           {"", false}})
            QTest::newRow(link) << QString::fromUtf8(link) << hinted;
    }
    void linkHint()
    {
        QFETCH(QString, link);
        QFETCH(bool, hinted);
        const std::string hint = "This link runs a script when it is clicked: use only a script you trust.";
        QCOMPARE(LinkHint(link.toStdString()), hinted ? hint : std::string());
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
