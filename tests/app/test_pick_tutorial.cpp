// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pick_tutorial.h"

#include <QtTest>

#include <cmath>

class TestPickTutorial final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pick_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("tutorial");
        const float third = 1.0f / 3.0f;
        const float twoThirds = 2.0f / 3.0f;
        QTest::newRow("zero: link effects") << 0.0f << 1;
        QTest::newRow("just below a third") << std::nextafter(third, 0.0f) << 1;
        QTest::newRow("a third") << third << 2;
        QTest::newRow("half: rollover") << 0.5f << 2;
        QTest::newRow("just below two thirds") << std::nextafter(twoThirds, 0.0f) << 2;
        QTest::newRow("two thirds") << twoThirds << 3;
        QTest::newRow("largest below one: button") << std::nextafter(1.0f, 0.0f) << 3;
    }
    void pick()
    {
        QFETCH(float, draw);
        QFETCH(int, tutorial);
        QCOMPARE(PickTutorial(draw), tutorial);
    }

    void everySinglePrecisionDrawNearOneStaysAtThree()
    {
        float r = std::nextafter(1.0f, 0.0f);
        for (int i = 0; i < 100000; ++i, r = std::nextafter(r, 0.0f))
            QCOMPARE(PickTutorial(r), 3);
    }
};

QTEST_APPLESS_MAIN(TestPickTutorial)
#include "test_pick_tutorial.moc"
