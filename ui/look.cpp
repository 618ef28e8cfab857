#include "ui/look.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

// The resources live in a static library, so they are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace ui {

QRect pixelRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

QIcon applicationIcon()
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered)
    return QIcon(u":/quillarc.png"_s);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                        const QString &toolTip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setToolTip(toolTip);
    // A flat face in one colour, as the graphical button style draws it.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, ButtonFace);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setStyleSheet(u"QPushButton { background-color: rgb(255, 224, 192); color: black;"
                          " border: 1px solid rgb(128, 112, 96); padding: 0px; }"
                          "QPushButton:pressed { background-color: rgb(235, 204, 172); }"
                          "QPushButton:focus { border: 1px dotted black; }"_s);
    return button;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(false); // transparent
    return label;
}

QLineEdit *makeLineEdit(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QPlainTextEdit *makeTextBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                     const QColor &colour)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    setBackground(frame, colour);
    return frame;
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    setBackground(box, WindowBackground);
    return box;
}

QGroupBox *makeStepFrame(QWidget *parent, const QString &name, const QRect &geometry, const QColor &colour)
{
    QGroupBox *frame = makeFrame(parent, name, u"Interactive Tutorial"_s, geometry, colour);
    frame->hide();
    return frame;
}

void highlightLabel(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, HighlightRed);
    palette.setColor(QPalette::WindowText, HighlightText);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void clearHighlight(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, WindowBackground);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

bool isHighlighted(const QLabel *label)
{
    return label->autoFillBackground() && label->palette().color(QPalette::Window) == HighlightRed &&
           label->palette().color(QPalette::WindowText) == HighlightText;
}

} // namespace ui
