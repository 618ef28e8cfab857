// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_menu.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace Qt::StringLiterals;

WindowMenu::WindowMenu(QMdiArea &area, QWidget *parent)
    : QMenu(u"&Window"_s, parent)
    , m_area(area)
{
    setObjectName(u"window"_s);
    const auto addItem = [this](const QString &name, const QString &caption, auto slot) {
        QAction *action = addAction(caption, &m_area, slot);
        action->setObjectName(name);
        return action;
    };
    addItem(u"cascade"_s, u"&Cascade"_s, &QMdiArea::cascadeSubWindows);
    addItem(u"tile"_s, u"&Tile"_s, &QMdiArea::tileSubWindows);
    addSeparator();
    addItem(u"next"_s, u"Ne&xt"_s, &QMdiArea::activateNextSubWindow)->setShortcuts(QKeySequence::NextChild);
    addItem(u"previous"_s, u"Pre&vious"_s, &QMdiArea::activatePreviousSubWindow)
        ->setShortcuts(QKeySequence::PreviousChild);
    m_listStart = addSeparator();
    m_list = new QActionGroup(this);
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::listWindows);
}

void WindowMenu::listWindows()
{
    for (QAction *action : m_list->actions())
        delete action;
    const QList<QMdiSubWindow *> windows = m_area.subWindowList();
    m_listStart->setVisible(!windows.isEmpty());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows.at(i);
        // The first nine take their number as access key.
        const QString number = i < 9 ? u"&%1"_s.arg(i + 1) : QString::number(i + 1);
        QAction *action = addAction(number + u' ' + window->windowTitle());
        action->setObjectName(u"window%1"_s.arg(i + 1));
        action->setCheckable(true);
        action->setChecked(window == m_area.activeSubWindow());
        m_list->addAction(action);
        connect(action, &QAction::triggered, window, [this, window] { m_area.setActiveSubWindow(window); });
    }
}
