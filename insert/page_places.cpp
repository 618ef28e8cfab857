// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/page_places.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

struct Refusal {
    std::array<std::string_view, 7> tags;
    std::string_view reason;
};

// What no code may go inside, and why. The code's body part is a link, so it may not stand
// where a link may not, nor where the parser would move it out of the place chosen.
constexpr auto Refusals = std::to_array<Refusal>({
    {{"a"}, "a link may not hold another link"},
    {{"button"}, "a button may not hold a link"},
    {{"select", "option", "optgroup", "datalist"}, "it holds only choices"},
    {{"table", "thead", "tbody", "tfoot", "tr", "colgroup", "col"}, "a table holds only rows and cells: choose a cell"},
    {{"ul", "ol", "menu", "dl"}, "a list holds only its items: choose an item"},
    {{"svg", "math"}, "a drawing or a formula holds no HTML"},
    {{"template"}, "a template shows nothing until a script uses it"},
    {{"script", "style"}, "it holds a script or a style sheet"},
    {{"textarea", "title", "xmp", "noembed", "noframes", "plaintext", "iframe"}, "it holds text, not HTML"},
    {{"noscript"}, "it shows only where scripts are off"},
    {{"picture", "video", "audio", "object", "canvas"}, "it shows what it holds only where it cannot show itself"},
});

std::string tagText(const PageElement &element)
{
    return "<" + element.tag + ">";
}

std::string ownRefusal(const PageElement &element)
{
    for (const Refusal &refusal : Refusals) {
        if (std::find(refusal.tags.begin(), refusal.tags.end(), element.tag) != refusal.tags.end())
            return "Inside " + tagText(element) + ": " + std::string(refusal.reason) + ".";
    }
    if (element.isVoid)
        return tagText(element) + " holds nothing.";
    if (element.foreign)
        return "Inside a drawing or a formula, which holds no HTML.";
    return {};
}

} // namespace

std::string_view WhereText(Where where)
{
    switch (where) {
    case Where::Before:
        return "Before";
    case Where::After:
        return "After";
    case Where::AtStart:
        return "At the start of";
    case Where::AtEnd:
        return "At the end of";
    }
    return {};
}

std::vector<ByteRange> TemplateRanges(std::string_view page)
{
    struct Syntax {
        std::string_view open;
        std::string_view close;
        bool runsToEnd;
    };
    constexpr auto Syntaxes = std::to_array<Syntax>(
        {{"<?", "?>", true}, {"<%", "%>", true}, {"{{", "}}", false}, {"{%", "%}", false}, {"{#", "#}", false}});
    std::vector<ByteRange> ranges;
    std::size_t i = page.find_first_of("<{");
    while (i != std::string_view::npos && i + 1 < page.size()) {
        const Syntax *found = nullptr;
        for (const Syntax &syntax : Syntaxes) {
            if (page.substr(i, 2) == syntax.open)
                found = &syntax;
        }
        const bool declaration = page.substr(i, 5) == "<?xml" &&
                                 page.substr(0, i).find_first_not_of("\xEF\xBB\xBF") == std::string_view::npos;
        if (!found || declaration) {
            i = page.find_first_of("<{", i + 1);
            continue;
        }
        const std::size_t close = page.find(found->close, i + 2);
        if (close == std::string_view::npos) {
            if (found->runsToEnd)
                ranges.emplace_back(i, page.size());
            i = page.find_first_of("<{", i + 2);
            continue;
        }
        ranges.emplace_back(i, close + found->close.size());
        i = page.find_first_of("<{", close + found->close.size());
    }
    return ranges;
}

PagePlaces::PagePlaces(const PageReading &reading, std::string_view page)
    : m_reading(reading)
    , m_templates(TemplateRanges(page))
{
    // Parents come before their children: a refusal is handed down.
    m_notInside.resize(reading.elements.size());
    for (std::size_t i = 0; i < reading.elements.size(); ++i) {
        const PageElement &element = reading.elements[i];
        std::string &why = m_notInside[i];
        if (element.parent < 0)
            why = "The page itself: choose a place in its body.";
        else if (int(i) == reading.head)
            why = "In the head, which shows nothing: the head part goes there by itself.";
        else if (!m_notInside[std::size_t(element.parent)].empty() && element.parent != 0)
            why = m_notInside[std::size_t(element.parent)];
        else if (int(i) != reading.body && element.parent == 0)
            why = "Outside the body.";
        else
            why = ownRefusal(element);
    }
}

bool PagePlaces::inTemplate(std::size_t offset) const
{
    return std::any_of(m_templates.begin(), m_templates.end(),
                       [offset](const ByteRange &range) { return offset > range.first && offset < range.second; });
}

int PagePlaces::openInside(int container, std::size_t offset) const
{
    // Siblings never overlap: only the last one to start at or before the byte can hold it.
    const std::vector<int> &children = m_reading.elements[std::size_t(container)].children;
    const auto after = std::upper_bound(children.begin(), children.end(), offset, [this](std::size_t at, int child) {
        return at < m_reading.elements[std::size_t(child)].startEnd;
    });
    if (after == children.begin())
        return -1;
    const int last = *(after - 1);
    const PageElement &element = m_reading.elements[std::size_t(last)];
    // Before its own end tag, or where the parser closes it, it is still open.
    return !element.isVoid && offset <= element.end && element.startEnd <= offset ? last : -1;
}

std::size_t PagePlaces::offsetOf(Place place) const
{
    const PageElement &element = m_reading.elements[std::size_t(place.element)];
    switch (place.where) {
    case Where::Before:
        return element.start;
    case Where::After:
        return element.endEnd;
    case Where::AtStart:
        return element.startEnd;
    case Where::AtEnd:
        return element.end;
    }
    return element.end;
}

ExpectedLanding PagePlaces::landingOf(Place place) const
{
    const PageElement &element = m_reading.elements[std::size_t(place.element)];
    switch (place.where) {
    case Where::Before:
    case Where::After: {
        const std::vector<int> &siblings = m_reading.elements[std::size_t(element.parent)].children;
        const int index = int(std::find(siblings.begin(), siblings.end(), place.element) - siblings.begin());
        return {element.parent, place.where == Where::Before ? index : index + 1};
    }
    case Where::AtStart:
        return {place.element, 0};
    case Where::AtEnd:
        return {place.element, int(element.children.size())};
    }
    return {};
}

std::string PagePlaces::whyNot(Place place) const
{
    const PageElement &element = m_reading.elements[std::size_t(place.element)];
    const bool inside = place.where == Where::AtStart || place.where == Where::AtEnd;
    const int container = inside ? place.element : element.parent;
    if (container < 0)
        return m_notInside[std::size_t(place.element)];
    if (!m_notInside[std::size_t(container)].empty())
        return m_notInside[std::size_t(container)];
    if (!inside && place.element == m_reading.body)
        return "The code goes inside the body.";
    if (place.where == Where::Before && element.impliedStart)
        return "The page leaves out " + tagText(element) + "'s start tag: choose a place inside it.";
    if (place.where == Where::After && element.impliedEnd && !element.isVoid)
        return "The page never closes " + tagText(element) + ", so code after it would land inside it.";
    const std::size_t offset = offsetOf(place);
    if (offset < headPoint())
        return "It stands before the end of the head.";
    if (inTemplate(offset))
        return "It stands inside template syntax.";
    if (const int open = openInside(container, offset);
        open >= 0 && !(place.where == Where::Before && open == place.element))
        return "The page leaves " + tagText(m_reading.elements[std::size_t(open)]) +
               " open here, so the code would land inside it.";
    return {};
}

std::string PagePlaces::whyNoPlace(int element) const
{
    std::string first;
    for (const Where where : EveryWhere) {
        std::string why = whyNot({element, where});
        if (why.empty())
            return {};
        if (first.empty() || (where == Where::AtStart && !m_notInside[std::size_t(element)].empty()))
            first = std::move(why);
    }
    // The reason that concerns the element itself says most.
    return m_notInside[std::size_t(element)].empty() ? first : m_notInside[std::size_t(element)];
}

std::optional<Place> PagePlaces::defaultPlace() const
{
    if (m_reading.body < 0)
        return std::nullopt;
    if (const Place end{m_reading.body, Where::AtEnd}; whyNot(end).empty())
        return end;
    std::optional<Place> last;
    std::size_t lastOffset = 0;
    for (int i = m_reading.body; i < int(m_reading.elements.size()); ++i) {
        for (const Where where : EveryWhere) {
            const Place place{i, where};
            if (offsetOf(place) >= lastOffset && whyNot(place).empty()) {
                last = place;
                lastOffset = offsetOf(place);
            }
        }
    }
    return last;
}

std::optional<Place> PagePlaces::nearest(std::size_t offset) const
{
    if (m_reading.body < 0)
        return std::nullopt;
    std::optional<Place> best;
    std::size_t bestDistance = 0;
    for (int i = m_reading.body; i < int(m_reading.elements.size()); ++i) {
        for (const Where where : EveryWhere) {
            const Place place{i, where};
            const std::size_t at = offsetOf(place);
            const std::size_t distance = at > offset ? at - offset : offset - at;
            if ((!best || distance < bestDistance) && whyNot(place).empty()) {
                best = place;
                bestDistance = distance;
            }
        }
    }
    return best;
}

std::size_t PagePlaces::headPoint() const
{
    return m_reading.head >= 0 ? m_reading.elements[std::size_t(m_reading.head)].end : m_reading.bom;
}

std::string PagePlaces::whyNotHead() const
{
    if (m_reading.head < 0)
        return "The page has no head.";
    if (inTemplate(headPoint()))
        return "The end of the head stands inside template syntax.";
    return {};
}
