// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/css_colours.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>

namespace {

struct NamedColour {
    const char *name;
    Rgb rgb;
};

// The colour names of CSS, in alphabetical order.
constexpr auto NamedColours = std::to_array<NamedColour>({
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
    {"rebeccapurple", {102, 51, 153}},
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
});

std::string trimmedLower(const std::string &value)
{
    const auto first = value.find_first_not_of(" \t\r\n\f");
    if (first == std::string::npos)
        return {};
    std::string text = value.substr(first, value.find_last_not_of(" \t\r\n\f") - first + 1);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int hexValue(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'a' + 10;
}

// Three or six hex digits, in lower case.
std::optional<Rgb> hexColour(const std::string &digits)
{
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isxdigit(c); }))
        return std::nullopt;
    const auto channel = [&digits](std::size_t at, std::size_t width) {
        return width == 1 ? hexValue(digits[at]) * 17 : hexValue(digits[at]) * 16 + hexValue(digits[at + 1]);
    };
    if (digits.size() == 3)
        return Rgb{channel(0, 1), channel(1, 1), channel(2, 1)};
    if (digits.size() == 6)
        return Rgb{channel(0, 2), channel(2, 2), channel(4, 2)};
    return std::nullopt;
}

// One sRGB channel, 0 to 255, as linear light.
double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

std::optional<Rgb> ReadCssColour(const std::string &value, bool standardsPage)
{
    const std::string text = trimmedLower(value);
    if (text.size() > 1 && text.front() == '#')
        return hexColour(text.substr(1));
    const auto *const named = std::find_if(std::begin(NamedColours), std::end(NamedColours),
                                           [&text](const NamedColour &colour) { return text == colour.name; });
    if (named != std::end(NamedColours))
        return named->rgb;
    if (!standardsPage)
        return hexColour(text);
    return std::nullopt;
}

bool IsTransparent(const std::string &value)
{
    return trimmedLower(value) == "transparent";
}

double RelativeLuminance(Rgb colour)
{
    return 0.2126 * linearChannel(colour.red) + 0.7152 * linearChannel(colour.green) +
           0.0722 * linearChannel(colour.blue);
}

std::string ContrastRatioText(double ratio)
{
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), ratio, std::chars_format::fixed, 2);
    return {text.data(), written.ptr};
}

double ContrastRatio(Rgb first, Rgb second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::string QuotedAnswer(const std::string &answer)
{
    constexpr std::size_t MostCharacters = 40;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < answer.size(); ++at) {
        // A UTF-8 character starts at every byte that is no continuation byte.
        if ((static_cast<unsigned char>(answer[at]) & 0xC0) != 0x80 && characters++ == MostCharacters)
            return "\u201C" + answer.substr(0, at) + "\u2026\u201D";
    }
    return "\u201C" + answer + "\u201D";
}

std::optional<std::string> NotAColourHint(const std::string &answer, bool standardsPage)
{
    // An answer not given says nothing; transparent is a colour to a browser.
    if (trimmedLower(answer).empty() || IsTransparent(answer) || ReadCssColour(answer, standardsPage))
        return std::nullopt;
    return QuotedAnswer(answer) + " is not a colour name or a #rrggbb colour that every browser knows.";
}

std::vector<std::string> ColourHints(const std::string &text, const std::string &background, bool standardsPage)
{
    if (IsTransparent(text))
        return {"A transparent text colour hides the link's text."};
    const std::optional<Rgb> textColour = ReadCssColour(text, standardsPage);
    if (!textColour)
        return {};
    std::vector<std::string> hints;
    const auto check = [&](Rgb against, const std::string &name) {
        const double ratio = ContrastRatio(*textColour, against);
        if (ratio < MinimumTextContrast)
            hints.push_back("The text colour's contrast with " + name + " is only " + ContrastRatioText(ratio) +
                            ":1; text needs 4.5:1 to read well.");
    };
    check(Rgb{255, 255, 255}, "the white page");
    if (const std::optional<Rgb> backgroundColour = ReadCssColour(background, standardsPage))
        check(*backgroundColour, "the background colour");
    return hints;
}

std::optional<CssNumber> ReadCssNumber(std::string_view text)
{
    const auto digitAt = [&text](std::size_t at) {
        return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]));
    };
    const auto digitsFrom = [&](std::size_t at) {
        while (digitAt(at))
            ++at;
        return at;
    };
    CssNumber number;
    const std::size_t sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    std::size_t end = digitsFrom(sign);
    const bool whole = end > sign;
    // A point counts only with a digit after it: "12." is the number 12 and a point.
    if (end < text.size() && text[end] == '.' && digitAt(end + 1)) {
        end = digitsFrom(end + 1);
        number.integer = false;
    } else if (!whole) {
        return std::nullopt;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        const std::size_t exponentSign = end + 1 < text.size() && (text[end + 1] == '+' || text[end + 1] == '-');
        if (digitAt(end + 1 + exponentSign)) {
            end = digitsFrom(end + 1 + exponentSign);
            number.integer = false;
        }
    }
    number.length = end;
    // from_chars takes no plus sign; the text read is a number, so only its size can fail.
    const char *first = text.data() + (sign && text[0] == '+' ? 1 : 0);
    if (std::from_chars(first, text.data() + end, number.value).ec != std::errc())
        number.value = text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    return number;
}

std::optional<CssFontSize> ReadCssFontSize(const std::string &value, bool standardsPage)
{
    const std::string text = trimmedLower(value);
    // The absolute size keywords as a browser sizes them for a 16 pixel page.
    static const std::map<std::string, double, std::less<>> keywords{
        {"xx-small", 9}, {"x-small", 10}, {"small", 13},    {"medium", 16},
        {"large", 18},   {"x-large", 24}, {"xx-large", 32}, {"xxx-large", 48}};
    if (const auto keyword = keywords.find(text); keyword != keywords.end())
        return CssFontSize{keyword->second};
    for (const char *relative : {"smaller", "larger", "inherit", "initial", "unset", "revert", "revert-layer"})
        if (text == relative)
            return CssFontSize{};
    const std::optional<CssNumber> number = ReadCssNumber(text);
    if (!number || number->value < 0)
        return std::nullopt;
    const std::string_view unit = std::string_view(text).substr(number->length);
    // Pixels per unit, where they do not depend on the page's fonts or window.
    static const std::map<std::string, double, std::less<>> units{
        {"px", 1},         {"pt", 4.0 / 3},   {"pc", 16}, {"in", 96},  {"cm", 96 / 2.54},
        {"mm", 96 / 25.4}, {"q", 96 / 101.6}, {"em", 16}, {"rem", 16}, {"%", 0.16}};
    if (const auto known = units.find(unit); known != units.end())
        return CssFontSize{number->value * known->second};
    for (const char *relative : {"ex", "ch", "cap", "ic", "lh", "rlh", "vw", "vh", "vi", "vb", "vmin", "vmax"})
        if (unit == relative)
            return CssFontSize{};
    // A bare number is a size in pixels on the classic page; a standards page takes only 0.
    if (unit.empty() && (!standardsPage || number->value == 0))
        return CssFontSize{number->value};
    return std::nullopt;
}
