#pragma once

#include "ui/child_window.h"

// The link effects wizard.
class Form5 final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit Form5(ui::Workspace &workspace);

    bool tutmode = false;
};
