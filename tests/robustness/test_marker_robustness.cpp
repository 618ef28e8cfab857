// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_run_marker.h"
#include "app/main_window.h"
#include "app/welcome_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"
#include "ui/workspace.h"

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The first-run marker against special files, odd content, places that cannot be written
// and a full disk: start-up never waits, a marker that cannot be read counts as none, and
// closing the welcome window writes the marker where it can without replacing anything
// that is not a regular file.

namespace {

// What a name is, without following a link: a reader checks that nothing was replaced.
QString kindOf(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return u"missing"_s;
    switch (status.st_mode & S_IFMT) {
    case S_IFREG:
        return u"file"_s;
    case S_IFDIR:
        return u"folder"_s;
    case S_IFIFO:
        return u"fifo"_s;
    case S_IFSOCK:
        return u"socket"_s;
    case S_IFCHR:
        return u"character device"_s;
    case S_IFLNK:
        return u"link to "_s + QFile::symLinkTarget(path);
    default:
        return u"other"_s;
    }
}

} // namespace

class TestMarkerRobustness final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temporary->isValid());
        QVERIFY(QDir().mkpath(applicationFolder()));
    }
    void cleanup()
    {
        delete m_main;
        if (m_socket >= 0)
            ::close(m_socket);
        m_socket = -1;
        if (!m_mounted.isEmpty())
            hostile::unmount(m_mounted);
        m_mounted.clear();
        // Folders made read-only by a test are removed all the same.
        QFile::setPermissions(applicationFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void specialOrOddMarker_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("replaceable"); // a regular file, which the marker may replace
        QTest::newRow("FIFO") << u"fifo"_s << false;
        QTest::newRow("folder") << u"folder"_s << false;
        QTest::newRow("link to /dev/zero") << u"link to /dev/zero"_s << false;
        QTest::newRow("socket") << u"socket"_s << false;
        QTest::newRow("device node") << u"device"_s << false;
        QTest::newRow("link to a device node") << u"link to device"_s << false;
        QTest::newRow("link to a FIFO") << u"link to fifo"_s << false;
        QTest::newRow("link to nothing") << u"dangling link"_s << false;
        QTest::newRow("100 MB without a line break") << u"huge"_s << true;
        QTest::newRow("binary bytes") << u"binary"_s << true;
    }
    void specialOrOddMarker()
    {
        QFETCH(QString, kind);
        QFETCH(bool, replaceable);
        if (kind == u"link to /dev/zero"_s && hostile::runsAsRoot()) {
            // As nobody, a fault in the marker's write cannot replace the system's /dev/zero.
            if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                QFAIL(qPrintable(*failure));
            return;
        }
        const QString marker = markerPath();
        const QString elsewhere = m_temporary->filePath(u"elsewhere"_s);
        const QByteArray fifo = QFile::encodeName(kind == u"link to fifo"_s ? elsewhere : marker);
        const QByteArray device = QFile::encodeName(kind == u"link to device"_s ? elsewhere : marker);
        if (kind == u"fifo"_s || kind == u"link to fifo"_s) {
            QCOMPARE(::mkfifo(fifo.constData(), 0666), 0);
        } else if (kind == u"folder"_s) {
            QVERIFY(QDir().mkpath(marker));
        } else if (kind == u"link to /dev/zero"_s) {
            QVERIFY(QFile::link(u"/dev/zero"_s, marker));
        } else if (kind == u"socket"_s) {
            m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(m_socket >= 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            QVERIFY(size_t(fifo.size()) < sizeof(address.sun_path));
            std::memcpy(address.sun_path, fifo.constData(), size_t(fifo.size()));
            QCOMPARE(::bind(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof(address)), 0);
            QCOMPARE(::listen(m_socket, 1), 0);
        } else if (kind == u"device"_s || kind == u"link to device"_s) {
            // A node of our own, the twin of /dev/null: a fault here must not touch the system's.
            if (::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("making a device node is refused here (it needs root)");
        } else if (kind == u"huge"_s) {
            QFile file(marker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write("Yes"), 3);
            QVERIFY(file.resize(100 * 1024 * 1024)); // no line break anywhere
        } else if (kind == u"binary"_s) {
            QByteArray bytes("Yes\0\xff\xfe", 6);
            QRandomGenerator random(10);
            for (int i = 0; i < 4096; ++i)
                bytes.append(char(random.bounded(256)));
            QVERIFY(testfiles::writeFile(marker, bytes.replace('\r', 'x').replace('\n', 'x')));
        }
        if (kind.startsWith(u"link to "_s) && kind != u"link to /dev/zero"_s)
            QVERIFY(QFile::link(elsewhere, marker));
        if (kind == u"dangling link"_s)
            QVERIFY(QFile::link(elsewhere, marker));
        const QString before = kindOf(marker);
        const QString targetBefore = kindOf(elsewhere);

        startAndCloseTheWelcomeWindow();
        if (QTest::currentTestFailed())
            return;
        if (replaceable) {
            QCOMPARE(testfiles::contentOf(marker), QByteArray("Yes\r\n"));
            QCOMPARE(testfiles::contentOf(userMarkerPath()), QByteArray("<missing>"));
        } else {
            QCOMPARE(kindOf(marker), before);
            QCOMPARE(kindOf(elsewhere), targetBefore);
            QCOMPARE(testfiles::contentOf(userMarkerPath()), QByteArray("Yes\r\n"));
        }
        QCOMPARE(testfiles::entriesOf(applicationFolder()), QStringList{u"hasran.txt"_s});
        expectNoWelcomeAtTheNextStart();
    }

    void fullDisk_data()
    {
        QTest::addColumn<QByteArray>("old"); // "<none>": no marker before
        QTest::newRow("no marker") << QByteArray("<none>");
        QTest::newRow("another word") << QByteArray("Maybe\r\n");
    }
    void fullDisk()
    {
        QFETCH(QByteArray, old);
        if (const std::optional<QString> refused = hostile::mountSmallFileSystem(applicationFolder()))
            QSKIP(qPrintable(u"the full disk case is skipped: "_s + *refused));
        m_mounted = applicationFolder();
        if (old != "<none>")
            QVERIFY(testfiles::writeFile(markerPath(), old));
        QVERIFY(hostile::fillUp(applicationFolder()));
        const QStringList before = testfiles::entriesOf(applicationFolder());

        startAndCloseTheWelcomeWindow();
        // No empty marker, no temporary file: the marker went to the user's folder.
        QCOMPARE(testfiles::contentOf(markerPath()), old == "<none>" ? QByteArray("<missing>") : old);
        QCOMPARE(testfiles::entriesOf(applicationFolder()), before);
        QCOMPARE(testfiles::contentOf(userMarkerPath()), QByteArray("Yes\r\n"));
        expectNoWelcomeAtTheNextStart();
    }

    // Root reads and writes past every permission, so as root these run again as nobody.
    void unprivileged_data()
    {
        QTest::addColumn<QByteArray>("old"); // "<none>": no marker before
        QTest::addColumn<bool>("readableMarker");
        QTest::addColumn<bool>("writableFolder");
        QTest::newRow("unreadable marker") << QByteArray("Yes\r\n") << false << true;
        QTest::newRow("read-only application folder") << QByteArray("<none>") << true << false;
        QTest::newRow("read-only application folder with another word") << QByteArray("No\r\n") << true << false;
    }
    void unprivileged()
    {
        if (hostile::runsAsRoot()) {
            if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                QFAIL(qPrintable(*failure));
            return;
        }
        QFETCH(QByteArray, old);
        QFETCH(bool, readableMarker);
        QFETCH(bool, writableFolder);
        if (old != "<none>")
            QVERIFY(testfiles::writeFile(markerPath(), old));
        if (!readableMarker)
            QVERIFY(QFile::setPermissions(markerPath(), QFileDevice::Permissions()));
        if (!writableFolder)
            QVERIFY(QFile::setPermissions(applicationFolder(), QFile::ReadOwner | QFile::ExeOwner));
        const QStringList before = testfiles::entriesOf(applicationFolder());

        startAndCloseTheWelcomeWindow();
        QCOMPARE(testfiles::entriesOf(applicationFolder()), before);
        QCOMPARE(testfiles::contentOf(userMarkerPath()), QByteArray("Yes\r\n"));
        QFile::setPermissions(markerPath(), QFile::ReadOwner);
        QCOMPARE(testfiles::contentOf(markerPath()), old == "<none>" ? QByteArray("<missing>") : old);
        QFile::setPermissions(markerPath(), QFileDevice::Permissions());
        expectNoWelcomeAtTheNextStart();
    }

private:
    QString applicationFolder() const { return m_temporary->filePath(u"application"_s); }
    QString userFolder() const { return m_temporary->filePath(u"user/data"_s); }
    QString markerPath() const { return QDir(applicationFolder()).filePath(u"hasran.txt"_s); }
    QString userMarkerPath() const { return QDir(userFolder()).filePath(u"hasran.txt"_s); }

    void start()
    {
        delete m_main;
        m_main = new Mainfrm(m_services, FirstRunMarker(applicationFolder(), userFolder()));
        hostile::FifoWatchdog watchdog(markerPath());
        m_main->MDIForm_Load();
        QVERIFY2(!watchdog.stop(), "start-up waited on the marker");
        m_main->show();
    }

    // A start that finds no marker shows the welcome window; closing it writes the marker.
    void startAndCloseTheWelcomeWindow()
    {
        start();
        Form1 *welcome = m_main->workspace().findChild<Form1 *>();
        QVERIFY2(welcome && welcome->isVisible(), "no welcome window");
        welcome->subWindow()->close();
        QVERIFY(welcome->isClosed());
    }

    void expectNoWelcomeAtTheNextStart()
    {
        start();
        const Form1 *welcome = m_main->workspace().findChild<Form1 *>();
        QVERIFY2(!welcome || !welcome->isVisible(), "the welcome window came back");
    }

    std::unique_ptr<QTemporaryDir> m_temporary;
    FakeServices m_services;
    QPointer<Mainfrm> m_main;
    int m_socket = -1; // a listening socket named hasran.txt
    QString m_mounted;
};

QTEST_MAIN(TestMarkerRobustness)
#include "test_marker_robustness.moc"
