// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/picture_names.h"

#include <cstddef>

namespace ui {

namespace {

std::string fileName(const std::string &path)
{
    return path.substr(path.rfind('/') + 1); // the whole path when it has no folder
}

} // namespace

std::string sameNameHint(const std::vector<std::string> &paths)
{
    std::string hint;
    std::vector<bool> told(paths.size());
    for (std::size_t first = 0; first < paths.size(); ++first) {
        if (paths[first].empty() || told[first])
            continue;
        const std::string name = fileName(paths[first]);
        std::string numbers = std::to_string(first + 1);
        std::string last;
        bool otherFolder = false;
        for (std::size_t other = first + 1; other < paths.size(); ++other) {
            if (paths[other].empty() || fileName(paths[other]) != name)
                continue;
            told[other] = true;
            otherFolder = otherFolder || paths[other] != paths[first];
            numbers += last.empty() ? "" : ", " + last;
            last = std::to_string(other + 1);
        }
        // The same file picked twice shows as itself.
        if (!otherFolder)
            continue;
        hint.append(hint.empty() ? "" : " ")
            .append("Pictures ")
            .append(numbers)
            .append(" and ")
            .append(last)
            .append(" have the same name, \"")
            .append(name)
            .append("\", but lie in different folders: the page will show only one of them.");
    }
    return hint;
}

} // namespace ui
