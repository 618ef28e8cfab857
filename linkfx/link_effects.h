// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// The CSS link effects the wizard offers, named after the buttons that choose them.
// FontSize, ForeColor and BackColor take a value from the user; the others take none.
enum class LinkEffect { FontSize, ForeColor, BackColor, Uppercase, Lowercase, Lineless };

// The snippet of one effect. The value goes in exactly as typed (not trimmed, checked or
// escaped), except that a FontSize that is only a number gets its unit (FontSizeValue). The
// effects that take no value ignore it. With a scope (linkfx/link_scope.h, ScopeSelector) the
// rule is for the links inside it alone: "nav a:hover" where it says "a:hover".
std::string LinkEffectSnippet(LinkEffect effect, const std::string &value, const std::string &scope = {});

// The answer to "Enter a size number" as it goes into a rule: an answer that is only a number
// (ASCII digits with at most one decimal point and at least one digit after it: "12", "12.5",
// ".5") gets px after it, for a page with a doctype drops a size without a unit. Every other
// answer ("12px", "1em", " 12", "12.", "") goes in as typed.
std::string FontSizeValue(const std::string &answer);

// How far an answer would reach out of its place in a rule: a quote, a backslash, "/*" or an
// opening left unclosed (UnclosedOpening) carry the rule on past its end (the rules after it are
// lost), { and } end the rule (what follows applies to the whole page), < and > can end the style
// element (what follows becomes part of the page, a script too). The farthest reach counts.
enum class AnswerReach { StaysInItsRule, PastTheRule, OutOfTheRule, OutOfTheStyle };
AnswerReach ReachOf(const std::string &answer);

// The outermost opening that the answer leaves unclosed: "(" (a function's too, as in
// "rgb(255,0,0"), "[" or "url(", whose unquoted address runs to the next ")"; empty when each is
// closed, or when the answer holds a quote, a backslash or "/*", which carry on past the rule
// themselves. A closer of another kind closes nothing, as in CSS.
std::string UnclosedOpening(const std::string &answer);

// Whether the modern code takes the value of an effect: always for the effects that take none;
// for the others a value that is not empty (blanks alone count as empty) and stays in its rule.
bool ModernCodeTakes(LinkEffect effect, const std::string &value);

// The modern snippet of one effect: one style element, no comment markers. The valued and
// the case effects apply the same declaration on keyboard focus (a:focus-visible) as on
// hover, and their hover rule stands inside @media (hover:hover), so a tap leaves nothing
// behind. Lineless stays a plain rule for every link (of the scope). Values and the scope go in as
// LinkEffectSnippet puts them; a value the modern code does not take gives no snippet (empty).
std::string ModernLinkEffectSnippet(LinkEffect effect, const std::string &value, const std::string &scope = {});

// An effect as the window's buttons choose it, with the answer given for it (empty for the
// effects that take none).
struct ChosenEffect {
    LinkEffect effect = LinkEffect::Lineless;
    std::string value;
};

// The final code that adding these to an empty final code builds, in the order of adding (none:
// an empty effect box was added). The classic code adds each effect's snippet with
// AppendToFinalCode, an empty one for none. The modern code is one style element after a line
// break: the rule for all links, then the hover rule inside @media (hover:hover) and the focus
// rule, each holding every property once, with the value added last; it leaves out what it does
// not take and is empty when nothing is left. Every rule is for the links inside the scope.
std::string ClassicFinalCode(const std::vector<std::optional<ChosenEffect>> &added, const std::string &scope = {});
std::string ModernFinalCode(const std::vector<std::optional<ChosenEffect>> &added, const std::string &scope = {});

// The final code with one more snippet: the final code, CR LF, the snippet. The line break
// is written also into an empty final code, so the first line of a built final code is empty.
std::string AppendToFinalCode(const std::string &finalCode, const std::string &snippet);

// The link effects page around a final code, with an example link; every line, the last
// included, ends in CR LF. The final code runs straight on from the comment line and
// straight into "</head>". With a scope, the example link stands inside elements that make
// it a link of the scope (ScopeElements), on the same line.
std::string LinkEffectsPage(const std::string &finalCode, const std::string &scope = {});

// The link effects page as a standards page, for the modern code: doctype, language,
// character set, viewport, the title inside the head, the comment, then the final code as it
// stands and a line break before "</head>"; the example link in the body, inside the scope.
std::string ModernLinkEffectsPage(const std::string &finalCode, const std::string &scope = {});
