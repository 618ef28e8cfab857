// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/preview_rules.h"
#include "button/random_names.h"

#include <QtTest>

#include <cmath>

// The random names and the preview's four rules, without a window.

using namespace Qt::StringLiterals;

class TestButtonRules final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void digit_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<char>("digit");
        QTest::newRow("zero") << 0.0f << '1';
        QTest::newRow("just below 1/9") << 0.111f << '1';
        QTest::newRow("1/9") << 0.1112f << '2';
        QTest::newRow("half") << 0.5f << '5';
        QTest::newRow("8/9") << 0.8889f << '9';
        QTest::newRow("largest draw") << std::nextafter(1.0f, 0.0f) << '9';
    }
    void digit()
    {
        QFETCH(float, r);
        QFETCH(char, digit);
        QCOMPARE(button::RandomDigit(r), digit);
    }

    void everyDrawGivesOneToNine()
    {
        for (int i = 0; i < (1 << 24); i += 997) {
            const char d = button::RandomDigit(static_cast<float>(i) * 0x1p-24f);
            QVERIFY2(d >= '1' && d <= '9', qPrintable(QString::number(i)));
        }
    }

    void names()
    {
        QCOMPARE(QByteArray::fromStdString(button::RandomName("Image", {0.3f, 0.0f, 0.99f, 0.5f, 0.12f})),
                 QByteArray("Image31952"));
        QCOMPARE(QByteArray::fromStdString(button::RandomName("Button", {0.7f, 0.1f, 0.9f, 0.6f, 0.5f})),
                 QByteArray("Button71965"));
    }

    void over_data()
    {
        QTest::addColumn<bool>("off");
        QTest::addColumn<QString>("overfile");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("takes over") << false << u"b.gif"_s << u"/p/a.gif"_s << true << u"b.gif"_s;
        QTest::newRow("switched off") << true << u"b.gif"_s << u"/p/a.gif"_s << false << u"/p/a.gif"_s;
        QTest::newRow("already shown") << false << u"b.gif"_s << u"b.gif"_s << false << u"b.gif"_s;
        QTest::newRow("case counts") << false << u"b.gif"_s << u"B.gif"_s << true << u"b.gif"_s;
        QTest::newRow("none chosen") << false << QString() << u"/p/a.gif"_s << false << u"/p/a.gif"_s;
        QTest::newRow("from nothing") << false << u"b.gif"_s << QString() << true << u"b.gif"_s;
    }
    void over()
    {
        QFETCH(bool, off);
        QFETCH(QString, overfile);
        QFETCH(QString, shown);
        QFETCH(bool, loads);
        QFETCH(QString, shownAfter);
        std::string shownpic = shown.toStdString();
        const auto path = button::PreviewOver(off, overfile.toStdString(), "/q/b.gif", shownpic);
        QCOMPARE(path.has_value(), loads);
        if (loads)
            QCOMPARE(QString::fromStdString(*path), u"/q/b.gif"_s);
        QCOMPARE(QString::fromStdString(shownpic), shownAfter);
    }

    void downAndUp()
    {
        std::string shownpic = "b.gif";
        // The mouse-down picture under the same file name as the mouse-over one is "shown".
        QVERIFY(!button::PreviewDown("b.gif", "/other/b.gif", shownpic));
        QVERIFY(!button::PreviewDown("", "", shownpic));
        const auto down = button::PreviewDown("c.gif", "/q/c.gif", shownpic);
        QVERIFY(down);
        QCOMPARE(*down, std::string("/q/c.gif"));
        QCOMPARE(shownpic, std::string("c.gif"));
        const auto up = button::PreviewUpStillOver(false, "", "", "/p/a.gif", shownpic);
        QVERIFY(up);
        QCOMPARE(*up, std::string("/p/a.gif"));
        QCOMPARE(shownpic, std::string("/p/a.gif"));
        QVERIFY(!button::PreviewUpStillOver(false, "", "", "/p/a.gif", shownpic)); // already the default
        std::string none = "c.gif";
        QVERIFY(!button::PreviewUpStillOver(false, "", "", "", none));
        QCOMPARE(none, std::string("c.gif"));
    }

    void frameMove_data()
    {
        QTest::addColumn<bool>("inside"); // inside the default picture's area
        QTest::addColumn<QString>("overfile");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("loads"); // the default again
        QTest::newRow("over shown, inside: stays") << true << u"b.gif"_s << u"b.gif"_s << false;
        QTest::newRow("over shown, outside: restores") << false << u"b.gif"_s << u"b.gif"_s << true;
        QTest::newRow("down shown, inside: restores") << true << u"b.gif"_s << u"c.gif"_s << true;
        QTest::newRow("default shown, inside: restores") << true << u"b.gif"_s << u"/p/a.gif"_s << true;
        QTest::newRow("no over, inside: restores") << true << QString() << QString() << true;
    }
    void frameMove()
    {
        QFETCH(bool, inside);
        QFETCH(QString, overfile);
        QFETCH(QString, shown);
        QFETCH(bool, loads);
        std::string shownpic = shown.toStdString();
        const auto path = button::PreviewFrameMove(inside, overfile.toStdString(), "/p/a.gif", shownpic);
        QCOMPARE(path.has_value(), loads);
        QCOMPARE(QString::fromStdString(shownpic), loads ? u"/p/a.gif"_s : shown);
    }

    void restoreEveryTime()
    {
        std::string shownpic = "/p/a.gif";
        for (int i = 0; i < 3; ++i) {
            const auto path = button::PreviewRestore("/p/a.gif", shownpic);
            QVERIFY(path);
            QCOMPARE(*path, std::string("/p/a.gif"));
        }
        shownpic = "b.gif";
        QVERIFY(!button::PreviewRestore("", shownpic));
        QCOMPARE(shownpic, std::string("b.gif"));
        QVERIFY(button::PreviewRestore("/p/a.gif", shownpic));
        QCOMPARE(shownpic, std::string("/p/a.gif"));
    }
};

QTEST_APPLESS_MAIN(TestButtonRules)
#include "test_button_rules.moc"
