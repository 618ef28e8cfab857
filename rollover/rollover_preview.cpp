// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/rollover_preview.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int FrameWidth = 1;
// The line under the picture that says its size.
constexpr int SizeLineHeight = 15;

} // namespace

RolloverPreview::RolloverPreview(QWidget *parent, const QRect &geometry)
    : QFrame(parent)
    , m_cache(geometry.size() - QSize(2 * FrameWidth, 2 * FrameWidth + SizeLineHeight), 2, ui::PictureFit::ScaledToFit)
{
    setObjectName(u"Preview"_s);
    setGeometry(geometry);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(FrameWidth);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(u"Rollover preview"_s);
    setAccessibleDescription(u"Shows Image #1, and Image #2 while the pointer is over it"_s);

    m_hint = new QLabel(this);
    m_hint->setObjectName(u"PreviewHint"_s);
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setWordWrap(true);
    m_hint->setGeometry(contentsRect());
    m_hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_size = new QLabel(this);
    m_size->setObjectName(u"PreviewSize"_s);
    m_size->setGeometry(contentsRect().left() + 2, contentsRect().bottom() + 1 - SizeLineHeight,
                        contentsRect().width() - 4, SizeLineHeight);
    m_size->setAttribute(Qt::WA_TransparentForMouseEvents);
    refresh();
}

void RolloverPreview::setPicture(RolloverImage which, const QString &path)
{
    const int i = int(which);
    m_unreadable[i] = false;
    if (path.isEmpty()) {
        m_pictures[i] = {};
    } else {
        // A new pick reads the file again; the cache serves the switches between the two.
        m_cache.setPixelRatio(devicePixelRatioF());
        m_cache.forget(path);
        m_pictures[i] = m_cache.picture(path);
        m_unreadable[i] = m_pictures[i].isNull();
    }
    refresh();
}

void RolloverPreview::setUnreadable(RolloverImage which)
{
    m_pictures[int(which)] = {};
    m_unreadable[int(which)] = true;
    refresh();
}

void RolloverPreview::setFocusShowsOver(bool shows)
{
    m_focusShowsOver = shows;
    refresh();
}

void RolloverPreview::setCodeSize(std::optional<QSize> size)
{
    if (size == m_codeSize)
        return;
    m_codeSize = size;
    refresh();
}

QRect RolloverPreview::placeOf(const ui::Picture &picture) const
{
    const QRect room = contentsRect().adjusted(0, 0, 0, -SizeLineHeight);
    QSize size = m_codeSize.value_or(picture.size);
    if (size.width() > room.width() || size.height() > room.height())
        size = size.scaled(room.size(), Qt::KeepAspectRatio);
    return {room.topLeft(), size};
}

void RolloverPreview::pointerAt(QPoint at)
{
    const QRect area = m_pictures[0].isNull() ? contentsRect() : placeOf(m_pictures[0]);
    // Most moves stay on the same side of the picture's edge: nothing to redraw.
    if (area.contains(at) == m_pointerOver)
        return;
    m_pointerOver = !m_pointerOver;
    refresh();
}

void RolloverPreview::mouseMoveEvent(QMouseEvent *event)
{
    pointerAt(event->position().toPoint());
}

void RolloverPreview::enterEvent(QEnterEvent *event)
{
    pointerAt(event->position().toPoint());
}

void RolloverPreview::leaveEvent(QEvent * /*event*/)
{
    m_pointerOver = false;
    refresh();
}

void RolloverPreview::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    refresh();
}

void RolloverPreview::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    refresh();
}

void RolloverPreview::refresh()
{
    const bool over = m_pointerOver || (m_focusShowsOver && hasFocus());
    // Without a picture 2 the rollover changes nothing.
    const int which = over && (!m_pictures[1].isNull() || m_unreadable[1]) ? 1 : 0;
    const ui::Picture &picture = m_pictures[which];
    const QRect place = picture.isNull() ? QRect() : placeOf(picture);
    // Scaled once for each picture and place: the pointer's every move comes here.
    if (picture.shown.cacheKey() != m_shownFrom || place != m_shownPlace) {
        m_shownFrom = picture.shown.cacheKey();
        m_shownPlace = place;
        if (picture.isNull())
            m_shown = QPixmap();
        else if (place.size() == picture.shown.deviceIndependentSize().toSize())
            m_shown = picture.shown;
        else {
            m_shown = picture.shown.scaled(place.size() * picture.shown.devicePixelRatio(), Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
            m_shown.setDevicePixelRatio(picture.shown.devicePixelRatio());
        }
    }
    if (m_unreadable[which])
        m_hint->setText(u"Quillarc cannot read Image #%1."_s.arg(which + 1));
    else
        m_hint->setText(u"Pick Image #1 to preview"_s);
    m_hint->setVisible(m_shown.isNull());
    const QSize written = m_codeSize.value_or(picture.size);
    m_size->setText(picture.isNull() ? QString() : u"%1 \u00D7 %2"_s.arg(written.width()).arg(written.height()));
    update();
}

void RolloverPreview::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QStylePainter painter(this);
    if (!m_shown.isNull())
        painter.drawPixmap(m_shownPlace.topLeft(), m_shown);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
