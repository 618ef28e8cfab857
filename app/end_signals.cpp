// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/end_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace ui {

namespace {

constexpr std::array EndingSignals{SIGTERM, SIGINT, SIGHUP};
std::array<int, 2> pipeEnds{-1, -1}; // read, write

void onSignal(int /*number*/)
{
    // Only what a signal handler may do: one byte into a pipe that never blocks.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

void handleSignals(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : EndingSignals)
        ::sigaction(number, &action, nullptr);
}

} // namespace

EndSignals::EndSignals(QObject *parent)
    : QObject(parent)
{
    if (::pipe2(pipeEnds.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default: they end the program at once
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(pipeEnds[0], &byte, 1) > 0) {
        }
        Q_EMIT endAsked();
    });
    handleSignals(onSignal);
}

EndSignals::~EndSignals()
{
    if (!m_notifier)
        return;
    handleSignals(SIG_DFL);
    delete m_notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds = {-1, -1};
}

} // namespace ui
