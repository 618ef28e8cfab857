// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/example_link.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString LinkText = u"Example Link"_s;

QColor colourOf(Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

} // namespace

ExampleLink::ExampleLink(QWidget *parent, const QRect &geometry)
    : QLabel(LinkText, parent)
{
    setObjectName(u"ExampleLink"_s);
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAccessibleName(LinkText);
    setAccessibleDescription(u"The page's example link, with the final code's effects"_s);
    refresh();
}

void ExampleLink::setStyle(const LinkStyle &style)
{
    m_style = style;
    refresh();
}

void ExampleLink::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    m_hovered = true;
    refresh();
}

void ExampleLink::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    m_hovered = false;
    refresh();
}

void ExampleLink::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    refresh();
}

void ExampleLink::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    refresh();
}

void ExampleLink::refresh()
{
    m_look = LookOf(m_style, m_hovered, hasFocus());
    QFont face = font();
    face.setPixelSize(std::max(1, static_cast<int>(std::lround(m_look.fontSizePx))));
    face.setUnderline(m_look.underline);
    setFont(face);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colourOf(m_look.colour));
    setPalette(colours);
    switch (m_look.textCase) {
    case LinkLook::Case::Upper:
        setText(LinkText.toUpper());
        break;
    case LinkLook::Case::Lower:
        setText(LinkText.toLower());
        break;
    case LinkLook::Case::AsWritten:
        setText(LinkText);
        break;
    }
    update();
}

void ExampleLink::paintEvent(QPaintEvent *event)
{
    // The background colour lies behind the text only, as behind an inline link.
    if (m_look.background) {
        QPainter painter(this);
        const QSize size = fontMetrics().size(Qt::TextSingleLine, text());
        painter.fillRect(QStyle::alignedRect(layoutDirection(), alignment(), size, contentsRect()),
                         colourOf(*m_look.background));
    }
    QLabel::paintEvent(event);
    // The keyboard's place shows, as on every control that takes it.
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
