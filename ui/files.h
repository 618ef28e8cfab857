// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/result.h"

#include <QString>

#include <string>

// Text files, the clipboard and the names of picked files.
namespace ui {

// Writes the whole content atomically: either the complete file is there afterwards, or
// an existing file is left as it was, and the reason is given.
Result<> writeFileAtomically(const QString &path, const std::string &content);

// Copies the file's bytes to the path as safely as writeFileAtomically writes: the whole copy
// or, on any failure, the path left as it was and the reason given.
Result<> copyFileAtomically(const QString &from, const QString &to);

// True when the path names a regular file (links followed) or nothing at all: the only
// places a small file of ours may be written without replacing something else.
bool isRegularOrMissing(const QString &path);

// The characters of a text file up to its first carriage return or line feed, without them.
// Reads no more than the first line (and at most a few kilobytes); empty when the file
// cannot be read or is not a regular file (a FIFO, a device, a folder), and never waits.
std::string readFirstLine(const QString &path);

// Empties the clipboard, then puts the text on it as plain text.
void copyToClipboard(const QString &text);

// The file name without its folder.
QString fileNameOf(const QString &path);

// A file name as it may stand in a relative URL inside an HTML attribute or a script string:
// everything that cannot stand there as it is (blank, quote, backslash, %, #, ?, &, :, control
// characters, non-ASCII) is percent-encoded in UTF-8; up.gif stays up.gif.
QString urlFromFileName(const QString &fileName);

} // namespace ui
