// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/child_window.h"

// Starts one of the three wizards as an interactive tutorial.
class Form6 final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit Form6(ui::Workspace &workspace);

    void Command1_Click(); // A Rollover
    void Command2_Click(); // A Link Effect
    void Command4_Click(); // A Button
    void Command3_Click(); // Pick One For Me
    void Command5_Click(); // Close

private:
    template <typename Window> void startTutorial();
};
