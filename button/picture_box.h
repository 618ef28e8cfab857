// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/picture_cache.h"

#include <QPixmap>
#include <QWidget>

// The button editor's preview control: it takes the size of its picture, without
// stretching, shows the part of it that it was given (the part its frame lets show), and
// tells the window of mouse presses, moves and releases on it and of the pointer leaving it.
// Mouse tracking is on, so moves arrive without a button held.
class PictureBox final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureBox)

public:
    PictureBox(QWidget *parent, const QString &name, const QRect &geometry);

    // Takes the picture and its size. The picture already shown (the same cacheKey()) is
    // not set again, so the restore on every mouse move costs nothing.
    void setPicture(const ui::Picture &picture);
    // The pixels kept: the top left part of the picture.
    const QPixmap &picture() const { return m_picture; }

Q_SIGNALS:
    void mouseDown();
    void mouseMove();
    void mouseUp(); // the button came up over the preview
    // The pointer left the preview, however fast, or the button held on it came up elsewhere.
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QPixmap m_picture;
};
