// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/page_reader.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where code stands beside or inside an element, in the words the window offers.
enum class Where { Before, After, AtStart, AtEnd };
inline constexpr std::array EveryWhere{Where::Before, Where::After, Where::AtStart, Where::AtEnd};
std::string_view WhereText(Where where); // "Before", "After", "At the start of", "At the end of"

struct Place {
    int element = -1;
    Where where = Where::AtEnd;
    bool operator==(const Place &) const = default;
};

// The element the code's first element lands in, and its index among that element's elements.
struct ExpectedLanding {
    int parent = -1;
    int index = 0;
};

// The places of a page where a body part may go, and why each other place may not take it:
// never inside a link, a button, a list of choices, a table's or a list's own structure (a cell
// and a list item take it), a drawing, a formula, a template, a script, a style sheet, a comment,
// template syntax, or an element the page leaves open. The head part has one place of its own.
class PagePlaces final {
public:
    // The reading and the bytes must outlive the places.
    PagePlaces(const PageReading &reading, std::string_view page);

    // Why no code may go inside the element, as a sentence; empty when it may.
    const std::string &whyNotInside(int element) const { return m_notInside[std::size_t(element)]; }
    // Why no code may go at the place; empty when it may.
    std::string whyNot(Place place) const;
    // Why no place beside or inside the element may take code; empty when one may.
    std::string whyNoPlace(int element) const;
    // The byte the code goes in front of.
    std::size_t offsetOf(Place place) const;
    // Where the code's first element lands for the place.
    ExpectedLanding landingOf(Place place) const;
    // At the end of the body when that may take code, else the last place that may; none in a
    // page without one.
    std::optional<Place> defaultPlace() const;
    // The place that may take code nearest to the byte; none in a page without one.
    std::optional<Place> nearest(std::size_t offset) const;

    // Where the head part goes: just before </head>, or where the parser closes a head that the
    // page leaves out or ends early.
    std::size_t headPoint() const;
    // Why the head part cannot go there; empty when it can.
    std::string whyNotHead() const;

    // The page's template syntax (<?php ... ?>, <% %>, {{ }}, {% %}, {# #}), where no code goes.
    const std::vector<ByteRange> &templates() const { return m_templates; }

private:
    bool inTemplate(std::size_t offset) const;
    // The outermost element inside the container that is still open at the byte.
    int openInside(int container, std::size_t offset) const;

    const PageReading &m_reading;
    std::vector<std::string> m_notInside;
    std::vector<ByteRange> m_templates;
};

// The template syntax in the page's bytes: an opener with its closer; "<?" and "<%" without one
// run to the end, as a PHP file may leave its last block open; "{{" and the like without one are
// text. An XML declaration at the start is no template.
std::vector<ByteRange> TemplateRanges(std::string_view page);
