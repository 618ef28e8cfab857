// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QSyntaxHighlighter>
#include <QTimer>

#include <array>

class QLabel;
class QPlainTextEdit;

namespace ui {

// What a piece of code is, as the code boxes colour it.
enum class CodeRole {
    Plain,
    Tag,
    AttributeName,
    AttributeValue,
    Comment,
    Selector,
    Property,
    Value,
    String,
    Keyword,
    Reference,
};
inline constexpr int CodeRoles = int(CodeRole::Reference) + 1;

// The colour of each role on a light box and on a dark one; each passes 4.5:1 on its background.
struct CodePalette {
    std::array<QColor, CodeRoles> colours;
};
const CodePalette &codePalette(bool dark);

// Colours HTML with its CSS and JavaScript line by line, from a small table of rules for each state
// a line can end in: inside a comment, a tag, an attribute value, a script, a style sheet, a rule
// of it or a value. Display only: the text stays as it is. A line of more than 64 KB is left
// uncoloured. A long line is coloured once typing in it pauses, and shown without colour while
// typing goes on: every run of colour costs the toolkit's layout of the line at each key.
class CodeColours final : public QSyntaxHighlighter {
    Q_OBJECT

public:
    CodeColours(QTextDocument *document, bool dark);

    static constexpr int LongestColouredLine = 64 * 1024;
    static constexpr int ColouredWhileTyping = 2048;

protected:
    void highlightBlock(const QString &text) override;

private:
    void colourLongLines();

    std::array<QTextCharFormat, CodeRoles> m_formats;
    QTimer m_typingPause;
    bool m_paused = false; // the long lines are being coloured
};

// A box that shows code: the desktop's fixed face at the size that keeps the box's lines, the
// colours, and a hint over its corner while a line is too long to colour. The box keeps its
// geometry and its text.
void showAsCode(QPlainTextEdit *box);

} // namespace ui
