// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Reading and writing the small files the tests set up and check.
namespace testfiles {

// The whole content of a file, or "<missing>" when it cannot be read, so that a missing
// file never compares equal to any content, an empty one included.
QByteArray contentOf(const QString &path);

// Writes the content as the whole file, flushed; false when any of it could not be written.
bool writeFile(const QString &path, const QByteArray &content);

// Sets the file's modification time, as a save at that time would; false when it cannot.
bool setModified(const QString &path, const QDateTime &when);

// The names in a folder, hidden and special ones included, sorted by name.
QStringList entriesOf(const QString &folder);

} // namespace testfiles
