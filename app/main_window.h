#pragma once

#include "app/first_run_marker.h"
#include "ui/single_window.h"

#include <QMainWindow>

namespace ui {
class Services;
class Workspace;
} // namespace ui

class Form1;

// The application's frame: menus and the workspace that holds every other window.
class Mainfrm final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Mainfrm)

public:
    Mainfrm(ui::Services &services, FirstRunMarker marker);
    ~Mainfrm() override;

    // The application-wide reference to the one main window.
    static Mainfrm *instance();

    ui::Workspace &workspace() const { return *m_workspace; }

    // The single welcome window: the open one, or a fresh one when there is none.
    Form1 &welcomeWindow();

    // Start-up: read the marker, show the welcome window on a first run.
    void MDIForm_Load();

public Q_SLOTS:
    void rollover_Click();
    void te_Click();
    void button_Click();
    void ex_Click();
    void qs_Click();
    void hgs_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();

    ui::Services &m_services;
    FirstRunMarker m_marker;
    ui::Workspace *m_workspace;
    ui::SingleWindow<Form1> m_welcome;
};
