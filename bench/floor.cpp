// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of start-up: a bare toolkit program with a main window that holds an MDI area
// and a menu bar, run to its first paint and idle like the program's own start-up.
// With the argument "windows" it also shows two empty sub-windows with the titles, frames
// and client sizes of the Quick Start and welcome windows: what the toolkit itself spends
// on the windows the program opens at start-up, before anything is drawn inside them.

#include "bench/measure.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {

void addEmptyWindow(QMdiArea *area, const QString &name, const QString &title, QPoint place, QSize client)
{
    auto *inside = new QWidget;
    inside->setObjectName(name);
    inside->setFixedSize(client);
    QMdiSubWindow *window = area->addSubWindow(inside, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(title);
    window->adjustSize();
    window->move(place);
    window->show();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool withWindows = argc > 1 && qstrcmp(argv[1], "windows") == 0;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *area = new QMdiArea;
    area->viewport()->setObjectName(QStringLiteral("area"));
    window.setCentralWidget(area);
    window.menuBar()->setObjectName(QStringLiteral("menu"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addMenu(QStringLiteral("New"))->addAction(QStringLiteral("Window"));
    file->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("Help"));
    window.resize(760, 512 + window.menuBar()->sizeHint().height());

    QStringList painted{QStringLiteral("area"), QStringLiteral("menu")};
    if (withWindows) {
        // Client sizes and places of the welcome and Quick Start windows, in pixels.
        addEmptyWindow(area, QStringLiteral("welcome"), QStringLiteral("Welcome!"), {180, 0}, {520, 231});
        addEmptyWindow(area, QStringLiteral("quick"), QStringLiteral("Quick Start"), {0, 0}, {171, 208});
        painted << QStringLiteral("welcome") << QStringLiteral("quick");
    }
    const bench::ExitWhenPainted watch(painted);
    window.show();
    return QApplication::exec();
}
