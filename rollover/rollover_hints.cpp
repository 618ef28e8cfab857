// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/rollover_hints.h"

#include "rollover/rollover_code.h"

std::string ModernSizeHint(const std::string &size)
{
    const std::optional<PictureSize> read = TwoWholeNumbersIn(size);
    if (!read)
        return "The size is not two whole numbers such as 120,40: the page shows each picture at its own size.";
    const auto isZero = [](const std::string &digits) {
        return digits.find_first_not_of('0') == std::string::npos;
    };
    if (isZero(read->width) || isZero(read->height))
        return "A width or height of 0 hides the rollover on the page.";
    return {};
}
