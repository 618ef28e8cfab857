#include "ui/look.h"

#include <QCheckBox>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextDocument>
#include <QtCore/qapplicationstatic.h>

#include <limits>

using namespace Qt::StringLiterals;

// The resources live in a static library, so they are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

static QIcon loadApplicationIcon()
{
    registerResources();
    return QIcon(u":/quillarc.png"_s);
}

// Built once and shared while the application lives, so that opening a window builds no icon
// (and no cached picture of one) of its own.
Q_APPLICATION_STATIC(const QIcon, theApplicationIcon, loadApplicationIcon())

namespace ui {

namespace {

// A frame filled in one colour with a thin border and its caption over the top line;
// the widget style would shade the inside.
class FlatFrame final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
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
    void paintEvent(QPaintEvent *) override
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

} // namespace

QRect pixelRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

QIcon applicationIcon()
{
    return *theApplicationIcon;
}

QFont windowFont()
{
    // The windows were laid out for an 8 point sans serif with 13 pixel lines. The narrow
    // face at 7.5 points (10 pixels) keeps those 13 pixel lines and sets every text with room
    // to spare in its box; a face of ordinary width runs the longest tutorial steps under
    // their "Ok" buttons. The face is asked for by its own name: a family that is not
    // installed sends every font size through a search of all fonts for stand-ins, which
    // doubled the cost of the fonts at start-up.
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &face : {u"PT Sans Narrow"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s}) {
            if (installed.contains(face))
                return face;
        }
        return QString(); // the application's own font
    }();
    QFont font(family);
    font.setPointSizeF(7.5);
    return font;
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
    button->setFont(windowFont());
    // A tip that looks like markup would be shown as rich text, its "<head>" taken for a tag.
    button->setToolTip(Qt::mightBeRichText(toolTip) ? Qt::convertFromPlainText(toolTip) : toolTip);
    // A flat face in one colour, as the graphical button style draws it.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, ButtonFace);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setStyleSheet(u"QPushButton { background-color: rgb(255, 224, 192); color: black;"
                          " border: 1px solid rgb(128, 112, 96); padding: 0px; }"
                          "QPushButton:pressed { background-color: rgb(235, 204, 172); }"
                          // The dotted border is the focus rectangle; the style's own focus frame
                          // would tint the whole face.
                          "QPushButton:focus { border: 1px dotted black; outline: none; }"_s);
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

QGroupBox *makeStepFrame(QWidget *parent, const QString &name, const QRect &geometry, const QColor &colour)
{
    QGroupBox *frame = makeFrame(parent, name, u"Interactive Tutorial"_s, geometry, colour);
    frame->hide();
    return frame;
}

void setFocusOrder(QWidget *window, const QStringList &names)
{
    QWidget *previous = nullptr;
    for (const QString &name : names) {
        QWidget *widget = window->findChild<QWidget *>(name);
        Q_ASSERT_X(widget, "setFocusOrder", "no such child");
        if (previous && widget)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
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
