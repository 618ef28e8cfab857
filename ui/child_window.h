// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <QSize>
#include <QWidget>

namespace ui {

class Services;
class Workspace;

// A child window of the workspace with the classic life cycle: it is created, then loaded
// on the first use of left(), top(), setLeft(), setTop() or showWindow() (which runs
// Form_Load), then shown. Setting a window's own public flags does not load it. Closing
// runs Form_QueryUnload and Form_Unload and discards the window later.
//
// Left and Top are in twips from the top left corner of the workspace, however it is scrolled.
class ChildWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChildWindow)

public:
    ~ChildWindow() override;

    int left();
    int top();
    void setLeft(int twips);
    void setTop(int twips);
    // Loads the window if needed, shows it modeless and makes it the active child window;
    // the workspace scrolls to show it.
    void showWindow();
    // Runs the close handlers; the window is discarded later.
    void closeWindow();

    bool isLoaded() const { return m_loaded; }
    bool isClosed() const { return m_closed; }
    QMdiSubWindow *subWindow() const { return m_subWindow; }
    Workspace &workspace() const { return m_workspace; }
    Services &services() const;

protected:
    // clientTwips: the size of the window's client area in twips.
    ChildWindow(Workspace &workspace, const QString &name, const QString &caption, QSize clientTwips);

    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool & /*cancel*/) {}
    virtual void Form_Unload(bool & /*cancel*/) {}

    void closeEvent(QCloseEvent *event) override;

private:
    void ensureLoaded();
    void placeInView();

    Workspace &m_workspace;
    QPointer<QMdiSubWindow> m_subWindow;
    bool m_loaded = false;
    bool m_closed = false;
};

} // namespace ui

namespace ui {

// A new wizard window at the top of the workspace: create it, set Top (which loads it),
// show it, and let it live on its own.
template <typename Window> Window *openAtTop(Workspace &workspace)
{
    auto *window = new Window(workspace);
    window->setTop(0);
    window->showWindow();
    return window;
}

} // namespace ui
