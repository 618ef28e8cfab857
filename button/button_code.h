// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The fields of a three-state image button, each exactly as its box holds it.
struct ButtonSpec {
    std::string ButtonLink;
    std::string ButtonName;
    std::string ButtonWidth;
    std::string ButtonHeight;
    std::string DefaultImageSrc;
    std::string MouseOverImageSrc; // empty: no mouse-over image
    std::string MouseDownImageSrc; // empty: no mouse-down image
    std::string DefaultImageName;
    std::string MouseOverImageName;
    std::string MouseDownImageName;
    // The text that names the picture, and so the link, for people who cannot see it. Empty:
    // the classic code has no alt attribute and stays as it always was.
    std::string AltText{};
    // The names of the pictures' siblings of twice the pixel density (empty: none), which the
    // modern code offers to screens of that density.
    std::string DefaultImageSrc2x{};
    std::string MouseOverImageSrc2x{};
    std::string MouseDownImageSrc2x{};
};

// The code a page takes: the script for its head section and the one line of markup for
// the place of the button. Lines are joined by CR LF; neither text ends with a line break.
struct ButtonCode {
    std::string head;
    std::string body;
};

// The head code preloads the images; the body code links the page image and swaps its
// source on the mouse events. The mouse-over and mouse-down parts are written only when
// their source is not the empty text (a single blank counts as given). The texts go in as they
// stand, except a # in a picture's name, written %23 so that the picture loads, and a width or
// height left empty, which writes the preloads without a size: "new Image()".
ButtonCode GenerateButtonCode(const ButtonSpec &fields);

// What the editor says below its size boxes while one is empty, which gives the pictures no size
// in either code; empty while both hold a size.
std::string ButtonSizeHint(const std::string &width, const std::string &height);

// The modern code. The head is one style element, the same for every button: the over
// picture shows while the pointer is over the link (only where the device can hover, so a
// tap leaves nothing behind) and while the link has keyboard focus, the down picture while
// the link is pressed. The body is the link holding the down picture, the over picture and
// the default picture, in this order, each with the alt text and with width and height where
// the width and height boxes hold whole numbers, and with the srcset of its sibling of twice
// the pixel density where it has one. A missing over or down picture has no picture in the
// link, and so no state. No script; the names are not used. The link is an inline block that
// its pictures fill (text/html_text.h, PictureLinkStyle). The link, the sources and the alt text
// are written as text/html_text.h says (HtmlLinkAttributeText, HtmlPictureAttributeText,
// SrcsetAttribute, HtmlAttributeText); an empty alt text writes no alt attribute.
ButtonCode GenerateModernButtonCode(const ButtonSpec &fields);

// The pictures of a button.
enum class ButtonPicture { Default, MouseOver, MouseDown };

// The picture that the modern code shows for a state of the link, as a preview must show it:
// while pressed the down picture, where there is one; while the pointer is over the link (on a
// device that can hover) or the link has keyboard focus, the over picture, where there is one;
// otherwise the default picture. A release over the link shows the over picture again.
ButtonPicture ModernButtonPicture(const ButtonSpec &fields, bool hovered, bool focused, bool pressed);
