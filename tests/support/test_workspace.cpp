// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/test_workspace.h"

#include "ui/workspace.h"

#include <QTest>

TestWorkspace::TestWorkspace(QSize size)
    : workspace(new ui::Workspace(services))
{
    workspace->resize(size);
    workspace->show();
    if (!QTest::qWaitForWindowExposed(workspace))
        qWarning("the test workspace was not exposed");
}

TestWorkspace::~TestWorkspace()
{
    // The windows go before the services they use.
    delete workspace;
}
