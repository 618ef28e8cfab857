// SPDX-License-Identifier: GPL-3.0-or-later
#include "insert/picture_plan.h"

#include <algorithm>
#include <set>

std::string NumberedName(const std::string &name, int number)
{
    const std::size_t dot = name.rfind('.');
    const std::size_t at = dot == std::string::npos || dot == 0 ? name.size() : dot;
    return name.substr(0, at) + "-" + std::to_string(number) + name.substr(at);
}

std::vector<PlannedPicture> PlanPictures(const std::vector<std::string> &pictures, const PictureFacts &facts)
{
    std::vector<PlannedPicture> plan;
    std::set<std::string> claimed; // names beside the page that a picture of this plan takes
    for (const std::string &picture : pictures) {
        const bool planned =
            std::any_of(plan.begin(), plan.end(), [&](const PlannedPicture &p) { return p.path == picture; });
        if (picture.empty() || planned)
            continue;
        if (std::optional<std::string> inside = facts.insideFolder(picture)) {
            plan.push_back({picture, std::move(*inside), PictureFate::UsedWhereItIs});
            claimed.insert(plan.back().name);
            continue;
        }
        const std::string name = facts.fileName(picture);
        for (int number = 1;; ++number) {
            const std::string candidate = number == 1 ? name : NumberedName(name, number);
            if (claimed.contains(candidate))
                continue;
            const Standing there = facts.standing(candidate, picture);
            if (there == Standing::SomethingElse)
                continue;
            const PictureFate fate = there == Standing::ThePicture ? PictureFate::AlreadyThere
                                     : number == 1                 ? PictureFate::CopiedBeside
                                                                   : PictureFate::CopiedAs;
            plan.push_back({picture, candidate, fate});
            claimed.insert(candidate);
            break;
        }
    }
    return plan;
}
