// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start.h"

#include "app/main_window.h"
#include "ui/look.h"

#include <QApplication>

std::unique_ptr<Mainfrm> startApplication(ui::Services &services, FirstRunMarker marker)
{
    QApplication::setApplicationName(QStringLiteral("Quillarc 2"));
    // Lets a desktop match the windows to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Quillarc"));
    QApplication::setWindowIcon(ui::applicationIcon());

    auto mainWindow = std::make_unique<Mainfrm>(services, std::move(marker));
    // Start-up runs while the main window loads, before it is first shown.
    mainWindow->MDIForm_Load();
    mainWindow->show();
    return mainWindow;
}
