// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/result.h"

#include <QString>
#include <QStringList>

#include <string>

// Reading and writing a user's own page for "Insert into Page". The page is the user's work:
// it is read once, written only while it still holds what was read, and kept as it was in a
// backup; whatever is refused is said plainly, with the reason.
namespace ui {

// A user's own page, read once.
struct PageFile {
    QString path;      // as the user chose it
    QString target;    // the page itself: a symbolic link followed to the file it ends at
    std::string bytes; // every byte of it, read once
};

// Reads the page once. Refused, with the reason, when it is not a regular file (never waited
// on), has a second name (a hard link), may not be written by this user (as root: has no write
// bit at all), lies in a folder where no new file can be made, or is larger than 64 MiB.
Result<PageFile> readPage(const QString &path);

// The paths of the lock or swap files an editor leaves beside a page it holds open (".#NAME",
// ".NAME.swp", ".NAME.swo", ".NAME.kate-swp"), for the page as chosen and for the file a link
// leads to; a lock that is a link to nothing counts. Empty when there are none.
QStringList editorLocks(const QString &path);

// What one write did, for Undo.
struct PageWrite {
    QString target;      // the page written
    QString backup;      // the copy of the page as it was, in the program's data folder
    std::string written; // the bytes written
};

// Writes the bytes over the page, after keeping its bytes as read in a backup in the program's
// data folder. Mode, owner and group stay, and a link stays a link. Refused, with nothing
// written and no backup left, when the page no longer holds exactly what was read just before
// the new bytes take its place, has a second name by now, or any write fails.
Result<PageWrite> writePage(const PageFile &page, const std::string &bytes);

// Puts the backup back, written the same way, while the page still holds exactly what was
// written; otherwise refused, naming the backup, which stays.
Result<> undoPageWrite(const PageWrite &write);

} // namespace ui
