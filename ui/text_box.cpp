// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace ui {

std::string textOf(const QLineEdit *box)
{
    return box->text().toStdString();
}

namespace {

// The text a multi-line box was last given, kept on the box beside its document: the
// document shows a lone LF or CR, U+2028 and U+2029 alike as line breaks and cannot tell
// them apart afterwards. What the document held then tells whether anyone has changed it.
constexpr const char *GivenText = "quillarcGivenText";
constexpr const char *GivenDocument = "quillarcGivenDocument";

} // namespace

std::string textOf(const QPlainTextEdit *box)
{
    const QVariant given = box->property(GivenText);
    if (given.isValid() && box->property(GivenDocument).toString() == box->document()->toRawText())
        return given.toByteArray().toStdString();
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
    // One paragraph per CR LF line: an edited box reads back with CR LF where the text had it.
    QString plain = toQString(text);
    plain.replace(u"\r\n"_s, u"\n"_s);
    box->setPlainText(plain);
    box->setProperty(GivenText, QByteArray::fromStdString(text));
    box->setProperty(GivenDocument, box->document()->toRawText());
}

QString toQString(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace ui
