// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/css_colours.h"

#include <QColor>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestCssColours final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The toolkit knows the SVG colour names, which CSS shares; transparent is no colour to the
    // reader, and CSS has one name more.
    void everyToolkitColourNameReadsTheSame()
    {
        for (const QString &name : QColor::colorNames()) {
            if (name == u"transparent"_s)
                continue;
            const QColor expected(name);
            const std::optional<Rgb> read = ReadCssColour(name.toStdString(), true);
            QVERIFY2(read, qPrintable(name));
            QCOMPARE((QColor(read->red, read->green, read->blue)), expected);
        }
        QCOMPARE(ReadCssColour("RebeccaPurple", true), (Rgb{102, 51, 153}));
        QVERIFY(!ReadCssColour("transparent", true));
    }

    void hints_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("background");
        QTest::addColumn<bool>("standardsPage");
        QTest::addColumn<QStringList>("hints");
        const QString white =
            u"The text colour's contrast with the white page is only %1:1; text needs 4.5:1 to read well."_s;
        const QString onBackground =
            u"The text colour's contrast with the background colour is only %1:1; text needs 4.5:1 to read well."_s;
        const QString notAColour =
            u"\u201C%1\u201D is not a colour name or a #rrggbb colour that every browser knows."_s;
        QTest::newRow("nothing answered") << QByteArray() << QByteArray() << true << QStringList();
        QTest::newRow("black on a transparent background: the white page shows through")
            << QByteArray("black") << QByteArray("transparent") << true << QStringList();
        QTest::newRow("red on white") << QByteArray("red") << QByteArray() << true << QStringList{white.arg(u"4.00"_s)};
        QTest::newRow("navy on black") << QByteArray(" navy ") << QByteArray("#000") << true
                                       << QStringList{onBackground.arg(u"1.31"_s)};
        QTest::newRow("nine digits are no CSS colour")
            << QByteArray("#123456789") << QByteArray() << true << QStringList{notAColour.arg(u"#123456789"_s)};
        QTest::newRow("a hashless colour on the classic page")
            << QByteArray("000") << QByteArray() << false << QStringList();
        QTest::newRow("a hashless colour on a standards page")
            << QByteArray("000") << QByteArray("fff") << true
            << QStringList{notAColour.arg(u"000"_s), notAColour.arg(u"fff"_s)};
        QTest::newRow("transparent text") << QByteArray("transparent") << QByteArray("white") << true
                                          << QStringList{u"A transparent text colour hides the link's text."_s};
    }
    void hints()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, background);
        QFETCH(bool, standardsPage);
        QFETCH(QStringList, hints);
        // Each answer that is no colour, then how the colours read.
        QStringList given;
        for (const QByteArray &answer : {text, background})
            if (const std::optional<std::string> hint = NotAColourHint(answer.toStdString(), standardsPage))
                given << QString::fromStdString(*hint);
        for (const std::string &hint : ColourHints(text.toStdString(), background.toStdString(), standardsPage))
            given << QString::fromStdString(hint);
        QCOMPARE(given, hints);
    }
};

QTEST_APPLESS_MAIN(TestCssColours)
#include "test_css_colours.moc"
