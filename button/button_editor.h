#pragma once

#include "ui/child_window.h"

// The button editor.
class Form7 final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit Form7(ui::Workspace &workspace);

    bool tutmode = false;
};
