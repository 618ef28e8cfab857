// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/child_window.h"

#include "ui/look.h"
#include "ui/workspace.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiSubWindow>

namespace ui {

ChildWindow::ChildWindow(Workspace &workspace, const QString &name, const QString &caption, QSize clientTwips)
    : m_workspace(workspace)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(pixels(clientTwips.width()), pixels(clientTwips.height()));
    setBackground(this, WindowBackground);
    setWindowIcon(applicationIcon());
    setFont(windowFont());
}

ChildWindow::~ChildWindow() = default;

Services &ChildWindow::services() const
{
    return m_workspace.services();
}

void ChildWindow::ensureLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_subWindow = new QMdiSubWindow;
    m_subWindow->setObjectName(objectName() + QStringLiteral("Frame"));
    m_subWindow->setWidget(this);
    // The frame measures its title text anew at every step of being placed and laid out, and
    // the text sets no size or place: the frame takes it once it stands.
    m_subWindow->setWindowTitle(QString());
    m_subWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_subWindow->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_subWindow->setWindowIcon(windowIcon());
    m_workspace.addSubWindow(m_subWindow);
    m_subWindow->adjustSize();
    QCoreApplication::sendPostedEvents(m_subWindow, QEvent::LayoutRequest);
    placeInView();
    m_subWindow->setWindowTitle(windowTitle());
    Form_Load();
}

void ChildWindow::placeInView()
{
    // The toolkit steps each new window on from the others; one that would then reach past
    // the part of the client area that shows starts again at its top left, and so does a
    // window too big to fit at all.
    if (!m_workspace.visibleArea().contains(m_subWindow->geometry()))
        m_subWindow->move(0, 0);
}

// Positions are in the workspace's own terms: scrolling it moves what is seen, not where
// its windows stand.
int ChildWindow::left()
{
    ensureLoaded();
    return m_subWindow ? twips(m_subWindow->x() + m_workspace.scrollOffset().x()) : 0;
}

int ChildWindow::top()
{
    ensureLoaded();
    return m_subWindow ? twips(m_subWindow->y() + m_workspace.scrollOffset().y()) : 0;
}

void ChildWindow::setLeft(int twips)
{
    ensureLoaded();
    if (m_subWindow && !m_closed)
        m_subWindow->move(pixels(twips) - m_workspace.scrollOffset().x(), m_subWindow->y());
}

void ChildWindow::setTop(int twips)
{
    ensureLoaded();
    if (m_subWindow && !m_closed)
        m_subWindow->move(m_subWindow->x(), pixels(twips) - m_workspace.scrollOffset().y());
}

void ChildWindow::showWindow()
{
    ensureLoaded();
    if (!m_subWindow || m_closed)
        return;
    m_subWindow->show();
    m_subWindow->raise();
    m_workspace.setActiveSubWindow(m_subWindow);
    m_workspace.scrollToShow(m_subWindow);
}

void ChildWindow::closeWindow()
{
    if (m_closed)
        return;
    if (m_subWindow) {
        m_subWindow->close(); // asks this widget first, which runs the handlers
    } else {
        // Never loaded: nothing to ask, nothing to show.
        m_closed = true;
        deleteLater();
    }
}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (!cancel)
        Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    m_closed = true;
    event->accept();
}

} // namespace ui
