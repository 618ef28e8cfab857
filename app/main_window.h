// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/first_run_marker.h"
#include "ui/single_window.h"

#include <QMainWindow>

namespace ui {
class Services;
class Workspace;
} // namespace ui

struct InsertedEdit;
class Form1;
class Form4;
class Form6;

// The application's frame: menus and the workspace that holds every other window.
class Mainfrm final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Mainfrm)

public:
    Mainfrm(ui::Services &services, FirstRunMarker marker);
    ~Mainfrm() override;

    ui::Workspace &workspace() const { return *m_workspace; }

    // The single windows: the open one, or a fresh one when there is none.
    Form1 &welcomeWindow();
    Form4 &quickStartWindow();
    Form6 &tutorialLauncher();

    // Start-up: read the marker, show the welcome window on a first run, then the Quick Start window.
    void MDIForm_Load();

public Q_SLOTS:
    void rollover_Click();
    void te_Click();
    void button_Click();
    void ex_Click();
    void qs_Click();
    void hgs_Click();
    void EditInsertedCode_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    // Opens the item's wizard on the code of the page it changes.
    void editInserted(const InsertedEdit &edit);

    ui::Services &m_services;
    FirstRunMarker m_marker;
    ui::Workspace *m_workspace;
    ui::SingleWindow<Form1> m_welcome;
    ui::SingleWindow<Form4> m_quickStart;
    ui::SingleWindow<Form6> m_launcher;
};
