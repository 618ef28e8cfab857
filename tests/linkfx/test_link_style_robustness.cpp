// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_hints.h"
#include "linkfx/link_style.h"

#include <QtTest>

#include <optional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

// Final codes pasted or typed to hurt the example link's reader: its work grows with the code's
// length alone, counted in its steps rather than timed, and what it keeps stays small.
class TestLinkStyleRobustness final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readerWorkGrowsWithTheCode_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("declarations"); // at most
        const auto repeated = [](const char *piece, int times) {
            return QByteArray(piece).repeated(times);
        };
        QTest::newRow("1 MB of comments") << "<style>" + repeated("/**/", 256 * 1024) + "</style>" << 0;
        QTest::newRow("a comment that never closes") << "<style>/*" + repeated("a{color:red}", 80000) + "</style>" << 0;
        // Each selector known is kept once: the rule's 1750 declarations once each.
        QTest::newRow("a pasted selector list")
            << "<style>" + repeated("a,", 9000) + "a{" + repeated("color:red;", 1750) + "}</style>" << 1750;
        QTest::newRow("a list of every selector known, again and again")
            << "<style>" + repeated("a,a:hover,a:focus-visible,", 3000) + "a{" + repeated("color:red;", 1000) +
                   "}</style>"
            << 3000;
        QTest::newRow("blocks that never close") << "<style>" + repeated("a{(", 300000) + "</style>" << 0;
        QTest::newRow("media rules inside media rules")
            << "<style>" + repeated("@media (hover:hover){", 40000) + "a{color:red}</style>" << 0;
        QTest::newRow("style elements that never close") << repeated("<style media='", 70000) << 0;
        QTest::newRow("end tags that are none") << "<style>" + repeated("</stylex", 120000) + "</style>" << 0;
        QTest::newRow("markup all the way") << repeated("<a<!--<script", 70000) << 0;
        QTest::newRow("many rules, each named") << "<style>" + repeated("p{x:1}", 150000) + "</style>" << 0;
        QTest::newRow("start tags with nothing between them") << repeated("<a", 32 * 1024) << 0;
    }
    void readerWorkGrowsWithTheCode()
    {
        QFETCH(QByteArray, code);
        QFETCH(int, declarations);
        const LinkStyle style = ReadLinkStyle(code.toStdString(), true);
        // Every character looked at counts: lowered, cut into pieces, and passed over a few times.
        QVERIFY2(style.steps <= 8 * std::size_t(code.size()),
                 qPrintable(u"%1 steps for %2 bytes"_qs.arg(style.steps).arg(code.size())));
        QVERIFY(style.declarations.size() <= std::size_t(declarations));
        // The hint on what is not read stays short, however much that is.
        QVERIFY(NotPreviewedHint(style).size() <= 700);
    }

    // An answer that leaves a block open takes the rest of the style sheet into its value.
    void answersLeavingABlockOpenStayOut_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("opening"); // empty: each closed, and the answer kept
        QTest::newRow("a typo in rgb(") << u"rgb(255,0,0"_s << u"("_s;
        QTest::newRow("a [ closed by a )") << u"red[)"_s << u"["_s;
        QTest::newRow("an address") << u"URL(x.png"_s << u"url("_s;
        QTest::newRow("an address holding a (") << u"url(a(b)"_s << QString();
    }
    void answersLeavingABlockOpenStayOut()
    {
        QFETCH(QString, answer);
        QFETCH(QString, opening);
        const std::string value = answer.toStdString();
        const std::optional<ChosenEffect> upper = ChosenEffect{LinkEffect::Uppercase, {}};
        const std::string code = ModernFinalCode({ChosenEffect{LinkEffect::ForeColor, value}, upper});
        QCOMPARE(code == ModernFinalCode({upper}), !opening.isEmpty());
        const std::vector<std::string> hints = AnswerHints(LinkEffect::ForeColor, value, true);
        const QString unclosed = u"“%1” leaves a %2 unclosed, which carries the rule on past its end: the effects "
                                 "after it would be lost. The modern code leaves it out."_s.arg(answer, opening);
        QCOMPARE(!hints.empty() && QString::fromStdString(hints[0]) == unclosed, !opening.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestLinkStyleRobustness)
#include "test_link_style_robustness.moc"
