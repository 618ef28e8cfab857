// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/insert_window.h"
#include "insert/markers.h"
#include "tests/support/page_windows.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;

// "Insert into Page..." in the three wizards: the window on the user's page, the page written
// with only the marked parts added and the pictures beside it, and Undo.

namespace {

const QByteArray UserPage = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>Shop</title>\r\n</head>\r\n<body>\r\n"
                            "<p>Welcome</p>\r\n</body>\r\n</html>\r\n";

std::string bytesOf(const QString &path)
{
    return testfiles::contentOf(path).toStdString();
}

} // namespace

class TestInsertWindow final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        WindowTest::init();
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        QVERIFY(QDir(m_folder->path()).mkpath(u"site/images"_s));
        QVERIFY(testimages::writePicture(m_folder->filePath(u"up.png"_s), 32, 32, Qt::red));
        QVERIFY(testimages::writePicture(m_folder->filePath(u"over.png"_s), 32, 32, Qt::blue));
        QVERIFY(testimages::writePicture(m_folder->filePath(u"site/images/down.png"_s), 32, 32, Qt::green));
        // A different picture of the over picture's name beside the page.
        QVERIFY(testimages::writePicture(m_folder->filePath(u"site/over.png"_s), 8, 8, Qt::black));
        QVERIFY(testfiles::writeFile(page(), UserPage));
    }

    void insertsFromEveryWizard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("copies"); // the pictures beside the page afterwards
        QTest::addColumn<QString>("names");      // a text the body part holds
        QTest::addColumn<int>("pictures");
        const QStringList copies{u"over-2.png"_s, u"up.png"_s};
        QTest::newRow("rollover") << u"Form2"_s << false << u"rollover"_s << copies << u"Image01= new Image"_s << 2;
        QTest::newRow("modern button") << u"Form7"_s << true << u"button"_s << copies << u"src=\"images/down.png\""_s
                                       << 3;
        QTest::newRow("link effects") << u"Form5"_s << true << u"linkfx"_s << QStringList() << QString() << 0;
    }
    void insertsFromEveryWizard()
    {
        QFETCH(QString, window);
        QFETCH(bool, modern);
        QFETCH(QString, kind);
        QFETCH(QStringList, copies);
        QFETCH(QString, names);
        QFETCH(int, pictures);
        const QStringList picked{m_folder->filePath(u"up.png"_s), m_folder->filePath(u"over.png"_s),
                                 m_folder->filePath(u"site/images/down.png"_s)};
        const pagewindows::Ready ready =
            pagewindows::openReady(workspace(), services(), window, modern, picked.first(pictures));
        InsertPage *insert = openInsert(ready.window);
        click(insert, u"InsertNow"_s);
        const std::string written = bytesOf(page());
        QCOMPARE(WithoutMarkedParts(written), UserPage.toStdString());
        const std::vector<FoundMarker> markers = ScanMarkers(written);
        QVERIFY(!markers.empty());
        QCOMPARE(QString::fromStdString(markers.front().fields.kind), kind);
        QVERIFY2(QString::fromStdString(written).contains(names), written.c_str());
        for (const QString &copy : copies)
            QVERIFY2(QFileInfo::exists(m_folder->filePath(u"site/"_s + copy)), qPrintable(copy));
        QCOMPARE(child<QLabel>(insert, u"InsertNote"_s)->text(), u"Inserted into page.html"_s);
        QVERIFY(!testimages::render(insert, u"insert-page-"_s + kind).isEmpty());
    }

    void undoGivesThePageBack()
    {
        const pagewindows::Ready ready =
            pagewindows::openReady(workspace(), services(), u"Form2"_s, false,
                                   {m_folder->filePath(u"up.png"_s), m_folder->filePath(u"over.png"_s)});
        InsertPage *insert = openInsert(ready.window);
        click(insert, u"InsertNow"_s);
        QVERIFY(QFileInfo::exists(m_folder->filePath(u"site/up.png"_s)));
        click(insert, u"UndoInsert"_s);
        QCOMPARE(testfiles::contentOf(page()), UserPage);
        QVERIFY(!QFileInfo::exists(m_folder->filePath(u"site/up.png"_s)));
        QVERIFY(child<QPushButton>(insert, u"InsertNow"_s)->isEnabled());
    }

    void theSourceShowsThePlaceChosen()
    {
        const pagewindows::Ready ready = pagewindows::openReady(workspace(), services(), u"Form7"_s, true, {});
        InsertPage *insert = openInsert(ready.window);
        auto *outline = child<QTreeView>(insert, u"PageOutline"_s);
        QCOMPARE(outline->currentIndex().data().toString(), u"body  \u201CWelcome\u201D"_s);
        // A click on the line of the paragraph moves the code beside it, and the outline follows.
        auto *source = child<QPlainTextEdit>(insert, u"PageSource"_s);
        insert->PageSource_Click(int(source->toPlainText().left(source->toPlainText().indexOf(u"<p>"_s)).count(u'\n')));
        QCOMPARE(outline->currentIndex().data().toString(), u"p  \u201CWelcome\u201D"_s);
        const QString shown = source->toPlainText();
        QVERIFY2(shown.indexOf(u"quillarc begin button q1 body"_s) < shown.indexOf(u"<p>Welcome"_s), qPrintable(shown));
        auto *where = child<QComboBox>(insert, u"PlaceWhere"_s);
        QCOMPARE(where->currentText(), u"Before"_s);
    }

    void previewLeavesThePage()
    {
        const pagewindows::Ready ready =
            pagewindows::openReady(workspace(), services(), u"Form2"_s, true,
                                   {m_folder->filePath(u"up.png"_s), m_folder->filePath(u"over.png"_s)});
        InsertPage *insert = openInsert(ready.window);
        click(insert, u"PreviewInsert"_s);
        QCOMPARE(services().browsed.size(), 1);
        const QString shown = services().browsed.front().toLocalFile();
        QCOMPARE(bytesOf(shown), insert->splice().page);
        QVERIFY(QFileInfo::exists(QFileInfo(shown).dir().filePath(u"over-2.png"_s)));
        QCOMPARE(testfiles::contentOf(page()), UserPage);
    }

    void anEditorsSwapFileIsAskedAbout()
    {
        QVERIFY(testfiles::writeFile(m_folder->filePath(u"site/.page.html.swp"_s), "swap"));
        const pagewindows::Ready ready = pagewindows::openReady(workspace(), services(), u"Form5"_s, false, {});
        InsertPage *insert = openInsert(ready.window);
        services().answerYesNo(false);
        click(insert, u"InsertNow"_s);
        QVERIFY2(services().questions.back().prompt.contains(u".page.html.swp"_s),
                 qPrintable(services().questions.back().prompt));
        QCOMPARE(testfiles::contentOf(page()), UserPage);
        const QPointer<InsertPage> closing = insert;
        click(insert, u"CancelInsert"_s);
        QTRY_VERIFY(closing.isNull());
    }

private:
    QString page() const { return m_folder->filePath(u"site/page.html"_s); }

    InsertPage *openInsert(QWidget *wizard)
    {
        services().answerOpen(page());
        click(wizard, u"InsertIntoPage"_s);
        auto *insert = workspace().findChild<InsertPage *>(u"InsertPage"_s);
        if (!insert)
            qFatal("no InsertPage window opened");
        return insert;
    }

    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(TestInsertWindow)
#include "test_insert_window.moc"
