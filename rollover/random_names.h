// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// The random names of the rollover window, each from uniform draws 0 <= r < 1.

// "Image" followed by floor(r * 1000 + 1): Image1 to Image1000.
std::string RandomImageName(float r);

// The k-th letter of a to j for k = floor(r * 10 + 1).
char RandomRolloverLetter(float r);

inline constexpr int RolloverNameLetters = 8;

// "Rollover" followed by one letter for each draw, in the order drawn.
std::string RandomRolloverName(const std::array<float, RolloverNameLetters> &draws);
