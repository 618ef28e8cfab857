// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, run to the first paint of the Quick Start and welcome windows
// and idle. argv[1]: a folder without a first-run marker, so that the welcome window shows.

#include "app/first_run_marker.h"
#include "app/main_window.h"
#include "app/start.h"
#include "bench/measure.h"
#include "ui/services.h"

#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The main window keeps its place in the settings: the bench's own, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bench::ExitWhenPainted watch({QStringLiteral("Form1"), QStringLiteral("Form4")});
    ui::DesktopServices services;
    const std::unique_ptr<Mainfrm> mainWindow = startApplication(services, FirstRunMarker(folder, folder));
    return QApplication::exec();
}
