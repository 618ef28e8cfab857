// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workspace.h"

#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>

namespace ui {

namespace {

// The scroll that brings the span [start, end) into [0, visible): as much of it as fits,
// its start first.
int scrollToShowSpan(int start, int end, int visible)
{
    int scroll = 0;
    if (end > visible)
        scroll = end - visible;
    if (start - scroll < 0)
        scroll = start;
    return scroll;
}

} // namespace

Workspace::Workspace(Services &services, QWidget *parent)
    : QMdiArea(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("Workspace"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Closing a window brings back the one used before it, not the next one created.
    setActivationOrder(QMdiArea::StackingOrder);
}

QPoint Workspace::scrollOffset() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QSize Workspace::visibleSize() const
{
    // The scroll bars the area now needs take their room only at its next layout.
    QSize size = maximumViewportSize();
    const QScrollBar *across = horizontalScrollBar();
    const QScrollBar *down = verticalScrollBar();
    if (across->maximum() > across->minimum())
        size.rheight() -= across->sizeHint().height();
    if (down->maximum() > down->minimum())
        size.rwidth() -= down->sizeHint().width();
    return size;
}

QRect Workspace::visibleArea() const
{
    return {QPoint(0, 0), visibleSize()};
}

void Workspace::scrollToShow(const QWidget *child)
{
    const QRect frame = child->geometry();
    const QSize visible = visibleSize();
    QScrollBar *across = horizontalScrollBar();
    QScrollBar *down = verticalScrollBar();
    across->setValue(across->value() + scrollToShowSpan(frame.left(), frame.right() + 1, visible.width()));
    down->setValue(down->value() + scrollToShowSpan(frame.top(), frame.bottom() + 1, visible.height()));
}

void Workspace::tileWindows()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    const int width = visibleSize().width();
    QPoint at(0, 0);
    int rowHeight = 0;
    for (QMdiSubWindow *window : subWindowList()) {
        if (window->isHidden() || window->isMinimized())
            continue;
        if (window->isMaximized())
            window->showNormal();
        if (at.x() > 0 && at.x() + window->width() > width) {
            at = QPoint(0, at.y() + rowHeight);
            rowHeight = 0;
        }
        window->move(at);
        at.rx() += window->width();
        rowHeight = std::max(rowHeight, window->height());
    }
}

} // namespace ui
