// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/rollover_preview.h"

#include "ui/picture_box.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace {

constexpr int FrameWidth = 1;

} // namespace

RolloverPreview::RolloverPreview(QWidget *parent, const QRect &geometry)
    : QFrame(parent)
    , m_cache(geometry.size() - QSize(2 * FrameWidth, 2 * FrameWidth), 2)
{
    setObjectName(u"Preview"_s);
    setGeometry(geometry);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(FrameWidth);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(u"Rollover preview"_s);
    setAccessibleDescription(u"Shows Image #1, and Image #2 while the pointer is over it"_s);

    m_box = new PictureBox(this, u"PreviewPicture"_s, QRect(contentsRect().topLeft(), QSize()));
    // The frame alone follows the pointer, so that it sees the picture's area whatever shows.
    m_box->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_hint = new QLabel(u"Pick Image #1 to preview"_s, this);
    m_hint->setObjectName(u"PreviewHint"_s);
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setGeometry(contentsRect());
    m_hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    refresh();
}

void RolloverPreview::setPicture(int which, const QString &path)
{
    if (path.isEmpty()) {
        m_pictures[which] = {};
    } else {
        // A new pick reads the file again; the cache serves the switches between the two.
        m_cache.forget(path);
        m_pictures[which] = m_cache.picture(path);
    }
    refresh();
}

void RolloverPreview::setFocusShowsOver(bool shows)
{
    m_focusShowsOver = shows;
    refresh();
}

const QPixmap &RolloverPreview::shown() const
{
    return m_box->picture();
}

void RolloverPreview::pointerAt(QPoint at)
{
    const QRect contents = contentsRect();
    const QRect area = m_pictures[0].isNull() ? contents : QRect(contents.topLeft(), m_pictures[0].size) & contents;
    m_pointerOver = area.contains(at);
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

void RolloverPreview::leaveEvent(QEvent *)
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
    m_showsOver = over && !m_pictures[1].isNull();
    const ui::Picture &picture = m_pictures[m_showsOver ? 1 : 0];
    if (picture.isNull()) {
        m_box->setPicture({QPixmap(), QSize()});
        m_box->hide();
    } else {
        m_box->setPicture(picture);
        m_box->show();
    }
    m_hint->setVisible(m_pictures[0].isNull() && !m_showsOver);
}
