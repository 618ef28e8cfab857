// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The seven texts of one image rollover, exactly as the user typed them.
struct RolloverProperties {
    std::string Image1Src;
    std::string Image2Src;
    std::string RolloverLink = "http://";
    std::string RolloverName = "Example";
    std::string RolloverSize = "32,32";
    std::string Image1Name = "Image01";
    std::string Image2Name = "Image02";
};

// Head code (9 lines, for the page's head section) and body code (4 lines, where the
// rollover appears). Lines end in CR LF; neither text ends with a line break.
struct RolloverCode {
    std::string head;
    std::string body;
};

RolloverCode GenerateRolloverCode(const RolloverProperties &properties);
