// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A user's page as an HTML5 parser reads it, with the byte offset of every tag, so that code can
// go into the page's own bytes and nothing else of them changes. Nothing here ever writes a tree
// back out.

// One element of the page.
struct PageElement {
    std::string tag;          // lower case ("div"); a tag the parser does not know, as written
    std::string id;           // its id attribute
    std::string classes;      // its class attribute
    std::string words;        // the first words of the text inside it
    std::size_t start = 0;    // its start tag's first byte, or where the parser made it up
    std::size_t startEnd = 0; // just after its start tag; start, for one the parser made up
    std::size_t end = 0;      // its end tag's first byte, or where the parser closed it
    std::size_t endEnd = 0;   // just after its own end tag; end, where the page leaves it out
    bool impliedStart = false;
    bool impliedEnd = false;
    bool isVoid = false;       // it holds nothing: img, br, meta and the like
    bool foreign = false;      // inside svg or math
    int parent = -1;           // the index of its parent; -1 for html
    int depth = 0;             // html is 0
    std::vector<int> children; // the indices of its element children, in order
};

// A range of bytes [first, last).
using ByteRange = std::pair<std::size_t, std::size_t>;

// What the page is, as the parser read it.
struct PageReading {
    std::vector<PageElement> elements; // in document order; elements[0] is html
    int head = -1;
    int body = -1; // none in a frameset page
    bool frameset = false;
    std::size_t bom = 0;               // the length of the UTF-8 byte-order mark, kept as it is
    std::vector<ByteRange> comments;   // every comment, from "<!--" to just after "-->"
    std::string charset;               // the character set the page declares, lower case; empty: none
    bool xmlDeclaration = false;       // the page starts with "<?xml"
    bool xhtmlNamespace = false;       // html carries xmlns="http://www.w3.org/1999/xhtml"
    std::vector<std::string> policies; // the contents of its Content-Security-Policy meta tags in the head
    std::string baseHref;              // the href of its first base element; empty: none
    // The names a script of the page may use: every id and name attribute, and every word
    // that could name something in its scripts and event handler attributes.
    std::set<std::string> names;
};

// Reads the page's bytes. A UTF-8 byte-order mark is skipped, and counted in every offset.
PageReading ReadPage(std::string_view page);

// Where an element or comment stands in a page's tree: the child indices from html down to its
// parent, and its own index among the parent's elements (a comment: among the elements before it).
struct Landing {
    bool comment = false;
    std::vector<int> parentPath;
    int index = 0;
};

// The shape of a page's tree: each element's tag and depth, in document order, one number each.
using Shape = std::vector<std::size_t>;

// A spliced page read again, for the check that the code landed where it was meant to and that
// nothing else moved.
struct SplicedReading {
    // For each offset asked, where the element or comment that begins there landed; index -1 in
    // parentPath's place (an empty landing with comment false and index -1) when none begins there.
    std::vector<Landing> landings;
    // Every element's tag and depth, in document order, but for those whose start tag lies inside
    // one of the inserted ranges.
    Shape shape;
};
SplicedReading ReadSplicedPage(std::string_view page, const std::vector<std::size_t> &offsets,
                               const std::vector<ByteRange> &inserted);

// The shape of a page read before: every element's tag and depth, in document order.
Shape ShapeOf(const PageReading &reading);

// The child indices from html down to the element (empty for html).
std::vector<int> PathOf(const PageReading &reading, int element);
