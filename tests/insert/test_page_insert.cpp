// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/markers.h"
#include "insert/page_hints.h"
#include "insert/page_insert.h"
#include "insert/picture_plan.h"

#include <QCryptographicHash>
#include <QtTest>

using namespace Qt::StringLiterals;

// Code put into pages the test writes itself: the page that comes out is the page that went in
// with only the marked parts added, the parts stand where they were meant to, and every place
// that may not take code is refused with its reason.

Q_DECLARE_METATYPE(std::string)

namespace {

std::string sha256(std::string_view bytes)
{
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// A code like the wizards': a style sheet for the head, a linked picture for the body.
WizardCode sampleCode(bool headOnly = false)
{
    WizardCode code;
    code.kind = "button";
    code.modern = true;
    code.headOnly = headOnly;
    code.make = [](const CodeSources &) {
        return MadeCode{"<style>\r\n.q2-over{display:none}\r\n</style>",
                        "<a class=\"q2-link\" href=\"#\"><img src=\"up.png\" alt=\"Caf\xC3\xA9\"></a>",
                        {{"ButtonLink", "http://example.org/a b"}}};
    };
    return code;
}

// The place that a row names as "tag" (at the end of the first such element) or "where:tag".
std::optional<Place> placeNamed(const PageForInsert &page, const std::string &named)
{
    if (named.empty())
        return page.places().defaultPlace();
    const std::size_t colon = named.find(':');
    const std::string tag = colon == std::string::npos ? named : named.substr(colon + 1);
    const std::string where = colon == std::string::npos ? "end" : named.substr(0, colon);
    const std::vector<PageElement> &elements = page.reading().elements;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].tag == tag)
            return Place{int(i), where == "before"  ? Where::Before
                                 : where == "after" ? Where::After
                                 : where == "start" ? Where::AtStart
                                                    : Where::AtEnd};
    }
    return std::nullopt;
}

} // namespace

class TestPageInsert final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyMarkedPartsAdded_data();
    void onlyMarkedPartsAdded();
    void placesRefused_data();
    void placesRefused();
    void hints_data();
    void hints();
    void picturesPlanned_data();
    void picturesPlanned();
    void namesApart_data();
    void namesApart();
    void aSecondInsertSharesTheHeadPart();
};

void TestPageInsert::onlyMarkedPartsAdded_data()
{
    QTest::addColumn<std::string>("page");
    QTest::addColumn<QString>("place");
    QTest::addColumn<std::string>("holds"); // a text the page with the code holds

    QTest::newRow("BOM") << std::string(
                                "\xEF\xBB\xBF<html><head><meta charset=\"utf-8\"></head><body><p>x</p></body></html>")
                         << QString()
                         << std::string("\xEF\xBB\xBF<html><head><meta charset=\"utf-8\"><!-- quillarc begin");
    QTest::newRow("CRLF")
        << std::string("<html>\r\n<head>\r\n  <title>t</title>\r\n  </head>\r\n<body>\r\n</body>\r\n</html>\r\n")
        << QString() << std::string("  <!-- quillarc begin button q1 head");
    QTest::newRow("XHTML")
        << std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\">"
                       "<head><title>t</title></head><body><p>x</p></body></html>")
        << QString() << std::string("alt=\"Caf\xC3\xA9\" />");
    QTest::newRow("no tags") << std::string("<p>Hello</p>\n<p>World</p>\n") << QString()
                             << std::string("<p>World</p>\n<!-- quillarc begin button q1 body");
    QTest::newRow("</head> in a comment")
        << std::string("<html><head><!-- </head> --><title>t</title>\n</head><body></body></html>") << QString()
        << std::string("<title>t</title>\n<!-- quillarc begin");
    QTest::newRow("</head> in a script string")
        << std::string("<head><script>var s = \"</head>\";</script>\n</head><body></body>") << QString()
        << std::string("</script>\n<!-- quillarc begin");
    QTest::newRow("upper case") << std::string("<HTML><HEAD><TITLE>t</TITLE></HEAD >\n<BODY></BODY></HTML>")
                                << QString() << std::string("</TITLE><!-- quillarc begin");
    QTest::newRow("Latin-1")
        << std::string("<html><head><meta charset=\"iso-8859-1\"></head><body><p>Caf\xE9</p></body></html>")
        << u"after:p"_s << std::string("</p><!-- quillarc begin button q1 body version=1");
    QTest::newRow("Latin-1 reference") << std::string("<html><head></head><body><p>Caf\xE9</p></body></html>")
                                       << QString() << std::string("alt=\"Caf&#233;\"");
    QTest::newRow("CSP meta tag")
        << std::string("<head><meta http-equiv=\"Content-Security-Policy\" content=\"style-src 'self'\">"
                       "</head><body></body>")
        << QString() << std::string("-->");
    QTest::newRow("base") << std::string("<head><base href=\"/static/\"></head><body><div></div></body>")
                          << u"start:div"_s << std::string("<div><!-- quillarc begin");
    QTest::newRow("template syntax") << std::string("<body><?php echo $x; ?><p>{{ name }}</p>\n</body>") << QString()
                                     << std::string("</p>\n<!-- quillarc begin");
    QTest::newRow("an item before")
        << std::string("<head></head><body><!-- quillarc begin button q1 body version=1 sha256=0 -->"
                       "<a></a><!-- quillarc end q1 body --></body>")
        << QString() << std::string("button q2 body");
    QTest::newRow("text closes the head early")
        << std::string("<head><title>t</title>__CSS__\n</head><body><p>x</p></body>") << QString()
        << std::string("</title><!-- quillarc begin");
}

void TestPageInsert::onlyMarkedPartsAdded()
{
    QFETCH(std::string, page);
    QFETCH(QString, place);
    QFETCH(std::string, holds);
    const PageForInsert opened(page, false);
    const Splice splice = opened.splice(sampleCode(), {}, placeNamed(opened, place.toStdString()), sha256);
    QVERIFY2(splice.refusal.empty(), splice.refusal.c_str());
    QCOMPARE(WithoutMarkedParts(splice.page), WithoutMarkedParts(page));
    QVERIFY2(splice.page.find(holds) != std::string::npos, splice.page.c_str());
    const std::vector<MarkedPart> parts = MarkedParts(ScanMarkers(splice.page));
    QCOMPARE(parts.size(), std::size_t(ScanMarkers(page).size() / 2 + 2));
    const MarkedPart &body = parts.back();
    const std::string_view between(splice.page.data() + body.between.first, body.between.second - body.between.first);
    QCOMPARE(body.begin.fields.hash, sha256(between));
    QCOMPARE(QString::fromStdString(body.begin.fields.properties.front().second), u"http://example.org/a b"_s);
}

void TestPageInsert::placesRefused_data()
{
    QTest::addColumn<std::string>("page");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("why"); // a part of the reason

    const std::string head = "<!DOCTYPE html><html><head><title>t</title></head><body>";
    QTest::newRow("inside a link") << head + "<a href=\"x\"><span>in</span></a></body></html>" << u"span"_s
                                   << u"link"_s;
    QTest::newRow("inside a button") << head + "<button><b>b</b></button></body></html>" << u"b"_s << u"button"_s;
    QTest::newRow("inside a select") << head + "<select><option>o</option></select></body></html>" << u"select"_s
                                     << u"choices"_s;
    QTest::newRow("a table row") << head + "<table><tr><td>x</td></tr></table></body></html>" << u"tr"_s << u"cell"_s;
    QTest::newRow("before a cell") << head + "<table><tr><td>x</td></tr></table></body></html>" << u"before:td"_s
                                   << u"cell"_s;
    QTest::newRow("a list") << head + "<ul><li>x</li></ul></body></html>" << u"ul"_s << u"item"_s;
    QTest::newRow("svg") << head + "<svg><g></g></svg></body></html>" << u"g"_s << u"drawing"_s;
    QTest::newRow("math") << head + "<math><mi>x</mi></math></body></html>" << u"math"_s << u"formula"_s;
    QTest::newRow("template") << head + "<template><div></div></template></body></html>" << u"div"_s << u"template"_s;
    QTest::newRow("script") << head + "<script>var a;</script></body></html>" << u"script"_s << u"script"_s;
    QTest::newRow("style") << head + "<style>a{}</style></body></html>" << u"style"_s << u"style sheet"_s;
    QTest::newRow("the head") << head + "</body></html>" << u"title"_s << u"head"_s;
    QTest::newRow("an unclosed p at the body's end") << head + "<p>Hello</body></html>" << u"body"_s << u"<p> open"_s;
    QTest::newRow("after an unclosed p") << head + "<div><p>a<p>b</div></body></html>" << u"after:p"_s
                                         << u"never closes"_s;
    QTest::newRow("inside template syntax")
        << head + "<div>{{ x <span></span> }}</div></body></html>" << u"before:span"_s << u"template syntax"_s;
    QTest::newRow("a void element") << head + "<img src=\"x\"></body></html>" << u"img"_s << u"holds nothing"_s;
    QTest::newRow("UTF-16") << std::string("\xFF\xFE<\0h\0", 6) << QString() << u"UTF-16"_s;
    QTest::newRow("NUL bytes") << head + std::string("<p>\0</p>", 8) << QString() << u"NUL"_s;
    QTest::newRow("frameset") << std::string("<html><frameset><frame src=\"a.html\"></frameset></html>") << QString()
                              << u"frameset"_s;
}

void TestPageInsert::placesRefused()
{
    QFETCH(std::string, page);
    QFETCH(QString, place);
    QFETCH(QString, why);
    const PageForInsert opened(page, false);
    const Splice splice = opened.splice(sampleCode(), {}, placeNamed(opened, place.toStdString()), sha256);
    QVERIFY2(QString::fromStdString(splice.refusal).contains(why), splice.refusal.c_str());
}

void TestPageInsert::hints_data()
{
    QTest::addColumn<std::string>("page");
    QTest::addColumn<bool>("classic");
    QTest::addColumn<QString>("hint"); // a part of one hint; empty: no hint at all

    const auto policy = [](const std::string &content) {
        return "<head><meta http-equiv=\"Content-Security-Policy\" content=\"" + content + "\"></head><body></body>";
    };
    QTest::newRow("a policy against the style")
        << policy("style-src 'self'") << false
        << u"(style-src) blocks the inserted style sheet: add 'sha256-S' to its style-src."_s;
    QTest::newRow("a policy that allows the style's hash")
        << policy("default-src 'self'; style-src 'sha256-S'") << false << QString();
    QTest::newRow("a nonce turns unsafe-inline off")
        << policy("style-src 'unsafe-inline' 'nonce-x'") << false << u"(style-src)"_s;
    QTest::newRow("a policy against scripts") << policy("default-src 'self'; style-src 'unsafe-inline'") << true
                                              << u"(default-src) blocks inline scripts and event handlers"_s;
    QTest::newRow("handlers alone") << policy("script-src-attr 'none'; style-src *") << true << u"(script-src-attr)"_s;
    QTest::newRow("base") << std::string("<head><base href=\"/static/\"></head>") << false
                          << u"<base href=\"/static/\"> makes the pictures load from there"_s;
    QTest::newRow("template syntax") << std::string("<body><p>{% if a %}x{% endif %}</p></body>") << false
                                     << u"template syntax ({%)"_s;
    QTest::newRow("part of a page") << std::string("<div>menu</div>") << false
                                    << u"page.html looks like part of a page"_s;
    QTest::newRow("code inserted before") << std::string("<body><!-- quillarc begin rollover q7 body version=1 -->"
                                                         "<!-- quillarc end q7 body --></body>")
                                          << false << u"already holds code inserted by Quillarc (rollover q7)"_s;
    QTest::newRow("a plain page") << std::string("<!DOCTYPE html><html><head></head><body></body></html>") << true
                                  << QString();
}

void TestPageInsert::hints()
{
    QFETCH(std::string, page);
    QFETCH(bool, classic);
    QFETCH(QString, hint);
    const PageForInsert opened(page, false);
    const CodeFacts facts{"page.html", classic, "'sha256-S'", true};
    QStringList said;
    for (const std::string &one : PageHints(opened, facts))
        said << QString::fromStdString(one);
    QVERIFY2(hint.isEmpty() ? said.isEmpty() : said.join(u'\n').contains(hint), qPrintable(said.join(u'\n')));
}

void TestPageInsert::picturesPlanned_data()
{
    QTest::addColumn<QStringList>("pictures"); // full paths
    QTest::addColumn<QStringList>("there");    // names beside the page: another file's, or "=" and the picture's
    QTest::addColumn<QStringList>("planned");  // name and fate of each

    QTest::newRow("beside") << QStringList{u"/a/up.png"_s} << QStringList() << QStringList{u"up.png 2"_s};
    QTest::newRow("already there") << QStringList{u"/a/up.png"_s} << QStringList{u"=up.png"_s}
                                   << QStringList{u"up.png 1"_s};
    QTest::newRow("inside the page's folder")
        << QStringList{u"/site/img/up.png"_s} << QStringList() << QStringList{u"img/up.png 0"_s};
    QTest::newRow("a different file of its name")
        << QStringList{u"/a/up.png"_s} << QStringList{u"up.png"_s, u"up-2.png"_s} << QStringList{u"up-3.png 3"_s};
    QTest::newRow("two of one name, one twice") << QStringList{u"/a/up.png"_s, u"/b/up.png"_s, u"/a/up.png"_s}
                                                << QStringList() << QStringList{u"up.png 2"_s, u"up-2.png 3"_s};
}

void TestPageInsert::picturesPlanned()
{
    QFETCH(QStringList, pictures);
    QFETCH(QStringList, there);
    QFETCH(QStringList, planned);
    // The page stands in /site.
    const PictureFacts facts{[](const std::string &picture) {
                                 return picture.starts_with("/site/") ? std::optional(picture.substr(6)) : std::nullopt;
                             },
                             [&there](const std::string &name, const std::string &) {
                                 const QString named = QString::fromStdString(name);
                                 return there.contains(u'=' + named) ? Standing::ThePicture
                                        : there.contains(named)      ? Standing::SomethingElse
                                                                     : Standing::Nothing;
                             },
                             [](const std::string &picture) {
                                 return picture.substr(picture.rfind('/') + 1);
                             }};
    std::vector<std::string> paths;
    for (const QString &picture : pictures)
        paths.push_back(picture.toStdString());
    QStringList got;
    for (const PlannedPicture &picture : PlanPictures(paths, facts))
        got << QString::fromStdString(picture.name) + u' ' + QString::number(int(picture.fate));
    QCOMPARE(got, planned);
}

void TestPageInsert::namesApart_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("used");
    QTest::addColumn<QStringList>("apart");

    QTest::newRow("none used") << QStringList{u"Example"_s, u"Image01"_s} << QStringList{u"Other"_s}
                               << QStringList{u"Example"_s, u"Image01"_s};
    QTest::newRow("a second button's defaults")
        << QStringList{u"Example"_s, u"DefaultImage"_s} << QStringList{u"Example"_s, u"DefaultImage"_s, u"Example2"_s}
        << QStringList{u"Example3"_s, u"DefaultImage2"_s};
    QTest::newRow("one name given twice keeps one new name")
        << QStringList{u"Pic"_s, u"Pic"_s, u""_s} << QStringList{u"Pic"_s} << QStringList{u"Pic2"_s, u"Pic2"_s, u""_s};
}

void TestPageInsert::namesApart()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, used);
    QFETCH(QStringList, apart);
    std::vector<std::string> given;
    for (const QString &name : names)
        given.push_back(name.toStdString());
    std::set<std::string> taken;
    for (const QString &name : used)
        taken.insert(name.toStdString());
    QStringList got;
    for (const std::string &name : NamesApart(given, taken))
        got << QString::fromStdString(name);
    QCOMPARE(got, apart);
}

void TestPageInsert::aSecondInsertSharesTheHeadPart()
{
    const std::string page = "<!DOCTYPE html>\n<html>\n<head>\n  <title>t</title>\n</head>\n<body>\n</body>\n</html>\n";
    const Splice first = PageForInsert(page, false).splice(sampleCode(), {}, std::nullopt, sha256);
    QVERIFY2(!first.refusal.empty(), "a body part went in without a place");
    const PageForInsert once(page, false);
    const Splice inserted = once.splice(sampleCode(), {}, once.places().defaultPlace(), sha256);
    const PageForInsert twice(inserted.page, false);
    const Splice second = twice.splice(sampleCode(), {}, twice.places().defaultPlace(), sha256);
    QVERIFY2(second.refusal.empty(), second.refusal.c_str());
    QCOMPARE(second.reusedHead, "q1");
    QCOMPARE(second.head.first, second.head.second);
    QCOMPARE(ScanMarkers(second.page).size(), std::size_t(6));
    // Link effects already there are not put in twice.
    const PageForInsert effects(once.splice(sampleCode(true), {}, std::nullopt, sha256).page, false);
    QVERIFY(effects.splice(sampleCode(true), {}, std::nullopt, sha256).refusal.starts_with("The page already holds"));
}

QTEST_APPLESS_MAIN(TestPageInsert)
#include "test_page_insert.moc"
