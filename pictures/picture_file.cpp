// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_file.h"

#include "pictures/picture_decoders.h"
#include "ui/files.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>

#define ZLIB_CONST
#include <zlib.h>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

constexpr int AllocationLimitMegabytes = 256;

// The little-endian number at the offset; the caller has checked that its bytes are there. Read
// through a view of them: g++ 12 with the sanitizers warns of the pointer sum, as if the bytes
// could be those of an empty array.
template <typename T> T littleEndian(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<T>(QByteArrayView(data).sliced(at, sizeof(T)).data());
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
    const auto headerSize = littleEndian<quint32>(data, 14);
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

// What the pictures that an SVG holds as data may still take: their pixels and bytes count
// against the limits of one picture file, and SVG text inflated from compressed data against
// the limit of one document.
struct Budget {
    qint64 pixels = MaxPicturePixels;
    qint64 bytes = MaxPictureFileBytes;
    qint64 inflated = MaxInflatedSvgBytes;
    bool exceeded = false; // for good: the whole picture is refused

    bool take(qint64 &left, qint64 amount)
    {
        left -= amount;
        exceeded = exceeded || left < 0;
        return !exceeded;
    }
};

QByteArray formatOf(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&buffer);
}

// The pixels of the picture as its header gives them; -1 when it gives none.
qint64 claimedPixels(const QByteArray &data, const QByteArray &format)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer, format).size();
    return size.isValid() ? pixelCount(size) : -1;
}

// Gzip data inflated, or nothing when it is damaged or would inflate beyond the budget.
std::optional<QByteArray> inflated(const QByteArray &data, Budget &budget)
{
    QByteArray plain(budget.inflated + 1, Qt::Uninitialized);
    z_stream stream{};
    stream.next_in = reinterpret_cast<const Bytef *>(data.constData());
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(plain.data());
    stream.avail_out = static_cast<uInt>(plain.size());
    if (inflateInit2(&stream, MAX_WBITS + 16) != Z_OK) // + 16: the gzip wrapper
        return std::nullopt;
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    const auto size = static_cast<qint64>(stream.total_out);
    if (!budget.take(budget.inflated, size) || result != Z_STREAM_END)
        return std::nullopt;
    plain.truncate(size);
    return plain;
}

std::optional<QByteArray> selfContainedSvg(const QByteArray &document, Budget &budget);

// The picture's bytes as they may be handed to its reader, with its format: compressed SVG
// inflated, and an SVG reduced to what it holds itself. Nothing for a picture refused.
// A picture held in a picture is checked in turn. The depth is bounded: each level's bytes are
// fewer than its holder's, and all of them count against the one budget.
// NOLINTNEXTLINE(misc-no-recursion)
std::optional<QByteArray> checkedPicture(const QByteArray &data, Budget &budget, QByteArray &format)
{
    // The SVG reader alone takes compressed data; it would inflate it without a limit.
    if (data.startsWith("\x1f\x8b")) {
        const std::optional<QByteArray> plain = inflated(data, budget);
        format = plain ? formatOf(*plain) : QByteArray();
        return format == "svg" ? selfContainedSvg(*plain, budget) : std::nullopt;
    }
    format = formatOf(data);
    return format == "svg" ? selfContainedSvg(data, budget) : data;
}

enum class Reference { Held, Outside, Refused };

// Checks the references of an element: a link is never followed to draw; data that holds a
// picture is checked as a picture file is and written anew as the bytes checked; anything else
// names a file or an address, which is never read.
// NOLINTNEXTLINE(misc-no-recursion): see checkedPicture
Reference checkReferences(QStringView element, QXmlStreamAttributes &attributes, Budget &budget)
{
    if (element == u"a" || element.endsWith(u":a"))
        return Reference::Held;
    for (QXmlStreamAttribute &attribute : attributes) {
        const QStringView name = attribute.qualifiedName();
        const QStringView value = attribute.value().trimmed();
        if ((name != u"href" && !name.endsWith(u":href")) || value.startsWith(u'#'))
            continue;
        const qsizetype comma = value.indexOf(u',');
        if (!value.startsWith(u"data:", Qt::CaseInsensitive) || comma < 0 ||
            !value.left(comma).endsWith(u";base64", Qt::CaseInsensitive))
            return Reference::Outside;
        const QByteArray bytes = QByteArray::fromBase64(value.mid(comma + 1).toLatin1());
        QByteArray format;
        const std::optional<QByteArray> held =
            budget.take(budget.bytes, bytes.size()) ? checkedPicture(bytes, budget, format) : std::nullopt;
        const qint64 pixels = held ? claimedPixels(*held, format) : -1;
        if (pixels >= 0)
            budget.take(budget.pixels, pixels);
        if (budget.exceeded)
            return Reference::Refused;
        if (pixels < 0)
            return Reference::Outside; // not a picture the readers can measure: not drawn
        attribute = QXmlStreamAttribute(name.toString(), u"data:;base64,"_s + QString::fromLatin1(held->toBase64()));
    }
    return Reference::Held;
}

// The document without anything that would make the SVG reader read outside it: elements that
// refer to a file or an address (an <image> of a file would be read, even a FIFO), processing
// instructions (a style sheet's file) and the document type (its entities are already in
// place). The pictures it holds as data count against the budget. Nothing when the document is
// damaged or too large.
// NOLINTNEXTLINE(misc-no-recursion): see checkedPicture
std::optional<QByteArray> selfContainedSvg(const QByteArray &document, Budget &budget)
{
    QXmlStreamReader reader(document);
    reader.setNamespaceProcessing(false); // as the SVG reader reads it
    QByteArray checked;
    QXmlStreamWriter writer(&checked);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            writer.writeStartDocument();
            break;
        case QXmlStreamReader::EndDocument:
            writer.writeEndDocument();
            break;
        case QXmlStreamReader::StartElement: {
            QXmlStreamAttributes attributes = reader.attributes();
            const Reference references = checkReferences(reader.qualifiedName(), attributes, budget);
            if (references == Reference::Refused)
                return std::nullopt;
            if (references == Reference::Outside) {
                reader.skipCurrentElement();
                break;
            }
            writer.writeStartElement(reader.qualifiedName().toString());
            writer.writeAttributes(attributes);
            break;
        }
        case QXmlStreamReader::EndElement:
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (reader.isCDATA())
                writer.writeCDATA(reader.text().toString());
            else
                writer.writeCharacters(reader.text().toString());
            break;
        default: // comments draw nothing; see above for the rest
            break;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return checked;
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
    QFile file;
    if (!openRegularFile(file, path) || file.size() > MaxPictureFileBytes)
        return {};
    const QByteArray data = file.readAll();
    file.close();

    Budget budget;
    QByteArray format; // from the content alone
    std::optional<QByteArray> checked = checkedPicture(data, budget, format);
    if (!checked || format.isEmpty() || !isWholePicture(*checked, format))
        return {};
    if (std::optional<PicturePart> decoded = decodeWithinSize(*checked, format, most, fit))
        return *decoded;
    QBuffer buffer(&*checked);
    buffer.open(QIODevice::ReadOnly);
    // The limit is the process's, not this reader's: every picture the program reads is held to
    // it, which is meant, and setting it again before each read keeps it so wherever reading starts.
    QImageReader::setAllocationLimit(AllocationLimitMegabytes);
    QImageReader reader(&buffer, format);
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
