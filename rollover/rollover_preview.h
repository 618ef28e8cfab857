// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/picture_cache.h"

#include <QFrame>
#include <QString>

class PictureBox;
class QLabel;

// The rollover as the page will show it: picture 1 at rest, picture 2 while the pointer is
// over picture 1 (or, with the modern code, while the preview has the keyboard focus, as the
// link will). Pictures are read through a cache that keeps only the part the frame shows.
class RolloverPreview final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RolloverPreview)

public:
    RolloverPreview(QWidget *parent, const QRect &geometry);

    // A picture picked or dropped; an empty path is no picture. The file is read anew.
    void setPicture(int which, const QString &path);
    // Whether keyboard focus shows picture 2, as focus on the modern code's link does.
    void setFocusShowsOver(bool shows);

    // The picture shown now: null when there is none.
    const QPixmap &shown() const;
    bool showsOver() const { return m_showsOver; }

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The pointer is over the rollover while it is within the part picture 1 covers: the
    // area stays the same while picture 2 shows, so a smaller picture 2 does not flicker.
    void pointerAt(QPoint at);
    void refresh();

    ui::PictureCache m_cache;
    ui::Picture m_pictures[2];
    PictureBox *m_box = nullptr;
    QLabel *m_hint = nullptr;
    bool m_pointerOver = false;
    bool m_focusShowsOver = false;
    bool m_showsOver = false;
};
