// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/picture_cache.h"

#include <QFrame>
#include <QPixmap>
#include <QString>

#include <array>
#include <optional>

class QLabel;

// The rollover's two pictures: the one at rest and the one under the pointer.
enum class RolloverImage { Image1, Image2 };

// The rollover as the page will show it: picture 1 at rest, picture 2 while the pointer is
// over picture 1 (or, with the modern code, while the preview has the keyboard focus, as the
// link will). Each picture shows at the size the code gives it: the size box's with the modern
// code, its own with the classic one; one larger than the frame is scaled down to fit, keeping
// its proportions, and the size stays written below it. Pictures are read through a cache that
// keeps them no larger than the frame.
class RolloverPreview final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RolloverPreview)

public:
    RolloverPreview(QWidget *parent, const QRect &geometry);

    // A picture picked, dropped or typed; an empty path is no picture. The file is read anew.
    void setPicture(RolloverImage which, const QString &path);
    // A picture named that Quillarc cannot find or read.
    void setUnreadable(RolloverImage which);
    // Whether keyboard focus shows picture 2, as focus on the modern code's link does.
    void setFocusShowsOver(bool shows);
    // The size the code gives both pictures; none: each its own.
    void setCodeSize(std::optional<QSize> size);

    // The size of the picture read for Image #1 or #2; invalid when there is none.
    QSize pictureSize(RolloverImage which) const { return m_pictures[int(which)].size; }
    // The picture shown now, at the size it shows: null when there is none.
    const QPixmap &shown() const { return m_shown; }

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Where a picture shows in the frame: at the size the code gives it, scaled down to fit.
    QRect placeOf(const ui::Picture &picture) const;
    // The pointer is over the rollover while it is within the part picture 1 covers: the
    // area stays the same while picture 2 shows, so a smaller picture 2 does not flicker.
    void pointerAt(QPoint at);
    void refresh();

    ui::PictureCache m_cache;
    std::array<ui::Picture, 2> m_pictures;
    std::array<bool, 2> m_unreadable{}; // a file named that is no picture Quillarc reads
    std::optional<QSize> m_codeSize;
    QPixmap m_shown;
    QRect m_shownPlace;
    qint64 m_shownFrom = 0; // the cacheKey() of the picture m_shown was made from
    QLabel *m_hint = nullptr;
    QLabel *m_size = nullptr;
    bool m_pointerOver = false;
    bool m_focusShowsOver = false;
};
