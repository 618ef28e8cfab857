// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_run_marker.h"
#include "app/main_window.h"
#include "app/quick_start_window.h"
#include "app/welcome_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "ui/look.h"
#include "ui/workspace.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestStartup final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_services = std::make_unique<FakeServices>();
    }
    void cleanup()
    {
        delete m_main;
        QCOMPARE(m_services->unexpected, 0);
    }

    void markerDecidesTheWelcomeWindow_data()
    {
        QTest::addColumn<QByteArray>("marker"); // "<none>": no file
        QTest::addColumn<bool>("welcome");
        QTest::newRow("no marker") << QByteArray("<none>") << true;
        QTest::newRow("Yes") << QByteArray("Yes\r\n") << false;
        QTest::newRow("Yes without a break") << QByteArray("Yes") << false;
        QTest::newRow("lower case") << QByteArray("yes\r\n") << true;
        QTest::newRow("leading blank") << QByteArray(" Yes\r\n") << true;
        QTest::newRow("trailing blank") << QByteArray("Yes \r\n") << true;
        QTest::newRow("Yes and more lines") << QByteArray("Yes\r\nNo\r\nmore\r\n") << false;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("other word") << QByteArray("Maybe\r\n") << true;
    }
    void markerDecidesTheWelcomeWindow()
    {
        QFETCH(QByteArray, marker);
        QFETCH(bool, welcome);
        if (marker != "<none>")
            QVERIFY(testfiles::writeFile(markerPath(), marker));
        start();
        Form1 *form1 = m_main->workspace().findChild<Form1 *>();
        QCOMPARE(form1 != nullptr && form1->isVisible(), welcome);
        if (welcome)
            QCOMPARE(form1->left(), 2700);

        // The Quick Start window shows in the top left corner at every start, and ends up active.
        Form4 *quickStart = m_main->workspace().findChild<Form4 *>();
        QVERIFY(quickStart && quickStart->isVisible());
        QCOMPARE(quickStart->left(), 0);
        QCOMPARE(quickStart->top(), 0);
        QCOMPARE(m_main->workspace().activeSubWindow(), quickStart->subWindow());
        QCOMPARE(testfiles::contentOf(markerPath()), marker == "<none>" ? QByteArray("<missing>") : marker);
    }

    void closingTheWelcomeWindowWritesTheMarker()
    {
        QVERIFY(testfiles::writeFile(markerPath(), "Maybe\r\nsecond line\r\n"));
        start();
        Form1 *form1 = m_main->workspace().findChild<Form1 *>();
        QVERIFY(form1);
        QPointer<Form1> alive(form1);
        form1->subWindow()->close(); // the close box
        QCOMPARE(testfiles::contentOf(markerPath()), QByteArray("Yes\r\n"));
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(testfiles::contentOf(markerPath()), QByteArray("Yes\r\n"));

        delete m_main;
        start();
        QVERIFY(!m_main->workspace().findChild<Form1 *>());
    }

    void closingTheMainWindowWritesTheMarker()
    {
        start();
        QVERIFY(m_main->workspace().findChild<Form1 *>());
        QVERIFY(m_main->close());
        QCOMPARE(testfiles::contentOf(markerPath()), QByteArray("Yes\r\n"));
    }

    void exitWritesNothing()
    {
        start();
        QAction *exit = m_main->findChild<QAction *>(u"ex"_s);
        QVERIFY(exit);
        exit->trigger();
        QCOMPARE(m_services->endings, 1);
        QCOMPARE(testfiles::contentOf(markerPath()), QByteArray("<missing>"));
    }

    void markerGoesToTheUserFolderWhenTheApplicationFolderIsReadOnly()
    {
        const QString userFolder = m_folder->filePath(u"user/data"_s);
        const FirstRunMarker marker(m_folder->filePath(u"no such application folder"_s), userFolder);
        QVERIFY(!marker.saysYes());
        marker.write();
        QCOMPARE(testfiles::contentOf(userFolder + u"/hasran.txt"_s), QByteArray("Yes\r\n"));
        QVERIFY(marker.saysYes());
    }

    void aFailedMarkerWriteDoesNotStopTheApplication()
    {
        const FirstRunMarker marker(m_folder->filePath(u"missing"_s), QString());
        marker.write();
        QVERIFY(!marker.saysYes());
    }

    void mainWindowHasItsCaptionSizeAndMenus()
    {
        start();
        QCOMPARE(m_main->windowTitle(), u"Quillarc 2"_s);
        QCOMPARE(m_main->workspace().size(), QSize(760, 512));
        QVERIFY(!m_main->windowIcon().isNull());
        QCOMPARE(m_main->windowIcon().availableSizes().value(0), QSize(32, 32));

        const QList<QAction *> top = m_main->menuBar()->actions();
        QCOMPARE(top.size(), 3); // and the Window menu
        QCOMPARE(top[0]->text(), u"&File"_s);
        QCOMPARE(top[0]->menu()->objectName(), u"f"_s);
        QCOMPARE(top[1]->text(), u"&View"_s);
        QCOMPARE(top[1]->menu()->objectName(), u"view"_s);

        const QList<QAction *> file = top[0]->menu()->actions();
        QCOMPARE(file.size(), 4);
        QCOMPARE(file[0]->text(), u"New"_s);
        QCOMPARE(file[0]->menu()->objectName(), u"new"_s);
        QCOMPARE(file[1]->objectName(), u"EditInsertedCode"_s);
        QCOMPARE(file[1]->text(), u"Edit Inserted Code..."_s);
        QVERIFY(file[2]->isSeparator());
        QCOMPARE(file[2]->objectName(), u"d"_s);
        QCOMPARE(file[3]->objectName(), u"ex"_s);
        QCOMPARE(file[3]->text(), u"Exit"_s);

        QStringList items;
        for (QAction *action : file[0]->menu()->actions() + top[1]->menu()->actions()) {
            items << action->objectName() + u'=' + action->text();
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(!action->isCheckable());
        }
        QCOMPARE(items, (QStringList{u"rollover=Rollover"_s, u"te=Link Effect"_s, u"button=Button"_s,
                                     u"qs=Quick Start"_s, u"hgs=Help Getting Started"_s}));
    }

    void welcomeWindowTexts()
    {
        start();
        Form1 *form1 = m_main->workspace().findChild<Form1 *>();
        QCOMPARE(form1->windowTitle(), u"Welcome!"_s);
        QCOMPARE(form1->size(), QSize(520, 231));
        auto *label1 = form1->findChild<QLabel *>(u"Label1"_s);
        auto *label2 = form1->findChild<QLabel *>(u"Label2"_s);
        QCOMPARE(label1->text(),
                 u"Welcome to Quillarc 2.1! There have been several minor additions, as well as one larger addtion: "
                 "the button editor, which is a more advanced version of the rollover creator,  and it allows for "
                 "more flexibility. If you have any questions,comments, suggestions, or complaints send them to be "
                 "at quillarc@example.org. Thanks!"_s);
        QCOMPARE(label2->text(), u"(If you close this window once it will never show up again!)"_s);
        QCOMPARE(label1->geometry(), ui::pixelRect(120, 360, 7455, 2415));
        QCOMPARE(label2->geometry(), ui::pixelRect(1200, 2640, 5415, 615));
        QCOMPARE(label1->font().pointSizeF(), 13.5);
        QCOMPARE(label2->font().pointSizeF(), 12.0);
        QVERIFY(label1->alignment() & Qt::AlignHCenter);
        QVERIFY(label2->alignment() & Qt::AlignHCenter);

        const QImage image = QImage(testimages::render(form1, u"Form1"_s));
        QCOMPARE(image.pixelColor(3, 3), QColor(255, 255, 192));
        const QImage main = QImage(testimages::render(m_main, u"Mainfrm-first-run"_s));
        const QPoint quickStart = m_main->workspace().findChild<Form4 *>()->mapTo(m_main, QPoint(2, 2));
        QCOMPARE(main.pixelColor(quickStart), QColor(255, 255, 192));
        const QPoint welcome = form1->mapTo(m_main, QPoint(3, 3));
        QCOMPARE(main.pixelColor(welcome), QColor(255, 255, 192));
        const QPoint empty = m_main->workspace().mapTo(m_main, QPoint(700, 500));
        QCOMPARE(main.pixelColor(empty).rgb(), m_main->workspace().background().color().rgb());
    }

private:
    QString markerPath() const { return m_folder->filePath(u"hasran.txt"_s); }

    void start()
    {
        m_main = new Mainfrm(*m_services, FirstRunMarker(m_folder->path(), QString()));
        m_main->MDIForm_Load();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakeServices> m_services;
    QPointer<Mainfrm> m_main;
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
