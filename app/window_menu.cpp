// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_menu.h"

#include "app/window_titles.h"
#include "ui/workspace.h"

#include <QActionGroup>
#include <QMdiSubWindow>

using namespace Qt::StringLiterals;

WindowMenu::WindowMenu(ui::Workspace &area, QWidget *parent)
    : QMenu(u"&Window"_s, parent)
    , m_area(area)
{
    setObjectName(u"window"_s);
    const auto addItem = [this](const QString &name, const QString &caption, auto slot) {
        QAction *action = addAction(caption, this, slot);
        action->setObjectName(name);
        return action;
    };
    addItem(u"cascade"_s, u"&Cascade"_s, [this] { m_area.cascadeSubWindows(); });
    addItem(u"tile"_s, u"&Tile"_s, [this] { m_area.tileWindows(); });
    addSeparator();
    // The keys of the classic multiple-document windows first, which the menu shows.
    addItem(u"next"_s, u"Ne&xt"_s, [this] {
        m_area.activateNextSubWindow();
        showActive();
    })->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    addItem(u"previous"_s, u"Pre&vious"_s,
            [this] {
                m_area.activatePreviousSubWindow();
                showActive();
            })
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    m_listStart = addSeparator();
    m_list = new QActionGroup(this);
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::listWindows);
}

void WindowMenu::showActive()
{
    if (QMdiSubWindow *active = m_area.activeSubWindow())
        m_area.scrollToShow(active);
}

void WindowMenu::listWindows()
{
    for (QAction *action : m_list->actions())
        delete action;
    const QList<QMdiSubWindow *> windows = m_area.subWindowList();
    m_listStart->setVisible(!windows.isEmpty());
    // Two windows of one kind are told apart by their number among them.
    std::vector<std::string> titles;
    for (const QMdiSubWindow *window : windows)
        titles.push_back(window->windowTitle().toStdString());
    const std::vector<std::string> listed = ListedTitles(titles);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows.at(i);
        // The first nine take their number as access key.
        const QString number = i < 9 ? u"&%1"_s.arg(i + 1) : QString::number(i + 1);
        QAction *action = addAction(number + u' ' + QString::fromStdString(listed.at(std::size_t(i))));
        action->setObjectName(u"window%1"_s.arg(i + 1));
        action->setCheckable(true);
        action->setChecked(window == m_area.activeSubWindow());
        m_list->addAction(action);
        connect(action, &QAction::triggered, window, [this, window] {
            m_area.setActiveSubWindow(window);
            m_area.scrollToShow(window);
        });
    }
}
