// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/child_window.h"

// One-click access to the three wizards, the tutorials and quitting. Each is the main window's
// operation: the window asks for it, and the main window, which creates it, connects the asking
// to it.
class Form4 final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit Form4(ui::Workspace &workspace);

    void Command1_Click(); // Create a Rollover
    void Command2_Click(); // Create a Link Effect
    void Command5_Click(); // Create a Button
    void Command4_Click(); // Help Me Get Started
    void Command3_Click(); // Quit

Q_SIGNALS:
    void rolloverAsked();
    void linkEffectAsked();
    void buttonAsked();
    void tutorialsAsked();
    void quitAsked(); // the main window ends the application at once, as its Exit does
};
