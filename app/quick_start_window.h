// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/child_window.h"

// One-click access to the three wizards, the tutorials and quitting. The rollover, the link
// effect and the tutorials are the main window's operations: the window asks for them, and the
// main window, which creates it, connects the asking to them.
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
    void tutorialsAsked();
    void quitAsked(); // the main window ends the application at once, as its Exit does
};
