// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <QByteArray>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Places that make file writes and reads fail the hard way, for the robustness tests:
// a full file system, and runs as a user without root's way past permissions.
namespace hostile {

// Whether this process runs as root, which reads and writes past every permission.
bool runsAsRoot();

// Mounts a small file system on the empty folder, in a mount namespace of this process's own
// where that can be had, so that nothing stays mounted after a crash. Returns the reason
// when mounting is refused here.
std::optional<QString> mountSmallFileSystem(const QString &folder);
// Unmounts what mountSmallFileSystem mounted.
void unmount(const QString &folder);
// Fills the file system that holds the folder with one file until not one byte more fits.
bool fillUp(const QString &folder);

// Starts the count of the most memory this process holds from what it holds now.
void resetPeakMemory();
// The most resident memory this process has held since resetPeakMemory(), in KiB.
qint64 peakMemoryKiB();

// The running test function and data row as the test runner names them on its command line.
QString currentTestRow();

// Runs one test row ("function:tag") of this executable again as the unprivileged user
// nobody, from a copy in a folder nobody may enter; the child makes its own temporary
// folders. Returns why, with the child's output, when it did not pass or skipped the row.
std::optional<QString> runAsNobody(const QString &testRow);

// Opens a FIFO for writing once a reader has waited on it for a quarter of a minute, so that a
// blocked open returns (and reads nothing) and the one test fails instead of the whole run
// hanging. Nothing happens while no reader waits.
class FifoWatchdog final {
public:
    explicit FifoWatchdog(const QString &path);
    ~FifoWatchdog();
    Q_DISABLE_COPY_MOVE(FifoWatchdog)

    // Ends the watch; true when a reader had to be set free.
    bool stop();

private:
    void watch();

    QByteArray m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_done = false;
    bool m_fired = false;
    std::thread m_thread;
};

} // namespace hostile
