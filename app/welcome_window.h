// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/first_run_marker.h"
#include "ui/child_window.h"

// The welcome note, shown at start until it has been closed once.
class Form1 final : public ui::ChildWindow {
    Q_OBJECT

public:
    Form1(ui::Workspace &workspace, FirstRunMarker marker);
    ~Form1() override;

protected:
    void Form_QueryUnload(bool &cancel) override;
    void Form_Unload(bool &cancel) override;
    void Form_Terminate();

private:
    FirstRunMarker m_marker;
};
