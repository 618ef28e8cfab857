#include "ui/text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace ui {

std::string textOf(const QLineEdit *box)
{
    return box->text().toStdString();
}

std::string textOf(const QPlainTextEdit *box)
{
    // The raw text keeps non-breaking spaces; the document separates paragraphs with U+2029.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u"\r\n"_s);
    text.replace(QChar::LineSeparator, u"\r\n"_s);
    return text.toStdString();
}

void setText(QLineEdit *box, const std::string &text)
{
    box->setText(toQString(text));
}

void setText(QPlainTextEdit *box, const std::string &text)
{
    // One paragraph per CR LF line, so that reading the box gives the same bytes back.
    QString plain = toQString(text);
    plain.replace(u"\r\n"_s, u"\n"_s);
    box->setPlainText(plain);
}

QString toQString(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace ui
