// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextDocument>

#include <limits>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// A frame filled in one colour with a thin border and its caption over the top line;
// the widget style would shade the inside.
class FlatFrame final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        const QColor fill = palette().color(QPalette::Window);
        painter.fillRect(rect(), fill);
        const QFontMetrics metrics = fontMetrics();
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, metrics.height() / 2, -1, -1));
        if (title().isEmpty())
            return;
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, fill);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
    }
};

// A check box on the window's colour whose caption wraps within its width, with the box
// centred on the left; the whole control toggles it.
class WrappingCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
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
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

// A flat face in one colour, as the graphical button style draws it: pressed a shade darker,
// greyed when disabled, and the focus rectangle drawn as a dotted border (the style's own focus
// frame would tint the whole face).
QString buttonStyleSheet()
{
    const QColor pressed(ButtonFace.red() - 20, ButtonFace.green() - 20, ButtonFace.blue() - 20);
    const auto rgb = [](const QColor &colour) {
        return u"rgb(%1, %2, %3)"_s.arg(colour.red()).arg(colour.green()).arg(colour.blue());
    };
    return u"QPushButton { background-color: "_s + rgb(ButtonFace) + u"; color: black; border: 1px solid "_s +
           rgb(ButtonBorder) + u"; padding: 0px; }QPushButton:pressed { background-color: "_s + rgb(pressed) +
           u"; }QPushButton:focus { border: 1px dotted black; outline: none; }"_s +
           u"QPushButton:disabled { background-color: "_s + rgb(DisabledButtonFace) + u"; color: "_s +
           rgb(DisabledButtonText) + u"; border-color: "_s + rgb(DisabledButtonText) + u"; }"_s;
}

} // namespace

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                        const QString &toolTip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(windowFont());
    // A tip that looks like markup would be shown as rich text, its "<head>" taken for a tag.
    button->setToolTip(Qt::mightBeRichText(toolTip) ? Qt::convertFromPlainText(toolTip) : toolTip);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, ButtonFace);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    static const QString styleSheet = buttonStyleSheet();
    button->setStyleSheet(styleSheet);
    return button;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(windowFont());
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
    edit->setFont(windowFont());
    edit->setTextMargins(0, 0, 0, 0);
    liftLengthLimit(edit);
    return edit;
}

void liftLengthLimit(QLineEdit *box)
{
    // The toolkit's default keeps only the first 32767 characters of a pasted text, silently.
    box->setMaxLength(std::numeric_limits<int>::max());
}

QPlainTextEdit *makeTextBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(windowFont());
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                     const QColor &colour)
{
    auto *frame = new FlatFrame(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFont(windowFont());
    setBackground(frame, colour);
    return frame;
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *box = new WrappingCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(windowFont());
    // A button fills with its Button colour; the check box stands on the window's colour.
    setBackground(box, WindowBackground);
    box->setBackgroundRole(QPalette::Window);
    return box;
}

QCheckBox *makeModernCodeBox(QWidget *parent, const QRect &geometry)
{
    return makeCheckBox(parent, u"ModernCode"_s, u"Modern code (keyboard, touch, no script)"_s, geometry);
}

QLabel *makeHint(QWidget *parent, const QString &name, const QRect &geometry)
{
    QLabel *hint = makeLabel(parent, name, QString(), geometry);
    hint->hide();
    return hint;
}

CodeChoice makeCodeChoice(QWidget *window, const CodeChoiceGeometry &geometry, QWidget *focusAfter)
{
    QLabel *label = makeLabel(window, u"AltTextLabel"_s, u"Al&t text:"_s, geometry.label);
    CodeChoice choice;
    choice.altText = makeLineEdit(window, u"AltText"_s, QString(), geometry.altText);
    label->setBuddy(choice.altText);
    choice.modernCode = makeModernCodeBox(window, geometry.modernCode);
    choice.altHint = makeHint(window, u"AltHint"_s, geometry.hint);
    choice.altHint->setText(u"Without an alt text, screen readers cannot name the link."_s);
    if (focusAfter)
        QWidget::setTabOrder(focusAfter, choice.altText);
    QWidget::setTabOrder(choice.altText, choice.modernCode);
    const auto follow = [choice] {
        choice.altHint->setVisible(choice.modernCode->isChecked() && choice.altText->text().isEmpty());
    };
    QObject::connect(choice.modernCode, &QCheckBox::toggled, choice.altHint, follow);
    QObject::connect(choice.altText, &QLineEdit::textChanged, choice.altHint, follow);
    return choice;
}

void showHint(QLabel *hint, const QString &text)
{
    hint->setText(text);
    hint->setVisible(!text.isEmpty());
}

QLabel *makeBoxHint(QWidget *parent, const QString &name, const QRect &geometry, QLineEdit *box,
                    std::string (*rule)(const std::string &))
{
    QLabel *hint = makeHint(parent, name, geometry);
    QObject::connect(box, &QLineEdit::textChanged, hint, [hint, rule](const QString &text) {
        showHint(hint, QString::fromStdString(rule(text.toStdString())));
    });
    return hint;
}

void setFocusOrder(QWidget *window, const QStringList &names)
{
    QWidget *previous = nullptr;
    for (const QString &name : names) {
        auto *widget = window->findChild<QWidget *>(name);
        Q_ASSERT_X(widget, "setFocusOrder", "no such child");
        if (previous && widget)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace ui
