// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/code_colours.h"

#include "ui/look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// What a line's end leaves open for the next line: the mode, and what the mode needs to know.
enum Mode {
    Html,
    HtmlComment,
    Tag,          // inside a tag, after its name
    TagValue,     // inside an attribute value in double quotes
    HandlerValue, // inside an event handler's value: JavaScript
    Script,
    ScriptComment,
    Style,        // a style sheet, where its selectors stand
    AtRule,       // after @media and the like, before its block
    AtBlock,      // inside an at-rule's block, where its rules' selectors stand
    Declarations, // inside a rule's block
    Value,        // after a property's colon
    StyleComment,
    Modes
};

// The state a line ends in, as QSyntaxHighlighter keeps it: the mode, the element whose tag is
// open (0 other, 1 script, 2 style), whether the attribute is an event handler, whether a rule
// stands in an at-rule's block, and the mode a style sheet's comment returns to.
struct State {
    int mode = Html;
    int element = 0;
    bool handler = false;
    bool nested = false;
    int back = Style;

    static State from(int packed)
    {
        if (packed < 0)
            return {};
        return {packed & 0xF, (packed >> 4) & 3, (packed >> 6 & 1) != 0, (packed >> 7 & 1) != 0, (packed >> 8) & 0xF};
    }
    int packed() const { return mode | element << 4 | int(handler) << 6 | int(nested) << 7 | back << 8; }
};

using Next = State (*)(State state, QStringView token);

struct Rule {
    Mode mode;
    CodeRole role;
    const char *pattern;
    Next next;
};

State stay(State state, QStringView /*token*/)
{
    return state;
}

template <Mode mode> State to(State state, QStringView /*token*/)
{
    state.mode = mode;
    return state;
}

State openTag(State state, QStringView token)
{
    const bool end = token.startsWith(u"</");
    const QStringView name = token.mid(end ? 2 : 1);
    state.mode = Tag;
    state.handler = false;
    state.element = end                                                   ? 0
                    : name.compare(u"script"_s, Qt::CaseInsensitive) == 0 ? 1
                    : name.compare(u"style"_s, Qt::CaseInsensitive) == 0  ? 2
                                                                          : 0;
    return state;
}

State closeTag(State state, QStringView /*token*/)
{
    state.mode = state.element == 1 ? Script : state.element == 2 ? Style : Html;
    state.handler = false;
    return state;
}

State attribute(State state, QStringView token)
{
    state.handler = token.startsWith(u"on", Qt::CaseInsensitive);
    return state;
}

State openValue(State state, QStringView /*token*/)
{
    state.mode = state.handler ? HandlerValue : TagValue;
    return state;
}

State closeValue(State state, QStringView /*token*/)
{
    state.mode = Tag;
    state.handler = false;
    return state;
}

State openStyleComment(State state, QStringView /*token*/)
{
    state.back = state.mode;
    state.mode = StyleComment;
    return state;
}

State closeStyleComment(State state, QStringView /*token*/)
{
    state.mode = state.back;
    return state;
}

State openBlock(State state, QStringView /*token*/)
{
    state.nested = state.mode == AtBlock;
    state.mode = state.mode == AtRule ? AtBlock : Declarations;
    return state;
}

State closeBlock(State state, QStringView /*token*/)
{
    state.mode = state.mode != AtBlock && state.nested ? AtBlock : Style;
    state.nested = false;
    return state;
}

#define REFERENCE "&(?:#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"
#define STRINGS "\"(?:[^\"\\\\]|\\\\.)*\"|'(?:[^'\\\\]|\\\\.)*'"
#define KEYWORDS                                                                                                       \
    "\\b(?:var|let|const|new|function|return|if|else|for|while|do|this|document|window|typeof|true|false|null|"        \
    "undefined)\\b"
#define STYLE_END "(?i:</style\\s*>)"

// The rules of each mode, tried together: the first to match from a place wins, and what no rule
// takes gets its mode's own role.
constexpr auto Rules = std::to_array<Rule>({
    {Html, CodeRole::Comment, "<!--", to<HtmlComment>},
    {Html, CodeRole::Tag, "</?[A-Za-z][^\\s/>]*", openTag},
    {Html, CodeRole::Reference, REFERENCE, stay},
    {HtmlComment, CodeRole::Comment, "-->", to<Html>},
    {Tag, CodeRole::Tag, "/?>", closeTag},
    {Tag, CodeRole::AttributeName, "[^\\s\"'=<>/]+", attribute},
    {Tag, CodeRole::AttributeValue, "\"", openValue},
    {Tag, CodeRole::AttributeValue, "'[^']*'", stay},
    {TagValue, CodeRole::AttributeValue, "\"", closeValue},
    {TagValue, CodeRole::Reference, REFERENCE, stay},
    {HandlerValue, CodeRole::AttributeValue, "\"", closeValue},
    {HandlerValue, CodeRole::Reference, REFERENCE, stay},
    {HandlerValue, CodeRole::String, R"('(?:[^'\\"]|\\.)*')", stay},
    {HandlerValue, CodeRole::Keyword, KEYWORDS, stay},
    {Script, CodeRole::Tag, "(?i:</script\\s*>)", to<Html>},
    {Script, CodeRole::Comment, "<!--|-->|//.*?(?=(?i:</script)|$)", stay},
    {Script, CodeRole::Comment, "/\\*", to<ScriptComment>},
    {Script, CodeRole::String, STRINGS, stay},
    {Script, CodeRole::Keyword, KEYWORDS, stay},
    {ScriptComment, CodeRole::Comment, "\\*/", to<Script>},
    {Style, CodeRole::Tag, STYLE_END, to<Html>},
    {Style, CodeRole::Comment, "<!--|-->", stay},
    {Style, CodeRole::Comment, "/\\*", openStyleComment},
    {Style, CodeRole::Keyword, "@[A-Za-z-]+", to<AtRule>},
    {Style, CodeRole::Plain, "\\{", openBlock},
    {Style, CodeRole::Plain, "\\}", closeBlock},
    {AtRule, CodeRole::Plain, "\\{", openBlock},
    {AtRule, CodeRole::Plain, ";", to<Style>},
    {AtRule, CodeRole::Comment, "/\\*", openStyleComment},
    {AtBlock, CodeRole::Tag, STYLE_END, to<Html>},
    {AtBlock, CodeRole::Comment, "/\\*", openStyleComment},
    {AtBlock, CodeRole::Plain, "\\{", openBlock},
    {AtBlock, CodeRole::Plain, "\\}", closeBlock},
    {Declarations, CodeRole::Tag, STYLE_END, to<Html>},
    {Declarations, CodeRole::Comment, "/\\*", openStyleComment},
    {Declarations, CodeRole::Property, "[A-Za-z-]+(?=\\s*:)", stay},
    {Declarations, CodeRole::Plain, ":", to<Value>},
    {Declarations, CodeRole::Plain, "\\}", closeBlock},
    {Value, CodeRole::Tag, STYLE_END, to<Html>},
    {Value, CodeRole::Comment, "/\\*", openStyleComment},
    {Value, CodeRole::String, STRINGS, stay},
    {Value, CodeRole::Plain, ";", to<Declarations>},
    {Value, CodeRole::Plain, "\\}", closeBlock},
    {StyleComment, CodeRole::Comment, "\\*/", closeStyleComment},
});

#undef REFERENCE
#undef STRINGS
#undef KEYWORDS
#undef STYLE_END

// What a mode gives the text between its rules' matches.
constexpr std::array<CodeRole, Modes> Between{
    CodeRole::Plain, CodeRole::Comment, CodeRole::Plain,    CodeRole::AttributeValue, CodeRole::AttributeValue,
    CodeRole::Plain, CodeRole::Comment, CodeRole::Selector, CodeRole::Value,          CodeRole::Selector,
    CodeRole::Plain, CodeRole::Value,   CodeRole::Comment};

// Each mode's rules as one expression, a group for each rule, and the rules in that order.
struct ModeRules {
    QRegularExpression expression;
    std::vector<const Rule *> rules;
};

const std::array<ModeRules, Modes> &modeRules()
{
    static const std::array<ModeRules, Modes> built = [] {
        std::array<ModeRules, Modes> modes;
        std::array<QStringList, Modes> patterns;
        for (const Rule &rule : Rules) {
            patterns[rule.mode] << u'(' + QString::fromLatin1(rule.pattern) + u')';
            modes[rule.mode].rules.push_back(&rule);
        }
        for (int mode = 0; mode < Modes; ++mode) {
            modes[mode].expression.setPattern(patterns[mode].join(u'|'));
            modes[mode].expression.optimize();
        }
        return modes;
    }();
    return built;
}

QColor colour(const char *hex)
{
    return QColor::fromString(QLatin1StringView(hex));
}

} // namespace

const CodePalette &codePalette(bool dark)
{
    // In the order of CodeRole; plain text keeps the box's own colour.
    static const CodePalette light{{QColor(), colour("#1a4c9c"), colour("#8a3b00"), colour("#17641b"),
                                    colour("#5d636a"), colour("#8a1060"), colour("#075a87"), colour("#6e4600"),
                                    colour("#a31515"), colour("#6a1bb0"), colour("#8f4a00")}};
    static const CodePalette darkPalette{{QColor(), colour("#86b6ff"), colour("#ffb86b"), colour("#8fd98f"),
                                          colour("#a8aeb5"), colour("#ff93d1"), colour("#7fd3ff"), colour("#f0cf7a"),
                                          colour("#ff9c92"), colour("#c9a6ff"), colour("#ffc46b")}};
    return dark ? darkPalette : light;
}

CodeColours::CodeColours(QTextDocument *document, bool dark)
    : QSyntaxHighlighter(document)
{
    const CodePalette &palette = codePalette(dark);
    for (int role = 1; role < CodeRoles; ++role)
        m_formats[std::size_t(role)].setForeground(palette.colours[std::size_t(role)]);
    m_typingPause.setSingleShot(true);
    m_typingPause.setInterval(300);
    connect(&m_typingPause, &QTimer::timeout, this, &CodeColours::colourLongLines);
}

void CodeColours::colourLongLines()
{
    m_paused = true;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.length() > ColouredWhileTyping && block.length() <= LongestColouredLine)
            rehighlightBlock(block);
    }
    m_paused = false;
}

void CodeColours::highlightBlock(const QString &text)
{
    State state = State::from(previousBlockState());
    // Without colour, the state going on as it came: a line too long to colour at all, and a long
    // line until typing pauses.
    const bool waits = text.size() > ColouredWhileTyping && !m_paused;
    if (text.size() > LongestColouredLine || waits) {
        if (waits)
            m_typingPause.start();
        setCurrentBlockState(state.packed());
        return;
    }
    const std::array<ModeRules, Modes> &modes = modeRules();
    for (qsizetype at = 0; at < text.size();) {
        const ModeRules &mode = modes[std::size_t(state.mode)];
        const QRegularExpressionMatch match = mode.expression.match(text, at);
        const qsizetype start = match.hasMatch() ? match.capturedStart() : text.size();
        const CodeRole between = Between[state.mode];
        if (start > at && between != CodeRole::Plain)
            setFormat(int(at), int(start - at), m_formats[std::size_t(between)]);
        if (!match.hasMatch())
            break;
        for (std::size_t group = 1; group <= mode.rules.size(); ++group) {
            if (match.capturedStart(int(group)) < 0)
                continue;
            const Rule &rule = *mode.rules[group - 1];
            if (rule.role != CodeRole::Plain)
                setFormat(int(start), int(match.capturedLength()), m_formats[std::size_t(rule.role)]);
            state = rule.next(state, match.capturedView());
            break;
        }
        at = std::max(match.capturedEnd(), start + 1);
    }
    setCurrentBlockState(state.packed());
}

void showAsCode(QPlainTextEdit *box)
{
    // The fixed face, as large as keeps the lines the window face gives the box.
    QFont face = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int lines = QFontMetrics(box->font()).lineSpacing();
    for (int size = lines; size > 6; --size) {
        face.setPixelSize(size);
        if (QFontMetrics(face).lineSpacing() <= lines)
            break;
    }
    box->setFont(face);
    const bool dark = box->palette().color(QPalette::Base).lightness() < 128;
    new CodeColours(box->document(), dark);
    // Over the box's top right corner, while a line stays without colour.
    auto *hint = new QLabel(u"A line of more than 64 KB is shown without colour."_s, box);
    hint->setObjectName(box->objectName() + u"LongLineHint"_s);
    hint->setFont(windowFont());
    hint->setAutoFillBackground(true);
    hint->adjustSize();
    hint->move(box->width() - hint->width() - box->verticalScrollBar()->sizeHint().width() - 2, 2);
    hint->hide();
    QObject::connect(box->document(), &QTextDocument::contentsChanged, hint, [box, hint] {
        bool found = false;
        for (QTextBlock block = box->document()->begin(); block.isValid() && !found; block = block.next())
            found = block.length() > CodeColours::LongestColouredLine;
        hint->setVisible(found);
    });
}

} // namespace ui
