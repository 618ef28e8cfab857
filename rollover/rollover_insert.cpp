// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/rollover_insert.h"

RolloverProperties RolloverFromProperties(const Properties &properties)
{
    // The twice-density sources are found again beside the pictures, not read back.
    static constexpr NamedFields<RolloverProperties, 8> Named{{{"Image1Src", &RolloverProperties::Image1Src},
                                                               {"Image2Src", &RolloverProperties::Image2Src},
                                                               {"RolloverLink", &RolloverProperties::RolloverLink},
                                                               {"RolloverName", &RolloverProperties::RolloverName},
                                                               {"RolloverSize", &RolloverProperties::RolloverSize},
                                                               {"Image1Name", &RolloverProperties::Image1Name},
                                                               {"Image2Name", &RolloverProperties::Image2Name},
                                                               {"AltText", &RolloverProperties::AltText}}};
    return FieldsFromProperties(properties, Named);
}

WizardCode RolloverInsertCode(const RolloverProperties &properties, bool modern, std::vector<std::string> pictures)
{
    WizardCode code;
    code.kind = "rollover";
    code.modern = modern;
    code.pictures = std::move(pictures);
    code.names = {properties.RolloverName, properties.Image1Name, properties.Image2Name};
    code.make = [properties, modern](const CodeSources &sources) {
        RolloverProperties p = properties;
        p.Image1Src = SourceOr(sources.pictures, 0, p.Image1Src);
        p.Image2Src = SourceOr(sources.pictures, 1, p.Image2Src);
        p.Image1Src2x = SourceOr(sources.twice, 0, {});
        p.Image2Src2x = SourceOr(sources.twice, 1, {});
        if (sources.names.size() == 3) {
            p.RolloverName = sources.names[0];
            p.Image1Name = sources.names[1];
            p.Image2Name = sources.names[2];
        }
        const RolloverCode made = modern ? GenerateModernRolloverCode(p) : GenerateRolloverCode(p);
        return MadeCode{made.head,
                        made.body,
                        {{"modern", modern ? "1" : "0"},
                         {"Image1Src", p.Image1Src},
                         {"Image2Src", p.Image2Src},
                         {"Image1Src2x", p.Image1Src2x},
                         {"Image2Src2x", p.Image2Src2x},
                         {"RolloverLink", p.RolloverLink},
                         {"RolloverName", p.RolloverName},
                         {"RolloverSize", p.RolloverSize},
                         {"Image1Name", p.Image1Name},
                         {"Image2Name", p.Image2Name},
                         {"AltText", p.AltText}}};
    };
    return code;
}
