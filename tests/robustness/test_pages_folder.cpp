// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/start.h"
#include "tests/support/hostile_places.h"
#include "ui/browser_pages.h"
#include "ui/services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
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
    QStandardPaths::setTestModeEnabled(true); // the main window keeps its place in the settings
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
        for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL})
            QTest::addRow("SIG%s", sigabbrev_np(signal)) << signal;
    }
    void endedRunsGoAtTheNextStart()
    {
        QFETCH(int, signal);
        ui::BrowserPages living;
        const ui::Result<QString> kept = living.folderFor(nullptr);
        QProcess first;
        const QString ended = start(first);
        QVERIFY(QFileInfo(ended).isDir());
        ::kill(pid_t(first.processId()), signal);
        QVERIFY(first.waitForFinished());
        // Ended as File > Exit ends the program, where a signal lets it.
        QCOMPARE(first.exitStatus() == QProcess::NormalExit && first.exitCode() == 0, signal != SIGKILL);
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
        // Root writes past every permission: as root, this runs again as the user nobody.
        if (change == u"read-only"_s && hostile::runsAsRoot()) {
            if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                QFAIL(qPrintable(*failure));
            return;
        }
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

private:
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
