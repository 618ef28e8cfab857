// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_titles.h"

#include <map>

std::vector<std::string> ListedTitles(const std::vector<std::string> &titles)
{
    std::map<std::string, int> seen;
    std::vector<std::string> listed;
    for (const std::string &title : titles) {
        const int number = ++seen[title];
        listed.push_back(number == 1 ? title : title + " " + std::to_string(number));
    }
    return listed;
}
