// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QFont;
class QIcon;
class QLabel;
class QWidget;

// The shared look of every child window, and the conversion from the twips the
// window layouts are drawn in to the pixels the toolkit wants.
namespace ui {

inline constexpr int TwipsPerPixel = 15;

inline const QColor WindowBackground{255, 255, 192};   // light yellow
inline const QColor ButtonFace{255, 224, 192};         // light orange
inline const QColor ButtonBorder{128, 112, 96};        // the face at half its brightness
inline const QColor DisabledButtonFace{232, 230, 228}; // the face greyed
inline const QColor DisabledButtonText{150, 150, 150};
inline const QColor StepFrameYellow{255, 255, 128}; // tutorial step frames
inline const QColor HighlightRed{255, 0, 0};
inline const QColor HighlightText{255, 255, 255};

constexpr int pixels(int twips)
{
    return twips / TwipsPerPixel;
}
constexpr int twips(int pixels)
{
    return pixels * TwipsPerPixel;
}
QRect pixelRect(int left, int top, int width, int height); // arguments in twips

// The 32 by 32 icon every window carries.
QIcon applicationIcon();

// The font of the child windows: a narrow sans serif at 7.5 points, with 13 pixel lines.
QFont windowFont();

// Paints a widget's own background in one colour (labels stay transparent).
void setBackground(QWidget *widget, const QColor &colour);

// A tutorial step highlights a field label white on red; clearing restores black on the window's colour.
void highlightLabel(QLabel *label);
void clearHighlight(QLabel *label);
bool isHighlighted(const QLabel *label);

} // namespace ui
