// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_style.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trim(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n\f");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n\f");
    return text.substr(first, last - first + 1);
}

// The text without blanks, for comparing a selector or a media query.
std::string squeezed(const std::string &text)
{
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

void replaceAll(std::string &text, const std::string &what, const std::string &with)
{
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// A number with a unit, as pixels; em, rem and per cent count from the page's 16 pixels.
std::optional<double> fontSize(const std::string &value, bool standardsPage)
{
    double number = 0;
    const char *begin = value.data();
    const char *end = value.data() + value.size();
    if (begin == end || *begin == '+' || *begin == '-')
        return std::nullopt; // no sign: a negative size is no size, and the snippets write none
    const auto [rest, error] = std::from_chars(begin, end, number, std::chars_format::fixed);
    // CSS wants a digit after a point: a browser drops "12." and "12.px".
    if (error != std::errc() || std::find(begin, rest, 'e') != rest || rest[-1] == '.')
        return std::nullopt;
    const std::string unit = lower(std::string(rest, end));
    if (unit == "px")
        return number;
    if (unit == "pt")
        return number * 4 / 3;
    if (unit == "em" || unit == "rem")
        return number * 16;
    if (unit == "%")
        return number * 16 / 100;
    if (unit.empty() && (!standardsPage || number == 0))
        return number;
    return std::nullopt;
}

struct Reader {
    bool standardsPage;
    LinkStyle style;

    void notRead(const std::string &part)
    {
        const std::string text = trim(part);
        if (!text.empty())
            style.notRead.push_back(text);
    }

    // The end of the block that opens at open, or npos when it never closes.
    static std::size_t blockEnd(const std::string &css, std::size_t open)
    {
        int depth = 0;
        for (std::size_t at = open; at < css.size(); ++at) {
            if (css[at] == '{')
                ++depth;
            else if (css[at] == '}' && --depth == 0)
                return at;
        }
        return std::string::npos;
    }

    void rules(const std::string &css, bool hoverMedia)
    {
        std::size_t at = 0;
        while (at < css.size()) {
            const std::size_t open = css.find('{', at);
            const std::size_t stray = css.find('}', at);
            if (open == std::string::npos || stray < open) {
                notRead(css.substr(at));
                return;
            }
            const std::string prelude = trim(css.substr(at, open - at));
            const std::size_t close = blockEnd(css, open);
            const std::string body = css.substr(open + 1, (close == std::string::npos ? css.size() : close) - open - 1);
            const std::string whole = css.substr(at, close == std::string::npos ? std::string::npos : close - at + 1);
            at = close == std::string::npos ? css.size() : close + 1;
            if (!prelude.empty() && prelude.front() == '@') {
                if (!hoverMedia && squeezed(prelude) == "@media(hover:hover)")
                    rules(body, true);
                else
                    notRead(whole);
                continue;
            }
            rule(prelude, body, hoverMedia);
        }
    }

    void rule(const std::string &selectors, const std::string &body, bool hoverMedia)
    {
        std::vector<LinkSelector> matched;
        std::size_t from = 0;
        while (from <= selectors.size()) {
            const std::size_t comma = std::min(selectors.find(',', from), selectors.size());
            const std::string selector = squeezed(selectors.substr(from, comma - from));
            if (selector == "a" && !hoverMedia)
                matched.push_back(LinkSelector::All);
            else if (selector == "a:hover")
                matched.push_back(LinkSelector::Hover);
            else if (selector == "a:focus-visible" && !hoverMedia)
                matched.push_back(LinkSelector::FocusVisible);
            else
                notRead(selectors.substr(from, comma - from) + "{...}");
            from = comma + 1;
        }
        if (matched.empty())
            return;
        std::size_t start = 0;
        while (start <= body.size()) {
            const std::size_t semicolon = std::min(body.find(';', start), body.size());
            const std::string text = body.substr(start, semicolon - start);
            start = semicolon + 1;
            if (trim(text).empty())
                continue;
            for (LinkSelector selector : matched)
                if (!declaration(selector, text))
                    break;
        }
    }

    // Adds the declaration for the selector; false when it is not read.
    bool declaration(LinkSelector selector, const std::string &text)
    {
        const std::size_t colon = text.find(':');
        LinkDeclaration read;
        read.selector = selector;
        bool known = colon != std::string::npos;
        if (known) {
            const std::string property = lower(trim(text.substr(0, colon)));
            const std::string value = trim(text.substr(colon + 1));
            const std::string keyword = lower(value);
            if (property == "font-size") {
                read.property = LinkDeclaration::Property::FontSize;
                const std::optional<double> size = fontSize(value, standardsPage);
                known = size.has_value();
                read.fontSizePx = size.value_or(0);
            } else if (property == "color" || property == "background-color") {
                read.property =
                    property == "color" ? LinkDeclaration::Property::Colour : LinkDeclaration::Property::Background;
                read.colour = ReadCssColour(value, standardsPage);
                known = read.colour.has_value() || (property != "color" && keyword == "transparent");
            } else if (property == "text-transform") {
                read.property = LinkDeclaration::Property::Case;
                known = keyword == "uppercase" || keyword == "lowercase" || keyword == "none";
                read.textCase = keyword == "uppercase"   ? LinkLook::Case::Upper
                                : keyword == "lowercase" ? LinkLook::Case::Lower
                                                         : LinkLook::Case::AsWritten;
            } else if (property == "text-decoration") {
                read.property = LinkDeclaration::Property::Underline;
                known = keyword == "none" || keyword == "underline";
                read.underline = keyword == "underline";
            } else {
                known = false;
            }
        }
        if (!known) {
            notRead(text);
            return false;
        }
        style.declarations.push_back(read);
        return true;
    }
};

} // namespace

LinkStyle ReadLinkStyle(const std::string &finalCode, bool standardsPage)
{
    Reader reader{standardsPage, {}};
    const std::string lowered = lower(finalCode);
    std::size_t at = 0;
    while (at < finalCode.size()) {
        const std::size_t open = lowered.find("<style", at);
        if (open == std::string::npos) {
            reader.notRead(finalCode.substr(at));
            break;
        }
        reader.notRead(finalCode.substr(at, open - at));
        const std::size_t contentStart = finalCode.find('>', open);
        if (contentStart == std::string::npos) {
            reader.notRead(finalCode.substr(open));
            break;
        }
        const std::size_t close = lowered.find("</style", contentStart);
        std::string css = finalCode.substr(contentStart + 1,
                                           (close == std::string::npos ? finalCode.size() : close) - contentStart - 1);
        // The comment markers around a style sheet, and comments inside it, are no rules.
        replaceAll(css, "<!--", " ");
        replaceAll(css, "-->", " ");
        for (auto comment = css.find("/*"); comment != std::string::npos; comment = css.find("/*", comment)) {
            const auto end = css.find("*/", comment + 2);
            // A blank in its place; erase() rather than replace(), which g++ 12 warns of wrongly
            // at -O3 (GCC bug 105329).
            css[comment] = ' ';
            css.erase(comment + 1, end == std::string::npos ? std::string::npos : end + 1 - comment);
        }
        reader.rules(css, false);
        if (close == std::string::npos)
            break;
        const std::size_t closeEnd = finalCode.find('>', close);
        at = closeEnd == std::string::npos ? finalCode.size() : closeEnd + 1;
    }
    return reader.style;
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
    for (const LinkDeclaration &declaration : style.declarations)
        if (declaration.selector == LinkSelector::All)
            apply(declaration);
    for (const LinkDeclaration &declaration : style.declarations)
        if ((declaration.selector == LinkSelector::Hover && hovered) ||
            (declaration.selector == LinkSelector::FocusVisible && focused))
            apply(declaration);
    return look;
}
