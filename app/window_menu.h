// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

class QActionGroup;
class QMdiArea;

// The Window menu: cascade or tile the open windows, move to the next or previous one, and a
// numbered list of them all with the active one checked, made anew each time the menu opens.
class WindowMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowMenu)

public:
    WindowMenu(QMdiArea &area, QWidget *parent);

private:
    void listWindows();

    QMdiArea &m_area;
    QAction *m_listStart = nullptr; // the separator above the list
    QActionGroup *m_list = nullptr;
};
