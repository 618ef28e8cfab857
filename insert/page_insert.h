// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/code_text.h"
#include "insert/markers.h"
#include "insert/page_places.h"
#include "insert/page_reader.h"
#include "insert/wizard_code.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The names, each that the page already uses with the lowest number from 2 after it that neither
// the page nor an earlier name uses ("Image01" becomes "Image012"); empty names stay empty.
std::vector<std::string> NamesApart(const std::vector<std::string> &names, const std::set<std::string> &used);

// One insert worked out: the page with the code, and where its parts stand in it.
struct Splice {
    std::string page;
    ByteRange head{0, 0}; // the head part in the page, markers included; empty when none went in
    ByteRange body{0, 0};
    std::string id;         // the item's id in its markers
    std::string reusedHead; // the id of the item whose identical head part it shares; empty: none
    std::string refusal;    // why the page may not take it; empty when it may
};

// Where the parts of an item go in a page, and where its body part's first element must land.
struct SpliceTarget {
    std::string id;                  // the item's id in its markers
    std::optional<std::size_t> head; // the byte its own head part goes in front of; none: the end of the head
    std::optional<std::size_t> body; // the byte its body part goes in front of; none: it goes into the head alone
    std::vector<int> parentPath;     // the child indices from html down to the body part's parent
    int index = 0;                   // and its index among that parent's elements
};

// The SHA-256 of the bytes in lower-case hex.
using Sha256Hex = std::function<std::string(std::string_view)>;

// A user's page opened for inserting code: its bytes, read once, and what the parser made of them.
class PageForInsert final {
public:
    // xhtmlName: the page's file name ends in .xhtml.
    PageForInsert(std::string page, bool xhtmlName);
    PageForInsert(const PageForInsert &) = delete;
    PageForInsert &operator=(const PageForInsert &) = delete;

    const std::string &bytes() const { return m_page; }
    const PageReading &reading() const { return m_reading; }
    const PagePlaces &places() const { return m_places; }
    const PageWriting &writing() const { return m_writing; }
    const std::vector<FoundMarker> &markers() const { return m_markers; }
    // Why the page can take no code at all (UTF-16 or UTF-32, NUL bytes, a frameset); empty when it can.
    const std::string &refusal() const { return m_refusal; }

    // The page with the code at the place (the head part just before the head's end). Read again
    // after the splice, it must hold the head part's first element in the head and the body
    // part's at the place, each marker as a comment, and every other element where it stood;
    // otherwise the splice says why it is refused.
    Splice splice(const WizardCode &code, CodeSources sources, std::optional<Place> place, const Sha256Hex &hash) const;
    // The same at a target of bytes, checked as the splice is.
    Splice spliceAt(const WizardCode &code, CodeSources sources, const SpliceTarget &target,
                    const Sha256Hex &hash) const;

private:
    std::string m_page;
    PageReading m_reading;
    PagePlaces m_places;
    PageWriting m_writing;
    std::vector<FoundMarker> m_markers;
    Shape m_shape; // what every other element of the page must stay
    std::string m_refusal;
};

// The text of the first style element in a part, as a policy's hash counts it; empty: none.
std::string_view StyleText(std::string_view part);
