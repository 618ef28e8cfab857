// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/start.h"
#include "tests/support/fake_services.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"
#include "ui/browser_pages.h"
#include "ui/page_pictures.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

// The folder of the pages shown in the browser: the pages outlive their run, however it ends,
// and go at the next start; a folder that went or refuses the page is made anew.

namespace {

// As the program runs: started, with a page's folder whose path it tells on a line, then on
// until it is ended.
int runAsProgram(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::DesktopServices services;
    const auto mainWindow = startApplication(services, FirstRunMarker(QDir::tempPath(), QDir::tempPath()));
    const ui::Result<QString> folder = services.browserPages().folderFor(mainWindow.get());
    std::printf("%s\n", folder ? qPrintable(*folder) : "");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class TestPagesFolder final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_temporary.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temporary.path())); // the programs started here too
    }

    void endedRunsGoAtTheNextStart_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("asExit"); // ends as File > Exit ends it
        QTest::newRow("SIGTERM") << SIGTERM << true;
        QTest::newRow("SIGINT") << SIGINT << true;
        QTest::newRow("SIGHUP") << SIGHUP << true;
        QTest::newRow("SIGKILL") << SIGKILL << false;
    }
    void endedRunsGoAtTheNextStart()
    {
        QFETCH(int, signal);
        QFETCH(bool, asExit);
        ui::BrowserPages living;
        const ui::Result<QString> kept = living.folderFor(nullptr);
        QProcess first;
        const QString ended = start(first);
        QVERIFY(QFileInfo(ended).isDir());
        ::kill(pid_t(first.processId()), signal);
        QVERIFY(first.waitForFinished());
        QCOMPARE(first.exitStatus() == QProcess::NormalExit && first.exitCode() == 0, asExit);
        QVERIFY(QFileInfo(ended).isDir()); // for a browser that starts late
        QProcess second;
        QVERIFY(QFileInfo(start(second)).isDir());
        QVERIFY(!QFileInfo::exists(QFileInfo(ended).absolutePath()));
        QVERIFY(kept && QFileInfo(*kept).isDir()); // a run that lives keeps its folder
        second.kill();
        second.waitForFinished();
    }

    void aFolderThatWentIsMadeAgain_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("the run's folder deleted") << u"deleted"_s;
        QTest::newRow("the run's folder made read-only") << u"read-only"_s;
        QTest::newRow("TMPDIR naming nothing") << u"no TMPDIR"_s;
    }
    void aFolderThatWentIsMadeAgain()
    {
        QFETCH(QString, change);
        if (change == u"read-only"_s && asNobody())
            return;
        if (change == u"no TMPDIR"_s)
            qputenv("TMPDIR", QFile::encodeName(m_temporary.filePath(u"nothing"_s)));
        const auto restore = qScopeGuard([this] { qputenv("TMPDIR", QFile::encodeName(m_temporary.path())); });
        ui::BrowserPages pages;
        const QObject window;
        QVERIFY(pages.folderFor(&window));
        const QString before = pages.path();
        if (change == u"deleted"_s)
            QVERIFY(QDir(before).removeRecursively());
        if (change == u"read-only"_s)
            QVERIFY(QFile::setPermissions(before, QFile::ReadOwner | QFile::ExeOwner));
        const auto writable = qScopeGuard(
            [&before] { QFile::setPermissions(before, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        const ui::Result<QString> again = pages.folderFor(&window);
        QVERIFY2(again, qPrintable(again ? QString() : again.error()));
        QVERIFY(QFileInfo(*again).isDir() && QFileInfo(*again).isWritable());
        QCOMPARE(QFileInfo(pages.path()).absolutePath(), change == u"no TMPDIR"_s ? u"/tmp"_s : m_temporary.path());
        if (change == u"no TMPDIR"_s)
            QVERIFY(QDir(pages.path()).removeRecursively());
    }

    void anUnreadablePictureIsNamed()
    {
        if (asNobody())
            return;
        const QString readable = m_temporary.filePath(u"up.gif"_s);
        const QString unreadable = m_temporary.filePath(u"over.gif"_s);
        QVERIFY(testfiles::writeFile(readable, "up") && testfiles::writeFile(unreadable, "over"));
        QVERIFY(QFile::setPermissions(unreadable, QFile::WriteOwner));
        FakeServices services;
        QVERIFY(ui::openInBrowser(nullptr, services, u"page.html"_s, "<html>\r\n", {readable, unreadable}));
        const QDir shown = QFileInfo(services.browsed.value(0).toLocalFile()).absoluteDir();
        QCOMPARE(testfiles::entriesOf(shown.path()), (QStringList{u"page.html"_s, u"up.gif"_s}));
        QCOMPARE(services.messages.value(0).text,
                 u"The page is shown without some of its pictures.\n\nThe picture could "
                 u"not be copied as \"%1\".\n\nPermission denied"_s.arg(shown.filePath(u"over.gif"_s)));
    }

private:
    // Root reads and writes past every permission: as root, the running row runs again as the
    // user nobody, and true is answered.
    static bool asNobody()
    {
        if (!hostile::runsAsRoot())
            return false;
        if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
            QTest::qFail(qPrintable(*failure), __FILE__, __LINE__);
        return true;
    }

    // The path of the page folder that the program, started, tells.
    static QString start(QProcess &program)
    {
        program.start(QCoreApplication::applicationFilePath(), {u"--as-program"_s});
        while (!program.canReadLine() && program.waitForReadyRead()) {
        }
        return QString::fromLocal8Bit(program.readLine()).trimmed();
    }

    QTemporaryDir m_temporary;
};

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--as-program") == 0)
        return runAsProgram(argc, argv);
    QApplication application(argc, argv);
    TestPagesFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_pages_folder.moc"
