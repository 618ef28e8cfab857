// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What a wizard hands to "Insert into Page", free of the toolkit and of the page reader, so that
// each wizard's text code can make it.

// A wizard's properties by name, in its order, as the markers around inserted code carry them.
using Properties = std::vector<std::pair<std::string, std::string>>;

// What the wizard's code is made from in a page: the sources of its pictures, relative to the
// page, and the names of its classic code, apart from the page's own.
struct CodeSources {
    std::vector<std::string> pictures; // for each picture of the wizard its URL; empty: as the wizard has it
    std::vector<std::string> twice;    // for each, its sibling's of twice the density; empty: none
    std::vector<std::string> names;    // the classic code's names, in the wizard's order
};

struct MadeCode {
    std::string head;
    std::string body; // empty: the code goes into the head alone
    Properties properties;
};

// The wizard's kind, pictures and names, and how to make its code again for a page.
struct WizardCode {
    std::string kind; // "rollover", "button", "linkfx"
    bool modern = false;
    bool headOnly = false;
    std::vector<std::string> pictures; // the full paths of its pictures (UTF-8), in its order; empty: none
    std::vector<std::string> names;    // the names its classic code gives
    std::function<MadeCode(const CodeSources &)> make;
};

// A wizard's text fields by the names its markers give them.
template <typename Fields, std::size_t Count>
using NamedFields = std::array<std::pair<std::string_view, std::string Fields::*>, Count>;

// The fields the properties name; a property no field has is passed over.
template <typename Fields, std::size_t Count>
Fields FieldsFromProperties(const Properties &properties, const NamedFields<Fields, Count> &named)
{
    Fields fields;
    for (const auto &[name, value] : properties) {
        const auto field = std::ranges::find(named, name, &NamedFields<Fields, Count>::value_type::first);
        if (field != named.end())
            fields.*(field->second) = value;
    }
    return fields;
}

// The source a picture's box holds, or the one a page gives it where it has one.
inline const std::string &SourceOr(const std::vector<std::string> &sources, std::size_t picture, const std::string &own)
{
    return picture < sources.size() && !sources[picture].empty() ? sources[picture] : own;
}
