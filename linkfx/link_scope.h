// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// "Only links inside:": the part of a page whose links the effects change, written as a plain CSS
// selector: compound selectors separated by blanks (each a descendant of the one before), each an
// element name that a link may stand in, and .classes and at most one #id, all in ASCII letters,
// digits, '-' and '_' ("nav", ".menu", "ul#main li"). Such a selector can always be built as
// elements around the page's example link, which shows what the code does.

// The scope the code is written for: the text with its blanks made single and trimmed, or empty
// where the text is empty or no plain selector, which then stays out of the code.
std::string ScopeSelector(const std::string &text);

// What the window says of a text that is no plain selector; empty for an empty or a plain one.
std::string LinkScopeHint(const std::string &text);

// A rule's selector for the links inside the scope: "a" and what follows it (":hover"), after
// the scope and a blank where there is one ("nav a:hover").
std::string ScopedLinks(const std::string &scope, const std::string &link = {});

// The start tags that put the example link inside the scope, outermost first, and their end
// tags, innermost first: for "ul.menu" "<ul class=\"menu\"><li>" and "</li></ul>". Empty for no
// scope. A list item gets its list, a list its item, and a compound without an element name is
// the div (or, inside a paragraph's text, the span) that holds the link without changing it.
struct ScopeTags {
    std::string start;
    std::string end;
};
ScopeTags ScopeElements(const std::string &scope);
