// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/rollover_code.h"

#include "text/html_text.h"

namespace {
constexpr const char *CrLf = "\r\n";

// Written once for every rollover of a page: the over picture hides the other while the
// pointer is over the link (only where the device can hover, so a tap leaves nothing behind)
// and while the link has keyboard focus. The over picture comes first in the link, so the
// picture after it is the one to hide.
constexpr std::string_view ModernHeadStart = "<style>\r\n"
                                             ".q2-over{display:none}\r\n";
constexpr std::string_view ModernHeadEnd =
    "@media (hover:hover){a:hover>.q2-over{display:inline}"
    "a:hover>.q2-over~img{display:none}}\r\n"
    "a:focus-visible>.q2-over{display:inline}a:focus-visible>.q2-over~img{display:none}\r\n"
    "</style>";

// The attributes after src: the srcset of the picture's sibling of twice the density, if any,
// then those that every picture of the modern code carries.
std::string modernImageEnd(const RolloverProperties &p, const std::string &twiceName)
{
    std::string end = SrcsetAttribute(twiceName);
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
    // which the code had not before, is escaped, and a # in a picture's name, which would
    // keep the picture from loading.
    const std::string alt = p.AltText.empty() ? std::string() : " alt=\"" + HtmlAttributeText(p.AltText) + "\"";
    const std::string image1 = ClassicPictureText(p.Image1Src);
    const std::string image2 = ClassicPictureText(p.Image2Src);
    RolloverCode code;
    code.head = std::string("<script language=\"JavaScript\">") + CrLf        //
                + "<!-- Created by Quillarc 2--> " + CrLf                     //
                + "<!--" + CrLf                                               //
                + p.Image1Name + "= new Image(" + p.RolloverSize + ")" + CrLf //
                + p.Image1Name + ".src=\"" + image1 + "\"" + CrLf             //
                + p.Image2Name + "= new Image(" + p.RolloverSize + ")" + CrLf //
                + p.Image2Name + ".src=\"" + image2 + "\"" + CrLf             //
                + "//-->" + CrLf                                              //
                + "</script>";
    code.body = "<a href=\"" + p.RolloverLink + "\"" + " onmouseover=" + CrLf                                     //
                + "\"document.images['" + p.RolloverName + "'].src=" + p.Image2Name + ".src\" onmouseout=" + CrLf //
                + "\"document.images['" + p.RolloverName + "'].src=" + p.Image1Name + ".src\">" + CrLf            //
                + "<img src=\"" + image1 + "\"" + " name=\"" + p.RolloverName + "\"" + alt + "></a>";
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
    RolloverCode code;
    code.head.append(ModernHeadStart).append(PictureLinkStyle).append(ModernHeadEnd);
    code.body = R"(<a class="q2-link" href=")" + HtmlLinkAttributeText(p.RolloverLink) + "\">";
    if (!p.Image2Src.empty())
        code.body += R"(<img class="q2-over" src=")" + HtmlPictureAttributeText(p.Image2Src) + "\"" +
                     modernImageEnd(p, p.Image2Src2x);
    code.body +=
        "<img src=\"" + HtmlPictureAttributeText(p.Image1Src) + "\"" + modernImageEnd(p, p.Image1Src2x) + "</a>";
    return code;
}
