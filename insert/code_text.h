// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/page_reader.h"

#include <cstddef>
#include <string>
#include <string_view>

// Where the first element of a text begins: its first '<' before a letter; npos where none does.
std::size_t FirstElementIn(std::string_view text);

// How code must be written to stand in a user's page as the page's own text does.
struct PageWriting {
    std::string lineEnd = "\n"; // the page's line break
    bool asciiOnly = false;     // characters beyond ASCII written as references and escapes
    bool xhtml = false;         // void elements closed as <img ... />
};

// The page's first line break (CR LF, LF or CR), LF for a page of one line.
std::string LineEndOf(std::string_view page);

// How the page writes: its line breaks; ASCII only unless the page declares UTF-8 (a meta tag,
// an XML declaration or a byte-order mark: a browser reads a page that declares nothing, or
// another character set, in its own and would garble the characters); closed void elements for
// an XHTML page (a name ending in .xhtml, or an XML declaration with the XHTML namespace).
PageWriting WritingOf(const PageReading &reading, std::string_view page, bool xhtmlName);

// The code as the page must hold it: every line break the page's; where ASCII only, a character
// beyond ASCII as a numeric character reference (&#233;) in markup, as \u00E9 in a script and as
// \0000E9 in a style sheet, where a reference is not read; for XHTML every void element closed.
std::string AdaptedCode(std::string_view code, const PageWriting &writing);

// What goes in front of a byte of the page: the begin marker, the code and the end marker. At a
// line's start (nothing but blanks before it on its line) each line of them stands on a line of its
// own with that line's blanks before it, and the page's own text goes on below them, where it stood
// on its line; elsewhere they follow each other with no line break added.
struct InsertedText {
    std::string between; // what stands between the markers: what the begin marker's hash covers
    std::string after;   // what follows the end marker
    std::string joined(std::string_view begin, std::string_view end) const;
};
InsertedText TextToInsert(std::string_view page, std::size_t at, std::string_view code, const std::string &lineEnd);
