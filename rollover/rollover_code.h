// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// The texts of one image rollover, exactly as the user typed them.
struct RolloverProperties {
    std::string Image1Src;
    std::string Image2Src;
    std::string RolloverLink = "http://";
    std::string RolloverName = "Example";
    std::string RolloverSize = "32,32";
    std::string Image1Name = "Image01";
    std::string Image2Name = "Image02";
    // The text that names the picture, and so the link, for people who cannot see it. Empty:
    // the classic code has no alt attribute and stays as it always was.
    std::string AltText{};
    // The names of picture 1's and picture 2's siblings of twice the pixel density (empty: none),
    // which the modern code offers to screens of that density.
    std::string Image1Src2x{};
    std::string Image2Src2x{};
};

// Head code (9 lines, for the page's head section) and body code (4 lines, where the
// rollover appears). Lines end in CR LF; neither text ends with a line break.
struct RolloverCode {
    std::string head;
    std::string body;
};

RolloverCode GenerateRolloverCode(const RolloverProperties &properties);

// Width and height, each the digits of a whole number.
struct PictureSize {
    std::string width;
    std::string height;
};

// The size box read as "width,height": two whole numbers and one comma, blanks allowed
// around each number ("32,32", "32, 32"). Anything else ("40", "32,32px", "") reads as none.
std::optional<PictureSize> TwoWholeNumbersIn(const std::string &size);
bool ReadsAsTwoWholeNumbers(const std::string &size);

// The modern code: the head is one style element, the same for every rollover; the body is
// the link holding the over picture (shown on hover where the device can hover, and on
// keyboard focus) and the picture shown normally, both with the alt text, and with width and
// height when the size box reads as two whole numbers. No script. The image names and the
// rollover's name are not used. Without an over picture the body holds the one picture. A
// picture with a sibling of twice the pixel density names it in srcset, at the same width and
// height. The link is an inline block that its pictures fill: keyboard focus rings the whole
// picture, and a picture never grows wider than its screen. The link, the sources and the alt
// text are written as text/html_text.h says (HtmlLinkAttributeText, HtmlPictureAttributeText,
// SrcsetAttribute, HtmlAttributeText); an empty alt text writes no alt attribute, which
// the validators and the audit then report.
RolloverCode GenerateModernRolloverCode(const RolloverProperties &properties);
