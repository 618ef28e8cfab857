// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maker/picture_states.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace ui {

// What the picture maker draws, as the user set it.
struct ButtonLook {
    QString caption;
    QFont font; // family, size in pixels, weight
    Rgb text;
    Rgb face;
    Rgb border;
    int corner = 0; // radius in pixels at 1x; 0 gives square corners
    bool raised = false;
    QSize size; // at 1x
};

// The pixels the caption takes at 1x: its advance and the font's line height.
PixelSize captionSize(const ButtonLook &look);

// One state's picture at the scale (1 or 2): size times scale pixels, transparent outside its
// corners. Edges that are straight fall on whole pixels at 1x, so a one-pixel border is one
// pixel, and at 2x every part is twice its size at 1x.
QImage drawState(const ButtonLook &look, PictureState state, int scale);

} // namespace ui
