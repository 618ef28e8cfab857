// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The titles the Window menu lists, in the order of the windows: from the second window of a
// title on, its number among the windows of that title follows it ("Button Editor 2").
std::vector<std::string> ListedTitles(const std::vector<std::string> &titles);
