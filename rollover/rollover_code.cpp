// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/rollover_code.h"

#include "ui/html_text.h"

namespace {
constexpr const char *CrLf = "\r\n";

// Written once for every rollover of a page: the over picture hides the other while the
// pointer is over the link (only where the device can hover, so a tap leaves nothing behind)
// and while the link has keyboard focus. The over picture comes first in the link, so the
// picture after it is the one to hide.
constexpr const char *ModernHead =
    "<style>\r\n"
    ".q2-over{display:none}\r\n"
    "@media (hover:hover){a:hover>.q2-over{display:inline}"
    "a:hover>.q2-over~img{display:none}}\r\n"
    "a:focus-visible>.q2-over{display:inline}a:focus-visible>.q2-over~img{display:none}\r\n"
    "</style>";

// The attributes after src that every picture of the modern code carries.
std::string modernImageEnd(const RolloverProperties &p)
{
    std::string end;
    if (!p.AltText.empty())
        end += " alt=\"" + HtmlAttributeText(p.AltText) + "\"";
    if (const std::optional<PictureSize> size = TwoWholeNumbersIn(p.RolloverSize))
        end += " width=\"" + size->width + "\" height=\"" + size->height + "\"";
    return end + ">";
}
} // namespace

RolloverCode GenerateRolloverCode(const RolloverProperties &p)
{
    // The values go in as typed: nothing is trimmed, escaped or parsed. Only the alt text,
    // which the code had not before, is escaped.
    const std::string alt = p.AltText.empty() ? std::string() : " alt=\"" + HtmlAttributeText(p.AltText) + "\"";
    RolloverCode code;
    code.head = std::string("<script language=\"JavaScript\">") + CrLf        //
                + "<!-- Created by Quillarc 2--> " + CrLf                     //
                + "<!--" + CrLf                                               //
                + p.Image1Name + "= new Image(" + p.RolloverSize + ")" + CrLf //
                + p.Image1Name + ".src=\"" + p.Image1Src + "\"" + CrLf        //
                + p.Image2Name + "= new Image(" + p.RolloverSize + ")" + CrLf //
                + p.Image2Name + ".src=\"" + p.Image2Src + "\"" + CrLf        //
                + "//-->" + CrLf                                              //
                + "</script>";
    code.body = "<a href=\"" + p.RolloverLink + "\"" + " onmouseover=" + CrLf                                     //
                + "\"document.images['" + p.RolloverName + "'].src=" + p.Image2Name + ".src\" onmouseout=" + CrLf //
                + "\"document.images['" + p.RolloverName + "'].src=" + p.Image1Name + ".src\">" + CrLf            //
                + "<img src=\"" + p.Image1Src + "\"" + " name=\"" + p.RolloverName + "\"" + alt + "></a>";
    return code;
}

std::optional<PictureSize> TwoWholeNumbersIn(const std::string &size)
{
    const std::size_t comma = size.find(',');
    if (comma == std::string::npos)
        return std::nullopt;
    std::optional<std::string> width = WholeNumberIn(size.substr(0, comma));
    std::optional<std::string> height = WholeNumberIn(size.substr(comma + 1));
    if (!width || !height)
        return std::nullopt;
    return PictureSize{std::move(*width), std::move(*height)};
}

bool ReadsAsTwoWholeNumbers(const std::string &size)
{
    return TwoWholeNumbersIn(size).has_value();
}

RolloverCode GenerateModernRolloverCode(const RolloverProperties &p)
{
    const std::string end = modernImageEnd(p);
    RolloverCode code;
    code.head = ModernHead;
    code.body = "<a href=\"" + HtmlLinkAttributeText(p.RolloverLink) + "\">";
    if (!p.Image2Src.empty())
        code.body += "<img class=\"q2-over\" src=\"" + HtmlUrlAttributeText(p.Image2Src) + "\"" + end;
    code.body += "<img src=\"" + HtmlUrlAttributeText(p.Image1Src) + "\"" + end + "</a>";
    return code;
}
