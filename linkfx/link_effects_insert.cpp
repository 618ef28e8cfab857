// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_effects_insert.h"

std::string EffectName(LinkEffect effect)
{
    switch (effect) {
    case LinkEffect::FontSize:
        return "FontSize";
    case LinkEffect::ForeColor:
        return "ForeColor";
    case LinkEffect::BackColor:
        return "BackColor";
    case LinkEffect::Uppercase:
        return "Uppercase";
    case LinkEffect::Lowercase:
        return "Lowercase";
    case LinkEffect::Lineless:
        return "Lineless";
    }
    return {};
}

WizardCode LinkEffectsInsertCode(const std::string &finalCode, bool modern,
                                 const std::optional<std::vector<std::optional<ChosenEffect>>> &added)
{
    Properties properties{{"modern", modern ? "1" : "0"}};
    if (!added)
        properties.emplace_back("edited", "1");
    for (const std::optional<ChosenEffect> &effect : added.value_or(std::vector<std::optional<ChosenEffect>>{}))
        properties.emplace_back("effect", effect ? EffectName(effect->effect) + ":" + effect->value : "-");
    WizardCode code;
    code.kind = "linkfx";
    code.modern = modern;
    code.headOnly = true;
    code.make = [finalCode, properties](const CodeSources &) {
        return MadeCode{finalCode, {}, properties};
    };
    return code;
}
