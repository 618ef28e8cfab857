// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <string>

// Pictures for screens of twice the density: a picture's sibling with "@2x" before its
// extension, in the same folder ("up.png" and "up@2x.png"), as the picture maker writes them.
namespace ui {

// The full path of the picture's sibling for twice the density, when that is a file; empty
// when there is none, or for no picture.
QString twiceDensitySibling(const QString &picture);

// The sibling's file name as a source beside the picture, for a page's srcset; empty: none.
std::string twiceDensitySource(const QString &picture);

// The pictures, each followed by its sibling for twice the density where it has one: what a
// page that names both needs beside it.
QStringList withTwiceDensitySiblings(const QStringList &pictures);

// What the note under a code window's code says, so that a user who pastes the code by hand
// knows what to copy beside the page: the file names the code names, each once. Each picture
// box gives its picked picture's file name, or its text read as a file name where none was
// picked; in the modern code its sibling for twice the density follows. Empty for none.
// picked: the picked full paths (pages/page_pictures.h, pickedPicture), in the order of the boxes.
QString codeFilesNote(const QStringList &boxTexts, const QStringList &picked, bool modern);

} // namespace ui
