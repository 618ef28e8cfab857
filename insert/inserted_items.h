// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/markers.h"
#include "insert/page_insert.h"

#include <string>
#include <vector>

// The code Quillarc inserted into a page, found again by its markers: each item with its parts,
// where it stands, whether it was changed by hand, and the markers that no longer pair up.
struct InsertedItem {
    std::string kind;              // the wizard: rollover, button, linkfx; empty where no begin marker says
    std::string id;                // its id in its markers
    std::vector<MarkedPart> parts; // its parts whose markers pair up, in the page's order
    Properties properties;         // the wizard's, from its body part's begin marker, else its head part's
    std::string sharedHead;        // the item whose head part serves it too; empty: none
    std::string place;             // the element it stands beside, as "after p#intro" or "in the head"
    bool changedByHand = false;    // the bytes between a pair of its markers no longer match their hash
    // What is wrong with a marker of it that pairs with none: "a begin with no end", "an end with no
    // begin" or "parts out of order"; such a marker has a row of its own, with no parts.
    std::string broken;
    ByteRange brokenMarker{0, 0};
};

// The items of the page in the order their first markers stand in, and a row for each broken marker.
std::vector<InsertedItem> InsertedItems(const PageForInsert &page, const Sha256Hex &hash);

// The page without the item: its parts with their markers, but for a head part that another item
// shares, which stays.
std::string WithoutItem(const PageForInsert &page, const InsertedItem &item, const std::vector<InsertedItem> &items);

// The page with the item's code made anew where its parts stand, under its id: the new body part where
// the old one stood, the new head part where the old one stood (or at the end of the head, or none
// where a head part in the page serves it). A head part that another item shares stays; where the
// new code needs another head, the replace is refused with the reason.
Splice ReplaceItem(const PageForInsert &page, const InsertedItem &item, const std::vector<InsertedItem> &items,
                   const WizardCode &code, const CodeSources &sources, const Sha256Hex &hash);

// The value of a property, empty when the properties do not give it.
std::string PropertyOf(const Properties &properties, const std::string &name);
