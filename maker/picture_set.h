// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/result.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace ui {

struct NamedPicture {
    QString path;
    QImage picture;
};

// Whether the format ("png", "webp") has a writer here.
bool canWritePictures(const QByteArray &format);

// The paths of the set that already name something: a file, a folder or a link.
QStringList takenPaths(const std::vector<NamedPicture> &pictures);

// Writes every picture of the set in the format, or none: each is written whole into a new
// file beside its name first, and only when all are whole does each take its name, replacing
// what stands there: a link is replaced itself, never written through. A file replaced keeps its
// mode. On a failure no new file stays, and a picture that took its name before the failure is
// removed unless it replaced something. The message names the picture that failed, and why.
Result<> writePictureSet(const std::vector<NamedPicture> &pictures, const QByteArray &format);

} // namespace ui
