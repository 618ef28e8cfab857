// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace ui {

namespace {

constexpr int AllocationLimitMegabytes = 256;

// The little-endian number at the offset; the caller has checked that its bytes are there.
template <typename T> T littleEndian(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<T>(data.constData() + at);
}

// Scan data never holds a marker (a 0xFF in it is followed by 0x00 or a restart marker),
// so a whole file has an end-of-image marker after the start of its last scan.
bool isWholeJpeg(const QByteArray &data)
{
    const qsizetype lastScan = data.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
    return lastScan >= 0 && data.indexOf(QByteArrayView("\xFF\xD9", 2), lastScan + 2) >= 0;
}

// The pixel rows must all be there: the offset of the pixels plus the size the header
// gives (or, uncompressed, the rows padded to four bytes).
bool isWholeBmp(const QByteArray &data)
{
    if (data.size() < 26)
        return false;
    const qint64 pixelsAt = littleEndian<quint32>(data, 10);
    const quint32 headerSize = littleEndian<quint32>(data, 14);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitsPerPixel = 0;
    quint32 compression = 0;
    qint64 imageSize = 0;
    if (headerSize == 12) { // the old core header
        width = littleEndian<quint16>(data, 18);
        height = littleEndian<quint16>(data, 20);
        bitsPerPixel = littleEndian<quint16>(data, 24);
    } else {
        if (data.size() < 38)
            return false;
        width = littleEndian<qint32>(data, 18);
        height = littleEndian<qint32>(data, 22);
        bitsPerPixel = littleEndian<quint16>(data, 28);
        compression = littleEndian<quint32>(data, 30);
        imageSize = littleEndian<quint32>(data, 34);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    qint64 needed = imageSize;
    if (uncompressed) {
        const qint64 rowBytes = (std::abs(width) * bitsPerPixel + 31) / 32 * 4;
        const qint64 rows = std::abs(height);
        // A header claiming more rows than the file can hold is refused before multiplying.
        if (rowBytes != 0 && rows > data.size() / rowBytes)
            return false;
        needed = rowBytes * rows;
    }
    return pixelsAt + needed <= data.size();
}

// Walks the blocks up to the end of the first image's data, which the preview shows.
bool isWholeGif(const QByteArray &data)
{
    const auto size = data.size();
    const auto byte = [&data](qsizetype i) {
        return static_cast<unsigned char>(data[i]);
    };
    const auto colourTable = [](unsigned char flags) -> qsizetype {
        return (flags & 0x80) ? 3 * (qsizetype(2) << (flags & 0x07)) : 0;
    };
    // Skips sub-blocks from at; answers the position after the terminator, or -1.
    const auto skipSubBlocks = [&](qsizetype at) -> qsizetype {
        while (at < size) {
            const qsizetype length = byte(at);
            ++at;
            if (length == 0)
                return at;
            at += length;
        }
        return -1;
    };
    if (size < 13)
        return false;
    qsizetype at = 13 + colourTable(byte(10));
    while (at < size) {
        const unsigned char introducer = byte(at);
        if (introducer == 0x21) { // extension: label, then sub-blocks
            at = skipSubBlocks(at + 2);
            if (at < 0)
                return false;
        } else if (introducer == 0x2C) { // image descriptor, colour table, code size, data
            if (at + 10 > size)
                return false;
            at += 10 + colourTable(byte(at + 9));
            return skipSubBlocks(at + 1) > 0;
        } else {
            return false;
        }
    }
    return false;
}

qint64 pixelCount(QSize size)
{
    return qint64(size.width()) * size.height();
}

} // namespace

bool isWholePicture(const QByteArray &data, const QByteArray &format)
{
    if (format == "jpeg" || format == "jpg")
        return isWholeJpeg(data);
    if (format == "bmp" || format == "dib")
        return isWholeBmp(data);
    if (format == "gif")
        return isWholeGif(data);
    return true;
}

PicturePart readPicturePart(const QString &path, QSize most, PictureFit fit, qreal pixelRatio)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPictureFileBytes)
        return {};
    QByteArray data = file.readAll();
    file.close();

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    const QByteArray format = reader.format(); // from the content alone
    if (format.isEmpty() || !isWholePicture(data, format))
        return {};
    // The header's size decides before a single pixel is decoded.
    const QSize claimed = reader.size();
    if (claimed.isValid() && pixelCount(claimed) > MaxPicturePixels)
        return {};
    // Only a drawing gains from more pixels than it has; a raster picture is shown as it is.
    const qreal ratio = format == "svg" && claimed.isValid() ? std::max<qreal>(pixelRatio, 1) : 1;
    const auto device = [ratio](QSize size) {
        return (QSizeF(size) * ratio).toSize();
    };
    if (fit == PictureFit::ScaledToFit && claimed.isValid()) {
        const QSize shown = claimed.width() > most.width() || claimed.height() > most.height()
                                ? claimed.scaled(most, Qt::KeepAspectRatio).expandedTo(QSize(1, 1))
                                : claimed;
        if (shown != claimed || ratio != 1)
            reader.setScaledSize(device(shown));
        QImage image = reader.read();
        if (image.isNull())
            return {};
        image.setDevicePixelRatio(ratio);
        return {image, claimed};
    }
    // A reader that can stop at a clip rectangle decodes the part alone (the JPEG reader
    // reads no row below it); the others decode the whole picture, cut afterwards.
    const QSize partSize = claimed.boundedTo(most);
    if (ratio != 1) {
        reader.setScaledSize(device(claimed));
        reader.setScaledClipRect(QRect(QPoint(0, 0), device(partSize)));
        QImage image = reader.read();
        if (image.isNull())
            return {};
        image.setDevicePixelRatio(ratio);
        return {image, claimed};
    }
    const bool clipped = claimed.isValid() && partSize != claimed && reader.supportsOption(QImageIOHandler::ClipRect);
    if (clipped)
        reader.setClipRect(QRect(QPoint(0, 0), partSize));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    const QSize size = clipped ? claimed : image.size();
    if (pixelCount(size) > MaxPicturePixels)
        return {};
    if (fit == PictureFit::ScaledToFit) {
        if (image.width() > most.width() || image.height() > most.height())
            image = image.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else if (image.width() > most.width() || image.height() > most.height()) {
        image = image.copy(QRect(QPoint(0, 0), image.size().boundedTo(most)));
    }
    return {image, size};
}

QImage readPicture(const QString &path)
{
    return readPicturePart(path, QSize(std::numeric_limits<int>::max(), std::numeric_limits<int>::max())).part;
}

} // namespace ui
