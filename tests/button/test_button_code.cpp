// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_code.h"
#include "button/button_page.h"

#include <QtTest>

// The button code and the button page, byte for byte. Expected texts are written line by
// line; "\r\n" is the CR LF that joins the lines.

Q_DECLARE_METATYPE(ButtonSpec)
Q_DECLARE_METATYPE(ButtonPicture)

namespace {

// Every field at the text the editor opens with, the sources a.gif, b.gif, c.gif, 100 by 30.
ButtonSpec sample()
{
    ButtonSpec fields;
    fields.ButtonLink = "http://";
    fields.ButtonName = "Example";
    fields.ButtonWidth = "100";
    fields.ButtonHeight = "30";
    fields.DefaultImageSrc = "a.gif";
    fields.MouseOverImageSrc = "b.gif";
    fields.MouseDownImageSrc = "c.gif";
    fields.DefaultImageName = "DefaultImage";
    fields.MouseOverImageName = "MouseOverImage";
    fields.MouseDownImageName = "MouseDownImage";
    return fields;
}

QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

} // namespace

class TestButtonCode final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void generate_data()
    {
        QTest::addColumn<ButtonSpec>("fields");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("body");

        QTest::newRow("all three pictures")
            << sample()
            << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                          "DefaultImage= new Image(100,30)\r\n"
                          "DefaultImage.src=\"a.gif\"\r\n"
                          "MouseOverImage= new Image(100,30)\r\n"
                          "MouseOverImage.src=\"b.gif\"\r\n"
                          "MouseDownImage= new Image(100,30)\r\n"
                          "MouseDownImage.src=\"c.gif\"\r\n"
                          "\r\n"
                          "--> </script>")
            << QByteArray("<a href=\"http://\" "
                          "onmouseover=\"document.images['Example'].src=MouseOverImage.src\" "
                          "onmouseout=\"document.images['Example'].src=DefaultImage.src\" "
                          "onmousedown=\"document.images['Example'].src=MouseDownImage.src\" "
                          "onmouseup=\"document.images['Example'].src=DefaultImage.src\" "
                          "><img src=\"a.gif\" name=\"Example\"></a>");

        ButtonSpec downOnly = sample();
        downOnly.MouseOverImageSrc.clear();
        QTest::newRow("only mouse-down") << downOnly
                                         << QByteArray(
                                                "<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                                                "DefaultImage= new Image(100,30)\r\n"
                                                "DefaultImage.src=\"a.gif\"\r\n"
                                                "MouseDownImage= new Image(100,30)\r\n"
                                                "MouseDownImage.src=\"c.gif\"\r\n"
                                                "\r\n"
                                                "--> </script>")
                                         << QByteArray(
                                                "<a href=\"http://\" "
                                                "onmousedown=\"document.images['Example'].src=MouseDownImage.src\" "
                                                "onmouseup=\"document.images['Example'].src=DefaultImage.src\" "
                                                "><img src=\"a.gif\" name=\"Example\"></a>");

        ButtonSpec overOnly = sample();
        overOnly.MouseDownImageSrc.clear();
        QTest::newRow("only mouse-over") << overOnly
                                         << QByteArray(
                                                "<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                                                "DefaultImage= new Image(100,30)\r\n"
                                                "DefaultImage.src=\"a.gif\"\r\n"
                                                "MouseOverImage= new Image(100,30)\r\n"
                                                "MouseOverImage.src=\"b.gif\"\r\n"
                                                "\r\n"
                                                "--> </script>")
                                         << QByteArray(
                                                "<a href=\"http://\" "
                                                "onmouseover=\"document.images['Example'].src=MouseOverImage.src\" "
                                                "onmouseout=\"document.images['Example'].src=DefaultImage.src\" "
                                                "><img src=\"a.gif\" name=\"Example\"></a>");

        ButtonSpec neither = sample();
        neither.MouseOverImageSrc.clear();
        neither.MouseDownImageSrc.clear();
        QTest::newRow("neither") << neither
                                 << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                                               "DefaultImage= new Image(100,30)\r\n"
                                               "DefaultImage.src=\"a.gif\"\r\n"
                                               "\r\n"
                                               "--> </script>")
                                 << QByteArray("<a href=\"http://\" ><img src=\"a.gif\" name=\"Example\"></a>");

        // A size left empty writes no size, not the script error "new Image(,)".
        ButtonSpec noHeight = neither;
        noHeight.ButtonHeight.clear();
        ButtonSpec noSize = noHeight;
        noSize.ButtonWidth.clear();
        for (const auto &[tag, fields] :
             {std::pair{"empty height", noHeight}, std::pair{"empty width and height", noSize}})
            QTest::newRow(tag) << fields
                               << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                                             "DefaultImage= new Image()\r\n"
                                             "DefaultImage.src=\"a.gif\"\r\n"
                                             "\r\n"
                                             "--> </script>")
                               << QByteArray("<a href=\"http://\" ><img src=\"a.gif\" name=\"Example\"></a>");

        ButtonSpec noDefault = neither;
        noDefault.DefaultImageSrc.clear();
        QTest::newRow("empty default source")
            << noDefault
            << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                          "DefaultImage= new Image(100,30)\r\n"
                          "DefaultImage.src=\"\"\r\n"
                          "\r\n"
                          "--> </script>")
            << QByteArray("<a href=\"http://\" ><img src=\"\" name=\"Example\"></a>");

        ButtonSpec blankOver = neither;
        blankOver.MouseOverImageSrc = " ";
        QTest::newRow("mouse-over source of one blank")
            << blankOver
            << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                          "DefaultImage= new Image(100,30)\r\n"
                          "DefaultImage.src=\"a.gif\"\r\n"
                          "MouseOverImage= new Image(100,30)\r\n"
                          "MouseOverImage.src=\" \"\r\n"
                          "\r\n"
                          "--> </script>")
            << QByteArray("<a href=\"http://\" "
                          "onmouseover=\"document.images['Example'].src=MouseOverImage.src\" "
                          "onmouseout=\"document.images['Example'].src=DefaultImage.src\" "
                          "><img src=\"a.gif\" name=\"Example\"></a>");

        ButtonSpec noOverName = overOnly;
        noOverName.MouseOverImageName.clear();
        QTest::newRow("empty mouse-over name")
            << noOverName
            << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                          "DefaultImage= new Image(100,30)\r\n"
                          "DefaultImage.src=\"a.gif\"\r\n"
                          "= new Image(100,30)\r\n"
                          ".src=\"b.gif\"\r\n"
                          "\r\n"
                          "--> </script>")
            << QByteArray("<a href=\"http://\" "
                          "onmouseover=\"document.images['Example'].src=.src\" "
                          "onmouseout=\"document.images['Example'].src=DefaultImage.src\" "
                          "><img src=\"a.gif\" name=\"Example\"></a>");

        ButtonSpec withAlt = neither;
        withAlt.AltText = "Go";
        QTest::newRow("alt text at the end of the image")
            << withAlt
            << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                          "DefaultImage= new Image(100,30)\r\n"
                          "DefaultImage.src=\"a.gif\"\r\n"
                          "\r\n"
                          "--> </script>")
            << QByteArray("<a href=\"http://\" ><img src=\"a.gif\" name=\"Example\" alt=\"Go\"></a>");

        ButtonSpec escapedAlt = sample();
        escapedAlt.AltText = "Tom & \"Jerry\" <3 >";
        QTest::newRow("alt text with &, quotes and < escaped")
            << escapedAlt
            << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                          "DefaultImage= new Image(100,30)\r\n"
                          "DefaultImage.src=\"a.gif\"\r\n"
                          "MouseOverImage= new Image(100,30)\r\n"
                          "MouseOverImage.src=\"b.gif\"\r\n"
                          "MouseDownImage= new Image(100,30)\r\n"
                          "MouseDownImage.src=\"c.gif\"\r\n"
                          "\r\n"
                          "--> </script>")
            << QByteArray("<a href=\"http://\" "
                          "onmouseover=\"document.images['Example'].src=MouseOverImage.src\" "
                          "onmouseout=\"document.images['Example'].src=DefaultImage.src\" "
                          "onmousedown=\"document.images['Example'].src=MouseDownImage.src\" "
                          "onmouseup=\"document.images['Example'].src=DefaultImage.src\" "
                          "><img src=\"a.gif\" name=\"Example\" alt=\"Tom &amp; &quot;Jerry&quot; &lt;3 &gt;\"></a>");

        ButtonSpec hash = neither;
        hash.DefaultImageSrc = "a#1.gif";
        QTest::newRow("# in a picture's name")
            << hash
            << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                          "DefaultImage= new Image(100,30)\r\n"
                          "DefaultImage.src=\"a%231.gif\"\r\n"
                          "\r\n"
                          "--> </script>")
            << QByteArray("<a href=\"http://\" ><img src=\"a%231.gif\" name=\"Example\"></a>");

        // Nothing is trimmed, escaped or checked: the texts go in as they stand.
        ButtonSpec raw = neither;
        raw.ButtonLink = " a b\"c ";
        raw.ButtonName = "";
        raw.ButtonWidth = " 1x";
        raw.DefaultImageName = "D D";
        QTest::newRow("texts as they stand")
            << raw
            << QByteArray("<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                          "D D= new Image( 1x,30)\r\n"
                          "D D.src=\"a.gif\"\r\n"
                          "\r\n"
                          "--> </script>")
            << QByteArray("<a href=\" a b\"c \" ><img src=\"a.gif\" name=\"\"></a>");
    }

    void generate()
    {
        QFETCH(ButtonSpec, fields);
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, body);
        const ButtonCode code = GenerateButtonCode(fields);
        QCOMPARE(bytes(code.head), head);
        QCOMPARE(bytes(code.body), body);
        // The editor's hint says so exactly when the code gives the pictures no size.
        QCOMPARE(!ButtonSizeHint(fields.ButtonWidth, fields.ButtonHeight).empty(), head.contains("Image()"));
    }

    void headLineCounts_data()
    {
        QTest::addColumn<QByteArray>("over");
        QTest::addColumn<QByteArray>("down");
        QTest::addColumn<int>("lines");
        QTest::newRow("both") << QByteArray("b.gif") << QByteArray("c.gif") << 9;
        QTest::newRow("over") << QByteArray("b.gif") << QByteArray() << 7;
        QTest::newRow("down") << QByteArray() << QByteArray("c.gif") << 7;
        QTest::newRow("blank down") << QByteArray() << QByteArray(" ") << 7;
        QTest::newRow("none") << QByteArray() << QByteArray() << 5;
    }

    void headLineCounts()
    {
        QFETCH(QByteArray, over);
        QFETCH(QByteArray, down);
        QFETCH(int, lines);
        ButtonSpec fields = sample();
        fields.MouseOverImageSrc = over.toStdString();
        fields.MouseDownImageSrc = down.toStdString();
        const ButtonCode code = GenerateButtonCode(fields);
        QCOMPARE(bytes(code.head).split('\n').size(), lines);
        QCOMPARE(bytes(code.head).count("\r\n"), lines - 1);
        QVERIFY(!code.head.ends_with("\r\n"));
        QVERIFY(!code.body.ends_with("\r\n"));
        QVERIFY(code.body.find('\n') == std::string::npos);
    }

    void sameInputSameText()
    {
        const ButtonSpec fields = sample();
        const ButtonCode first = GenerateButtonCode(fields);
        const ButtonCode second = GenerateButtonCode(fields);
        QCOMPARE(bytes(first.head), bytes(second.head));
        QCOMPARE(bytes(first.body), bytes(second.body));
    }

    void pageWithBothPictures()
    {
        const ButtonCode code = GenerateButtonCode(sample());
        const QByteArray page = bytes(ButtonPage(code.head, code.body));
        QCOMPARE(page, QByteArray("<html>\r\n"
                                  "<head> <title> Quillarc 2: Button Page </title>\r\n"
                                  "<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--\r\n"
                                  "DefaultImage= new Image(100,30)\r\n"
                                  "DefaultImage.src=\"a.gif\"\r\n"
                                  "MouseOverImage= new Image(100,30)\r\n"
                                  "MouseOverImage.src=\"b.gif\"\r\n"
                                  "MouseDownImage= new Image(100,30)\r\n"
                                  "MouseDownImage.src=\"c.gif\"\r\n"
                                  "\r\n"
                                  "--> </script>\r\n"
                                  "</head> <body> \r\n"
                                  "<a href=\"http://\" "
                                  "onmouseover=\"document.images['Example'].src=MouseOverImage.src\" "
                                  "onmouseout=\"document.images['Example'].src=DefaultImage.src\" "
                                  "onmousedown=\"document.images['Example'].src=MouseDownImage.src\" "
                                  "onmouseup=\"document.images['Example'].src=DefaultImage.src\" "
                                  "><img src=\"a.gif\" name=\"Example\"></a>\r\n"
                                  "</body> </html>\r\n"));
    }

    void modernCode_data()
    {
        QTest::addColumn<ButtonSpec>("fields");
        QTest::addColumn<QByteArray>("body");

        ButtonSpec three = sample();
        three.AltText = "Go";
        QTest::newRow("all three pictures") << three
                                            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                                                          "<img class=\"q2-down\" src=\"c.gif\" alt=\"Go\" "
                                                          "width=\"100\" height=\"30\">"
                                                          "<img class=\"q2-over\" src=\"b.gif\" alt=\"Go\" "
                                                          "width=\"100\" height=\"30\">"
                                                          "<img src=\"a.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                                                          "</a>");

        ButtonSpec overOnly = three;
        overOnly.MouseDownImageSrc.clear();
        QTest::newRow("only an over picture")
            << overOnly
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-over\" src=\"b.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "<img src=\"a.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "</a>");

        ButtonSpec downOnly = three;
        downOnly.MouseOverImageSrc.clear();
        QTest::newRow("only a down picture")
            << downOnly
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-down\" src=\"c.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "<img src=\"a.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "</a>");

        ButtonSpec neither = three;
        neither.MouseOverImageSrc.clear();
        neither.MouseDownImageSrc.clear();
        QTest::newRow("no over and no down picture")
            << neither
            << QByteArray(
                   "<a class=\"q2-link\" href=\"#\"><img src=\"a.gif\" alt=\"Go\" width=\"100\" height=\"30\"></a>");

        ButtonSpec blankOver = neither;
        blankOver.MouseOverImageSrc = " ";
        QTest::newRow("over source of one blank counts as given")
            << blankOver
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-over\" src=\"\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "<img src=\"a.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "</a>");

        ButtonSpec noAlt = three;
        noAlt.AltText.clear();
        QTest::newRow("no alt text, no alt attribute")
            << noAlt
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-down\" src=\"c.gif\" width=\"100\" height=\"30\">"
                          "<img class=\"q2-over\" src=\"b.gif\" width=\"100\" height=\"30\">"
                          "<img src=\"a.gif\" width=\"100\" height=\"30\">"
                          "</a>");

        ButtonSpec link = neither;
        link.ButtonLink = "shop.html?item=1&copy=2&say=\"hi\"";
        QTest::newRow("link with & and quotes")
            << link
            << QByteArray("<a class=\"q2-link\" href=\"shop.html?item=1&amp;copy=2&amp;say=%22hi%22\">"
                          "<img src=\"a.gif\" alt=\"Go\" width=\"100\" height=\"30\"></a>");

        ButtonSpec alt = neither;
        alt.AltText = "Tom & \"Jerry\" <3 >";
        QTest::newRow("alt text with &, quotes and <")
            << alt
            << QByteArray(
                   "<a class=\"q2-link\" href=\"#\"><img src=\"a.gif\" alt=\"Tom &amp; &quot;Jerry&quot; &lt;3 &gt;\" "
                   "width=\"100\" height=\"30\"></a>");

        ButtonSpec names = three;
        names.DefaultImageSrc = "b%20down&up.bmp";
        names.MouseOverImageSrc = "say\"hi\".png";
        names.MouseDownImageSrc = "<1>.gif";
        names.DefaultImageSrc2x = "b%20down&up@2x.bmp";
        names.MouseOverImageSrc2x = "say\"hi\"@2x.png";
        names.MouseDownImageSrc2x = "<1>@2x.gif";
        QTest::newRow("names that need encoding, with pictures of twice the density")
            << names
            << QByteArray(
                   "<a class=\"q2-link\" href=\"#\">"
                   "<img class=\"q2-down\" src=\"%3C1%3E.gif\" srcset=\"%3C1%3E@2x.gif 2x\" alt=\"Go\" "
                   "width=\"100\" height=\"30\"><img class=\"q2-over\" src=\"say%22hi%22.png\" "
                   "srcset=\"say%22hi%22@2x.png 2x\" alt=\"Go\" width=\"100\" height=\"30\">"
                   "<img src=\"b%20down&amp;up.bmp\" srcset=\"b%20down&amp;up@2x.bmp 2x\" alt=\"Go\" width=\"100\" "
                   "height=\"30\">"
                   "</a>");

        ButtonSpec blankSize = neither;
        blankSize.ButtonWidth = " 48";
        blankSize.ButtonHeight = "48 ";
        QTest::newRow("blanks around the size dropped")
            << blankSize
            << QByteArray(
                   "<a class=\"q2-link\" href=\"#\"><img src=\"a.gif\" alt=\"Go\" width=\"48\" height=\"48\"></a>");

        ButtonSpec noSize = neither;
        noSize.ButtonWidth.clear();
        noSize.ButtonHeight.clear();
        QTest::newRow("empty width and height")
            << noSize << QByteArray("<a class=\"q2-link\" href=\"#\"><img src=\"a.gif\" alt=\"Go\"></a>");

        ButtonSpec oddSize = neither;
        oddSize.ButtonWidth = "48px";
        oddSize.ButtonHeight = "30";
        QTest::newRow("width not a whole number, height kept")
            << oddSize
            << QByteArray("<a class=\"q2-link\" href=\"#\"><img src=\"a.gif\" alt=\"Go\" height=\"30\"></a>");

        ButtonSpec oddHeight = neither;
        oddHeight.ButtonHeight = "1.5";
        QTest::newRow("height not a whole number, width kept")
            << oddHeight
            << QByteArray("<a class=\"q2-link\" href=\"#\"><img src=\"a.gif\" alt=\"Go\" width=\"100\"></a>");

        // The script names and the button's name have no part in the modern code.
        ButtonSpec unused = three;
        unused.ButtonName.clear();
        unused.DefaultImageName = "D D";
        unused.MouseOverImageName.clear();
        unused.MouseDownImageName = "'";
        QTest::newRow("names the modern code does not use")
            << unused
            << QByteArray("<a class=\"q2-link\" href=\"#\">"
                          "<img class=\"q2-down\" src=\"c.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "<img class=\"q2-over\" src=\"b.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "<img src=\"a.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                          "</a>");
    }

    void modernCode()
    {
        QFETCH(ButtonSpec, fields);
        QFETCH(QByteArray, body);
        const ButtonCode code = GenerateModernButtonCode(fields);
        // The head is the same for every button.
        QCOMPARE(
            bytes(code.head),
            QByteArray("<style>\r\n"
                       ".q2-over,.q2-down{display:none}\r\n"
                       ".q2-link{display:inline-block;line-height:0}.q2-link>img{max-width:100%;height:auto}\r\n"
                       "@media (hover:hover){a:hover>.q2-over{display:inline}a:hover>.q2-over~img{display:none}}\r\n"
                       "a:focus-visible>.q2-over{display:inline}a:focus-visible>.q2-over~img{display:none}\r\n"
                       "a:active>.q2-down{display:inline}a:active>.q2-down~img{display:none}\r\n"
                       "</style>"));
        QCOMPARE(bytes(code.body), body);
    }

    void modernPictureOfEachState_data()
    {
        QTest::addColumn<bool>("over");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<ButtonPicture>("shown");
        using enum ButtonPicture;
        QTest::newRow("at rest") << true << true << false << false << false << Default;
        QTest::newRow("hovered") << true << true << true << false << false << MouseOver;
        QTest::newRow("focused") << true << true << false << true << false << MouseOver;
        QTest::newRow("pressed while hovered") << true << true << true << false << true << MouseDown;
        QTest::newRow("pressed, pointer moved off") << true << true << false << false << true << MouseDown;
        QTest::newRow("pressed while focused") << true << true << false << true << true << MouseDown;
        QTest::newRow("only over: hovered") << true << false << true << false << false << MouseOver;
        QTest::newRow("only over: pressed while hovered") << true << false << true << false << true << MouseOver;
        QTest::newRow("only over: pressed, pointer moved off") << true << false << false << false << true << Default;
        QTest::newRow("only down: hovered") << false << true << true << false << false << Default;
        QTest::newRow("only down: focused") << false << true << false << true << false << Default;
        QTest::newRow("only down: pressed") << false << true << true << false << true << MouseDown;
        QTest::newRow("neither: hovered and pressed") << false << false << true << true << true << Default;
    }
    void modernPictureOfEachState()
    {
        QFETCH(bool, over);
        QFETCH(bool, down);
        QFETCH(bool, hovered);
        QFETCH(bool, focused);
        QFETCH(bool, pressed);
        QFETCH(ButtonPicture, shown);
        ButtonSpec fields = sample();
        if (!over)
            fields.MouseOverImageSrc.clear();
        if (!down)
            fields.MouseDownImageSrc.clear();
        QCOMPARE(ModernButtonPicture(fields, hovered, focused, pressed), shown);
    }

    void modernPageWithThreePictures()
    {
        ButtonSpec fields = sample();
        fields.AltText = "Go";
        const ButtonCode code = GenerateModernButtonCode(fields);
        QCOMPARE(
            bytes(ModernButtonPage(code.head, code.body)),
            QByteArray("<!DOCTYPE html>\r\n"
                       "<html lang=\"en\">\r\n"
                       "<head>\r\n"
                       "<meta charset=\"utf-8\">\r\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
                       "<title> Quillarc 2: Button Page </title>\r\n"
                       "<style>\r\n"
                       ".q2-over,.q2-down{display:none}\r\n"
                       ".q2-link{display:inline-block;line-height:0}.q2-link>img{max-width:100%;height:auto}\r\n"
                       "@media (hover:hover){a:hover>.q2-over{display:inline}a:hover>.q2-over~img{display:none}}\r\n"
                       "a:focus-visible>.q2-over{display:inline}a:focus-visible>.q2-over~img{display:none}\r\n"
                       "a:active>.q2-down{display:inline}a:active>.q2-down~img{display:none}\r\n"
                       "</style>\r\n"
                       "</head>\r\n"
                       "<body>\r\n"
                       "<a class=\"q2-link\" href=\"#\">"
                       "<img class=\"q2-down\" src=\"c.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                       "<img class=\"q2-over\" src=\"b.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                       "<img src=\"a.gif\" alt=\"Go\" width=\"100\" height=\"30\">"
                       "</a>\r\n"
                       "</body>\r\n"
                       "</html>\r\n"));
    }

    void modernPageOfEmptyCodes()
    {
        QCOMPARE(bytes(ModernButtonPage("", "")),
                 QByteArray("<!DOCTYPE html>\r\n"
                            "<html lang=\"en\">\r\n"
                            "<head>\r\n"
                            "<meta charset=\"utf-8\">\r\n"
                            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
                            "<title> Quillarc 2: Button Page </title>\r\n"
                            "\r\n"
                            "</head>\r\n"
                            "<body>\r\n"
                            "\r\n"
                            "</body>\r\n"
                            "</html>\r\n"));
    }

    void pageOfEmptyCodes()
    {
        QCOMPARE(bytes(ButtonPage("", "")), QByteArray("<html>\r\n"
                                                       "<head> <title> Quillarc 2: Button Page </title>\r\n"
                                                       "\r\n"
                                                       "</head> <body> \r\n"
                                                       "\r\n"
                                                       "</body> </html>\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestButtonCode)
#include "test_button_code.moc"
