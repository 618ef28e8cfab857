// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/wizard_code.h"
#include "linkfx/link_effects.h"

#include <optional>
#include <string>
#include <vector>

// Link effects as "Insert into Page" takes them: the final code, for the head alone. The markers
// carry the kind of code and the effects added with their answers ("effect" once for each, as
// NAME:ANSWER, "-" for an empty effect box), or "edited" where the final code was edited by hand,
// and the scope of the links ("scope") where there is one.
WizardCode LinkEffectsInsertCode(const std::string &finalCode, bool modern,
                                 const std::optional<std::vector<std::optional<ChosenEffect>>> &added,
                                 const std::string &scope = {});

// The name of the window's button that chooses the effect: "FontSize", "ForeColor" and on.
std::string EffectName(LinkEffect effect);

// The effects added, as the markers carry them; none where the final code was edited by hand.
std::optional<std::vector<std::optional<ChosenEffect>>> EffectsFromProperties(const Properties &properties);
