// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The button page: a complete HTML page that holds the head code and the body code, so
// that opening it shows the working button alone. Lines end in CR LF, the last one too.
std::string ButtonPage(const std::string &head, const std::string &body);

// The same page as a standards page, for the modern code: doctype, language, character set,
// viewport, the title inside the head. The codes go in as they stand.
std::string ModernButtonPage(const std::string &head, const std::string &body);
