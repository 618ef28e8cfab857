// The floor of start-up: a bare toolkit program with a main window that holds an MDI area
// and a menu bar, run to its first paint and idle like the program's own start-up.

#include "bench/measure.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
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

    const bench::ExitWhenPainted watch({QStringLiteral("area"), QStringLiteral("menu")});
    window.show();
    return QApplication::exec();
}
