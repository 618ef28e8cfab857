// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/inserted_window.h"
#include "rollover/rollover_code.h"

#include <QString>

#include <optional>

// What a rollover's code was made from, for the properties window to open with again.
struct RolloverEntries {
    RolloverProperties properties;
    bool modern = false;
    QString picture1Path; // the full paths of the pictures picked, dropped or typed
    QString picture2Path;
    bool sizeFollowsPicture = true;   // the size box holds what picking Image #1 put there
    std::optional<InsertedEdit> edit; // the rollover of a page it changes; none: a new one
};
