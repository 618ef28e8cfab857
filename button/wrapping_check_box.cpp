#include "button/wrapping_check_box.h"

#include "ui/look.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingCheckBox::WrappingCheckBox(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
    : QCheckBox(caption, parent) {
    setObjectName(name);
    setGeometry(geometry);
    // A button fills with its Button colour; the check box stands on the window's colour.
    ui::setBackground(this, ui::WindowBackground);
    setBackgroundRole(QPalette::Window);
}

void WrappingCheckBox::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);

    option.text = caption;
    QRect textArea = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    textArea.setTop(0);
    textArea.setBottom(height() - 1);
    textArea.setRight(width() - 1);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
}

bool WrappingCheckBox::hitButton(const QPoint &pos) const {
    return rect().contains(pos);
}
