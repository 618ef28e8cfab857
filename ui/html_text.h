// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Small pieces of HTML text that the rollover, the button and the link effects share. They live
// in ui/, the one folder every wizard builds on, but in the text library: standard library only.

// Text for an attribute value between double quotes: & " < > become &amp; &quot; &lt; &gt;,
// everything else stays as it is.
std::string HtmlAttributeText(const std::string &text);

// A URL (href, src) for an attribute value between double quotes. A browser sends " < > in a
// link percent-encoded anyway, and the validators refuse them even as character references, so
// they are written %22 %3C %3E; & becomes &amp;. Everything else stays as typed.
std::string HtmlUrlAttributeText(const std::string &url);

// A link's href for the modern code: as HtmlUrlAttributeText, except that a link box still
// holding only "http://" or "https://" (the text the windows open with, no place typed after it)
// names no place, and the validators refuse it: the link then goes to "#", the top of its own
// page, and stays a link that the keyboard reaches.
std::string HtmlLinkAttributeText(const std::string &link);

// The digits of a text that reads as one whole number: ASCII digits, at least one, with blanks or
// tabs allowed before and after (they are dropped). Anything else reads as no number.
std::optional<std::string> WholeNumberIn(const std::string &text);

// The first lines of every standards page the program writes, each followed by CR LF: the
// doctype, the html element with its language, the head, the character set and the viewport.
// The page's title comes next.
inline constexpr std::string_view StandardsPageStart = "<!DOCTYPE html>\r\n"
                                                       "<html lang=\"en\">\r\n"
                                                       "<head>\r\n"
                                                       "<meta charset=\"utf-8\">\r\n"
                                                       "<meta name=\"viewport\" content=\"width=device-width, "
                                                       "initial-scale=1\">\r\n";

// A whole standards page: StandardsPageStart, the title line, the head code, then the body
// code in the body; every line, the last one included, ends in CR LF.
std::string StandardsPage(const std::string &titleLine, const std::string &head, const std::string &body);
