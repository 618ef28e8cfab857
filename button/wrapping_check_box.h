#pragma once

#include <QCheckBox>

// A check box whose caption wraps within its width, with the box centred on the left
// as the classic check box draws it, on the window's light yellow.
class WrappingCheckBox final : public QCheckBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WrappingCheckBox)

public:
    WrappingCheckBox(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};
