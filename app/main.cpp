#include "app/first_run_marker.h"
#include "app/main_window.h"
#include "ui/look.h"
#include "ui/services.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillarc 2"));
    // Lets a desktop match the windows to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Quillarc"));
    QApplication::setWindowIcon(ui::applicationIcon());

    ui::DesktopServices services;
    Mainfrm mainWindow(services, FirstRunMarker::forApplication());
    // Start-up runs while the main window loads, before it is first shown.
    mainWindow.MDIForm_Load();
    mainWindow.show();
    return QApplication::exec();
}
