// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/test_workspace.h"

#include "ui/workspace.h"

#include <QDir>
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
    // The windows go before the services they use. The pages shown in the browser outlive a
    // program's run; a test's go with it.
    delete workspace;
    if (!services.browserPages().path().isEmpty())
        QDir(services.browserPages().path()).removeRecursively();
}
