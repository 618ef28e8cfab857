// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_scope.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// The elements a link may stand in whose start and end tags no parser moves, that is each but a
// list item anywhere: those that hold whole blocks, and those that hold text alone, within which
// only the last kind may follow.
constexpr std::array<std::string_view, 11> BlockHolders{"div",    "nav",  "section", "article", "aside", "header",
                                                        "footer", "main", "ul",      "ol",      "li"};
constexpr std::array<std::string_view, 7> TextHolders{"p", "h1", "h2", "h3", "h4", "h5", "h6"};
constexpr std::array<std::string_view, 6> TextElements{"span", "b", "i", "em", "strong", "small"};

template <std::size_t N> bool among(const std::array<std::string_view, N> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

struct Compound {
    std::string element; // lower case; empty: none named
    std::string id;
    std::vector<std::string> classes;
};

bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
}

// An identifier as the scope takes it: a letter or '_' first, or '-' and then one of those.
bool isIdentifier(std::string_view name)
{
    const std::size_t first = !name.empty() && name[0] == '-' ? 1 : 0;
    return name.size() > first && (std::isalpha(static_cast<unsigned char>(name[first])) != 0 || name[first] == '_') &&
           std::all_of(name.begin(), name.end(), isNameChar);
}

std::optional<Compound> compoundOf(std::string_view text)
{
    Compound compound;
    std::size_t at = 0;
    while (at < text.size() && text[at] != '.' && text[at] != '#')
        ++at;
    for (const char c : text.substr(0, at))
        compound.element += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!compound.element.empty() && !among(BlockHolders, compound.element) && !among(TextHolders, compound.element) &&
        !among(TextElements, compound.element))
        return std::nullopt;
    while (at < text.size()) {
        const char kind = text[at];
        std::size_t end = at + 1;
        while (end < text.size() && text[end] != '.' && text[end] != '#')
            ++end;
        const std::string name(text.substr(at + 1, end - at - 1));
        if (!isIdentifier(name) || (kind == '#' && !compound.id.empty()))
            return std::nullopt;
        (kind == '#' ? compound.id : compound.classes.emplace_back()) = name;
        at = end;
    }
    return compound;
}

// The compounds of a plain selector; none where the text is no plain selector.
std::optional<std::vector<Compound>> compoundsOf(const std::string &text)
{
    std::vector<Compound> compounds;
    bool inText = false; // inside an element that holds text alone
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t", at);
        if (at == std::string::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
        const std::optional<Compound> compound = compoundOf(std::string_view(text).substr(at, end - at));
        if (!compound || (inText && !compound->element.empty() && !among(TextElements, compound->element)))
            return std::nullopt;
        inText = inText || among(TextHolders, compound->element) || among(TextElements, compound->element);
        compounds.push_back(*compound);
        at = end;
    }
    if (compounds.empty())
        return std::nullopt;
    return compounds;
}

} // namespace

std::string ScopeSelector(const std::string &text)
{
    if (!compoundsOf(text))
        return {};
    std::string scope;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \t", at)) != std::string::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
        if (!scope.empty())
            scope += ' ';
        scope += text.substr(at, end - at);
        at = end;
    }
    return scope;
}

std::string LinkScopeHint(const std::string &text)
{
    if (text.find_first_not_of(" \t") == std::string::npos || compoundsOf(text))
        return {};
    return "Not taken: \"" + text +
           "\" is no plain selector of a part that holds links, such as nav, .menu or ul#main li: element "
           "names, .classes and #ids, separated by blanks. The code is for every link.";
}

std::string ScopedLinks(const std::string &scope, const std::string &link)
{
    return (scope.empty() ? std::string() : scope + " ") + "a" + link;
}

ScopeTags ScopeElements(const std::string &scope)
{
    const std::optional<std::vector<Compound>> compounds = compoundsOf(scope);
    ScopeTags tags;
    if (!compounds)
        return tags;
    const auto wrap = [&tags](const std::string &element, const std::string &attributes = {}) {
        tags.start += "<" + element + attributes + ">";
        tags.end.insert(0, "</" + element + ">");
    };
    std::string outer; // the element the compound stands in
    bool inText = false;
    for (std::size_t i = 0; i < compounds->size(); ++i) {
        const Compound &compound = (*compounds)[i];
        const bool inList = outer == "ul" || outer == "ol";
        std::string element = compound.element;
        if (element.empty())
            element = inText ? "span" : inList ? "li" : "div";
        if (element == "li" && !inList)
            wrap("ul");
        else if (element != "li" && inList)
            wrap("li");
        std::string attributes = compound.id.empty() ? std::string() : " id=\"" + compound.id + "\"";
        for (std::size_t c = 0; c < compound.classes.size(); ++c)
            attributes += (c == 0 ? " class=\"" : " ") + compound.classes[c];
        wrap(element, compound.classes.empty() ? attributes : attributes + "\"");
        outer = element;
        inText = inText || among(TextHolders, element) || among(TextElements, element);
    }
    if (outer == "ul" || outer == "ol")
        wrap("li");
    return tags;
}
