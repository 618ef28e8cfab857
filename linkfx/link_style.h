// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/css_colours.h"

#include <optional>
#include <string>
#include <vector>

// What the link effects' final code does to the page's example link, read by a small
// interpreter of exactly the rules the snippets write: style elements (with or without the
// comment markers) holding rules for a, a:hover and a:focus-visible, a:hover also inside
// @media (hover:hover), with font-size, color, background-color, text-transform and
// text-decoration. Anything else is ignored and named among the parts not read.

// How the link looks. The plain link of both pages: 16 pixels, #0000EE, no background,
// as written, underlined.
struct LinkLook {
    enum class Case { AsWritten, Upper, Lower };
    double fontSizePx = 16;
    Rgb colour{0, 0, 0xEE};
    std::optional<Rgb> background; // none: the page shows through
    Case textCase = Case::AsWritten;
    bool underline = true;
};

enum class LinkSelector { All, Hover, FocusVisible };

struct LinkDeclaration {
    LinkSelector selector = LinkSelector::All;
    // One of the five properties, with its value read.
    enum class Property { FontSize, Colour, Background, Case, Underline } property = Property::FontSize;
    double fontSizePx = 0;
    std::optional<Rgb> colour; // none: transparent
    LinkLook::Case textCase = LinkLook::Case::AsWritten;
    bool underline = true;
};

struct LinkStyle {
    std::vector<LinkDeclaration> declarations; // in the order of the code
    std::vector<std::string> notRead;          // the parts ignored, as written (trimmed)
};

// Reads the final code as the page of the modern code (a standards page) or the classic one
// (no doctype: a font size without a unit is taken in pixels, a colour without its #).
LinkStyle ReadLinkStyle(const std::string &finalCode, bool standardsPage);

// The look of the link, hovered or focused or neither: the rules for every link first, then
// those of the link's states, each in the order of the code, the later winning, for a rule of
// a state weighs more than one for every link.
LinkLook LookOf(const LinkStyle &style, bool hovered, bool focused);
