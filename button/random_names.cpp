// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/random_names.h"

#include <algorithm>
#include <cmath>

namespace button {

char RandomDigit(float r)
{
    // Worked in double and clamped, so that no draw below 1 gives a 10.
    const int d = static_cast<int>(std::floor(static_cast<double>(r) * 9.0 + 1.0));
    return static_cast<char>('0' + std::clamp(d, 1, 9));
}

std::string RandomName(const std::string &prefix, const std::array<float, NameDigits> &draws)
{
    std::string name = prefix;
    for (const float r : draws)
        name += RandomDigit(r);
    return name;
}

} // namespace button
