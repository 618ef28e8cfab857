// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_effects.h"

namespace {

// Every valued snippet ends the same way: a semicolon and one blank before the brace.
constexpr const char *ValueSuffix = "; }--></style>";

} // namespace

std::string LinkEffectSnippet(LinkEffect effect, const std::string &value)
{
    switch (effect) {
    case LinkEffect::FontSize:
        return "<style><!--a:hover{font-size:" + value + ValueSuffix;
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
