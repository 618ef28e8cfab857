// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Rows for the tests that put a line break into a value the user types.
namespace testrows {

// Adds the columns lineBreak (QString), use (QString) and edited (bool), and one row for each
// kind of line break (LF, CR, U+2028, U+2029), each use, and the box that holds the code
// edited or not.
void addLineBreakRows(const QStringList &uses);

} // namespace testrows
