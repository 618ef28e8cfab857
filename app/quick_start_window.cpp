// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quick_start_window.h"

#include "ui/controls.h"
#include "ui/look.h"
#include "ui/services.h"

#include <QGroupBox>
#include <QPushButton>

using namespace Qt::StringLiterals;
using ui::pixelRect;

Form4::Form4(ui::Workspace &workspace)
    : ChildWindow(workspace, u"Form4"_s, u"Quick Start"_s, {2565, 3120})
{
    QGroupBox *frame = ui::makeFrame(this, u"Frame1"_s, u"Start Quickly!"_s, pixelRect(120, 120, 2295, 2895));
    const auto button = [](QWidget *parent, const QString &name, const QString &caption, int left, int top,
                           const QString &toolTip) {
        return ui::makeButton(parent, name, caption, pixelRect(left, top, 1815, 375), toolTip);
    };
    QPushButton *command1 = button(frame, u"Command1"_s, u"Create a Rollover"_s, 240, 360,
                                   u"Create a new rollover effect for your webpage"_s);
    QPushButton *command2 = button(frame, u"Command2"_s, u"Create a Link Effect"_s, 240, 840,
                                   u"Add some new link effects to your webpage"_s);
    QPushButton *command4 =
        button(frame, u"Command4"_s, u"Help Me Get Started"_s, 240, 1800, u"Start the interactive tutorials"_s);
    QPushButton *command3 = button(frame, u"Command3"_s, u"Quit"_s, 240, 2280, u"Leave, Exit, or Quit"_s);
    // "Create a Button" belongs to the window and is drawn above the frame, third in the column.
    QPushButton *command5 = button(this, u"Command5"_s, u"Create a Button"_s, 360, 1440, QString());
    command5->raise();
    ui::setFocusOrder(this, {u"Command1"_s, u"Command2"_s, u"Command5"_s, u"Command4"_s, u"Command3"_s});

    connect(command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(command4, &QPushButton::clicked, this, &Form4::Command4_Click);
    connect(command3, &QPushButton::clicked, this, &Form4::Command3_Click);
}

void Form4::Command1_Click()
{
    Q_EMIT rolloverAsked();
}

void Form4::Command2_Click()
{
    Q_EMIT linkEffectAsked();
}

void Form4::Command5_Click()
{
    Q_EMIT buttonAsked();
}

void Form4::Command4_Click()
{
    Q_EMIT tutorialsAsked();
}

void Form4::Command3_Click()
{
    Q_EMIT quitAsked();
}
