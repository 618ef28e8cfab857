// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_code.h"

#include "text/html_text.h"

#include <string_view>

namespace {

constexpr std::string_view Crlf = "\r\n";

constexpr std::string_view ScriptOpen = "<script language=\"JavaScript\"> <!-- Created by Quillarc 2--><!--";
constexpr std::string_view NewImage = "= new Image(";
constexpr std::string_view Comma = ",";
constexpr std::string_view CloseParen = ")";
constexpr std::string_view SrcOpen = ".src=\"";
constexpr std::string_view Quote = "\"";
constexpr std::string_view ScriptClose = "--> </script>";

constexpr std::string_view AnchorOpen = "<a href=\"";
constexpr std::string_view AnchorHrefEnd = "\" ";
constexpr std::string_view OnMouseOver = "onmouseover=\"document.images['";
constexpr std::string_view OnMouseOut = "onmouseout=\"document.images['";
constexpr std::string_view OnMouseDown = "onmousedown=\"document.images['";
constexpr std::string_view OnMouseUp = "onmouseup=\"document.images['";
constexpr std::string_view SrcAssign = "'].src=";
constexpr std::string_view HandlerEnd = ".src\" ";
constexpr std::string_view TagEnd = ">";
constexpr std::string_view ImgOpen = "<img src=\"";
constexpr std::string_view ImgName = "\" name=\"";
constexpr std::string_view ImgClose = "\"></a>";
constexpr std::string_view AltOpen = "\" alt=\"";

// The pages already made with these fragments depend on every character of them.
static_assert(ScriptOpen.size() == 64);
static_assert(NewImage.size() == 12);
static_assert(SrcOpen.size() == 6);
static_assert(ScriptClose.size() == 13);
static_assert(AnchorOpen.size() == 9);
static_assert(AnchorHrefEnd.size() == 2);
static_assert(OnMouseOver.size() == 30);
static_assert(OnMouseOut.size() == 29);
static_assert(OnMouseDown.size() == 30);
static_assert(OnMouseUp.size() == 28);
static_assert(SrcAssign.size() == 7);
static_assert(HandlerEnd.size() == 6);
static_assert(ImgOpen.size() == 10);
static_assert(ImgName.size() == 8);
static_assert(ImgClose.size() == 6);

// The modern head, written once for every button of a page. The pictures stand down, over,
// default in the link, so each state hides the pictures after its own. The down rules win over
// the hover and focus rules by their extra element in the selector.
constexpr std::string_view ModernHeadStart = "<style>\r\n"
                                             ".q2-over,.q2-down{display:none}\r\n";
constexpr std::string_view ModernHeadEnd =
    "@media (hover:hover){a:hover>.q2-over{display:inline}a:hover>.q2-over~img{display:none}}\r\n"
    "a:focus-visible>.q2-over{display:inline}a:focus-visible>.q2-over~img{display:none}\r\n"
    "a:active>.q2-down{display:inline}a:active>.q2-down~img{display:none}\r\n"
    "</style>";

// The preload line and the source line of one image, each followed by CR LF. A size left
// empty writes no size at all: "new Image(,)" is a script error that stops every swap.
void appendPreload(std::string &head, const ButtonSpec &fields, const std::string &name, const std::string &source)
{
    head.append(name).append(NewImage);
    if (!fields.ButtonWidth.empty() && !fields.ButtonHeight.empty())
        head.append(fields.ButtonWidth).append(Comma).append(fields.ButtonHeight);
    head.append(CloseParen).append(Crlf);
    head.append(name).append(SrcOpen).append(ClassicPictureText(source)).append(Quote).append(Crlf);
}

// One handler: it sets the page image's source to the source of a preloaded image.
void appendHandler(std::string &body, std::string_view event, const std::string &buttonName,
                   const std::string &imageName)
{
    body.append(event).append(buttonName).append(SrcAssign).append(imageName).append(HandlerEnd);
}

} // namespace

ButtonCode GenerateButtonCode(const ButtonSpec &fields)
{
    const bool withOver = !fields.MouseOverImageSrc.empty();
    const bool withDown = !fields.MouseDownImageSrc.empty();

    ButtonCode code;
    code.head.append(ScriptOpen).append(Crlf);
    appendPreload(code.head, fields, fields.DefaultImageName, fields.DefaultImageSrc);
    if (withOver)
        appendPreload(code.head, fields, fields.MouseOverImageName, fields.MouseOverImageSrc);
    if (withDown)
        appendPreload(code.head, fields, fields.MouseDownImageName, fields.MouseDownImageSrc);
    code.head.append(Crlf).append(ScriptClose);

    code.body.append(AnchorOpen).append(fields.ButtonLink).append(AnchorHrefEnd);
    if (withOver) {
        appendHandler(code.body, OnMouseOver, fields.ButtonName, fields.MouseOverImageName);
        appendHandler(code.body, OnMouseOut, fields.ButtonName, fields.DefaultImageName);
    }
    if (withDown) {
        appendHandler(code.body, OnMouseDown, fields.ButtonName, fields.MouseDownImageName);
        appendHandler(code.body, OnMouseUp, fields.ButtonName, fields.DefaultImageName);
    }
    code.body.append(TagEnd);
    code.body.append(ImgOpen)
        .append(ClassicPictureText(fields.DefaultImageSrc))
        .append(ImgName)
        .append(fields.ButtonName);
    if (!fields.AltText.empty())
        code.body.append(AltOpen).append(HtmlAttributeText(fields.AltText));
    code.body.append(ImgClose);
    return code;
}

std::string ButtonSizeHint(const std::string &width, const std::string &height)
{
    if (!width.empty() && !height.empty())
        return {};
    return "Button Width or Button Height is empty: the code gives the pictures no size.";
}

ButtonCode GenerateModernButtonCode(const ButtonSpec &fields)
{
    // The attributes that every picture carries after its src and srcset.
    std::string end;
    if (!fields.AltText.empty())
        end.append(" alt=\"").append(HtmlAttributeText(fields.AltText)).append("\"");
    if (const std::optional<std::string> width = WholeNumberIn(fields.ButtonWidth))
        end.append(" width=\"").append(*width).append("\"");
    if (const std::optional<std::string> height = WholeNumberIn(fields.ButtonHeight))
        end.append(" height=\"").append(*height).append("\"");
    end.append(">");
    const auto appendImage = [&end](std::string &body, std::string_view start, const std::string &source,
                                    std::string_view srcset) {
        body.append(start).append(HtmlPictureAttributeText(source)).append("\"").append(srcset).append(end);
    };

    ButtonCode code;
    code.head.append(ModernHeadStart).append(PictureLinkStyle).append(ModernHeadEnd);
    code.body.append(R"(<a class="q2-link" href=")").append(HtmlLinkAttributeText(fields.ButtonLink)).append("\">");
    if (!fields.MouseDownImageSrc.empty())
        appendImage(code.body, R"(<img class="q2-down" src=")", fields.MouseDownImageSrc,
                    SrcsetAttribute(fields.MouseDownImageSrc2x));
    if (!fields.MouseOverImageSrc.empty())
        appendImage(code.body, R"(<img class="q2-over" src=")", fields.MouseOverImageSrc,
                    SrcsetAttribute(fields.MouseOverImageSrc2x));
    appendImage(code.body, "<img src=\"", fields.DefaultImageSrc, SrcsetAttribute(fields.DefaultImageSrc2x));
    code.body.append("</a>");
    return code;
}

ButtonPicture ModernButtonPicture(const ButtonSpec &fields, bool hovered, bool focused, bool pressed)
{
    // The same tests as the code's: a picture is there when its source is not the empty text.
    if (pressed && !fields.MouseDownImageSrc.empty())
        return ButtonPicture::MouseDown;
    if ((hovered || focused) && !fields.MouseOverImageSrc.empty())
        return ButtonPicture::MouseOver;
    return ButtonPicture::Default;
}
