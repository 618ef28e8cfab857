// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_hints.h"

#include "text/css_colours.h"

std::vector<std::string> AnswerHints(LinkEffect effect, const std::string &answer, bool standardsPage)
{
    if (effect != LinkEffect::FontSize && effect != LinkEffect::ForeColor && effect != LinkEffect::BackColor)
        return {};
    const bool size = effect == LinkEffect::FontSize;
    if (answer.find_first_not_of(" \t\r\n\f") == std::string::npos)
        return {size ? "No size was given, so the effect changes nothing."
                     : "No colour was given, so the effect changes nothing."};
    const std::string leftOut = standardsPage ? " The modern code leaves it out." : "";
    switch (ReachOf(answer)) {
    case AnswerReach::OutOfTheStyle:
        return {QuotedAnswer(answer) +
                " holds < or >, which can end the style element: what follows would become part of the page, "
                "even a script that runs when it opens." +
                leftOut};
    case AnswerReach::OutOfTheRule:
        return {QuotedAnswer(answer) +
                " holds { or }, which end the link's rule: what follows would apply to the whole page and could "
                "even hide it." +
                leftOut};
    case AnswerReach::PastTheRule:
        if (const std::string opening = UnclosedOpening(answer); !opening.empty())
            return {QuotedAnswer(answer) + " leaves a " + opening +
                    " unclosed, which carries the rule on past its end: the effects after it would be lost." + leftOut};
        return {QuotedAnswer(answer) +
                " holds a quote, a backslash or /*, which carry the rule on past its end: the effects after it "
                "would be lost." +
                leftOut};
    case AnswerReach::StaysInItsRule:
        break;
    }
    if (size) {
        if (ReadCssFontSize(FontSizeValue(answer), standardsPage))
            return {};
        return {QuotedAnswer(answer) + " is not a font size that every browser knows, such as 12px, 1.5em, 120% or "
                                       "large."};
    }
    if (std::optional<std::string> hint = NotAColourHint(answer, standardsPage))
        return {*hint};
    return {};
}

std::vector<std::string> LinkHints(const LinkAnswers &answers, bool standardsPage)
{
    std::vector<std::string> hints;
    const auto add = [&](LinkEffect effect, const std::optional<std::string> &answer) {
        if (answer)
            for (std::string &hint : AnswerHints(effect, *answer, standardsPage))
                hints.push_back(std::move(hint));
    };
    add(LinkEffect::FontSize, answers.size);
    add(LinkEffect::ForeColor, answers.text);
    add(LinkEffect::BackColor, answers.background);
    for (std::string &hint :
         ColourHints(answers.text.value_or(std::string()), answers.background.value_or(std::string()), standardsPage))
        hints.push_back(std::move(hint));
    return hints;
}
