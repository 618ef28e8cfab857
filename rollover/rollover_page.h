// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The whole rollover page around a head code and a body code; every line, the last
// included, ends in CR LF.
std::string RolloverPage(const std::string &head, const std::string &body);
