// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/html_text.h"

#include <QtTest>

#include <map>
#include <string>

class TestHtmlText final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Text as typed into a box, and as an encoder writes it into the page.
    void encoders_data()
    {
        QTest::addColumn<QByteArray>("encoder");
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("written");
        const char *const rows[][3] = {
            {"attribute", "Tom & \"Jerry\" <3 >", "Tom &amp; &quot;Jerry&quot; &lt;3 &gt;"},
            {"attribute", " it's &amp; gr\xc3\xbcn ", " it's &amp;amp; gr\xc3\xbcn "},
            {"url", " a b.html\t", "a%20b.html"},
            {"url", " \t ", ""},
            {"url", "gr\xc3\xbcn.html", "gr%C3%BCn.html"},
            {"url", "a\tb\x7f", "a%09b%7F"},
            {"url", "\"<>`{}|^'", "%22%3C%3E%60%7B%7D%7C%5E'"},
            {"url", "50% %2 %zz %20 %3f", "50%25%20%252%20%25zz%20%20%20%3f"},
            {"url", "a.html?x=1&y=2#top#2", "a.html?x=1&amp;y=2#top%232"},
            {"url", "a\\b.html", "a/b.html"},
            {"url", "HTTP:\\\\host\\a", "HTTP://host/a"},
            {"url", "javascript:a('\\n')", "javascript:a('%5Cn')"},
            {"url", "http://[::1]:80/[x]", "http://[::1]:80/%5Bx%5D"},
            {"url", "//[::1]/[x]", "//[::1]/%5Bx%5D"},
            {"url", "[x].html", "%5Bx%5D.html"},
            {"url", "a,b.html", "a,b.html"},
            {"link", "http://", "#"},
            {"link", " https:// ", "#"},
            {"link", "http://a", "http://a"},
            {"link", "", ""},
            {"link", "#a b#c", "#a%20b%23c"},
            {"picture", "#1 a#b.png", "%231%20a%23b.png"},
            {"picture", "my%20up&copy.png?v=2", "my%20up&amp;copy.png?v=2"},
            {"picture", "a,b.png", "a,b.png"},
            {"srcset", "", ""},
            {"srcset", "up@2x.png", " srcset=\"up@2x.png 2x\""},
            {"srcset", " a,b #1&@2x.png", " srcset=\"a%2Cb%20%231&amp;@2x.png 2x\""},
            {"classic", "a#b#c.png", "a%23b%23c.png"},
            {"classic", " a b&\"<50%.png ", " a b&\"<50%.png "},
        };
        for (const auto &[encoder, typed, written] : rows)
            QTest::addRow("%s %s", encoder, typed) << QByteArray(encoder) << QByteArray(typed) << QByteArray(written);
    }
    void encoders()
    {
        QFETCH(QByteArray, encoder);
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, written);
        const std::map<QByteArray, std::string (*)(const std::string &)> encoders{
            {"attribute", HtmlAttributeText},      {"url", HtmlUrlAttributeText}, {"link", HtmlLinkAttributeText},
            {"picture", HtmlPictureAttributeText}, {"srcset", SrcsetAttribute},   {"classic", ClassicPictureText}};
        QCOMPARE(QByteArray::fromStdString(encoders.at(encoder)(typed.toStdString())), written);
    }
};

QTEST_APPLESS_MAIN(TestHtmlText)
#include "test_html_text.moc"
