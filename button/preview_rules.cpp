// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/preview_rules.h"

namespace button {

namespace {

// Takes the key and answers the path, unless the key is empty or already shown.
std::optional<std::string> takeUnlessShown(const std::string &key, const std::string &path, std::string &shownpic)
{
    if (key.empty() || key == shownpic)
        return std::nullopt;
    shownpic = key;
    return path;
}

} // namespace

std::optional<std::string> PreviewOver(bool overSwitchedOff, const std::string &overfile, const std::string &overpath,
                                       std::string &shownpic)
{
    if (overSwitchedOff)
        return std::nullopt;
    return takeUnlessShown(overfile, overpath, shownpic);
}

std::optional<std::string> PreviewDown(const std::string &downfile, const std::string &downpath, std::string &shownpic)
{
    return takeUnlessShown(downfile, downpath, shownpic);
}

std::optional<std::string> PreviewUpStillOver(bool overSwitchedOff, const std::string &overfile,
                                              const std::string &overpath, const std::string &defpath,
                                              std::string &shownpic)
{
    if (!overSwitchedOff && !overfile.empty())
        return takeUnlessShown(overfile, overpath, shownpic);
    return takeUnlessShown(defpath, defpath, shownpic);
}

std::optional<std::string> PreviewRestore(const std::string &defpath, std::string &shownpic)
{
    if (defpath.empty())
        return std::nullopt;
    shownpic = defpath;
    return defpath;
}

std::optional<std::string> PreviewFrameMove(bool insideDefaultArea, const std::string &overfile,
                                            const std::string &defpath, std::string &shownpic)
{
    if (insideDefaultArea && !overfile.empty() && shownpic == overfile)
        return std::nullopt;
    return PreviewRestore(defpath, shownpic);
}

} // namespace button
