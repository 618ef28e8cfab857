// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace ui {

// SIGTERM, SIGINT and SIGHUP, which a desktop's log-out, a terminal's Ctrl+C or a closed terminal
// send, told on the user-interface thread as endAsked(). The handler only writes to a pipe, which
// a socket notifier watches: Qt's way to call Qt from a Unix signal handler. One at a time; the
// signals' default handling comes back when it goes.
class EndSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EndSignals)

public:
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

Q_SIGNALS:
    void endAsked();

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace ui
