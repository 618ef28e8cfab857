// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/result.h"

#include <QString>
#include <QStringList>

#include <string>

// Reading and writing a user's own page for "Insert into Page". The page is the user's work:
// it is read once, and whatever is refused is said plainly, with the reason.
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

} // namespace ui
