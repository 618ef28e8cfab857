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

std::optional<std::vector<std::optional<ChosenEffect>>> EffectsFromProperties(const Properties &properties)
{
    std::vector<std::optional<ChosenEffect>> added;
    for (const auto &[name, value] : properties) {
        if (name == "edited")
            return std::nullopt;
        if (name != "effect")
            continue;
        const std::string effect = value.substr(0, value.find(':'));
        const std::string answer =
            value.find(':') == std::string::npos ? std::string() : value.substr(value.find(':') + 1);
        std::optional<ChosenEffect> chosen;
        for (const LinkEffect known : {LinkEffect::FontSize, LinkEffect::ForeColor, LinkEffect::BackColor,
                                       LinkEffect::Uppercase, LinkEffect::Lowercase, LinkEffect::Lineless}) {
            if (EffectName(known) == effect)
                chosen = ChosenEffect{known, answer};
        }
        added.push_back(chosen);
    }
    return added;
}

WizardCode LinkEffectsInsertCode(const std::string &finalCode, bool modern,
                                 const std::optional<std::vector<std::optional<ChosenEffect>>> &added,
                                 const std::string &scope)
{
    Properties properties{{"modern", modern ? "1" : "0"}};
    if (!scope.empty())
        properties.emplace_back("scope", scope);
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
