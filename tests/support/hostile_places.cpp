// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/hostile_places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace hostile {

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

std::optional<QString> mountSmallFileSystem(const QString &folder)
{
    if (!runsAsRoot())
        return u"mounting needs root, and this test does not run as root"_s;
    // A namespace of our own drops the mount with the process; where it is refused the
    // mount is shared, and unmount() removes it.
    if (::unshare(CLONE_NEWNS) == 0)
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
    const QByteArray target = QFile::encodeName(folder);
    if (::mount("quillarc-full", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0777") != 0)
        return u"mounting a small file system is refused here: "_s + QString::fromLocal8Bit(std::strerror(errno));
    return std::nullopt;
}

void unmount(const QString &folder)
{
    ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
}

bool fillUp(const QString &folder)
{
    QFile filler(QDir(folder).filePath(u"filler"_s));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // Large pieces first, then single bytes, until the file system refuses even one.
    const QByteArray piece(4096, 'f');
    while (filler.write(piece) == piece.size()) {
    }
    while (filler.write("f", 1) == 1) {
    }
    return filler.error() != QFileDevice::NoError;
}

void resetPeakMemory()
{
    QFile clear(u"/proc/self/clear_refs"_s);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5"); // the peak, which then starts from what is held now
}

qint64 peakMemoryKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return 0;
}

QString currentTestRow()
{
    QString row = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        row += u':' + QString::fromLatin1(QTest::currentDataTag());
    return row;
}

std::optional<QString> runAsNobody(const QString &testRow)
{
    const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
    if (setpriv.isEmpty())
        return u"setpriv (util-linux) is missing, so the case cannot run as another user"_s;
    // A copy of this executable in a folder every user may enter: the build folder may lie
    // where nobody cannot reach (under /root, say). The tests link no library of our own.
    QTemporaryDir folder;
    const QString copy = folder.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    const QFileDevice::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!folder.isValid() || !QFile::setPermissions(folder.path(), open) ||
        !QFile::copy(QCoreApplication::applicationFilePath(), copy) || !QFile::setPermissions(copy, open))
        return u"this executable could not be copied where nobody may run it"_s;
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    // The child makes its temporary folders where every user may.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"TMPDIR"_s, u"/tmp"_s);
    environment.insert(u"HOME"_s, u"/tmp"_s);
    environment.remove(u"XDG_RUNTIME_DIR"_s);
    child.setProcessEnvironment(environment);
    child.start(setpriv, {u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s, copy, testRow});
    if (!child.waitForFinished(100000)) {
        child.kill();
        child.waitForFinished();
        return u"the run as nobody did not end:\n"_s + QString::fromLocal8Bit(child.readAll());
    }
    const QString output = QString::fromLocal8Bit(child.readAll());
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return u"the run as nobody failed:\n"_s + output;
    // A skip ends well too, but then the case was not tried.
    if (output.contains(u"SKIP   : "_s))
        return u"the run as nobody skipped the case:\n"_s + output;
    return std::nullopt;
}

FifoWatchdog::FifoWatchdog(const QString &path)
    : m_path(QFile::encodeName(path))
    , m_thread([this] { watch(); })
{}

FifoWatchdog::~FifoWatchdog()
{
    stop();
}

bool FifoWatchdog::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    return m_fired;
}

void FifoWatchdog::watch()
{
    using namespace std::chrono_literals;
    std::unique_lock lock(m_mutex);
    while (!m_changed.wait_for(lock, 15s, [this] { return m_done; })) {
        // Succeeds only while a reader waits in open(); that reader then finds the FIFO empty.
        const int descriptor = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
        if (descriptor >= 0) {
            m_fired = true;
            ::close(descriptor);
        }
    }
}

} // namespace hostile
