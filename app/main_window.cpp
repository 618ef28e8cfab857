// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/quick_start_window.h"
#include "app/tutorial_launcher.h"
#include "app/welcome_window.h"
#include "app/window_menu.h"
#include "button/button_editor.h"
#include "insert/inserted_window.h"
#include "linkfx/link_effects_window.h"
#include "rollover/properties_window.h"
#include "ui/look.h"
#include "ui/remembered_places.h"
#include "ui/services.h"
#include "ui/workspace.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>

#include <algorithm>

using namespace Qt::StringLiterals;

Mainfrm::Mainfrm(ui::Services &services, FirstRunMarker marker)
    : m_services(services)
    , m_marker(std::move(marker))
    , m_workspace(new ui::Workspace(services, this))
{
    setObjectName(u"Mainfrm"_s);
    setWindowTitle(u"Quillarc 2"_s);
    setWindowIcon(ui::applicationIcon());
    setCentralWidget(m_workspace);
    createMenus();
    // The client area is 760 by 512 pixels when first shown; later runs open as the last one left it.
    m_workspace->setMinimumSize(1, 1);
    resize(760, 512 + menuBar()->sizeHint().height());
    ui::restorePlace(*this, services);
}

Mainfrm::~Mainfrm() = default;

void Mainfrm::createMenus()
{
    QMenu *f = menuBar()->addMenu(u"&File"_s);
    f->setObjectName(u"f"_s);
    QMenu *newMenu = f->addMenu(u"New"_s);
    newMenu->setObjectName(u"new"_s);
    const auto addItem = [this](QMenu *menu, const QString &name, const QString &caption, void (Mainfrm::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    addItem(newMenu, u"rollover"_s, u"Rollover"_s, &Mainfrm::rollover_Click);
    addItem(newMenu, u"te"_s, u"Link Effect"_s, &Mainfrm::te_Click);
    addItem(newMenu, u"button"_s, u"Button"_s, &Mainfrm::button_Click);
    addItem(f, u"EditInsertedCode"_s, u"Edit Inserted Code..."_s, &Mainfrm::EditInsertedCode_Click);
    f->addSeparator()->setObjectName(u"d"_s);
    addItem(f, u"ex"_s, u"Exit"_s, &Mainfrm::ex_Click);

    QMenu *view = menuBar()->addMenu(u"&View"_s);
    view->setObjectName(u"view"_s);
    addItem(view, u"qs"_s, u"Quick Start"_s, &Mainfrm::qs_Click);
    addItem(view, u"hgs"_s, u"Help Getting Started"_s, &Mainfrm::hgs_Click);

    menuBar()->addMenu(new WindowMenu(*m_workspace, this));
}

Form1 &Mainfrm::welcomeWindow()
{
    return m_welcome.get([this] { return new Form1(*m_workspace, m_marker); });
}

Form4 &Mainfrm::quickStartWindow()
{
    return m_quickStart.get([this] {
        auto *quickStart = new Form4(*m_workspace);
        // One thread, so each button runs the operation at once, as its menu command does.
        connect(quickStart, &Form4::rolloverAsked, this, &Mainfrm::rollover_Click);
        connect(quickStart, &Form4::linkEffectAsked, this, &Mainfrm::te_Click);
        connect(quickStart, &Form4::buttonAsked, this, &Mainfrm::button_Click);
        connect(quickStart, &Form4::tutorialsAsked, this, &Mainfrm::hgs_Click);
        connect(quickStart, &Form4::quitAsked, this, &Mainfrm::ex_Click);
        return quickStart;
    });
}

Form6 &Mainfrm::tutorialLauncher()
{
    return m_launcher.get([this] { return new Form6(*m_workspace); });
}

void Mainfrm::MDIForm_Load()
{
    if (!m_marker.saysYes()) {
        Form1 &welcome = welcomeWindow();
        welcome.setLeft(2700);
        welcome.showWindow();
    }
    Form4 &quickStart = quickStartWindow();
    quickStart.setTop(0);
    quickStart.showWindow();
    quickStart.setLeft(0);
}

void Mainfrm::rollover_Click()
{
    ui::openAtTop<Form2>(*m_workspace);
}

void Mainfrm::te_Click()
{
    ui::openAtTop<Form5>(*m_workspace);
}

void Mainfrm::button_Click()
{
    ui::openAtTop<Form7>(*m_workspace);
}

void Mainfrm::EditInsertedCode_Click()
{
    if (InsertedCode *inserted = InsertedCode::pickAndOpen(*m_workspace, this))
        connect(inserted, &InsertedCode::editAsked, this, &Mainfrm::editInserted);
}

void Mainfrm::editInserted(const InsertedEdit &edit)
{
    if (edit.kind == "rollover")
        ui::openAtTop<Form2>(*m_workspace)->editInPage(edit);
    else if (edit.kind == "button")
        ui::openAtTop<Form7>(*m_workspace)->editInPage(edit);
    else if (edit.kind == "linkfx")
        ui::openAtTop<Form5>(*m_workspace)->editInPage(edit);
}

void Mainfrm::ex_Click()
{
    ui::keepPlace(*this, m_services);
    m_services.endApplication();
}

void Mainfrm::qs_Click()
{
    Form4 &quickStart = quickStartWindow();
    quickStart.setLeft(0);
    quickStart.setTop(0);
    quickStart.showWindow();
}

void Mainfrm::hgs_Click()
{
    Form6 &launcher = tutorialLauncher();
    launcher.setTop(0);
    launcher.setLeft(2600);
    launcher.showWindow();
}

void Mainfrm::closeEvent(QCloseEvent *event)
{
    // Every child closes first, with its own close handlers.
    m_workspace->closeAllSubWindows();
    const QList<QMdiSubWindow *> children = m_workspace->subWindowList();
    if (std::any_of(children.cbegin(), children.cend(), [](const QMdiSubWindow *w) { return w->isVisible(); })) {
        event->ignore();
        return;
    }
    ui::keepPlace(*this, m_services);
    event->accept();
}
