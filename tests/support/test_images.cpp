// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/test_images.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QWidget>
#include <QtEndian>

#include <cstring>
#include <utility>

namespace testimages {

bool writePicture(const QString &path, int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

bool writePattern(const QString &path, int width, int height, int quality)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x * 7 % 256, y * 3 % 256, (x ^ y) % 256);
    }
    return image.save(path, nullptr, quality);
}

bool writeSvg(const QString &path, int width, int height, const QColor &colour)
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">\n"
                                 "<rect width=\"%1\" height=\"%2\" fill=\"%3\"/>\n")
                      .arg(width)
                      .arg(height)
                      .arg(colour.name());
    for (int y = 25; y < height; y += 50) {
        for (int x = 25; x < width; x += 50) {
            const QColor square(x * 7 % 256, y * 3 % 256, (x ^ y) % 256);
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"25\" height=\"25\" fill=\"%3\"/>\n")
                       .arg(x)
                       .arg(y)
                       .arg(square.name());
        }
    }
    svg += QStringLiteral("</svg>\n");
    return testfiles::writeFile(path, svg.toUtf8());
}

namespace {

// A GIF89a up to its one image's descriptor: the screen and the image of the given size, and a
// global table of two colours.
QByteArray gifHead(int width, int height, const QColor &first, const QColor &second)
{
    QByteArray gif("GIF89a");
    const auto le16 = [&gif](int v) {
        char bytes[2];
        qToLittleEndian(quint16(v), bytes);
        gif.append(bytes, 2);
    };
    le16(width);
    le16(height);
    gif.append("\x80\x00\x00", 3); // a global table of two colours
    for (const QColor &colour : {first, second}) {
        gif.append(char(colour.red()));
        gif.append(char(colour.green()));
        gif.append(char(colour.blue()));
    }
    gif.append(',');
    le16(0);
    le16(0);
    le16(width);
    le16(height);
    gif.append(char(0));
    return gif;
}

} // namespace

bool writeGif(const QString &path, int width, int height, const QColor &colour)
{
    // One global colour table of two entries, one image covering the screen, LZW code size 2,
    // pixels all index 0: emitted as a clear code followed by raw codes, resetting before
    // the table would grow past 3-bit codes, then the end code.
    QByteArray gif = gifHead(width, height, colour, Qt::black);
    gif.append(char(2)); // minimum code size

    QByteArray data;
    quint32 bits = 0;
    int bitCount = 0;
    const auto put = [&](int code, int size) {
        bits |= quint32(code) << bitCount;
        bitCount += size;
        while (bitCount >= 8) {
            data.append(char(bits & 0xff));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    const int clear = 4;
    const int end = 5;
    const int pixelsTotal = width * height;
    // With code size 3 and a clear before every two pixels the table never reaches 8 entries.
    for (int i = 0; i < pixelsTotal; ++i) {
        if (i % 2 == 0)
            put(clear, 3);
        put(0, 3);
    }
    put(end, 3);
    if (bitCount > 0)
        data.append(char(bits & 0xff));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append(char(0));
    gif.append(';');

    return testfiles::writeFile(path, gif);
}

bool writeClaimingGif(const QString &path, int width, int height)
{
    QByteArray gif = gifHead(width, height, Qt::black, Qt::white);
    // Code size 2; one sub-block of one byte: clear (4) then end (5) in 3-bit codes.
    gif.append("\x02\x01\x2C\x00;", 5);
    return testfiles::writeFile(path, gif);
}

QByteArray claimingBitmap(quint32 width, quint32 height, qsizetype pixelBytes)
{
    QByteArray bitmap(54 + pixelBytes, '\0');
    char *const at = bitmap.data();
    at[0] = 'B';
    at[1] = 'M';
    qToLittleEndian(quint32(bitmap.size()), at + 2);
    qToLittleEndian(quint32(54), at + 10); // where the pixels start
    qToLittleEndian(quint32(40), at + 14); // the size of the header that follows
    qToLittleEndian(width, at + 18);
    qToLittleEndian(height, at + 22);
    qToLittleEndian(quint16(1), at + 26);    // planes
    qToLittleEndian(quint16(24), at + 28);   // bits per pixel, uncompressed
    qToLittleEndian(quint32(2835), at + 38); // 72 dots per inch, both ways
    qToLittleEndian(quint32(2835), at + 42);
    return bitmap;
}

namespace {

// The CRC of a PNG chunk, so that a changed header still passes the reader's check.
quint32 pngCrc(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace

QByteArray claimingSize(QByteArray data, const QByteArray &format, quint16 width, quint16 height)
{
    char *const at = data.data();
    if (format == "bmp") {
        qToLittleEndian(quint32(width), at + 18);
        qToLittleEndian(quint32(height), at + 22);
    } else if (format == "gif") {
        qToLittleEndian(width, at + 6); // the logical screen
        qToLittleEndian(height, at + 8);
        qToLittleEndian(width, at + 24); // the image, after a two-colour table
        qToLittleEndian(height, at + 26);
    } else if (format == "png") {
        qToBigEndian(quint32(width), at + 16);
        qToBigEndian(quint32(height), at + 20);
        qToBigEndian(pngCrc(data.mid(12, 17)), at + 29);
    } else if (format == "jpeg") {
        const qsizetype frame = data.indexOf("\xff\xc0");
        if (frame >= 0) {
            qToBigEndian(height, at + frame + 5);
            qToBigEndian(width, at + frame + 7);
        }
    } else if (format == "webp") {
        // RIFF header, "VP8 " chunk header, frame tag and start code, then the sizes.
        if (data.mid(12, 4) == "VP8 ") {
            qToLittleEndian(quint16(qMin<int>(width, 0x3fff)), at + 26);
            qToLittleEndian(quint16(qMin<int>(height, 0x3fff)), at + 28);
        }
    } else if (format == "svg") {
        // The first width and height are the document's own.
        static const QRegularExpression widthAttribute(QStringLiteral("width=\"[^\"]*\""));
        static const QRegularExpression heightAttribute(QStringLiteral("height=\"[^\"]*\""));
        QString svg = QString::fromUtf8(data);
        const QRegularExpressionMatch w = widthAttribute.match(svg);
        if (w.hasMatch())
            svg.replace(w.capturedStart(), w.capturedLength(), QStringLiteral("width=\"%1\"").arg(width));
        const QRegularExpressionMatch h = heightAttribute.match(svg);
        if (h.hasMatch())
            svg.replace(h.capturedStart(), h.capturedLength(), QStringLiteral("height=\"%1\"").arg(height));
        return svg.toUtf8();
    }
    return data;
}

QByteArray withThumbnail(const QByteArray &picture, const QByteArray &thumbnail)
{
    // Big-endian TIFF: the first directory at 8 with no entries, then the second at 14 with
    // two entries, the thumbnail's offset and length as longs, and no directory after it.
    const quint32 thumbnailAt = 14 + 2 + 2 * 12 + 4;
    QByteArray tiff(thumbnailAt, '\0');
    char *const at = tiff.data();
    std::memcpy(at, "MM\x00\x2A", 4);
    qToBigEndian(quint32(8), at + 4);
    qToBigEndian(quint16(0), at + 8);
    qToBigEndian(quint32(14), at + 10);
    qToBigEndian(quint16(2), at + 14);
    const std::pair<quint16, quint32> entries[] = {{0x0201, thumbnailAt}, {0x0202, quint32(thumbnail.size())}};
    for (qsizetype i = 0; i < 2; ++i) {
        char *const entry = at + 16 + 12 * i;
        qToBigEndian(entries[i].first, entry);
        qToBigEndian(quint16(4), entry + 2); // a long
        qToBigEndian(quint32(1), entry + 4);
        qToBigEndian(entries[i].second, entry + 8);
    }
    qToBigEndian(quint32(0), at + 40);
    tiff.append(thumbnail);
    QByteArray segment("\xff\xe1\x00\x00"
                       "Exif\x00\x00",
                       10);
    qToBigEndian(quint16(segment.size() - 2 + tiff.size()), segment.data() + 2);
    return picture.left(2) + segment + tiff + picture.mid(2);
}

QString render(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLARC_RENDER_DIR", QDir::tempPath());
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    return widget->grab().save(path) ? path : QString();
}

} // namespace testimages
