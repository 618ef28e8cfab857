#pragma once

#include <QString>

#include <string>

class QLineEdit;
class QPlainTextEdit;

// The texts of the windows' boxes as the code generators see them: UTF-8, and in a
// multi-line box every line break is CR LF.
namespace ui {

std::string textOf(const QLineEdit *box);
std::string textOf(const QPlainTextEdit *box);
void setText(QLineEdit *box, const std::string &text);
void setText(QPlainTextEdit *box, const std::string &text);

QString toQString(const std::string &text);

} // namespace ui
