// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_effects.h"

#include "linkfx/link_scope.h"
#include "text/html_text.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace {

// Every valued snippet ends the same way: a semicolon and one blank before the brace.
constexpr const char *ValueSuffix = "; }--></style>";

// The modern rules of declarations that apply to hovered and focused links.
std::string hoverAndFocus(const std::string &declarations, const std::string &scope)
{
    return "@media (hover:hover){" + ScopedLinks(scope, ":hover") + "{" + declarations + "}}" +
           ScopedLinks(scope, ":focus-visible") + "{" + declarations + "}";
}

// The declaration of a valued or case effect in the modern code; empty for Lineless.
std::string modernDeclaration(LinkEffect effect, const std::string &value)
{
    switch (effect) {
    case LinkEffect::FontSize:
        return "font-size:" + FontSizeValue(value);
    case LinkEffect::ForeColor:
        return "color:" + value;
    case LinkEffect::BackColor:
        return "background-color:" + value;
    case LinkEffect::Uppercase:
        return "text-transform:uppercase";
    case LinkEffect::Lowercase:
        return "text-transform:lowercase";
    case LinkEffect::Lineless:
        break;
    }
    return {};
}

std::string linelessRule(const std::string &scope)
{
    return ScopedLinks(scope) + "{text-decoration:none}";
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A quote, a backslash or the start of a comment: each carries the rule on past its end.
bool carriesOn(const std::string &answer)
{
    return answer.find_first_of("\"'\\") != std::string::npos || answer.find("/*") != std::string::npos;
}

// Whether the text ends in the name url, in any case, and no longer name: a "(" after it opens
// an address, not a function.
bool endsInUrl(std::string_view text)
{
    if (text.size() < 3)
        return false;
    const auto nameChar = [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '_' || c >= 0x80;
    };
    std::string last(text.substr(text.size() - 3));
    std::transform(last.begin(), last.end(), last.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return last == "url" && (text.size() == 3 || !nameChar(text[text.size() - 4]));
}

} // namespace

std::string LinkEffectSnippet(LinkEffect effect, const std::string &value, const std::string &scope)
{
    const std::string hover = "<style><!--" + ScopedLinks(scope, ":hover") + "{";
    switch (effect) {
    case LinkEffect::FontSize:
        return hover + "font-size:" + FontSizeValue(value) + ValueSuffix;
    case LinkEffect::ForeColor:
        return hover + "color:" + value + ValueSuffix;
    case LinkEffect::BackColor:
        return hover + "background-color:" + value + ValueSuffix;
    case LinkEffect::Uppercase:
        return hover + "text-transform:uppercase; }--></style>";
    case LinkEffect::Lowercase:
        return hover + "text-transform:lowercase; }--></style>";
    case LinkEffect::Lineless:
        // A rule for every link, not only the hovered one, in the same style element as the
        // others: a bare rule pasted into the head would end the head and show as text.
        return "<style><!--" + linelessRule(scope) + "--></style>";
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

AnswerReach ReachOf(const std::string &answer)
{
    if (answer.find_first_of("<>") != std::string::npos)
        return AnswerReach::OutOfTheStyle;
    if (answer.find_first_of("{}") != std::string::npos)
        return AnswerReach::OutOfTheRule;
    if (carriesOn(answer) || !UnclosedOpening(answer).empty())
        return AnswerReach::PastTheRule;
    return AnswerReach::StaysInItsRule;
}

std::string UnclosedOpening(const std::string &answer)
{
    if (carriesOn(answer))
        return {};
    // A browser reads the rest of the style sheet into a block left open, the rule's end too.
    std::vector<char> closers;
    const auto outermost = [&closers]() -> std::string {
        return closers.empty() ? "" : closers.front() == ')' ? "(" : "[";
    };
    for (std::size_t at = 0; at < answer.size(); ++at) {
        const char c = answer[at];
        if (c == '(' && endsInUrl(std::string_view(answer).substr(0, at))) {
            at = answer.find(')', at);
            if (at == std::string::npos)
                return closers.empty() ? "url(" : outermost();
        } else if (c == '(' || c == '[') {
            closers.push_back(c == '(' ? ')' : ']');
        } else if (!closers.empty() && c == closers.back()) {
            closers.pop_back();
        }
    }
    return outermost();
}

bool ModernCodeTakes(LinkEffect effect, const std::string &value)
{
    if (effect != LinkEffect::FontSize && effect != LinkEffect::ForeColor && effect != LinkEffect::BackColor)
        return true;
    return value.find_first_not_of(" \t\r\n\f") != std::string::npos && ReachOf(value) == AnswerReach::StaysInItsRule;
}

std::string ModernLinkEffectSnippet(LinkEffect effect, const std::string &value, const std::string &scope)
{
    if (!ModernCodeTakes(effect, value))
        return {};
    if (effect == LinkEffect::Lineless)
        return "<style>" + linelessRule(scope) + "</style>";
    return "<style>" + hoverAndFocus(modernDeclaration(effect, value), scope) + "</style>";
}

std::string ClassicFinalCode(const std::vector<std::optional<ChosenEffect>> &added, const std::string &scope)
{
    // As AppendToFinalCode adds, in place.
    std::string finalCode;
    for (const std::optional<ChosenEffect> &chosen : added)
        finalCode += "\r\n" + (chosen ? LinkEffectSnippet(chosen->effect, chosen->value, scope) : std::string());
    return finalCode;
}

std::string ModernFinalCode(const std::vector<std::optional<ChosenEffect>> &added, const std::string &scope)
{
    bool lineless = false;
    std::vector<std::string> declarations; // each property once, in the order of their last adding
    for (const std::optional<ChosenEffect> &chosen : added) {
        if (!chosen || !ModernCodeTakes(chosen->effect, chosen->value))
            continue;
        if (chosen->effect == LinkEffect::Lineless) {
            lineless = true;
            continue;
        }
        const std::string declaration = modernDeclaration(chosen->effect, chosen->value);
        const std::string property = declaration.substr(0, declaration.find(':') + 1);
        std::erase_if(declarations, [&property](const std::string &earlier) { return earlier.starts_with(property); });
        declarations.push_back(declaration);
    }
    if (!lineless && declarations.empty())
        return {};
    std::string joined;
    for (const std::string &declaration : declarations)
        joined += (joined.empty() ? "" : ";") + declaration;
    return "\r\n<style>" + (lineless ? linelessRule(scope) : std::string()) +
           (joined.empty() ? "" : hoverAndFocus(joined, scope)) + "</style>";
}

std::string AppendToFinalCode(const std::string &finalCode, const std::string &snippet)
{
    return finalCode + "\r\n" + snippet;
}

std::string LinkEffectsPage(const std::string &finalCode, const std::string &scope)
{
    const ScopeTags inside = ScopeElements(scope);
    return "<html> <head> \r\n"
           "<title> Quillarc 2: Link Effects Page </title>\r\n"
           "<!-- Created by Quillarc 2-->" +
           finalCode +
           "</head>\r\n"
           "<body>\r\n" +
           inside.start + "<a href=\"example.html\"> Example Link </a>" + inside.end +
           "\r\n"
           "</body> </html>\r\n";
}

std::string ModernLinkEffectsPage(const std::string &finalCode, const std::string &scope)
{
    const ScopeTags inside = ScopeElements(scope);
    return std::string(StandardsPageStart) +
           "<title> Quillarc 2: Link Effects Page </title>\r\n"
           "<!-- Created by Quillarc 2-->" +
           finalCode +
           "\r\n"
           "</head>\r\n"
           "<body>\r\n" +
           inside.start + "<a href=\"example.html\"> Example Link </a>" + inside.end +
           "\r\n"
           "</body>\r\n"
           "</html>\r\n";
}
