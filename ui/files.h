// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/result.h"

#include <QString>

#include <string>

class QFile;

// Text files, the clipboard and the names of picked files.
namespace ui {

// Writes the whole content atomically: either the complete file is there afterwards, or
// an existing file is left as it was, and the reason is given.
Result<> writeFileAtomically(const QString &path, const std::string &content);

// Copies the file's bytes into a new file at the path. Whatever stands there by now (a file, a
// link, even one to nothing, a FIFO) is left alone and the copy refused; so is a source that is
// not a regular file. A copy that fails leaves nothing at the path, and the reason is given.
Result<> copyToNewFile(const QString &from, const QString &to);

// Removes the file (a link itself, not what it points to); false when it could not.
bool removeFile(const QString &path);

// Opens the file for reading when it is a regular file (links followed): a FIFO, a device or a
// folder is refused at once, never waited on.
Result<> openRegularFile(QFile &file, const QString &path);

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
