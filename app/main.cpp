// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/start.h"
#include "ui/services.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::DesktopServices services;
    const std::unique_ptr<Mainfrm> mainWindow = startApplication(services, FirstRunMarker::forApplication());
    return QApplication::exec();
}
