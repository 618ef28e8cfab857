// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/page_hints.h"

#include <algorithm>

namespace {

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

std::vector<std::string_view> tokens(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> found;
    for (std::size_t i = text.find_first_not_of(separators); i != std::string_view::npos;) {
        const std::size_t end = text.find_first_of(separators, i);
        found.push_back(text.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
        i = end == std::string_view::npos ? end : text.find_first_not_of(separators, end);
    }
    return found;
}

// The directive's name and sources as the policy gives them; the first of one name counts.
std::vector<std::string_view> directiveSources(std::string_view policy, std::string_view name)
{
    for (const std::string_view directive : tokens(policy, ";")) {
        const std::vector<std::string_view> words = tokens(directive, " \t\r\n\f");
        if (!words.empty() && lowered(words.front()) == name)
            return {words.begin(), words.end()};
    }
    return {};
}

std::string itemsText(const std::vector<FoundMarker> &markers)
{
    std::vector<std::string> items;
    for (const FoundMarker &marker : markers) {
        const std::string item = marker.fields.kind + " " + marker.fields.id;
        if (marker.begin && std::find(items.begin(), items.end(), item) == items.end())
            items.push_back(item);
    }
    std::string text;
    for (const std::string &item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

} // namespace

PolicyVerdict JudgeInline(std::string_view policy, const std::vector<std::string_view> &directives,
                          std::string_view hashSource)
{
    for (const std::string_view name : directives) {
        const std::vector<std::string_view> sources = directiveSources(policy, name);
        if (sources.empty())
            continue;
        bool unsafeInline = false;
        bool hashOrNonce = false;
        for (auto source = sources.begin() + 1; source != sources.end(); ++source) {
            const std::string word = lowered(*source);
            if (!hashSource.empty() && *source == hashSource)
                return {std::string(name), true};
            unsafeInline = unsafeInline || word == "'unsafe-inline'";
            // A hash, a nonce or 'strict-dynamic' turns 'unsafe-inline' off.
            hashOrNonce =
                hashOrNonce || word.starts_with("'sha") || word.starts_with("'nonce-") || word == "'strict-dynamic'";
        }
        return {std::string(name), unsafeInline && !hashOrNonce};
    }
    return {};
}

std::vector<std::string> PageHints(const PageForInsert &page, const CodeFacts &facts)
{
    const PageReading &reading = page.reading();
    std::vector<std::string> hints;
    const auto add = [&hints](std::string hint) {
        if (std::find(hints.begin(), hints.end(), hint) == hints.end())
            hints.push_back(std::move(hint));
    };
    for (const std::string &policy : reading.policies) {
        if (!facts.styleSource.empty()) {
            const PolicyVerdict style =
                JudgeInline(policy, {"style-src-elem", "style-src", "default-src"}, facts.styleSource);
            if (!style.allows)
                add("The page's Content-Security-Policy (" + style.directive +
                    ") blocks the inserted style sheet: add " + facts.styleSource + " to its " + style.directive + ".");
        }
        if (facts.inlineScript) {
            for (const PolicyVerdict &script :
                 {JudgeInline(policy, {"script-src-elem", "script-src", "default-src"}, {}),
                  JudgeInline(policy, {"script-src-attr", "script-src", "default-src"}, {})}) {
                if (!script.allows)
                    add("The page's Content-Security-Policy (" + script.directive +
                        ") blocks inline scripts and event handlers, which the classic code needs: choose the modern "
                        "code.");
            }
        }
    }
    if (!reading.baseHref.empty() && facts.pictures)
        add("The page's <base href=\"" + reading.baseHref +
            "\"> makes the pictures load from there, not from beside the page.");
    if (const std::vector<ByteRange> &templates = page.places().templates(); !templates.empty())
        add("The page holds template syntax (" + page.bytes().substr(templates.front().first, 2) +
            "): the code goes in only where none stands. Check the page where it is built.");
    const auto written = [&reading](int element) {
        return element >= 0 && !reading.elements[std::size_t(element)].impliedStart;
    };
    if (!written(0) && !written(reading.head) && !written(reading.body))
        add(facts.pageName +
            " looks like part of a page: it has no html, head or body tags. The code goes where a browser reading "
            "it alone would put it.");
    if (const std::string items = itemsText(page.markers()); !items.empty())
        add(facts.pageName + " already holds code inserted by Quillarc (" + items +
            "). Insert adds this code beside it.");
    if (page.writing().xhtml && facts.inlineScript)
        add("Read as XML, an XHTML page hides the classic script inside its comment markers, so the classic code "
            "does nothing there: choose the modern code.");
    return hints;
}
