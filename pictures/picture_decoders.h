// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/picture_file.h"

#include <QByteArray>
#include <QSize>

#include <optional>

namespace ui {

// The first picture of a GIF, or a bitmap compressed in runs (RLE8, RLE4), decoded straight into
// no more than `most` pixels: the whole picture scaled down to fit (each pixel the average of
// those it covers) or its top left part, as readPicturePart() asks. Qt's readers of these formats
// fill the whole size a header claims before a picture can be scaled or cut, and a file of a few
// bytes may claim 16384 by 4096 pixels and draw only a handful: the memory taken here follows the
// size asked for. Pixels the file does not draw are transparent, as in a browser. A GIF's size is
// its screen's, grown to take in its first picture. A null part when the data is damaged or the
// size larger than MaxPicturePixels; nothing when the data is of another kind (an uncompressed
// bitmap), which Qt's reader decodes as it is.
std::optional<PicturePart> decodeWithinSize(const QByteArray &data, const QByteArray &format, QSize most,
                                            PictureFit fit);

} // namespace ui
