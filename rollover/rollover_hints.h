// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the rollover window tells the user of its size box with the modern code, which writes
// the size into both pictures: empty when the page shows them as the box says.
std::string ModernSizeHint(const std::string &size);
