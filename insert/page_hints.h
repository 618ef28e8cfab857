// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/page_insert.h"

#include <string>
#include <vector>

// What the hints need to know of the code beside the page.
struct CodeFacts {
    std::string pageName;      // the page's file name, as the hints name it
    bool inlineScript = false; // the code runs a script element and event handler attributes
    std::string styleSource;   // 'sha256-...' of its style element's text as the page holds it; empty: none
    bool pictures = false;     // it names pictures beside the page
};

// What to tell the user of putting the code into the page, each once, in plain sentences (UTF-8):
// a Content-Security-Policy meta tag that blocks the code (naming its directive, with the source
// to add for a style element); a <base href> that moves where the pictures load from; template
// syntax; a page with no html, head or body tags; code that Quillarc inserted before; and a
// classic script that an XHTML page read as XML hides in its comment.
std::vector<std::string> PageHints(const PageForInsert &page, const CodeFacts &facts);

// The directive of a policy that decides over a kind of code, and whether it lets the code run:
// the first that the policy gives of the names, in order (the more specific first).
struct PolicyVerdict {
    std::string directive; // empty: the policy says nothing of it
    bool allows = true;
};
PolicyVerdict JudgeInline(std::string_view policy, const std::vector<std::string_view> &directives,
                          std::string_view hashSource);
