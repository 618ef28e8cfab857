// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/random_names.h"

#include <algorithm>
#include <cmath>

namespace {

// floor(r * count + 1), worked in double so that no draw below 1 reaches count + 1.
int wholeNumber(float r, int count)
{
    const int n = static_cast<int>(std::floor(static_cast<double>(r) * count + 1.0));
    return std::clamp(n, 1, count);
}

} // namespace

std::string RandomImageName(float r)
{
    return "Image" + std::to_string(wholeNumber(r, 1000));
}

char RandomRolloverLetter(float r)
{
    return static_cast<char>('a' + wholeNumber(r, 10) - 1);
}

std::string RandomRolloverName(const std::array<float, RolloverNameLetters> &draws)
{
    std::string name = "Rollover";
    for (const float r : draws)
        name += RandomRolloverLetter(r);
    return name;
}
