// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// CSS colours and font sizes as a browser reads them, and how well text reads on the colours.
// The one reader of colours and sizes: the link effects' hints, their example link and the
// picture maker all ask it, so they never disagree about what is a colour or a size. Standard
// library only (text library).

// A colour as its red, green and blue parts, 0 to 255 each.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb &) const = default;
};

// A CSS colour: a name, #rgb or #rrggbb, blanks around it allowed; without the # too, on the
// classic page. transparent is no colour here: callers that take it say what it means to them.
std::optional<Rgb> ReadCssColour(const std::string &value, bool standardsPage);

// Whether the value is the keyword transparent (any case, blanks around it allowed).
bool IsTransparent(const std::string &value);

// The relative luminance of an sRGB colour, 0 for black to 1 for white, as WCAG 2 defines it.
double RelativeLuminance(Rgb colour);

// The WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on white), in
// either order.
double ContrastRatio(Rgb first, Rgb second);

// A contrast ratio as the hints write it, with two decimals: "4.48".
std::string ContrastRatioText(double ratio);

// The contrast that WCAG 2 level AA asks of normal text against its background.
inline constexpr double MinimumTextContrast = 4.5;

// The answer a hint quotes: between curly quotes, cut after 40 characters with an ellipsis, so
// that a long answer does not flood the window. UTF-8 in and out.
std::string QuotedAnswer(const std::string &answer);

// What to tell the user of one answer given for a colour: that it is no colour, in one sentence
// in UTF-8; none when it is a colour, transparent or not given (empty).
std::optional<std::string> NotAColourHint(const std::string &answer, bool standardsPage);

// What to tell the user of a link's text colour and background colour as answered (either may
// be empty: not given; an answer that is no colour says nothing here): a transparent text colour,
// and text that reads badly on the white page or on the background. A transparent background
// lets the page show through. Each hint is one sentence in UTF-8; none when all is well.
std::vector<std::string> ColourHints(const std::string &text, const std::string &background, bool standardsPage);

// A CSS number at the start of the text, as CSS writes one: a sign, digits with or without a
// point and digits after it, an exponent. Its value, its length in the text, and whether it is
// written as an integer; none when the text does not start with a number. A value too large for
// a double is infinite.
struct CssNumber {
    double value = 0;
    std::size_t length = 0;
    bool integer = true;
};
std::optional<CssNumber> ReadCssNumber(std::string_view text);

// A CSS font size as a browser reads it: a length, a percentage, a size keyword (small, large,
// ...), a keyword every property takes (inherit, ...) or 0, and on the classic page also a bare
// number, taken in pixels; blanks around it allowed, no sign but +. Its pixels where they do not
// depend on the page's fonts or window: em, rem and per cent count from the page's 16 pixels;
// none for ex, ch, vw, smaller, inherit and the like.
struct CssFontSize {
    std::optional<double> pixels;
};
std::optional<CssFontSize> ReadCssFontSize(const std::string &value, bool standardsPage);
