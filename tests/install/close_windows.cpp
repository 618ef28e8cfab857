// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into the installed program by the start test (LD_PRELOAD), so the program itself
// needs no option for it. Once the program has been up for a while, it writes down which
// windows are showing and then closes the main window the way a user does, so the test can
// check a normal end and what that end leaves behind.

#include <QApplication>
#include <QFile>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

#include <chrono>

namespace {

QByteArray showingWindows()
{
    QByteArray names;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        names += window->objectName().toUtf8() + '\n';
        for (const QMdiSubWindow *child : window->findChildren<QMdiSubWindow *>()) {
            if (child->isVisible() && child->widget())
                names += child->widget()->objectName().toUtf8() + '\n';
        }
    }
    return names;
}

void closeLater()
{
    QTimer::singleShot(std::chrono::seconds(4), qApp, [] {
        QFile report(qEnvironmentVariable("QUILLARC_TEST_REPORT"));
        if (report.open(QIODevice::WriteOnly))
            report.write(showingWindows());
        report.close();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                window->close();
        }
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeLater)
