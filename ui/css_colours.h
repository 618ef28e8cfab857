// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// CSS colours as a browser reads them, and how well text reads on them. The one reader of
// colours: the link effects' hints, their example link and the picture maker all ask it, so
// they never disagree about what is a colour. Standard library only (text library).

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

// The contrast that WCAG 2 level AA asks of normal text against its background.
inline constexpr double MinimumTextContrast = 4.5;

// What to tell the user of a link's text colour and background colour as answered (either
// may be empty: not given): an answer that is no colour, and text that reads badly on the
// white page or on the background. A transparent background lets the page show through.
// Each hint is one sentence in UTF-8; none when all is well.
std::vector<std::string> ColourHints(const std::string &text, const std::string &background, bool standardsPage);
