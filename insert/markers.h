// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/page_reader.h"
#include "insert/wizard_code.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The comments around each part of code that Quillarc puts into a page:
//
//   <!-- quillarc begin KIND ID PART version=1 sha256=HASH NAME=VALUE ... -->
//   <!-- quillarc end ID PART -->
//
// KIND is the wizard (rollover, button, linkfx), ID names one inserted item and is unique in the
// page, PART is head or body. HASH is the SHA-256 of the bytes between the two comments, in hex,
// so that a part changed by hand shows. The NAME=VALUE pairs are the wizard's properties, each
// value percent-encoded (only letters, digits, '.', '_' and '~' stay), so that no comment ever
// holds a blank, "--" or ">" of a property. Markers are found by scanning the bytes, not a tree.

inline constexpr int MarkerVersion = 1;

struct MarkerFields {
    std::string kind;
    std::string id;
    std::string part;
    std::string hash;
    Properties properties;
};

std::string BeginMarker(const MarkerFields &fields);
std::string EndMarker(std::string_view id, std::string_view part);

// A marker found in a page; an end marker has only an id and a part.
struct FoundMarker {
    bool begin = false;
    int version = 0;
    MarkerFields fields;
    ByteRange bytes; // the whole comment
};
std::vector<FoundMarker> ScanMarkers(std::string_view page);

// An id that no marker of the page uses: "q1", "q2" and on.
std::string NewMarkerId(const std::vector<FoundMarker> &found);

// What stands between a begin marker and the end marker of its id and part; none without one.
struct MarkedPart {
    FoundMarker begin;
    ByteRange between;
};
std::vector<MarkedPart> MarkedParts(const std::vector<FoundMarker> &found);

std::string PercentEncoded(std::string_view text);
std::string PercentDecoded(std::string_view text);

// What a part takes of the page: its begin marker through its end marker and, where it stands on
// lines of its own (only blanks before its begin marker on its line), the line break and blanks
// after its end marker that carry the page's own text on.
ByteRange PartSpan(std::string_view page, const MarkedPart &part);

// The page without the spans of the parts marked in it.
std::string WithoutMarkedParts(std::string_view page);

// The page without these spans, which do not overlap, in the page's order.
std::string WithoutSpans(std::string_view page, const std::vector<ByteRange> &spans);
