// SPDX-License-Identifier: GPL-3.0-or-later
// Declares QPixmapCache::totalUsed(), which the toolkit exports for its own tests.
#define Q_TEST_QPIXMAPCACHE

#include "button/button_editor.h"
#include "linkfx/link_effects_window.h"
#include "rollover/code_window.h"
#include "rollover/properties_window.h"
#include "tests/support/window_test.h"
#include "ui/look.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPixmapCache>
#include <QtTest>

using namespace Qt::StringLiterals;

// Opening and closing wizard windows again and again leaves nothing behind: no window, no
// object in the workspace and no new entry in the toolkit's pixmap cache.

namespace {

constexpr int Cycles = 200;

// What a run leaves that can be counted.
struct Leftovers {
    qsizetype topLevelWidgets = 0;
    qsizetype workspaceObjects = 0;
    qsizetype subWindows = 0;
    int pixmapCacheKilobytes = 0;

    bool operator==(const Leftovers &) const = default;
};

QString describe(const Leftovers &counts)
{
    return u"%1 top-level widgets, %2 objects in the workspace, %3 child windows, %4 KB in the pixmap cache"_s
        .arg(counts.topLevelWidgets)
        .arg(counts.workspaceObjects)
        .arg(counts.subWindows)
        .arg(counts.pixmapCacheKilobytes);
}

} // namespace

class TestWindowChurn final : public WindowTest {
    Q_OBJECT

public:
    TestWindowChurn()
        : WindowTest({800, 600})
    {}

private Q_SLOTS:
    void openAndCloseLeavesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("tutorial");
        QTest::newRow("rollover properties") << u"Form2"_s << false;
        QTest::newRow("rollover properties, tutorial") << u"Form2"_s << true;
        QTest::newRow("rollover properties to code window") << u"Form2 to Form3"_s << false;
        QTest::newRow("rollover code") << u"Form3"_s << false;
        QTest::newRow("link effects") << u"Form5"_s << false;
        QTest::newRow("link effects, tutorial") << u"Form5"_s << true;
        QTest::newRow("button editor") << u"Form7"_s << false;
        QTest::newRow("button editor, tutorial") << u"Form7"_s << true;
    }
    void openAndCloseLeavesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(bool, tutorial);
        // The first cycles fill the toolkit's own caches (styles, fonts); from then on
        // every cycle must end where the one before ended.
        for (int i = 0; i < 3; ++i)
            cycle(kind, tutorial);
        const Leftovers before = count();
        QCOMPARE(before.subWindows, 0);
        for (int i = 0; i < Cycles; ++i) {
            cycle(kind, tutorial);
            if (QTest::currentTestFailed())
                return;
        }
        const Leftovers after = count();
        QVERIFY2(after == before, qPrintable(u"before: "_s + describe(before) + u"; after: "_s + describe(after)));
    }

    void everyWindowCarriesTheOneIcon()
    {
        const qint64 icon = ui::applicationIcon().cacheKey();
        QCOMPARE(ui::applicationIcon().cacheKey(), icon);
        for (const QString &kind : {u"Form2"_s, u"Form3"_s, u"Form5"_s, u"Form7"_s}) {
            ui::ChildWindow *window = openWindow(kind, false);
            QCOMPARE(window->windowIcon().cacheKey(), icon);
            QCOMPARE(window->subWindow()->windowIcon().cacheKey(), icon);
            window->closeWindow();
        }
    }

private:
    ui::ChildWindow *openWindow(const QString &kind, bool tutorial)
    {
        if (kind.startsWith(u"Form2"_s))
            return open<Form2>(tutorial);
        if (kind == u"Form3"_s)
            return open<Form3>(tutorial);
        if (kind == u"Form5"_s)
            return open<Form5>(tutorial);
        return open<Form7>(tutorial);
    }

    void cycle(const QString &kind, bool tutorial)
    {
        ui::ChildWindow *window = openWindow(kind, tutorial);
        if (kind == u"Form2 to Form3"_s) {
            // "See Code" opens the code window in its place and closes the properties window.
            testwindows::click(window, u"Command3"_s);
            window = workspace().findChild<Form3 *>();
            QVERIFY(window);
        }
        // The frame's title bar drawn as the user sees it, with the caption and the icon.
        // (Drawing a text box's scroll bar leaves a few bytes of the toolkit's own in the
        // cache for every new window, so the contents are not drawn here.)
        QMdiSubWindow *frame = window->subWindow();
        const int titleBar = frame->height() - frame->widget()->height();
        QVERIFY(!frame->grab(QRect(0, 0, frame->width(), titleBar)).isNull());
        window->closeWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    Leftovers count() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return {QApplication::topLevelWidgets().size(), workspace().findChildren<QObject *>().size(),
                workspace().subWindowList().size(), QPixmapCache::totalUsed()};
    }
};

QTEST_MAIN(TestWindowChurn)
#include "test_window_churn.moc"
