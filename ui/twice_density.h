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

} // namespace ui
