// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/step_frames.h"

#include "ui/controls.h"

#include <QGroupBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace ui {

std::vector<QGroupBox *> makeStepFrames(QWidget *window, std::initializer_list<StepFrame> steps)
{
    std::vector<QGroupBox *> frames;
    frames.reserve(steps.size());
    for (const StepFrame &step : steps) {
        QGroupBox *frame = makeFrame(window, step.frame, u"Interactive Tutorial"_s, step.frameGeometry, step.colour);
        frame->hide();
        makeLabel(frame, step.label, step.text, step.labelGeometry);
        if (!step.button.isEmpty()) {
            QPushButton *ok = makeButton(frame, step.button, step.caption, step.buttonGeometry);
            QObject::connect(ok, &QPushButton::clicked, window, step.ok);
        }
        frames.push_back(frame);
    }
    return frames;
}

void turnStep(QWidget *from, QWidget *to, StepTurn turn)
{
    if (to && turn == StepTurn::ShowFirst)
        to->show();
    from->hide();
    if (to && turn == StepTurn::HideFirst)
        to->show();
}

} // namespace ui
