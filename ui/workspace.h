// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiArea>

namespace ui {

class Services;

// The main window's client area: every child window lives in it. It hands the services
// (dialogs, prompt, random draws) to the windows it holds.
//
// The area scrolls when its windows reach past its visible part; positions of windows are
// measured from the area's own top left corner, wherever it is scrolled to.
class Workspace final : public QMdiArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Workspace)

public:
    explicit Workspace(Services &services, QWidget *parent = nullptr);

    Services &services() const { return m_services; }

    // How far the area is scrolled: where the visible part's top left corner lies in the area.
    QPoint scrollOffset() const;
    // The part of the area that shows, in the terms its windows are placed in.
    QRect visibleArea() const;
    // Scrolls so that the child window's top left corner is visible, with as much of the
    // window as fits.
    void scrollToShow(const QWidget *child);
    // Lays the windows out side by side, in rows as wide as the visible part, each at its own
    // size: they are made for it. The area scrolls to what does not fit.
    void tileWindows();

private:
    // The size of the visible part once the scroll bars the windows need are shown.
    QSize visibleSize() const;

    Services &m_services;
};

} // namespace ui
