// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace ui {

// The hint a window shows when pictures it was given have the same file name but lie in
// different folders: a page names each picture by its file name alone, so only one of them can
// show. paths: the full paths of the window's pictures in the order of its pickers, empty for
// one not picked. Empty when every name stands for one file.
std::string sameNameHint(const std::vector<std::string> &paths);

} // namespace ui
