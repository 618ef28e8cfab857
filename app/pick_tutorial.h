// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which tutorial "Pick One For Me" starts for a uniform draw 0 <= r < 1:
// floor(r * 3 + 1), where 1 is the link effects tutorial, 2 the rollover and 3 the button.
int PickTutorial(float r);
