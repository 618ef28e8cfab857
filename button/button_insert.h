// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "button/button_code.h"
#include "insert/wizard_code.h"

#include <string>
#include <vector>

// A button as "Insert into Page" takes it: its default, mouse-over and mouse-down pictures (full
// paths; empty where a box names no picked file), the names of its classic code (the button's,
// then the three images'), and its code made again with the picture sources and names that a page
// gives it. The markers carry every field, the pictures by the sources the page names them by.
WizardCode ButtonInsertCode(const ButtonSpec &fields, bool modern, std::vector<std::string> pictures);

// The button's fields as the markers carry them (the pictures by the sources the page names them by).
ButtonSpec ButtonFromProperties(const Properties &properties);
