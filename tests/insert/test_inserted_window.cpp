// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "button/button_editor.h"
#include "insert/insert_window.h"
#include "insert/inserted_window.h"
#include "insert/markers.h"
#include "linkfx/link_effects_window.h"
#include "rollover/code_window.h"
#include "rollover/properties_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/page_windows.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "ui/workspace.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;

// File, Edit Inserted Code: the items of a page, each wizard opened on its item and the code
// replaced where it stands, Remove, and the question before hand-made changes are lost.

namespace {

const QByteArray UserPage = "<!DOCTYPE html>\n<html>\n<head>\n<title>Shop</title>\n</head>\n<body>\n"
                            "<p>Welcome</p>\n</body>\n</html>\n";

template <typename Window> Window *newest(const ui::Workspace &workspace)
{
    Window *found = nullptr;
    for (Window *window : workspace.findChildren<Window *>()) {
        if (!window->isClosed())
            found = window;
    }
    return found;
}

} // namespace

class TestInsertedWindow final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(testimages::writePicture(m_folder->filePath(u"up.png"_s), 32, 32, Qt::red));
        QVERIFY(testimages::writePicture(m_folder->filePath(u"over.png"_s), 32, 32, Qt::blue));
        QVERIFY(testfiles::writeFile(page(), UserPage));
        m_services = std::make_unique<FakeServices>();
        m_main = std::make_unique<Mainfrm>(*m_services, FirstRunMarker(m_folder->path(), QString()));
        m_main->show();
    }

    void cleanup()
    {
        QCOMPARE(m_services->unexpected, 0);
        m_main.reset();
    }

    void replacedFromEveryWizard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("changed"); // what the replaced code holds
        QTest::newRow("rollover") << u"Form2"_s << u"alt=\"Changed\""_s;
        QTest::newRow("button") << u"Form7"_s << u"alt=\"Changed\""_s;
        QTest::newRow("link effects") << u"Form5"_s << u"nav a:hover{text-transform"_s; // its scope kept
    }
    void replacedFromEveryWizard()
    {
        QFETCH(QString, window);
        QFETCH(QString, changed);
        const QStringList pictures{m_folder->filePath(u"up.png"_s), m_folder->filePath(u"over.png"_s)};
        const pagewindows::Ready ready = pagewindows::openReady(m_main->workspace(), *m_services, window, true,
                                                                window == u"Form5"_s ? QStringList() : pictures);
        if (window == u"Form5"_s)
            child<QLineEdit>(ready.window, u"LinkScope"_s)->setText(u"nav"_s);
        m_services->answerOpen(page());
        click(ready.window, u"InsertIntoPage"_s);
        click(newest<InsertPage>(m_main->workspace()), u"InsertNow"_s);
        const QByteArray inserted = testfiles::contentOf(page());

        InsertedCode *items = openInserted();
        QCOMPARE(child<QTreeWidget>(items, u"InsertedItems"_s)->topLevelItemCount(), 1);
        click(items, u"EditInserted"_s);
        QWidget *codeWindow = nullptr;
        if (window == u"Form2"_s) {
            Form2 *wizard = newest<Form2>(m_main->workspace());
            child<QLineEdit>(wizard, u"AltText"_s)->setText(u"Changed"_s);
            click(wizard, u"Command3"_s);
            codeWindow = newest<Form3>(m_main->workspace());
        } else if (window == u"Form7"_s) {
            Form7 *wizard = newest<Form7>(m_main->workspace());
            child<QLineEdit>(wizard, u"AltText"_s)->setText(u"Changed"_s);
            click(wizard, u"Command8"_s);
            codeWindow = wizard;
        } else {
            Form5 *wizard = newest<Form5>(m_main->workspace());
            click(wizard, u"Command5"_s);
            click(wizard, u"Command9"_s);
            codeWindow = wizard;
        }
        QVERIFY(!child<QPushButton>(codeWindow, u"InsertIntoPage"_s)->isVisible());
        click(codeWindow, u"ReplaceInPage"_s);
        InsertPage *replace = newest<InsertPage>(m_main->workspace());
        click(replace, u"InsertNow"_s);
        const std::string replaced = testfiles::contentOf(page()).toStdString();
        QCOMPARE(WithoutMarkedParts(replaced), UserPage.toStdString());
        QVERIFY2(QString::fromStdString(replaced).contains(changed), replaced.c_str());
        QCOMPARE(QString::fromStdString(ScanMarkers(replaced).front().fields.id), u"q1"_s);
        click(replace, u"UndoInsert"_s);
        QCOMPARE(testfiles::contentOf(page()), inserted);
    }

    void aPageWithoutCodeSaysSo()
    {
        InsertedCode *items = openInserted();
        QCOMPARE(child<QLabel>(items, u"InsertedMessage"_s)->text(),
                 u"page.html holds no code inserted by Quillarc."_s);
        QVERIFY(!child<QPushButton>(items, u"EditInserted"_s)->isEnabled());
    }

    void codeChangedByHandAsksBeforeItGoes()
    {
        const pagewindows::Ready ready = pagewindows::openReady(m_main->workspace(), *m_services, u"Form5"_s, true, {});
        m_services->answerOpen(page());
        click(ready.window, u"InsertIntoPage"_s);
        click(newest<InsertPage>(m_main->workspace()), u"InsertNow"_s);
        QByteArray changed = testfiles::contentOf(page());
        changed.replace("none", "underline");
        QVERIFY(testfiles::writeFile(page(), changed));
        InsertedCode *items = openInserted();
        QCOMPARE(child<QTreeWidget>(items, u"InsertedItems"_s)->topLevelItem(0)->text(3), u"changed by hand"_s);
        QVERIFY(!testimages::render(items, u"inserted-code"_s).isEmpty());
        m_services->answerYesNo(false);
        click(items, u"RemoveInserted"_s);
        QVERIFY2(m_services->questions.back().prompt.contains(u"was changed by hand"_s),
                 qPrintable(m_services->questions.back().prompt));
        QCOMPARE(testfiles::contentOf(page()), changed);
        m_services->answerYesNo(true);
        click(items, u"RemoveInserted"_s);
        QCOMPARE(testfiles::contentOf(page()), UserPage);
        QCOMPARE(child<QLabel>(items, u"InsertNote"_s)->text(), u"q1 removed from page.html"_s);
    }

private:
    QString page() const { return m_folder->filePath(u"page.html"_s); }

    InsertedCode *openInserted()
    {
        m_services->answerOpen(page());
        m_main->findChild<QAction *>(u"EditInsertedCode"_s)->trigger();
        auto *items = newest<InsertedCode>(m_main->workspace());
        if (!items)
            qFatal("no InsertedCode window opened");
        return items;
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<Mainfrm> m_main;
};

QTEST_MAIN(TestInsertedWindow)
#include "test_inserted_window.moc"
