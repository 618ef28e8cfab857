// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/button_art.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace ui {

namespace {

QColor colourOf(Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

// The picture's outline moved in by the inset on every side, its corners rounded to match.
QPainterPath outline(const ButtonLook &look, int inset)
{
    QPainterPath path;
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(look.size)).adjusted(inset, inset, -inset, -inset);
    const qreal radius = std::max(0, look.corner - inset);
    path.addRoundedRect(area, radius, radius);
    return path;
}

} // namespace

PixelSize captionSize(const ButtonLook &look)
{
    const QFontMetrics metrics(look.font);
    return {metrics.horizontalAdvance(look.caption), metrics.height()};
}

QImage drawState(const ButtonLook &look, PictureState state, int scale)
{
    QImage image(look.size * scale, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // Drawn in the pixels of 1x: at 2x every edge on a whole pixel falls on a whole pixel too.
    painter.scale(scale, scale);
    painter.fillPath(outline(look, 0), colourOf(look.border));

    const Rgb face = FaceOf(state, look.face);
    const QPainterPath inside = outline(look, BorderWidth);
    if (look.raised) {
        // Light above and left, shadow below and right; the other way round while pressed.
        const bool pressed = state == PictureState::Down;
        const QColor light = colourOf(Mix(face, {255, 255, 255}, 0.5));
        const QColor shadow = colourOf(Mix(face, {0, 0, 0}, 0.5));
        painter.fillPath(inside, pressed ? shadow : light);
        painter.setClipPath(inside);
        painter.fillPath(inside.translated(BevelWidth, BevelWidth), pressed ? light : shadow);
        painter.setClipping(false);
        painter.fillPath(outline(look, BorderWidth + BevelWidth), colourOf(face));
    } else {
        painter.fillPath(inside, colourOf(face));
    }

    // Centred on whole pixels, so that the 2x caption stands where the 1x one does; a caption
    // too long for the picture is cut at the border.
    const QFontMetrics metrics(look.font);
    const int shift = state == PictureState::Down ? 1 : 0;
    const int x = (look.size.width() - metrics.horizontalAdvance(look.caption)) / 2 + shift;
    const int y = (look.size.height() - metrics.height()) / 2 + shift;
    painter.setClipPath(inside);
    painter.setFont(look.font);
    painter.setPen(colourOf(look.text));
    painter.drawText(QPointF(x, y + metrics.ascent()), look.caption);
    return image;
}

} // namespace ui
