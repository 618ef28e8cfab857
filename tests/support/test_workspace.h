// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fake_services.h"

#include <QSize>

namespace ui {
class Workspace;
}

// A shown workspace with scripted services, made anew for each test function so that
// nothing one test leaves behind reaches the next.
class TestWorkspace final {
    Q_DISABLE_COPY_MOVE(TestWorkspace)

public:
    explicit TestWorkspace(QSize size = {760, 512});
    ~TestWorkspace();

    FakeServices services;
    ui::Workspace *const workspace;
};
