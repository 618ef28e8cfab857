// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

class QWidget;

// Pictures and renders for the window tests.
namespace testimages {

// Writes a picture of the given size in one colour; the format follows the suffix
// (.jpg, .bmp, .png, .webp). Returns false when it could not be written.
bool writePicture(const QString &path, int width, int height, const QColor &colour);

// Writes a picture whose every pixel differs from its neighbours, so that a part cut from
// the wrong place or scaled shows; the format follows the suffix, the quality is the
// writer's (-1: its default).
bool writePattern(const QString &path, int width, int height, int quality = -1);

// Writes an SVG document of the given size in one colour with squares of 25 pixels every 50
// pixels from 25, 25 on, whose colours follow their places, so that a part cut from the wrong
// place or scaled shows. Qt cannot write SVG itself.
bool writeSvg(const QString &path, int width, int height, const QColor &colour);

// Writes a minimal one-colour GIF89a, which Qt cannot write itself.
bool writeGif(const QString &path, int width, int height, const QColor &colour);

// Writes a 34-byte GIF89a whose screen and image claim the given size while its data holds
// only a clear code and the end code: the decoder fills the whole size from nothing.
bool writeClaimingGif(const QString &path, int width, int height);

// A 24-bit bitmap whose header claims the given size, followed by only pixelBytes bytes of
// pixels: a small file that claims a huge picture.
QByteArray claimingBitmap(quint32 width, quint32 height, qsizetype pixelBytes = 0);

// A valid picture of the format ("bmp", "gif", "png", "jpeg", "webp" or "svg") whose header
// now claims the given size; a PNG header keeps a checksum that matches. A lossy WebP frame,
// as Qt writes an opaque picture, holds 14 bits of each: 16383 at most.
QByteArray claimingSize(QByteArray data, const QByteArray &format, quint16 width, quint16 height);

// A JPEG as a camera writes it: right after the picture's start marker an Exif block whose
// second directory holds a whole small JPEG, the thumbnail, with its own scan and end marker.
QByteArray withThumbnail(const QByteArray &picture, const QByteArray &thumbnail);

// Renders a widget to a PNG in the build's render folder and returns the picture's path,
// or an empty text when it could not be written.
QString render(QWidget *widget, const QString &name);

} // namespace testimages
