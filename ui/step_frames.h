// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/look.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class QGroupBox;
class QWidget;

// The step frames of the interactive tutorials: each step is one frame captioned
// "Interactive Tutorial", hidden until its step comes, holding the step's text and, but for a
// last step that has none, an Ok button that moves on.
namespace ui {

// One step frame. Rectangles are in pixels, the frame's relative to the window and the
// label's and button's relative to the frame; windows drawn in twips give pixelRect(...).
struct StepFrame {
    QString frame{};
    QRect frameGeometry{};
    QString label{};
    QRect labelGeometry{};
    QString text{};
    QString button{}; // empty: the step has no Ok button
    QString caption = QStringLiteral("Ok");
    QRect buttonGeometry{};
    std::function<void()> ok{}; // what the Ok button does
    QColor colour = StepFrameYellow;
};

// Builds the frames in the order given, so that a later one lies above an earlier one, and
// answers them in that order.
std::vector<QGroupBox *> makeStepFrames(QWidget *window, std::initializer_list<StepFrame> steps);

// The line below the first step of the rollover and button tutorials that leads a newcomer
// without pictures to the picture maker: a label `MakePicturesTip` under the frame's other
// controls, as wide as its text label, and the frame grows by it.
void addMakePicturesTip(QGroupBox *frame);

// Whether the next step's frame shows before the step's own frame hides, or after.
enum class StepTurn { ShowFirst, HideFirst };

// Moves the tutorial on from one step frame to the next (none after the last step).
void turnStep(QWidget *from, QWidget *to, StepTurn turn = StepTurn::ShowFirst);

} // namespace ui
