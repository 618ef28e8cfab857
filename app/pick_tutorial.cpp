// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pick_tutorial.h"

#include <algorithm>
#include <cmath>

int PickTutorial(float r)
{
    // Worked in double: in single precision r * 3 + 1 could round up to 4 for r just below 1.
    const int n = static_cast<int>(std::floor(static_cast<double>(r) * 3.0 + 1.0));
    return std::clamp(n, 1, 3);
}
