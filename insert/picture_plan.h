// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What becomes of each picture that code inserted into a page names.
enum class PictureFate {
    UsedWhereItIs, // it lies in the page's folder or below it, and is named by its path from there
    AlreadyThere,  // the same picture stands beside the page under its name
    CopiedBeside,  // copied beside the page under its own name
    CopiedAs,      // a different file has its name there: copied under a numbered name
};

struct PlannedPicture {
    std::string path; // the picture's full path
    std::string name; // the name the page names it by, relative to the page's folder, '/' between folders
    PictureFate fate = PictureFate::CopiedBeside;
};

// What stands in the page's folder under a name, beside a picture.
enum class Standing { Nothing, ThePicture, SomethingElse };

// What the plan needs to know of the files.
struct PictureFacts {
    // The picture's path relative to the page's folder, when it lies in that folder or below.
    std::function<std::optional<std::string>(const std::string &picture)> insideFolder;
    // What stands beside the page under the name: nothing, the picture (the same file or the
    // same bytes), or something else (another file, a link, a folder).
    std::function<Standing(const std::string &name, const std::string &picture)> standing;
    // The picture's file name.
    std::function<std::string(const std::string &picture)> fileName;
};

// Each picture once, in the order given: used where it lies inside the page's folder; already
// there; copied beside the page; or, where something else has its name (or an earlier picture of
// this plan takes it), copied under the first free numbered name ("up-2.png", "up-3.png").
std::vector<PlannedPicture> PlanPictures(const std::vector<std::string> &pictures, const PictureFacts &facts);

// The name with "-NUMBER" before its extension ("up.png", 2: "up-2.png"), at the end of a name
// without one.
std::string NumberedName(const std::string &name, int number);
