// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

class QLineEdit;
class QPlainTextEdit;

// The texts of the windows' boxes as the code generators see them: UTF-8. A multi-line box
// gives back exactly the text it was last given, every line break in it as it was, until the
// user edits it; after an edit, what it holds, with every line break as CR LF.
namespace ui {

std::string textOf(const QLineEdit *box);
std::string textOf(const QPlainTextEdit *box);
void setText(QLineEdit *box, const std::string &text);
void setText(QPlainTextEdit *box, const std::string &text);

QString toQString(const std::string &text);

} // namespace ui
