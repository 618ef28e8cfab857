// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/window_test.h"
#include "ui/child_window.h"
#include "ui/look.h"
#include "ui/single_window.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A child window that records its handlers.
class Probe final : public ui::ChildWindow {
public:
    explicit Probe(ui::Workspace &workspace, QStringList *log, bool closeOnLoad = false)
        : ChildWindow(workspace, u"Probe"_s, u"Probe"_s, {3000, 1500})
        , m_log(log)
        , m_closeOnLoad(closeOnLoad)
    {}
    bool flag = false;

protected:
    void Form_Load() override
    {
        m_log->append(flag ? u"load flag"_s : u"load"_s);
        if (m_closeOnLoad)
            closeWindow();
    }
    void Form_QueryUnload(bool &) override { m_log->append(u"queryunload"_s); }
    void Form_Unload(bool &) override { m_log->append(u"unload"_s); }

private:
    QStringList *m_log;
    bool m_closeOnLoad;
};

} // namespace

class TestChildWindow final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        m_log.clear();
    }

    void flagsDoNotLoad_positionLoads_data()
    {
        QTest::addColumn<QString>("access");
        QTest::newRow("left") << u"left"_s;
        QTest::newRow("top") << u"top"_s;
        QTest::newRow("setLeft") << u"setLeft"_s;
        QTest::newRow("setTop") << u"setTop"_s;
        QTest::newRow("show") << u"show"_s;
    }
    void flagsDoNotLoad_positionLoads()
    {
        QFETCH(QString, access);
        auto *probe = new Probe(workspace(), &m_log);
        probe->flag = true;
        QVERIFY(!probe->isLoaded());
        QVERIFY(m_log.isEmpty());
        if (access == u"left")
            probe->left();
        else if (access == u"top")
            probe->top();
        else if (access == u"setLeft")
            probe->setLeft(150);
        else if (access == u"setTop")
            probe->setTop(150);
        else
            probe->showWindow();
        QCOMPARE(m_log, QStringList{u"load flag"_s});
        probe->showWindow();
        QCOMPARE(m_log.size(), 1); // loads once
        delete probe->subWindow();
    }

    void positionsAreTwipsFromTheWorkspaceCorner()
    {
        auto *probe = new Probe(workspace(), &m_log);
        probe->setLeft(2700);
        probe->setTop(0);
        probe->showWindow();
        QCOMPARE(probe->subWindow()->pos(), QPoint(180, 0));
        QCOMPARE(probe->left(), 2700);
        QCOMPARE(probe->top(), 0);
        QCOMPARE(probe->size(), QSize(200, 100));
        QCOMPARE(workspace().activeSubWindow(), probe->subWindow());
    }

    // A window shown beyond the visible part of the workspace scrolls into view: its top left
    // corner always, and as much of the rest as fits. It keeps its position in the workspace.
    void aWindowShownOutOfSightScrollsIntoView_data()
    {
        QTest::addColumn<QPoint>("position"); // twips
        QTest::addColumn<QSize>("size");      // pixels, the probe's client area
        QTest::newRow("below") << QPoint(1500, 9000) << QSize(200, 100);
        QTest::newRow("to the right") << QPoint(13500, 600) << QSize(200, 100);
        QTest::newRow("partly below") << QPoint(0, 6600) << QSize(300, 200);
        QTest::newRow("taller than the area") << QPoint(600, 3000) << QSize(300, 700);
        QTest::newRow("wider than the area, below and right") << QPoint(3000, 9000) << QSize(900, 100);
    }
    void aWindowShownOutOfSightScrollsIntoView()
    {
        QFETCH(QPoint, position);
        QFETCH(QSize, size);
        auto *probe = new Probe(workspace(), &m_log);
        probe->setFixedSize(size);
        probe->setLeft(position.x());
        probe->setTop(position.y());
        probe->showWindow();
        QCoreApplication::processEvents(); // the scroll bars take their room
        const QRect visible = workspace().viewport()->rect();
        const QRect frame = probe->subWindow()->geometry();
        QVERIFY2(visible.contains(frame.topLeft()),
                 qPrintable(u"top left corner at %1,%2"_s.arg(frame.x()).arg(frame.y())));
        if (frame.width() <= visible.width())
            QVERIFY(frame.left() >= 0 && frame.right() <= visible.right());
        else
            QCOMPARE(frame.left(), 0);
        if (frame.height() <= visible.height())
            QVERIFY(frame.top() >= 0 && frame.bottom() <= visible.bottom());
        else
            QCOMPARE(frame.top(), 0);
        QCOMPARE(probe->left(), position.x());
        QCOMPARE(probe->top(), position.y());

        // A second window placed by position after the scroll stands where it is told.
        auto *second = new Probe(workspace(), &m_log);
        second->setLeft(0);
        second->setTop(0);
        second->showWindow();
        QCOMPARE(second->left(), 0);
        QCOMPARE(second->top(), 0);
        QCOMPARE(probe->left(), position.x());
        QCOMPARE(probe->top(), position.y());
        QCOMPARE(second->subWindow()->pos(), QPoint(0, 0)); // shown: scrolled back to the corner
    }

    void showingAnOpenWindowActivatesIt()
    {
        auto *first = new Probe(workspace(), &m_log);
        auto *second = new Probe(workspace(), &m_log);
        first->showWindow();
        second->showWindow();
        QCOMPARE(workspace().activeSubWindow(), second->subWindow());
        first->showWindow();
        QCOMPARE(workspace().activeSubWindow(), first->subWindow());
    }

    // Closing the active window brings back the one used before it, not the next one made.
    void closingActivatesTheWindowUsedBefore()
    {
        Probe *const a = new Probe(workspace(), &m_log);
        Probe *const b = new Probe(workspace(), &m_log);
        Probe *const c = new Probe(workspace(), &m_log);
        for (Probe *probe : {a, b, c, a})
            probe->showWindow();
        a->closeWindow();
        QCOMPARE(workspace().activeSubWindow(), c->subWindow());
        c->closeWindow();
        QCOMPARE(workspace().activeSubWindow(), b->subWindow());
    }

    // A new window goes where the workspace steps it, unless that reaches past the part of
    // the area that shows: then it starts again at the top left.
    void newWindowsStayInView_data()
    {
        QTest::addColumn<QList<QSize>>("sizes"); // client areas in pixels, the last one checked
        QTest::addColumn<QSize>("area");
        QTest::newRow("many that fit") << QList<QSize>(12, QSize(200, 150)) << QSize(760, 512);
        QTest::newRow("wider than the area") << QList<QSize>{{200, 100}, {900, 100}} << QSize(760, 512);
        QTest::newRow("taller than the area") << QList<QSize>{{200, 100}, {200, 600}} << QSize(760, 512);
        QTest::newRow("a small area") << QList<QSize>{{200, 100}, {200, 100}, {200, 100}} << QSize(300, 200);
    }
    void newWindowsStayInView()
    {
        QFETCH(QList<QSize>, sizes);
        QFETCH(QSize, area);
        workspace().resize(area);
        QCoreApplication::processEvents();
        Probe *probe = nullptr;
        for (const QSize &size : sizes) {
            probe = new Probe(workspace(), &m_log);
            probe->setFixedSize(size);
            probe->showWindow();
        }
        const QRect visible = workspace().viewport()->rect();
        const QRect frame = probe->subWindow()->geometry();
        if (frame.width() <= visible.width() && frame.height() <= visible.height())
            QVERIFY2(visible.contains(frame),
                     qPrintable(
                         u"at %1,%2, %3 by %4"_s.arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
        else
            QCOMPARE(frame.topLeft(), QPoint(0, 0));
    }

    void closingRunsHandlersAndDiscardsLater()
    {
        auto *probe = new Probe(workspace(), &m_log);
        probe->showWindow();
        QPointer<Probe> alive(probe);
        probe->closeWindow();
        QCOMPARE(m_log, (QStringList{u"load"_s, u"queryunload"_s, u"unload"_s}));
        QVERIFY(probe->isClosed());
        QTRY_VERIFY(alive.isNull());
    }

    void closeBoxRunsTheSameHandlers()
    {
        auto *probe = new Probe(workspace(), &m_log);
        probe->showWindow();
        QPointer<Probe> alive(probe);
        probe->subWindow()->close();
        QCOMPARE(m_log, (QStringList{u"load"_s, u"queryunload"_s, u"unload"_s}));
        QTRY_VERIFY(alive.isNull());
    }

    void closedDuringLoadIsNeverShown()
    {
        auto *probe = new Probe(workspace(), &m_log, true);
        QPointer<Probe> alive(probe);
        probe->setTop(0);
        probe->showWindow();
        QVERIFY(probe->isClosed());
        QVERIFY(!probe->isVisible());
        QTRY_VERIFY(alive.isNull());
    }

    void singleWindowIsReplacedAfterClosing()
    {
        ui::SingleWindow<Probe> single;
        int created = 0;
        const auto make = [&] {
            ++created;
            return new Probe(workspace(), &m_log);
        };
        Probe &first = single.get(make);
        QCOMPARE(&single.get(make), &first);
        QCOMPARE(single.current(), &first);
        first.showWindow();
        first.closeWindow();
        QCOMPARE(single.current(), nullptr);
        Probe &second = single.get(make);
        QCOMPARE(created, 2);
        QVERIFY(!second.isClosed());
        QCOMPARE(single.current(), &second);
    }

    void highlightIsWhiteOnRedAndClears()
    {
        QLabel label;
        ui::highlightLabel(&label);
        QVERIFY(ui::isHighlighted(&label));
        QCOMPARE(label.palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 255, 255));
        ui::clearHighlight(&label);
        QVERIFY(!ui::isHighlighted(&label));
        QCOMPARE(label.palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }

private:
    QStringList m_log;
};

QTEST_MAIN(TestChildWindow)
#include "test_child_window.moc"
