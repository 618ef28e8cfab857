// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linkfx/link_effects.h"

#include <optional>
#include <string>
#include <vector>

// What the link effects window tells the user of the answers to its prompts. Each hint is one
// or two sentences in UTF-8 that quote the answer; none when all is well.

// The hints on one answer, judged by what the effect's prompt asks for: no answer at all, a
// character that would reach out of its rule (ReachOf), a font size that is no CSS size, a colour
// that is no CSS colour. On the standards page of the modern code, an answer the modern code does
// not take is said to be left out. The effects that take no answer have no hints.
std::vector<std::string> AnswerHints(LinkEffect effect, const std::string &answer, bool standardsPage);

// The answers given last to the three prompts; none where the prompt was not shown yet.
struct LinkAnswers {
    std::optional<std::string> size;
    std::optional<std::string> text;
    std::optional<std::string> background;
};

// The hints on each answer given, then those on how the text colour reads (ColourHints).
std::vector<std::string> LinkHints(const LinkAnswers &answers, bool standardsPage);
