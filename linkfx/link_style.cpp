// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_style.h"

#include "linkfx/css_tokens.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view trimmed(std::string_view text)
{
    const auto *const first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto *const last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? text.substr(first - text.begin(), last - first) : std::string_view();
}

// --- the pieces of a style sheet, as a browser cuts it up

using Kind = CssToken::Kind;
using Token = CssToken;

bool opensBlock(Kind kind)
{
    return kind == Kind::OpenBrace || kind == Kind::OpenParen || kind == Kind::OpenBracket || kind == Kind::Function;
}

Kind closerOf(Kind kind)
{
    return kind == Kind::OpenBrace     ? Kind::CloseBrace
           : kind == Kind::OpenBracket ? Kind::CloseBracket
                                       : Kind::CloseParen;
}

// The elements whose text holds no markup: a style element written inside one is only text.
constexpr std::array<std::string_view, 8> RawTextElements{"script", "textarea", "title",    "xmp",
                                                          "iframe", "noembed",  "noframes", "noscript"};

// The sizes the example link shows; larger ones are not read.
constexpr double LargestFontSize = 10000;

// The weight of a selector, in the units of LinkDeclaration::weight.
constexpr int IdWeight = 10000;
constexpr int ClassWeight = 100;
constexpr int ElementWeight = 1;

// The weight the plain selector of a scope adds: its #ids, .classes and element names.
int scopeWeight(const std::string &scope)
{
    int weight = 0;
    bool atStart = true;
    for (const char c : scope) {
        weight += c == '#' ? IdWeight : c == '.' ? ClassWeight : atStart && c != ' ' ? ElementWeight : 0;
        atStart = c == ' ';
    }
    return weight;
}

// A selector of the link: which state it is for, and its weight.
struct ReadSelector {
    LinkSelector selector;
    int weight;
    bool operator==(const ReadSelector &) const = default;
};

class Reader {
public:
    Reader(bool standardsPage, const std::string &scope)
        : m_standardsPage(standardsPage)
        , m_scope(scope)
        , m_scopeWeight(scopeWeight(scope))
    {}

    // Names a part not read, trimmed, once.
    void notRead(std::string_view part)
    {
        const std::string_view text = trimmed(part);
        m_style.steps += part.size();
        if (!text.empty() && m_named.emplace(text).second)
            m_style.notRead.emplace_back(text);
    }

    void readHead(const std::string &code)
    {
        m_code = code;
        m_lowered = lower(code);
        m_style.steps += code.size();
        std::size_t outside = 0; // where the text outside the style elements read starts
        std::size_t at = 0;
        while (at < code.size()) {
            const std::size_t open = find("<", at);
            if (open == std::string::npos)
                break;
            if (m_lowered.compare(open, 4, "<!--") == 0) {
                const std::size_t end = find("-->", open + 4);
                at = end == std::string::npos ? code.size() : end + 3;
                continue;
            }
            // A tag starts with a letter; any other < is text.
            if (open + 1 == code.size() || !std::isalpha(static_cast<unsigned char>(m_lowered[open + 1]))) {
                at = open + 1;
                continue;
            }
            // Read whole, as a browser reads it: a < or a style named inside it is no tag of its own.
            const StartTag tag = startTag(open);
            if (tag.name == "style") {
                notRead(std::string_view(code).substr(outside, open - outside));
                at = outside = styleElement(open, tag);
            } else if (!tag.ended) {
                at = code.size();
            } else if (std::find(RawTextElements.begin(), RawTextElements.end(), tag.name) != RawTextElements.end()) {
                const std::size_t close = endTag(tag.name, tag.end);
                at = close == std::string::npos ? code.size() : close + 1;
            } else {
                at = tag.end;
            }
        }
        notRead(std::string_view(code).substr(outside));
    }

    LinkStyle style() && { return std::move(m_style); }

private:
    struct StartTag {
        std::string_view name;            // in lower case
        std::optional<std::string> media; // the first of each name counts, as in a browser
        std::optional<std::string> type;
        std::size_t end = 0; // after its >
        bool ended = false;  // it has its >: a tag without one shows nothing
    };

    // Where the text is found in the lowered code from `from` on, or npos; the characters passed count.
    std::size_t find(std::string_view text, std::size_t from)
    {
        const std::size_t found = m_lowered.find(text, from);
        m_style.steps += (found == std::string::npos ? m_lowered.size() : found + text.size()) - from;
        return found;
    }

    // The start tag that opens at `open`, read to its > past the values of its attributes.
    StartTag startTag(std::size_t open)
    {
        const std::string_view code = m_code;
        const std::string_view lowered = m_lowered;
        StartTag tag;
        std::size_t at = open + 1;
        while (at < code.size() && !isBlank(code[at]) && code[at] != '/' && code[at] != '>')
            ++at;
        tag.name = lowered.substr(open + 1, at - open - 1);
        while (true) {
            while (at < code.size() && (isBlank(code[at]) || code[at] == '/'))
                ++at;
            if (at == code.size() || code[at] == '>')
                break;
            const std::size_t nameStart = at++;
            while (at < code.size() && !isBlank(code[at]) && code[at] != '/' && code[at] != '>' && code[at] != '=')
                ++at;
            const std::string_view name = lowered.substr(nameStart, at - nameStart);
            while (at < code.size() && isBlank(code[at]))
                ++at;
            std::string_view value;
            if (at < code.size() && code[at] == '=') {
                ++at;
                while (at < code.size() && isBlank(code[at]))
                    ++at;
                const char quote = at < code.size() ? code[at] : '\0';
                const std::size_t valueStart = quote == '"' || quote == '\'' ? at + 1 : at;
                const std::size_t valueEnd = valueStart == at
                                                 ? std::min(code.find_first_of(" \t\r\n\f>", at), code.size())
                                                 : std::min(code.find(quote, valueStart), code.size());
                value = lowered.substr(valueStart, valueEnd - valueStart);
                at = valueStart == at ? valueEnd : std::min(valueEnd + 1, code.size());
            }
            if (name == "media" && !tag.media)
                tag.media = std::string(trimmed(value));
            else if (name == "type" && !tag.type)
                tag.type = std::string(value);
        }
        tag.ended = at < code.size();
        tag.end = tag.ended ? at + 1 : at;
        m_style.steps += tag.end - open;
        return tag;
    }

    // Where the end tag of the element starts, from `from` on; npos when it has none.
    std::size_t endTag(std::string_view name, std::size_t from)
    {
        const std::string tag = "</" + std::string(name);
        for (std::size_t at = find(tag, from); at != std::string::npos; at = find(tag, at + 1)) {
            const std::size_t after = at + tag.size();
            if (after < m_lowered.size() &&
                (isBlank(m_lowered[after]) || m_lowered[after] == '/' || m_lowered[after] == '>'))
                return at;
        }
        return std::string::npos;
    }

    // Reads the style element whose start tag opens at `open`; where the text after it starts.
    std::size_t styleElement(std::size_t open, const StartTag &tag)
    {
        const std::string_view code = m_code;
        if (!tag.ended) {
            notRead(code.substr(open));
            return code.size();
        }
        const std::size_t close = endTag("style", tag.end);
        if (close == std::string::npos) {
            // Everything after it, the page's link included, becomes style sheet.
            notRead("an unclosed <style>: the page would show no link");
            return code.size();
        }
        const bool forScreen = !tag.media || tag.media->empty() || *tag.media == "all" || *tag.media == "screen";
        const bool css = !tag.type || tag.type->empty() || *tag.type == "text/css";
        if (forScreen && css)
            styleSheet(code.substr(tag.end, close - tag.end));
        else
            notRead(code.substr(open, tag.end - open));
        const std::size_t closeEnd = find(">", close);
        return closeEnd == std::string::npos ? code.size() : closeEnd + 1;
    }

    void styleSheet(std::string_view css)
    {
        m_css = css;
        m_tokens = CssTokens(css, m_style.steps);
        ruleList(0, m_tokens.size(), false);
    }

    // The text of the pieces from `from` to `to`, as written.
    std::string_view source(std::size_t from, std::size_t to) const
    {
        return from < to ? m_css.substr(m_tokens[from].begin, m_tokens[to - 1].end - m_tokens[from].begin)
                         : std::string_view();
    }
    bool is(std::size_t at, Kind kind, std::string_view word = {}) const
    {
        return m_tokens[at].kind == kind && (word.empty() || lower(source(at, at + 1)) == word);
    }

    struct Block {
        std::size_t contentEnd; // the closing piece, or `last` when none closes it
        std::size_t next;       // the piece after the block
    };

    // The block that the piece at `open` opens, which ends before `last` at the latest. A closing
    // piece of another kind inside it is no end, as in a browser.
    Block block(std::size_t open, std::size_t last)
    {
        std::vector<Kind> closers{closerOf(m_tokens[open].kind)};
        for (std::size_t at = open + 1; at < last; ++at) {
            ++m_style.steps;
            const Kind kind = m_tokens[at].kind;
            if (kind == closers.back()) {
                closers.pop_back();
                if (closers.empty())
                    return {at, at + 1};
            } else if (opensBlock(kind)) {
                closers.push_back(closerOf(kind));
            }
        }
        return {last, last};
    }

    // The first piece from `at` on, before `to`, of one of the kinds, passing over blocks.
    std::size_t find(std::size_t at, std::size_t to, std::initializer_list<Kind> kinds)
    {
        while (at < to && std::find(kinds.begin(), kinds.end(), m_tokens[at].kind) == kinds.end()) {
            ++m_style.steps;
            at = opensBlock(m_tokens[at].kind) ? block(at, to).next : at + 1;
        }
        return at;
    }

    // A list of rules; the top level of a style sheet passes over the comment markers.
    // NOLINTNEXTLINE(misc-no-recursion): one level deep, an @media at the top level
    void ruleList(std::size_t at, std::size_t to, bool nested)
    {
        while (at < to) {
            ++m_style.steps;
            const Kind kind = m_tokens[at].kind;
            if (kind == Kind::Blank || (!nested && (kind == Kind::MarkupOpen || kind == Kind::MarkupClose)))
                ++at;
            else if (kind == Kind::AtKeyword)
                at = atRule(at, to, nested);
            else
                at = qualifiedRule(at, to);
        }
    }

    // NOLINTNEXTLINE(misc-no-recursion): see ruleList
    std::size_t atRule(std::size_t start, std::size_t to, bool nested)
    {
        const std::size_t open = find(start + 1, to, {Kind::OpenBrace, Kind::Semicolon});
        if (open == to || m_tokens[open].kind == Kind::Semicolon) {
            notRead(source(start, std::min(open + 1, to)));
            return std::min(open + 1, to);
        }
        const Block body = block(open, to);
        // One level of @media (hover:hover), whose rules apply where a mouse points, as here.
        if (!nested && is(start, Kind::AtKeyword, "@media") && hoverQuery(start + 1, open))
            ruleList(open + 1, body.contentEnd, true);
        else
            notRead(source(start, body.next));
        return body.next;
    }

    bool hoverQuery(std::size_t first, std::size_t last) const
    {
        std::vector<std::size_t> pieces;
        for (std::size_t at = first; at < last; ++at)
            if (m_tokens[at].kind != Kind::Blank)
                pieces.push_back(at);
        return pieces.size() == 5 && is(pieces[0], Kind::OpenParen) && is(pieces[1], Kind::Ident, "hover") &&
               is(pieces[2], Kind::Colon) && is(pieces[3], Kind::Ident, "hover") && is(pieces[4], Kind::CloseParen);
    }

    std::size_t qualifiedRule(std::size_t start, std::size_t to)
    {
        const std::size_t open = find(start, to, {Kind::OpenBrace});
        if (open == to) {
            notRead(source(start, to)); // a rule without a block is dropped
            return to;
        }
        const Block body = block(open, to);
        const std::vector<ReadSelector> selectors = selectorList(start, open);
        if (selectors.empty())
            notRead(std::string(trimmed(source(start, open))) + "{...}");
        else
            declarations(open + 1, body.contentEnd, selectors);
        return body.next;
    }

    // The selectors of a list, each once; none when one of them is not a, a:hover or
    // a:focus-visible, alone or after the scope (a browser drops the whole rule for one it does
    // not know either).
    std::vector<ReadSelector> selectorList(std::size_t at, std::size_t to)
    {
        std::vector<ReadSelector> selectors;
        while (true) {
            const std::size_t end = find(at, to, {Kind::Comma});
            const std::optional<ReadSelector> selector = selectorOf(at, end);
            if (!selector)
                return {};
            if (std::find(selectors.begin(), selectors.end(), *selector) == selectors.end())
                selectors.push_back(*selector);
            if (end == to)
                return selectors;
            at = end + 1;
        }
    }

    std::optional<ReadSelector> selectorOf(std::size_t from, std::size_t to) const
    {
        while (from < to && m_tokens[from].kind == Kind::Blank)
            ++from;
        while (to > from && m_tokens[to - 1].kind == Kind::Blank)
            --to;
        // The link's own part at the end: a, a:hover or a:focus-visible.
        std::size_t link = to;
        ReadSelector read{LinkSelector::All, ElementWeight};
        if (to - from >= 1 && is(to - 1, Kind::Ident, "a")) {
            link = to - 1;
        } else if (to - from >= 3 && is(to - 3, Kind::Ident, "a") && is(to - 2, Kind::Colon) &&
                   (is(to - 1, Kind::Ident, "hover") || is(to - 1, Kind::Ident, "focus-visible"))) {
            link = to - 3;
            read = {is(to - 1, Kind::Ident, "hover") ? LinkSelector::Hover : LinkSelector::FocusVisible,
                    ClassWeight + ElementWeight};
        } else {
            return std::nullopt;
        }
        if (link == from)
            return read;
        // Before it the scope the link stands in, as written there, blanks aside, and a blank.
        if (m_scope.empty() || m_tokens[link - 1].kind != Kind::Blank)
            return std::nullopt;
        std::string written;
        for (const char c : source(from, link - 1))
            if (!isBlank(c) || (!written.empty() && written.back() != ' '))
                written += isBlank(c) ? ' ' : c;
        if (written != m_scope)
            return std::nullopt;
        read.weight += m_scopeWeight;
        return read;
    }

    void declarations(std::size_t at, std::size_t to, const std::vector<ReadSelector> &selectors)
    {
        while (at < to) {
            const std::size_t end = find(at, to, {Kind::Semicolon});
            declaration(at, end, selectors);
            at = end + 1;
        }
    }

    // A property, a colon and one value; anything more (a second word, !important, a block) is
    // not read.
    void declaration(std::size_t from, std::size_t to, const std::vector<ReadSelector> &selectors)
    {
        while (from < to && m_tokens[from].kind == Kind::Blank)
            ++from;
        while (to > from && m_tokens[to - 1].kind == Kind::Blank)
            --to;
        if (from == to)
            return;
        std::size_t colon = from + 1;
        while (colon < to && m_tokens[colon].kind == Kind::Blank)
            ++colon;
        std::size_t value = colon + 1;
        while (value < to && m_tokens[value].kind == Kind::Blank)
            ++value;
        const std::optional<LinkDeclaration> read =
            m_tokens[from].kind == Kind::Ident && colon < to && m_tokens[colon].kind == Kind::Colon && to - value == 1
                ? declared(lower(source(from, from + 1)), value)
                : std::nullopt;
        if (!read) {
            notRead(source(from, to));
            return;
        }
        for (const ReadSelector &selector : selectors) {
            m_style.declarations.push_back(*read);
            m_style.declarations.back().selector = selector.selector;
            m_style.declarations.back().weight = selector.weight;
        }
    }

    // The declaration of the property with the value at that piece; none when it is not read.
    std::optional<LinkDeclaration> declared(const std::string &property, std::size_t piece) const
    {
        const std::string value(source(piece, piece + 1));
        LinkDeclaration read;
        const std::string keyword = lower(value);
        if (property == "font-size") {
            read.property = LinkDeclaration::Property::FontSize;
            const std::optional<CssFontSize> size = ReadCssFontSize(value, m_standardsPage);
            if (!size || !size->pixels || *size->pixels > LargestFontSize)
                return std::nullopt;
            read.fontSizePx = *size->pixels;
            return read;
        }
        if (property == "color" || property == "background-color") {
            read.property =
                property == "color" ? LinkDeclaration::Property::Colour : LinkDeclaration::Property::Background;
            // A colour without its #, which the classic page reads in a way of its own, is not read.
            read.colour = ReadCssColour(value, true);
            if (!read.colour && !(read.property == LinkDeclaration::Property::Background && keyword == "transparent"))
                return std::nullopt;
            return read;
        }
        if (property == "text-transform" && (keyword == "uppercase" || keyword == "lowercase" || keyword == "none")) {
            read.property = LinkDeclaration::Property::Case;
            read.textCase = keyword == "uppercase"   ? LinkLook::Case::Upper
                            : keyword == "lowercase" ? LinkLook::Case::Lower
                                                     : LinkLook::Case::AsWritten;
            return read;
        }
        if (property == "text-decoration" && (keyword == "none" || keyword == "underline")) {
            read.property = LinkDeclaration::Property::Underline;
            read.underline = keyword == "underline";
            return read;
        }
        return std::nullopt;
    }

    bool m_standardsPage;
    std::string m_scope;
    int m_scopeWeight;
    LinkStyle m_style;
    std::string_view m_code; // the final code being read
    std::string m_lowered;   // the same in lower case, for the names of tags
    std::unordered_set<std::string> m_named;
    std::string_view m_css;      // the style sheet being read
    std::vector<Token> m_tokens; // its pieces
};

// The part as a hint shows it: blanks and line breaks as one blank, cut after `most` bytes at
// the start of a character, with an ellipsis.
std::string shortened(std::string_view part, std::size_t most)
{
    std::string out;
    for (const char c : part) {
        if (isBlank(c) && (out.empty() || out.back() == ' '))
            continue;
        if (out.size() >= most && (static_cast<unsigned char>(c) & 0xC0) != 0x80)
            return out + "\u2026";
        out += isBlank(c) ? ' ' : c;
    }
    return out;
}

} // namespace

LinkStyle ReadLinkStyle(const std::string &finalCode, bool standardsPage, const std::string &scope)
{
    Reader reader(standardsPage, scope);
    reader.readHead(finalCode);
    return std::move(reader).style();
}

LinkLook LookOf(const LinkStyle &style, bool hovered, bool focused)
{
    LinkLook look;
    const auto apply = [&look](const LinkDeclaration &declaration) {
        switch (declaration.property) {
        case LinkDeclaration::Property::FontSize:
            look.fontSizePx = declaration.fontSizePx;
            break;
        case LinkDeclaration::Property::Colour:
            look.colour = *declaration.colour;
            break;
        case LinkDeclaration::Property::Background:
            look.background = declaration.colour;
            break;
        case LinkDeclaration::Property::Case:
            look.textCase = declaration.textCase;
            break;
        case LinkDeclaration::Property::Underline:
            look.underline = declaration.underline;
            break;
        }
    };
    std::vector<const LinkDeclaration *> applying;
    for (const LinkDeclaration &declaration : style.declarations)
        if (declaration.selector == LinkSelector::All || (declaration.selector == LinkSelector::Hover && hovered) ||
            (declaration.selector == LinkSelector::FocusVisible && focused))
            applying.push_back(&declaration);
    std::stable_sort(applying.begin(), applying.end(),
                     [](const LinkDeclaration *a, const LinkDeclaration *b) { return a->weight < b->weight; });
    for (const LinkDeclaration *declaration : applying)
        apply(*declaration);
    return look;
}

std::string NotPreviewedHint(const LinkStyle &style)
{
    constexpr std::size_t MostPerPart = 80;
    constexpr std::size_t Most = 600;
    if (style.notRead.empty())
        return {};
    std::string hint = "Not previewed: ";
    for (std::size_t i = 0; i < style.notRead.size(); ++i) {
        const std::string part = (i ? "; " : "") + shortened(style.notRead[i], MostPerPart);
        if (hint.size() + part.size() > Most)
            return hint + "; \u2026";
        hint += part;
    }
    return hint;
}
