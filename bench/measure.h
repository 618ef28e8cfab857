// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmark programs share: the process's CPU time and peak memory, and a watch
// that ends a start-up run once the named widgets have been painted and the program is idle.
// Toolkit and POSIX only, so that the floor program stays a bare toolkit program.

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

namespace bench {

// User and system CPU time of this process so far, in milliseconds.
inline double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The largest resident set this process had, in KiB.
inline long peakKibibytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The resident set now, in KiB.
inline long residentKibibytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// Once every named widget has had a paint event, lets the event loop run dry, waits a
// little more for anything deferred, prints "cpu-ms peak-KiB" and ends the process at once
// (no window's close handlers run, as with the program's own immediate end).
class ExitWhenPainted final : public QObject {
public:
    explicit ExitWhenPainted(const QStringList &names)
        : m_waiting(names.cbegin(), names.cend())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_waiting.remove(watched->objectName()) && m_waiting.isEmpty()) {
            qApp->removeEventFilter(this);
            // A zero timer fires once the events already queued are handled.
            QTimer::singleShot(0, [] {
                QTimer::singleShot(IdleMilliseconds, [] {
                    std::printf("%.3f %ld\n", cpuMilliseconds(), peakKibibytes());
                    std::fflush(stdout);
                    std::_Exit(0);
                });
            });
        }
        return false;
    }

private:
    static constexpr int IdleMilliseconds = 100;
    QSet<QString> m_waiting;
};

} // namespace bench
