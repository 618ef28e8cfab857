// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/services.h"

#include <string>
#include <string_view>

// What the insert windows share: the picker on web pages, and the hash the markers carry.

// The open dialog on web pages (and all files), with its title, starting in the folder of pages
// used last.
ui::FileRequest pageRequest(ui::Services &services, const QString &title);

// The SHA-256 of the bytes in lower-case hex.
std::string sha256Hex(std::string_view bytes);
