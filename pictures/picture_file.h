// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures from the files the user picks (JPEG, GIF, BMP, PNG, WebP, SVG, or whatever else
// the image readers know), read and checked before they are decoded through Qt's image readers.
namespace ui {

// The largest picture decoded, in pixels; a file that claims more is refused before its
// pixels are read. A 16384 by 4096 picture at four bytes a pixel fills 256 MB.
inline constexpr qint64 MaxPicturePixels = qint64(16384) * 4096;
// The largest picture file read; a larger one is not read at all.
inline constexpr qint64 MaxPictureFileBytes = qint64(256) * 1024 * 1024;
// The most SVG text that compressed SVG data may inflate to; more is refused.
inline constexpr qint64 MaxInflatedSvgBytes = qint64(8) * 1024 * 1024;

// How a picture larger than asked is kept: its top left part, as a frame that clips it shows
// it, or the whole picture scaled down to fit, keeping its proportions.
enum class PictureFit { TopLeftPart, ScaledToFit };

// What is kept of a picture: its top left part or the whole scaled down, no larger than asked,
// and the size of the whole picture.
struct PicturePart {
    QImage part;
    QSize size;
    bool isNull() const { return part.isNull(); }
};

// The picture in the file, cut to its top left part of at most `most` pixels (or scaled down to
// fit in them); null when the file is missing, is no regular file, is not a picture, is cut
// short, or claims a size larger than MaxPicturePixels. A JPEG is decoded only down to the
// bottom of that part, an SVG drawn only within it; an SVG's size is the one its document gives.
// An SVG is drawn at the pixel ratio of the screen it is shown on, so that it stays sharp: its
// image then has that many more pixels and says so in its devicePixelRatio(). An SVG draws only
// what it holds itself: what it names outside (a picture file, an address) is never read, and
// the pictures it holds as data count, all together, against the same limits as a picture file.
PicturePart readPicturePart(const QString &path, QSize most, PictureFit fit = PictureFit::TopLeftPart,
                            qreal pixelRatio = 1);

// The whole picture in the file, or a null image, as readPicturePart() decides.
QImage readPicture(const QString &path);

// Whether the bytes hold a whole picture in the format the reader named ("jpeg", "gif",
// "bmp"): the decoders draw a file that ends too early as far as it goes without a word.
// Other formats are left to their decoders; those of PNG, WebP and SVG refuse a file cut
// short in its pixels or its document.
bool isWholePicture(const QByteArray &data, const QByteArray &format);

} // namespace ui
