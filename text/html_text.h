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

// A typed or picked URL (a link, a picture's name) for an attribute value between double quotes,
// written as a valid URL that leads where a browser takes the text to lead. Blanks around it are
// dropped, as a browser drops them. A backslash in a web or file address (or a relative one) is
// the slash a browser reads there. A space, a letter beyond ASCII (as its UTF-8 bytes) and every
// other character that no URL holds as it is (controls, " < > ` { } | ^ \, [ ] after the host)
// are percent-encoded; a % that starts no escape is written %25, while an escape such as the %20 of
// a picked name stays. & becomes &amp;. ? starts the query and stays, and so does the first #,
// which starts the fragment; a later # is written %23.
std::string HtmlUrlAttributeText(const std::string &url);

// A link's href for the modern code: as HtmlUrlAttributeText, except that a link box still
// holding only "http://" or "https://" (the text the windows open with, blanks around it aside,
// no place typed after it) names no place, and the validators refuse it: the link then goes to
// "#", the top of its own page, and stays a link that the keyboard reaches.
std::string HtmlLinkAttributeText(const std::string &link);

// A picture's name for the modern code's src: as HtmlUrlAttributeText, but every # is written
// %23. A picture's file name has no fragment, and a browser that read one would ask for the
// part before it and never load the picture.
std::string HtmlPictureAttributeText(const std::string &name);

// The srcset attribute, a blank before it, of a picture whose sibling of twice the pixel density
// has this name: the name as HtmlPictureAttributeText writes it, with a comma written %2C (srcset
// separates its candidates by commas), then " 2x". Empty text for an empty name: no sibling.
std::string SrcsetAttribute(const std::string &twiceName);

// A picture's name in the classic code: as typed, but every # is written %23, so that the
// picture loads. Nothing else changes: the classic code keeps its texts as typed.
std::string ClassicPictureText(const std::string &name);

// The file name of a picture's sibling of twice the pixel density: "@2x" before the extension
// ("up.png" gives "up@2x.png", "a.b.png" gives "a.b@2x.png"), at the end of a name without one.
// A folder before the name stays as it is.
std::string TwiceDensityName(const std::string &fileName);

// What to tell the user of a link (one sentence in UTF-8), or empty text when all is well. A
// link that a browser reads as a javascript: URL (any case; blanks before it, and tabs or line
// breaks inside it, which a browser drops) runs its script when clicked. Nothing is refused.
std::string LinkHint(const std::string &link);

// The digits of a text that reads as one whole number: ASCII digits, at least one, with blanks or
// tabs allowed before and after (they are dropped). Anything else reads as no number.
std::optional<std::string> WholeNumberIn(const std::string &text);

// The style line, CR LF at its end, that the modern rollover and button share. Their link is an
// inline block whose line is no taller than its pictures: they sit on its baseline, which is
// then its bottom. So keyboard focus rings the whole picture, in every browser and with no gap
// under it, while the pictures stand where they stood. A picture never grows wider than its
// screen, and its height follows its width.
inline constexpr std::string_view PictureLinkStyle =
    ".q2-link{display:inline-block;line-height:0}.q2-link>img{max-width:100%;height:auto}\r\n";

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
