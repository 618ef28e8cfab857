// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/step_frames.h"

#include "ui/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

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

void addMakePicturesTip(QGroupBox *frame)
{
    int bottom = 0;
    for (const QWidget *control : frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, control->geometry().bottom() + 1);
    const QLabel *text = frame->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    const QLabel *tip =
        makeLabel(frame, QStringLiteral("MakePicturesTip"), QStringLiteral("No pictures? Make Pictures... draws them."),
                  QRect(text->x(), bottom + 3, text->width(), 17));
    frame->resize(frame->width(), tip->geometry().bottom() + 8);
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
