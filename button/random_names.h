// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// The random names of the button editor, from uniform draws 0 <= r < 1.
namespace button {

inline constexpr int NameDigits = 5;

// The digit floor(r * 9 + 1): '1' to '9', never '0'.
char RandomDigit(float r);

// The prefix ("Image" or "Button") followed by one digit for each draw, in the order drawn.
std::string RandomName(const std::string &prefix, const std::array<float, NameDigits> &draws);

} // namespace button
