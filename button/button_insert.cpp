// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_insert.h"

ButtonSpec ButtonFromProperties(const Properties &properties)
{
    // The twice-density sources are found again beside the pictures, not read back.
    static constexpr NamedFields<ButtonSpec, 11> Named{{{"ButtonLink", &ButtonSpec::ButtonLink},
                                                        {"ButtonName", &ButtonSpec::ButtonName},
                                                        {"ButtonWidth", &ButtonSpec::ButtonWidth},
                                                        {"ButtonHeight", &ButtonSpec::ButtonHeight},
                                                        {"DefaultImageSrc", &ButtonSpec::DefaultImageSrc},
                                                        {"MouseOverImageSrc", &ButtonSpec::MouseOverImageSrc},
                                                        {"MouseDownImageSrc", &ButtonSpec::MouseDownImageSrc},
                                                        {"DefaultImageName", &ButtonSpec::DefaultImageName},
                                                        {"MouseOverImageName", &ButtonSpec::MouseOverImageName},
                                                        {"MouseDownImageName", &ButtonSpec::MouseDownImageName},
                                                        {"AltText", &ButtonSpec::AltText}}};
    return FieldsFromProperties(properties, Named);
}

WizardCode ButtonInsertCode(const ButtonSpec &fields, bool modern, std::vector<std::string> pictures)
{
    WizardCode code;
    code.kind = "button";
    code.modern = modern;
    code.pictures = std::move(pictures);
    code.names = {fields.ButtonName, fields.DefaultImageName, fields.MouseOverImageName, fields.MouseDownImageName};
    code.make = [fields, modern](const CodeSources &sources) {
        ButtonSpec f = fields;
        f.DefaultImageSrc = SourceOr(sources.pictures, 0, f.DefaultImageSrc);
        f.MouseOverImageSrc = SourceOr(sources.pictures, 1, f.MouseOverImageSrc);
        f.MouseDownImageSrc = SourceOr(sources.pictures, 2, f.MouseDownImageSrc);
        f.DefaultImageSrc2x = SourceOr(sources.twice, 0, {});
        f.MouseOverImageSrc2x = SourceOr(sources.twice, 1, {});
        f.MouseDownImageSrc2x = SourceOr(sources.twice, 2, {});
        if (sources.names.size() == 4) {
            f.ButtonName = sources.names[0];
            f.DefaultImageName = sources.names[1];
            f.MouseOverImageName = sources.names[2];
            f.MouseDownImageName = sources.names[3];
        }
        const ButtonCode made = modern ? GenerateModernButtonCode(f) : GenerateButtonCode(f);
        return MadeCode{made.head,
                        made.body,
                        {{"modern", modern ? "1" : "0"},
                         {"ButtonLink", f.ButtonLink},
                         {"ButtonName", f.ButtonName},
                         {"ButtonWidth", f.ButtonWidth},
                         {"ButtonHeight", f.ButtonHeight},
                         {"DefaultImageSrc", f.DefaultImageSrc},
                         {"MouseOverImageSrc", f.MouseOverImageSrc},
                         {"MouseDownImageSrc", f.MouseDownImageSrc},
                         {"DefaultImageName", f.DefaultImageName},
                         {"MouseOverImageName", f.MouseOverImageName},
                         {"MouseDownImageName", f.MouseDownImageName},
                         {"AltText", f.AltText},
                         {"DefaultImageSrc2x", f.DefaultImageSrc2x},
                         {"MouseOverImageSrc2x", f.MouseOverImageSrc2x},
                         {"MouseDownImageSrc2x", f.MouseDownImageSrc2x}}};
    };
    return code;
}
