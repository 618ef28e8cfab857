// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_titles.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestWindowTitles final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listed_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("all different") << QStringList{u"Quick Start"_s, u"Button Editor"_s}
                                       << QStringList{u"Quick Start"_s, u"Button Editor"_s};
        QTest::newRow("two of a kind, another between")
            << QStringList{u"Button Editor"_s, u"Quick Start"_s, u"Button Editor"_s, u"Button Editor"_s}
            << QStringList{u"Button Editor"_s, u"Quick Start"_s, u"Button Editor 2"_s, u"Button Editor 3"_s};
    }
    void listed()
    {
        QFETCH(QStringList, titles);
        QFETCH(QStringList, listed);
        std::vector<std::string> given;
        for (const QString &title : titles)
            given.push_back(title.toStdString());
        QStringList got;
        for (const std::string &title : ListedTitles(given))
            got << QString::fromStdString(title);
        QCOMPARE(got, listed);
    }
};

QTEST_APPLESS_MAIN(TestWindowTitles)
#include "test_window_titles.moc"
