// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linkfx/link_style.h"

#include <QLabel>

// The page's example link as the final code makes it look: at rest, hovered and focused.
class ExampleLink final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExampleLink)

public:
    ExampleLink(QWidget *parent, const QRect &geometry);

    void setStyle(const LinkStyle &style);
    const LinkLook &look() const { return m_look; }
    bool hovered() const { return m_hovered; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    LinkStyle m_style;
    LinkLook m_look;
    bool m_hovered = false;
};
