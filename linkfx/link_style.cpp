// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_style.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

struct NamedColour {
    const char *name;
    Rgb rgb;
};

// The colour names of CSS, in alphabetical order.
constexpr NamedColour NamedColours[] = {
    {"aliceblue", {240, 248, 255}},
    {"antiquewhite", {250, 235, 215}},
    {"aqua", {0, 255, 255}},
    {"aquamarine", {127, 255, 212}},
    {"azure", {240, 255, 255}},
    {"beige", {245, 245, 220}},
    {"bisque", {255, 228, 196}},
    {"black", {0, 0, 0}},
    {"blanchedalmond", {255, 235, 205}},
    {"blue", {0, 0, 255}},
    {"blueviolet", {138, 43, 226}},
    {"brown", {165, 42, 42}},
    {"burlywood", {222, 184, 135}},
    {"cadetblue", {95, 158, 160}},
    {"chartreuse", {127, 255, 0}},
    {"chocolate", {210, 105, 30}},
    {"coral", {255, 127, 80}},
    {"cornflowerblue", {100, 149, 237}},
    {"cornsilk", {255, 248, 220}},
    {"crimson", {220, 20, 60}},
    {"cyan", {0, 255, 255}},
    {"darkblue", {0, 0, 139}},
    {"darkcyan", {0, 139, 139}},
    {"darkgoldenrod", {184, 134, 11}},
    {"darkgray", {169, 169, 169}},
    {"darkgreen", {0, 100, 0}},
    {"darkgrey", {169, 169, 169}},
    {"darkkhaki", {189, 183, 107}},
    {"darkmagenta", {139, 0, 139}},
    {"darkolivegreen", {85, 107, 47}},
    {"darkorange", {255, 140, 0}},
    {"darkorchid", {153, 50, 204}},
    {"darkred", {139, 0, 0}},
    {"darksalmon", {233, 150, 122}},
    {"darkseagreen", {143, 188, 143}},
    {"darkslateblue", {72, 61, 139}},
    {"darkslategray", {47, 79, 79}},
    {"darkslategrey", {47, 79, 79}},
    {"darkturquoise", {0, 206, 209}},
    {"darkviolet", {148, 0, 211}},
    {"deeppink", {255, 20, 147}},
    {"deepskyblue", {0, 191, 255}},
    {"dimgray", {105, 105, 105}},
    {"dimgrey", {105, 105, 105}},
    {"dodgerblue", {30, 144, 255}},
    {"firebrick", {178, 34, 34}},
    {"floralwhite", {255, 250, 240}},
    {"forestgreen", {34, 139, 34}},
    {"fuchsia", {255, 0, 255}},
    {"gainsboro", {220, 220, 220}},
    {"ghostwhite", {248, 248, 255}},
    {"gold", {255, 215, 0}},
    {"goldenrod", {218, 165, 32}},
    {"gray", {128, 128, 128}},
    {"green", {0, 128, 0}},
    {"greenyellow", {173, 255, 47}},
    {"grey", {128, 128, 128}},
    {"honeydew", {240, 255, 240}},
    {"hotpink", {255, 105, 180}},
    {"indianred", {205, 92, 92}},
    {"indigo", {75, 0, 130}},
    {"ivory", {255, 255, 240}},
    {"khaki", {240, 230, 140}},
    {"lavender", {230, 230, 250}},
    {"lavenderblush", {255, 240, 245}},
    {"lawngreen", {124, 252, 0}},
    {"lemonchiffon", {255, 250, 205}},
    {"lightblue", {173, 216, 230}},
    {"lightcoral", {240, 128, 128}},
    {"lightcyan", {224, 255, 255}},
    {"lightgoldenrodyellow", {250, 250, 210}},
    {"lightgray", {211, 211, 211}},
    {"lightgreen", {144, 238, 144}},
    {"lightgrey", {211, 211, 211}},
    {"lightpink", {255, 182, 193}},
    {"lightsalmon", {255, 160, 122}},
    {"lightseagreen", {32, 178, 170}},
    {"lightskyblue", {135, 206, 250}},
    {"lightslategray", {119, 136, 153}},
    {"lightslategrey", {119, 136, 153}},
    {"lightsteelblue", {176, 196, 222}},
    {"lightyellow", {255, 255, 224}},
    {"lime", {0, 255, 0}},
    {"limegreen", {50, 205, 50}},
    {"linen", {250, 240, 230}},
    {"magenta", {255, 0, 255}},
    {"maroon", {128, 0, 0}},
    {"mediumaquamarine", {102, 205, 170}},
    {"mediumblue", {0, 0, 205}},
    {"mediumorchid", {186, 85, 211}},
    {"mediumpurple", {147, 112, 219}},
    {"mediumseagreen", {60, 179, 113}},
    {"mediumslateblue", {123, 104, 238}},
    {"mediumspringgreen", {0, 250, 154}},
    {"mediumturquoise", {72, 209, 204}},
    {"mediumvioletred", {199, 21, 133}},
    {"midnightblue", {25, 25, 112}},
    {"mintcream", {245, 255, 250}},
    {"mistyrose", {255, 228, 225}},
    {"moccasin", {255, 228, 181}},
    {"navajowhite", {255, 222, 173}},
    {"navy", {0, 0, 128}},
    {"oldlace", {253, 245, 230}},
    {"olive", {128, 128, 0}},
    {"olivedrab", {107, 142, 35}},
    {"orange", {255, 165, 0}},
    {"orangered", {255, 69, 0}},
    {"orchid", {218, 112, 214}},
    {"palegoldenrod", {238, 232, 170}},
    {"palegreen", {152, 251, 152}},
    {"paleturquoise", {175, 238, 238}},
    {"palevioletred", {219, 112, 147}},
    {"papayawhip", {255, 239, 213}},
    {"peachpuff", {255, 218, 185}},
    {"peru", {205, 133, 63}},
    {"pink", {255, 192, 203}},
    {"plum", {221, 160, 221}},
    {"powderblue", {176, 224, 230}},
    {"purple", {128, 0, 128}},
    {"red", {255, 0, 0}},
    {"rosybrown", {188, 143, 143}},
    {"royalblue", {65, 105, 225}},
    {"saddlebrown", {139, 69, 19}},
    {"salmon", {250, 128, 114}},
    {"sandybrown", {244, 164, 96}},
    {"seagreen", {46, 139, 87}},
    {"seashell", {255, 245, 238}},
    {"sienna", {160, 82, 45}},
    {"silver", {192, 192, 192}},
    {"skyblue", {135, 206, 235}},
    {"slateblue", {106, 90, 205}},
    {"slategray", {112, 128, 144}},
    {"slategrey", {112, 128, 144}},
    {"snow", {255, 250, 250}},
    {"springgreen", {0, 255, 127}},
    {"steelblue", {70, 130, 180}},
    {"tan", {210, 180, 140}},
    {"teal", {0, 128, 128}},
    {"thistle", {216, 191, 216}},
    {"tomato", {255, 99, 71}},
    {"turquoise", {64, 224, 208}},
    {"violet", {238, 130, 238}},
    {"wheat", {245, 222, 179}},
    {"white", {255, 255, 255}},
    {"whitesmoke", {245, 245, 245}},
    {"yellow", {255, 255, 0}},
    {"yellowgreen", {154, 205, 50}},
};

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

bool isHex(const std::string &text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c); });
}

int hexValue(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                       : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

std::optional<Rgb> hexColour(const std::string &digits)
{
    if (!isHex(digits))
        return std::nullopt;
    if (digits.size() == 3)
        return Rgb{hexValue(digits[0]) * 17, hexValue(digits[1]) * 17, hexValue(digits[2]) * 17};
    if (digits.size() == 6)
        return Rgb{hexValue(digits[0]) * 16 + hexValue(digits[1]), hexValue(digits[2]) * 16 + hexValue(digits[3]),
                   hexValue(digits[4]) * 16 + hexValue(digits[5])};
    return std::nullopt;
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
    if (error != std::errc() || (std::find(begin, rest, 'e') != rest))
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

std::optional<Rgb> ReadCssColour(const std::string &value, bool standardsPage)
{
    const std::string text = lower(trim(value));
    if (text.size() > 1 && text.front() == '#')
        return hexColour(text.substr(1));
    const auto named = std::find_if(std::begin(NamedColours), std::end(NamedColours),
                                    [&text](const NamedColour &colour) { return text == colour.name; });
    if (named != std::end(NamedColours))
        return named->rgb;
    if (!standardsPage)
        return hexColour(text);
    return std::nullopt;
}

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
