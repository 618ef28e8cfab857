// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/wizard_code.h"
#include "rollover/rollover_code.h"

#include <string>
#include <vector>

// A rollover as "Insert into Page" takes it: its two pictures (full paths; empty where its box
// names no picked file), the names of its classic code (the rollover's, then the two images'),
// and its code made again with the picture sources and names that a page gives it. The markers
// carry every property, the pictures by the sources the page names them by.
WizardCode RolloverInsertCode(const RolloverProperties &properties, bool modern, std::vector<std::string> pictures);

// The rollover's properties as the markers carry them (the pictures by the sources the page names
// them by); what they do not give keeps its default.
RolloverProperties RolloverFromProperties(const Properties &properties);
