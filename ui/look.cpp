// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QtCore/qapplicationstatic.h>

using namespace Qt::StringLiterals;

// The resources live in a static library, so they are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

static QIcon loadApplicationIcon()
{
    registerResources();
    return QIcon(u":/quillarc.png"_s);
}

// Built once and shared while the application lives, so that opening a window builds no icon
// (and no cached picture of one) of its own.
Q_APPLICATION_STATIC(const QIcon, theApplicationIcon, loadApplicationIcon())

namespace ui {

QRect pixelRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

QIcon applicationIcon()
{
    return *theApplicationIcon;
}

QFont windowFont()
{
    // The windows were laid out for an 8 point sans serif with 13 pixel lines. The narrow
    // face at 7.5 points (10 pixels) keeps those 13 pixel lines and sets every text with room
    // to spare in its box; a face of ordinary width runs the longest tutorial steps under
    // their "Ok" buttons. The face is asked for by its own name: a family that is not
    // installed sends every font size through a search of all fonts for stand-ins, which
    // doubled the cost of the fonts at start-up.
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &face : {u"PT Sans Narrow"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s}) {
            if (installed.contains(face))
                return face;
        }
        return QString(); // the application's own font
    }();
    QFont font(family);
    font.setPointSizeF(7.5);
    return font;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void highlightLabel(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, HighlightRed);
    palette.setColor(QPalette::WindowText, HighlightText);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void clearHighlight(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, WindowBackground);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

bool isHighlighted(const QLabel *label)
{
    return label->autoFillBackground() && label->palette().color(QPalette::Window) == HighlightRed &&
           label->palette().color(QPalette::WindowText) == HighlightText;
}

} // namespace ui
