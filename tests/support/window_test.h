// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fake_services.h"
#include "tests/support/test_workspace.h"
#include "ui/workspace.h"

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>

class QWidget;

// What the window tests do with a window: find its controls by name, click its buttons,
// move and press the mouse on it, and read the clipboard it fills.
namespace testwindows {

[[noreturn]] void noSuchChild(const QObject *parent, const QString &name);

// The named child of a window. A missing one stops the whole run: no check that follows
// could mean anything.
template <typename T> T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        noSuchChild(parent, name);
    return found;
}

// Clicks the named button with the mouse, as the user does. The button must be shown and
// enabled: a click sent to a hidden button would still reach it, which no user can do.
void click(const QWidget *window, const QString &name);

// Sends one mouse event straight to a control, with the buttons the event says are held.
void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button = Qt::NoButton, QPoint at = {3, 3},
               Qt::MouseButtons held = Qt::NoButton);

QString clipboardText();

} // namespace testwindows

// The fixture of every window test: for each test function a fresh shown workspace with
// scripted services, and at its end the check that no dialog was asked without a scripted
// answer. A test class derives from it; an init() or cleanup() of its own calls these first.
class WindowTest : public QObject {
    Q_OBJECT

public:
    explicit WindowTest(QSize workspaceSize = {760, 512});
    ~WindowTest() override;

protected Q_SLOTS:
    void init();
    void cleanup();

protected:
    FakeServices &services() const { return m_fixture->services; }
    ui::Workspace &workspace() const { return *m_fixture->workspace; }

    // A new window at the top of the workspace, shown; the tutorial flag is set before
    // anything loads the window, as the tutorial launcher does.
    template <typename Window> Window *open(bool tutorial = false) const
    {
        auto *window = new Window(workspace());
        if constexpr (requires { window->tutmode; })
            window->tutmode = tutorial;
        window->setTop(0);
        window->showWindow();
        return window;
    }

private:
    const QSize m_workspaceSize;
    std::unique_ptr<TestWorkspace> m_fixture;
};
