// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start.h"

#include "app/end_signals.h"
#include "app/main_window.h"
#include "ui/browser_pages.h"
#include "ui/look.h"

#include <QApplication>

std::unique_ptr<Mainfrm> startApplication(ui::Services &services, FirstRunMarker marker)
{
    QApplication::setApplicationName(QStringLiteral("Quillarc 2"));
    // Lets a desktop match the windows to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Quillarc"));
    QApplication::setWindowIcon(ui::applicationIcon());

    // The pages that ended runs showed in the browser have been read by now.
    ui::BrowserPages::removeEndedRuns();
    auto mainWindow = std::make_unique<Mainfrm>(services, std::move(marker));
    // A log-out or Ctrl+C ends the program as File > Exit does.
    auto *endSignals = new ui::EndSignals(mainWindow.get());
    QObject::connect(endSignals, &ui::EndSignals::endAsked, mainWindow.get(), &Mainfrm::ex_Click);
    // Start-up runs while the main window loads, before it is first shown.
    mainWindow->MDIForm_Load();
    mainWindow->show();
    return mainWindow;
}
