// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_effects.h"

#include "ui/html_text.h"

#include <algorithm>

namespace {

// Every valued snippet ends the same way: a semicolon and one blank before the brace.
constexpr const char *ValueSuffix = "; }--></style>";

// The modern snippet of a declaration that applies to hovered and focused links.
std::string hoverAndFocus(const std::string &declaration)
{
    return "<style>@media (hover:hover){a:hover{" + declaration + "}}a:focus-visible{" + declaration + "}</style>";
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string LinkEffectSnippet(LinkEffect effect, const std::string &value)
{
    switch (effect) {
    case LinkEffect::FontSize:
        return "<style><!--a:hover{font-size:" + FontSizeValue(value) + ValueSuffix;
    case LinkEffect::ForeColor:
        return "<style><!--a:hover{color:" + value + ValueSuffix;
    case LinkEffect::BackColor:
        return "<style><!--a:hover{background-color:" + value + ValueSuffix;
    case LinkEffect::Uppercase:
        return "<style><!--a:hover{text-transform:uppercase; }--></style>";
    case LinkEffect::Lowercase:
        return "<style><!--a:hover{text-transform:lowercase; }--></style>";
    case LinkEffect::Lineless:
        // A rule for every link, not only the hovered one, in the same style element as the
        // others: a bare rule pasted into the head would end the head and show as text.
        return "<style><!--a{text-decoration:none}--></style>";
    }
    return {};
}

std::string FontSizeValue(const std::string &answer)
{
    // Digits, then at most one point with digits after it; "12." is no CSS number either way.
    const std::size_t point = answer.find('.');
    const std::string whole = answer.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : answer.substr(point + 1);
    const bool digitsOnly = std::all_of(whole.begin(), whole.end(), isAsciiDigit) &&
                            std::all_of(fraction.begin(), fraction.end(), isAsciiDigit);
    const bool isNumber = digitsOnly && (point == std::string::npos ? !whole.empty() : !fraction.empty());
    return isNumber ? answer + "px" : answer;
}

std::string ModernLinkEffectSnippet(LinkEffect effect, const std::string &value)
{
    switch (effect) {
    case LinkEffect::FontSize:
        return hoverAndFocus("font-size:" + FontSizeValue(value));
    case LinkEffect::ForeColor:
        return hoverAndFocus("color:" + value);
    case LinkEffect::BackColor:
        return hoverAndFocus("background-color:" + value);
    case LinkEffect::Uppercase:
        return hoverAndFocus("text-transform:uppercase");
    case LinkEffect::Lowercase:
        return hoverAndFocus("text-transform:lowercase");
    case LinkEffect::Lineless:
        return "<style>a{text-decoration:none}</style>";
    }
    return {};
}

std::string AppendToFinalCode(const std::string &finalCode, const std::string &snippet)
{
    return finalCode + "\r\n" + snippet;
}

std::string LinkEffectsPage(const std::string &finalCode)
{
    return "<html> <head> \r\n"
           "<title> Quillarc 2: Link Effects Page </title>\r\n"
           "<!-- Created by Quillarc 2-->" +
           finalCode +
           "</head>\r\n"
           "<body>\r\n"
           "<a href=\"example.html\"> Example Link </a>\r\n"
           "</body> </html>\r\n";
}

std::string ModernLinkEffectsPage(const std::string &finalCode)
{
    return std::string(StandardsPageStart) +
           "<title> Quillarc 2: Link Effects Page </title>\r\n"
           "<!-- Created by Quillarc 2-->" +
           finalCode +
           "\r\n"
           "</head>\r\n"
           "<body>\r\n"
           "<a href=\"example.html\"> Example Link </a>\r\n"
           "</body>\r\n"
           "</html>\r\n";
}
