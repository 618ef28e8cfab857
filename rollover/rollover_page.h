// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The whole rollover page around a head code and a body code; every line, the last
// included, ends in CR LF.
std::string RolloverPage(const std::string &head, const std::string &body);

// The same page as a standards page, for the modern code: doctype, language, character set,
// viewport, the title inside the head. The codes go in as they stand.
std::string ModernRolloverPage(const std::string &head, const std::string &body);
