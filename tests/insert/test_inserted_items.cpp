// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/inserted_items.h"

#include <QCryptographicHash>
#include <QtTest>

using namespace Qt::StringLiterals;

// Code inserted before, found again by its markers: listed, taken out, made anew in its place.

Q_DECLARE_METATYPE(std::string)

namespace {

std::string sha256(std::string_view bytes)
{
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

const std::string Page = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n  <title>Shop</title>\r\n</head>\r\n<body>\r\n"
                         "  <p id=\"intro\">Welcome</p>\r\n</body>\r\n</html>\r\n";

// A modern button with its caption as the one property, or a classic one.
WizardCode button(const std::string &caption, bool modern = true)
{
    WizardCode code;
    code.kind = "button";
    code.modern = modern;
    code.names = {"Example"};
    code.make = [caption, modern](const CodeSources &sources) {
        const std::string name = sources.names.empty() ? "Example" : sources.names.front();
        return MadeCode{modern ? "<style>\r\n.q2-over{display:none}\r\n</style>"
                               : "<script>\r\n" + name + " = new Image()\r\n</script>",
                        "<a href=\"#\"><img src=\"up.png\" alt=\"" + caption + "\" name=\"" + name + "\"></a>",
                        {{"AltText", caption}}};
    };
    return code;
}

std::string inserted(const std::string &page, const WizardCode &code)
{
    const PageForInsert opened(page, false);
    const Splice splice = opened.splice(code, {}, opened.places().defaultPlace(), sha256);
    if (!splice.refusal.empty())
        qFatal("%s", splice.refusal.c_str());
    return splice.page;
}

QString rows(const std::string &page)
{
    const PageForInsert opened(page, false);
    QStringList said;
    for (const InsertedItem &item : InsertedItems(opened, sha256))
        said << QString::fromStdString(item.kind + " " + item.id + " " + item.place +
                                       (item.changedByHand ? " changed" : "") +
                                       (item.sharedHead.empty() ? "" : " shares " + item.sharedHead) +
                                       (item.broken.empty() ? "" : ": " + item.broken));
    return said.join(u"; "_s);
}

} // namespace

class TestInsertedItems final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listed_data()
    {
        QTest::addColumn<std::string>("page");
        QTest::addColumn<QString>("rows");
        const std::string two = inserted(inserted(Page, button("One")), button("Two"));
        std::string changed = two;
        changed.replace(changed.find("alt=\"One\""), 9, "alt=\"Uno\"");
        std::string noEnd = two;
        noEnd.erase(noEnd.find("<!-- quillarc end q2 body -->"), 29);
        std::string noBegin = two;
        noBegin.erase(noBegin.find("<!-- quillarc begin button q1 body"),
                      noBegin.find("<a", noBegin.find("q1 body")) - noBegin.find("<!-- quillarc begin button q1 body"));
        QTest::newRow("none") << Page << QString();
        QTest::newRow("two sharing a style") << two << u"button q1 after p#intro; button q2 after p#intro shares q1"_s;
        QTest::newRow("changed by hand") << changed
                                         << u"button q1 after p#intro changed; button q2 after p#intro shares q1"_s;
        QTest::newRow("a begin with no end")
            << noEnd << u"button q1 after p#intro; button q2 after p#intro: a begin with no end"_s;
        QTest::newRow("an end with no begin")
            << noBegin
            << u"button q1 in the head; button q1 after a: an end with no begin; button q2 after a shares q1"_s;
    }
    void listed()
    {
        QFETCH(std::string, page);
        QFETCH(QString, rows);
        QCOMPARE(::rows(page), rows);
    }

    void removedGivesThePageBack()
    {
        const std::string two = inserted(inserted(Page, button("One")), button("Two"));
        const PageForInsert opened(two, false);
        const std::vector<InsertedItem> items = InsertedItems(opened, sha256);
        // The first button's style stays for the second; without both, the page is as it was.
        const std::string withoutFirst = WithoutItem(opened, items[0], items);
        QCOMPARE(::rows(withoutFirst), u"button q1 in the head; button q2 after p#intro shares q1"_s);
        const PageForInsert second(withoutFirst, false);
        const std::vector<InsertedItem> left = InsertedItems(second, sha256);
        const PageForInsert last(WithoutItem(second, left[1], left), false);
        const std::vector<InsertedItem> none = InsertedItems(last, sha256);
        QCOMPARE(WithoutItem(last, none[0], none), Page);
    }

    void replacedInPlace_data()
    {
        QTest::addColumn<bool>("modern");
        QTest::addColumn<bool>("nowModern");
        QTest::newRow("modern, a property changed") << true << true;
        QTest::newRow("classic, a property changed") << false << false;
        QTest::newRow("classic made modern") << false << true;
    }
    void replacedInPlace()
    {
        QFETCH(bool, modern);
        QFETCH(bool, nowModern);
        const std::string page = inserted(Page, button("One", modern));
        const PageForInsert opened(page, false);
        const std::vector<InsertedItem> items = InsertedItems(opened, sha256);
        const Splice replaced = ReplaceItem(opened, items[0], items, button("Two", nowModern), {}, sha256);
        QVERIFY2(replaced.refusal.empty(), replaced.refusal.c_str());
        QCOMPARE(WithoutMarkedParts(replaced.page), Page);
        QCOMPARE(::rows(replaced.page), u"button q1 after p#intro"_s);
        QVERIFY(replaced.page.find("alt=\"Two\"") != std::string::npos);
        QCOMPARE(replaced.page.find("alt=\"One\""), std::string::npos);
    }

    void aSharedStyleStaysAsItIs()
    {
        const std::string two = inserted(inserted(Page, button("One")), button("Two"));
        const PageForInsert opened(two, false);
        const std::vector<InsertedItem> items = InsertedItems(opened, sha256);
        const Splice same = ReplaceItem(opened, items[0], items, button("Uno"), {}, sha256);
        QVERIFY2(same.refusal.empty(), same.refusal.c_str());
        QCOMPARE(::rows(same.page), u"button q1 after p#intro; button q2 after p#intro shares q1"_s);
        QVERIFY(!ReplaceItem(opened, items[0], items, button("Uno", false), {}, sha256).refusal.empty());
    }
};

QTEST_APPLESS_MAIN(TestInsertedItems)
#include "test_inserted_items.moc"
