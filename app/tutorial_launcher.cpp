// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tutorial_launcher.h"

#include "app/pick_tutorial.h"
#include "button/button_editor.h"
#include "linkfx/link_effects_window.h"
#include "rollover/properties_window.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/services.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using ui::pixelRect;

Form6::Form6(ui::Workspace &workspace)
    : ChildWindow(workspace, u"Form6"_s, u"Help Getting Started"_s, {8370, 5730})
{
    QLabel *label1 = ui::makeLabel(
        this, u"Label1"_s,
        u"Ok, so you don't know how to use this? No Problem! This interactive tutorial will guide you through the "
        "process of creating a rollover,link effect, or button. Click on one of the options below to begin!"_s,
        pixelRect(120, 120, 8055, 2535));
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont large = ui::windowFont();
    large.setPointSizeF(18);
    label1->setFont(large);

    const auto button = [this](const QString &name, const QString &caption, int top, const QString &toolTip,
                               void (Form6::*handler)()) {
        QPushButton *command = ui::makeButton(this, name, caption, pixelRect(2520, top, 2775, 495), toolTip);
        connect(command, &QPushButton::clicked, this, handler);
    };
    button(u"Command1"_s, u"A Rollover"_s, 2640, u"Start the interactive tutorial for creating a rollover"_s,
           &Form6::Command1_Click);
    button(u"Command2"_s, u"A Link Effect"_s, 3240, u"Start the interactive tutorial for creating a link effect"_s,
           &Form6::Command2_Click);
    button(u"Command4"_s, u"A Button"_s, 3840, QString(), &Form6::Command4_Click);
    button(u"Command3"_s, u"Pick One For Me"_s, 4440, u"Pick a random tutorial; either a rollover or a link effect"_s,
           &Form6::Command3_Click);
    button(u"Command5"_s, u"Close"_s, 5040, QString(), &Form6::Command5_Click);
}

template <typename Window> void Form6::startTutorial()
{
    // The flag is set before the window loads, so its load step starts the tutorial;
    // no position is set: the window goes where a new child window goes.
    auto *window = new Window(workspace());
    window->tutmode = true;
    window->showWindow();
    closeWindow();
}

void Form6::Command1_Click()
{
    startTutorial<Form2>();
}

void Form6::Command2_Click()
{
    startTutorial<Form5>();
}

void Form6::Command4_Click()
{
    startTutorial<Form7>();
}

void Form6::Command3_Click()
{
    switch (PickTutorial(services().randomDraw())) {
    case 1:
        startTutorial<Form5>();
        break;
    case 2:
        startTutorial<Form2>();
        break;
    default:
        startTutorial<Form7>();
        break;
    }
}

void Form6::Command5_Click()
{
    closeWindow();
}
