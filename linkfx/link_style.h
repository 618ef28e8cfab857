// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/css_colours.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the link effects' final code does to the page's example link, read by a small
// interpreter of exactly the rules the snippets write: style elements for the screen (with or
// without the comment markers) holding rules for a, a:hover and a:focus-visible, also inside
// @media (hover:hover), with font-size, color, background-color, text-transform and
// text-decoration, each with one value. The style sheets are taken apart as a browser does
// (comments, strings, nested blocks), so that whatever it reads it reads as a browser does;
// everything else is named among the parts not read, a browser applying it or not.

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
    // How much the rule's selector weighs against others (ids, then classes and states, then
    // element names, a digit's place each): the heavier rule wins whatever the order.
    int weight = 1;
    // One of the five properties, with its value read.
    enum class Property { FontSize, Colour, Background, Case, Underline } property = Property::FontSize;
    double fontSizePx = 0;
    std::optional<Rgb> colour; // none: transparent
    LinkLook::Case textCase = LinkLook::Case::AsWritten;
    bool underline = true;
};

struct LinkStyle {
    // In the order of the code; a rule adds each declaration once for each selector of its list
    // that the reader knows, so no more than three times.
    std::vector<LinkDeclaration> declarations;
    std::vector<std::string> notRead; // the parts not read, each once, as written (trimmed)
    // How many characters and pieces of the code the reader looked at, each time it did: the
    // measure of its work, which the robustness checks hold to a few times the code's length.
    std::size_t steps = 0;
};

// Reads the final code as the page of the modern code (a standards page) or the classic one
// (no doctype: a font size without a unit is taken in pixels). A colour without its # (which the
// classic page reads in a way of its own) is not read. Takes time in proportion to the code.
// With a scope (linkfx/link_scope.h, ScopeSelector) the link stands inside it, and the rules
// for the links of the scope ("nav a:hover") apply to it too.
LinkStyle ReadLinkStyle(const std::string &finalCode, bool standardsPage, const std::string &scope = {});

// The look of the link, hovered or focused or neither: the rules that apply to it, the lighter
// first, those of one weight in the order of the code, the later winning.
LinkLook LookOf(const LinkStyle &style, bool hovered, bool focused);

// The longest final code (in bytes) that the example link is shown for while the user types.
inline constexpr std::size_t LongestPreviewedCode = std::size_t{256} * 1024;

// What the example link says of a final code longer than that.
inline constexpr const char *TooLongToPreview =
    "Not previewed: the final code is longer than 256 KB, too long to read while you type.";

// What the example link says of the parts not read: "Not previewed: " and the parts, each
// shortened, up to a few hundred characters in all; empty when every part is read.
std::string NotPreviewedHint(const LinkStyle &style);
