// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The ten fields of a three-state image button, each exactly as its box holds it.
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
};

// The code a page takes: the script for its head section and the one line of markup for
// the place of the button. Lines are joined by CR LF; neither text ends with a line break.
struct ButtonCode {
    std::string head;
    std::string body;
};

// The head code preloads the images; the body code links the page image and swaps its
// source on the mouse events. The mouse-over and mouse-down parts are written only when
// their source is not the empty text (a single blank counts as given).
ButtonCode GenerateButtonCode(const ButtonSpec &fields);
