// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent, const QString &name, const QRect &geometry)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setMouseTracking(true);
}

void PictureBox::setPicture(const ui::Picture &picture)
{
    if (!m_picture.isNull() && picture.shown.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture.shown;
    resize(picture.size);
    update();
}

void PictureBox::paintEvent(QPaintEvent * /*event*/)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

// The events stop here: a move over the preview is no move over the frame around it.
void PictureBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseDown();
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseMove();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    // The preview holds the mouse while a button is down: the release comes here wherever it is.
    if (rect().contains(event->position().toPoint()))
        Q_EMIT mouseUp();
    else
        Q_EMIT mouseLeft();
}

void PictureBox::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    Q_EMIT mouseLeft();
}
