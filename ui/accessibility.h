// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

class QWidget;

// What a screen reader announces for the controls of the fixed-geometry windows.
namespace ui {

// Makes each named label the buddy of the named box of the window ({label, box} pairs), so
// that the box is announced by its label's text. The labels given carry no '&', so no
// access key appears and nothing visible changes.
void setBuddies(QWidget *window, std::initializer_list<std::pair<QString, QString>> labelAndBox);

// Gives the named controls of the window an accessible name of their own ({control, name}
// pairs), for controls whose caption says too little, such as a "..." button.
void setAccessibleNames(QWidget *window, std::initializer_list<std::pair<QString, QString>> controlAndName);

// Gives each named tutorial step frame of the window its step text (the text of the frame's
// one label) as its accessible description, read after the frame's caption.
void describeStepFrames(QWidget *window, const QStringList &frames);

} // namespace ui
