// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/css_tokens.h"

#include "text/css_colours.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

using Kind = CssToken::Kind;
using Token = CssToken;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isNewline(char c)
{
    return c == '\n' || c == '\r' || c == '\f';
}

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Cuts a style sheet into pieces in one pass, each character looked at a fixed number of times.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view css)
        : m_css(css)
    {}

    // steps: grows by every character looked at, the few looked at ahead of a piece counted once.
    std::vector<Token> tokens(std::size_t &steps)
    {
        std::vector<Token> tokens;
        std::size_t at = 0;
        while (at < m_css.size()) {
            const std::size_t begin = at;
            const Kind kind = next(at);
            steps += at - begin + 1;
            if (kind != Kind::Comment)
                tokens.push_back({kind, begin, at});
        }
        return tokens;
    }

private:
    char charAt(std::size_t at) const { return at < m_css.size() ? m_css[at] : '\0'; }
    bool digitAt(std::size_t at) const { return std::isdigit(static_cast<unsigned char>(charAt(at))) != 0; }
    bool escapeAt(std::size_t at) const
    {
        return charAt(at) == '\\' && at + 1 < m_css.size() && !isNewline(m_css[at + 1]);
    }
    bool nameStartAt(std::size_t at) const
    {
        const auto c = static_cast<unsigned char>(charAt(at));
        return std::isalpha(c) || c == '_' || c >= 0x80;
    }
    bool nameCharAt(std::size_t at) const { return nameStartAt(at) || digitAt(at) || charAt(at) == '-'; }
    bool identStartsAt(std::size_t at) const
    {
        if (charAt(at) == '-')
            return nameStartAt(at + 1) || charAt(at + 1) == '-' || escapeAt(at + 1);
        return nameStartAt(at) || escapeAt(at);
    }
    bool numberStartsAt(std::size_t at) const
    {
        const char c = charAt(at);
        if (c == '+' || c == '-')
            return digitAt(at + 1) || (charAt(at + 1) == '.' && digitAt(at + 2));
        return digitAt(at) || (c == '.' && digitAt(at + 1));
    }
    std::size_t nameEnd(std::size_t at) const
    {
        while (at < m_css.size()) {
            if (escapeAt(at))
                at += 2;
            else if (nameCharAt(at))
                ++at;
            else
                break;
        }
        return at;
    }

    // The piece at `at`, which moves past it.
    Kind next(std::size_t &at) const
    {
        const char c = m_css[at];
        if (c == '/' && charAt(at + 1) == '*') {
            const std::size_t end = m_css.find("*/", at + 2);
            at = end == std::string_view::npos ? m_css.size() : end + 2;
            return Kind::Comment;
        }
        if (isBlank(c)) {
            while (at < m_css.size() && isBlank(m_css[at]))
                ++at;
            return Kind::Blank;
        }
        if (c == '"' || c == '\'')
            return string(at);
        if (m_css.substr(at, 4) == "<!--") {
            at += 4;
            return Kind::MarkupOpen;
        }
        if (m_css.substr(at, 3) == "-->") {
            at += 3;
            return Kind::MarkupClose;
        }
        if (numberStartsAt(at)) {
            at += ReadCssNumber(m_css.substr(at))->length;
            if (identStartsAt(at)) {
                at = nameEnd(at);
                return Kind::Dimension;
            }
            if (charAt(at) == '%') {
                ++at;
                return Kind::Percentage;
            }
            return Kind::Number;
        }
        if (identStartsAt(at))
            return identLike(at);
        if ((c == '#' && (nameCharAt(at + 1) || escapeAt(at + 1))) || (c == '@' && identStartsAt(at + 1))) {
            at = nameEnd(at + 1);
            return c == '#' ? Kind::Hash : Kind::AtKeyword;
        }
        ++at;
        switch (c) {
        case '(':
            return Kind::OpenParen;
        case ')':
            return Kind::CloseParen;
        case '[':
            return Kind::OpenBracket;
        case ']':
            return Kind::CloseBracket;
        case '{':
            return Kind::OpenBrace;
        case '}':
            return Kind::CloseBrace;
        case ':':
            return Kind::Colon;
        case ';':
            return Kind::Semicolon;
        case ',':
            return Kind::Comma;
        default:
            return Kind::Delim;
        }
    }

    Kind string(std::size_t &at) const
    {
        const char quote = m_css[at++];
        while (at < m_css.size()) {
            const char c = m_css[at];
            if (c == quote) {
                ++at;
                return Kind::String;
            }
            if (isNewline(c))
                return Kind::BadString; // the line break is not part of it
            at += c == '\\' ? 2 : 1;    // an escaped character, an escaped line break too
        }
        at = m_css.size();
        return Kind::String;
    }

    Kind identLike(std::size_t &at) const
    {
        const std::size_t begin = at;
        at = nameEnd(at);
        if (charAt(at) != '(')
            return Kind::Ident;
        ++at;
        std::size_t inside = at;
        while (isBlank(charAt(inside)))
            ++inside;
        if (lower(m_css.substr(begin, at - begin)) != "url(" || charAt(inside) == '"' || charAt(inside) == '\'')
            return Kind::Function;
        const std::size_t close = m_css.find(')', at);
        at = close == std::string_view::npos ? m_css.size() : close + 1;
        return Kind::Url;
    }

    std::string_view m_css;
};

} // namespace

std::vector<CssToken> CssTokens(std::string_view css, std::size_t &steps)
{
    return Tokenizer(css).tokens(steps);
}
