// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

class QActionGroup;

namespace ui {
class Workspace;
}

// The Window menu: cascade or tile the open windows, move to the next or previous one (Ctrl+F6,
// Ctrl+Shift+F6), and a numbered list of them all with the active one checked, made anew each
// time the menu opens. The window it moves to shows whole, as far as it fits.
class WindowMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowMenu)

public:
    WindowMenu(ui::Workspace &area, QWidget *parent);

private:
    void listWindows();
    void showActive();

    ui::Workspace &m_area;
    QAction *m_listStart = nullptr; // the separator above the list
    QActionGroup *m_list = nullptr;
};
