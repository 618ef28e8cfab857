// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_decoders.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace ui {

namespace {

// Where a picture's pixels land: one for one into its top left part, or summed into the pixels
// of a smaller picture, each of which covers a block of them.
class Canvas {
public:
    Canvas(QSize picture, QSize most, PictureFit fit)
        : m_picture(picture)
        , m_scaled(fit == PictureFit::ScaledToFit &&
                   (picture.width() > most.width() || picture.height() > most.height()))
    {
        const QSize target =
            m_scaled ? picture.scaled(most, Qt::KeepAspectRatio).expandedTo({1, 1}) : picture.boundedTo(most);
        m_columns = spread(picture.width(), target.width());
        m_rows = spread(picture.height(), target.height());
        m_image = QImage(target, QImage::Format_ARGB32);
        m_image.fill(Qt::transparent);
        m_bits = m_image.bits();
        if (m_scaled)
            m_sums.assign(std::size_t(target.width()) * std::size_t(target.height()) * 4, 0);
    }

    bool isNull() const { return m_image.isNull(); }

    // A pixel of the picture; one outside it, or transparent, draws nothing.
    void put(int x, int y, QRgb colour)
    {
        if (x < 0 || y < 0 || x >= m_picture.width() || y >= m_picture.height() || qAlpha(colour) == 0)
            return;
        const int column = m_columns[std::size_t(x)];
        const int row = m_rows[std::size_t(y)];
        if (column < 0 || row < 0)
            return;
        if (!m_scaled) {
            reinterpret_cast<QRgb *>(m_bits + qsizetype(row) * m_image.bytesPerLine())[column] = colour;
            return;
        }
        std::uint64_t *sum = &m_sums[(std::size_t(row) * std::size_t(m_image.width()) + std::size_t(column)) * 4];
        const std::uint64_t alpha = qAlpha(colour);
        sum[0] += alpha;
        sum[1] += alpha * std::uint64_t(qRed(colour));
        sum[2] += alpha * std::uint64_t(qGreen(colour));
        sum[3] += alpha * std::uint64_t(qBlue(colour));
    }

    QImage image() &&
    {
        if (m_scaled) {
            const std::vector<std::uint64_t> widths = covered(m_columns, m_image.width());
            const std::vector<std::uint64_t> heights = covered(m_rows, m_image.height());
            for (int row = 0; row < m_image.height(); ++row) {
                auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
                for (int column = 0; column < m_image.width(); ++column) {
                    const std::uint64_t *sum =
                        &m_sums[(std::size_t(row) * std::size_t(m_image.width()) + std::size_t(column)) * 4];
                    // Pixels not drawn count as transparent.
                    const std::uint64_t area = widths[std::size_t(column)] * heights[std::size_t(row)];
                    if (sum[0] != 0)
                        line[column] = qRgba(int(sum[1] / sum[0]), int(sum[2] / sum[0]), int(sum[3] / sum[0]),
                                             int((sum[0] + area / 2) / area));
                }
            }
        }
        return std::move(m_image);
    }

private:
    // For each of `from` pixels along one side, the pixel of `to` it lands on; -1 past a part.
    std::vector<int> spread(int from, int to) const
    {
        std::vector<int> onto(static_cast<std::size_t>(from));
        for (int at = 0; at < from; ++at)
            onto[std::size_t(at)] = m_scaled ? int(qint64(at) * to / from) : at < to ? at : -1;
        return onto;
    }
    // How many pixels of the picture each pixel along one side covers.
    static std::vector<std::uint64_t> covered(const std::vector<int> &onto, int to)
    {
        std::vector<std::uint64_t> counts(static_cast<std::size_t>(to));
        for (const int at : onto)
            ++counts[std::size_t(at)];
        return counts;
    }

    QSize m_picture;
    bool m_scaled;
    std::vector<int> m_columns;
    std::vector<int> m_rows;
    QImage m_image;
    uchar *m_bits = nullptr;
    std::vector<std::uint64_t> m_sums; // alpha, then red, green and blue times alpha, for each pixel
};

unsigned byteAt(const QByteArray &data, qsizetype at)
{
    return static_cast<unsigned char>(data[at]);
}

// The colours of a table of `count` entries of `size` bytes (blue, green, red first in a bitmap,
// red, green, blue in a GIF); where the bytes after it start, or -1 when the data ends first.
qsizetype readColours(const QByteArray &data, qsizetype at, qsizetype count, int size, std::vector<QRgb> &colours)
{
    if (at < 0 || at + count * size > data.size())
        return -1;
    const bool bgr = size == 4;
    for (qsizetype i = 0; i < count; ++i, at += size) {
        const int first = int(byteAt(data, at));
        const int third = int(byteAt(data, at + 2));
        colours.push_back(qRgb(bgr ? third : first, int(byteAt(data, at + 1)), bgr ? first : third));
    }
    return at;
}

// The codes of a GIF picture's data, least significant bit first, from its sub-blocks.
class CodeReader {
public:
    CodeReader(const QByteArray &data, qsizetype at)
        : m_data(data)
        , m_at(at)
    {}

    // The next code of `size` bits; -1 once the sub-blocks or the data end.
    int next(int size)
    {
        while (m_count < size) {
            if (m_left == 0) {
                if (m_at >= m_data.size() || (m_left = byteAt(m_data, m_at++)) == 0)
                    return -1;
            }
            if (m_at >= m_data.size())
                return -1;
            m_bits |= std::uint32_t(byteAt(m_data, m_at++)) << m_count;
            m_count += 8;
            --m_left;
        }
        const int code = int(m_bits & ((1U << size) - 1));
        m_bits >>= size;
        m_count -= size;
        return code;
    }

private:
    const QByteArray &m_data;
    qsizetype m_at;
    unsigned m_left = 0; // bytes left in the sub-block
    std::uint32_t m_bits = 0;
    int m_count = 0;
};

PicturePart decodeGif(const QByteArray &data, QSize most, PictureFit fit)
{
    const auto word = [&data](qsizetype at) {
        return int(byteAt(data, at) | byteAt(data, at + 1) << 8);
    };
    const auto tableSize = [](unsigned flags) {
        return (flags & 0x80) ? qsizetype(2) << (flags & 0x07) : 0;
    };
    if (data.size() < 13)
        return {};
    std::vector<QRgb> global;
    qsizetype at = readColours(data, 13, tableSize(byteAt(data, 10)), 3, global);
    int transparent = -1;
    // Extensions up to the first picture; a graphic control extension may name a transparent index.
    while (at >= 0 && at + 1 < data.size() && byteAt(data, at) == 0x21) {
        if (byteAt(data, at + 1) == 0xF9 && at + 6 < data.size() && byteAt(data, at + 2) >= 4)
            transparent = (byteAt(data, at + 3) & 1) ? int(byteAt(data, at + 6)) : -1;
        for (at += 2; at < data.size() && byteAt(data, at) != 0;)
            at += 1 + byteAt(data, at);
        ++at;
    }
    if (at < 0 || at + 11 > data.size() || byteAt(data, at) != 0x2C)
        return {};
    const int left = word(at + 1);
    const int top = word(at + 3);
    const int width = word(at + 5);
    const int height = word(at + 7);
    const unsigned flags = byteAt(data, at + 9);
    std::vector<QRgb> local;
    at = readColours(data, at + 10, tableSize(flags), 3, local);
    if (at < 0 || at >= data.size())
        return {};
    const std::vector<QRgb> &colours = (flags & 0x80) ? local : global;
    const int minimum = int(byteAt(data, at));
    const QSize size = QSize(word(6), word(8)).expandedTo({left + width, top + height});
    if (minimum < 2 || minimum > 11 || size.isEmpty() || qint64(size.width()) * size.height() > MaxPicturePixels)
        return {};
    Canvas canvas(size, most, fit);
    if (canvas.isNull())
        return {};

    // An interlaced picture sends every eighth row from the first, every eighth from the fifth,
    // every fourth from the third, then every second.
    std::vector<int> rows;
    rows.reserve(std::size_t(height));
    for (const auto &[first, step] : (flags & 0x40) ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                                    : std::vector<std::pair<int, int>>{{0, 1}})
        for (int row = first; row < height; row += step)
            rows.push_back(row);
    const qint64 pixels = qint64(width) * height;
    qint64 pixel = 0;
    const auto draw = [&](unsigned index) {
        if (index < colours.size() && int(index) != transparent)
            canvas.put(left + int(pixel % width), top + rows[std::size_t(pixel / width)], colours[index]);
        ++pixel;
    };

    // LZW: each code stands for a known string of indexes, or for the last string and its first
    // index again; each code read adds a string, up to 4096 of them.
    const int clear = 1 << minimum;
    const int end = clear + 1;
    std::array<std::uint16_t, 4096> prefix{};
    std::array<std::uint16_t, 4096> suffix{};
    std::vector<std::uint16_t> string;
    int codeSize = minimum + 1;
    int next = clear + 2;
    int previous = -1;
    std::uint16_t first = 0;
    CodeReader codes(data, at + 1);
    while (pixel < pixels) {
        int code = codes.next(codeSize);
        if (code < 0 || code == end)
            break;
        if (code == clear) {
            codeSize = minimum + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (previous < 0) {
            if (code > clear)
                break;
            first = std::uint16_t(code);
            previous = code;
            draw(unsigned(code));
            continue;
        }
        if (code > next)
            break; // damaged: a string not made yet
        const int read = code;
        string.clear();
        if (code == next) {
            string.push_back(first);
            code = previous;
        }
        while (code > end) {
            string.push_back(suffix[std::size_t(code)]);
            code = prefix[std::size_t(code)];
        }
        first = std::uint16_t(code);
        string.push_back(first);
        if (next < 4096) {
            prefix[std::size_t(next)] = std::uint16_t(previous);
            suffix[std::size_t(next)] = first;
            if (++next == 1 << codeSize && codeSize < 12)
                ++codeSize;
        }
        previous = read;
        for (auto index = string.rbegin(); index != string.rend() && pixel < pixels; ++index)
            draw(*index);
    }
    return {std::move(canvas).image(), size};
}

// A bitmap whose pixels are runs: a count and an index (RLE8) or two alternating indexes (RLE4),
// or an escape: the end of a row, the end of the picture, a move right and up, or indexes as
// they are. Rows go from the bottom up.
std::optional<PicturePart> decodeRunBitmap(const QByteArray &data, QSize most, PictureFit fit)
{
    const auto number = [&data](qsizetype at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | byteAt(data, at + i);
        return value;
    };
    // The core header of the oldest bitmaps has no compression.
    if (data.size() < 54 || number(14, 4) < 40)
        return std::nullopt;
    const quint32 compression = number(30, 4);
    const quint32 bits = number(28, 2);
    const bool eight = compression == 1 && bits == 8;
    if (!eight && !(compression == 2 && bits == 4))
        return std::nullopt;
    const auto width = qint32(number(18, 4));
    const auto height = qint32(number(22, 4));
    // Runs go from the bottom up only.
    if (width <= 0 || height <= 0 || qint64(width) * height > MaxPicturePixels)
        return PicturePart{};
    const quint32 largest = 1U << bits;
    const quint32 used = number(46, 4);
    std::vector<QRgb> colours;
    auto at = qsizetype(number(10, 4));
    if (readColours(data, 14 + qsizetype(number(14, 4)), used == 0 || used > largest ? largest : used, 4, colours) <
            0 ||
        at >= data.size())
        return PicturePart{};
    Canvas canvas({width, height}, most, fit);
    if (canvas.isNull())
        return PicturePart{};
    int x = 0;
    int y = 0; // from the bottom
    const auto draw = [&](unsigned index) {
        if (index < colours.size())
            canvas.put(x, height - 1 - y, colours[index]);
        ++x;
    };
    const auto indexAt = [&](qsizetype from, int i) {
        return eight ? byteAt(data, from + i)
                     : (i % 2 ? byteAt(data, from + i / 2) & 0x0F : byteAt(data, from + i / 2) >> 4);
    };
    while (at + 1 < data.size() && y < height) {
        const int count = int(byteAt(data, at));
        const unsigned value = byteAt(data, at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < width; ++i)
                draw(eight ? value : (i % 2 ? value & 0x0F : value >> 4));
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 1 >= data.size())
                break;
            x = std::min(x + int(byteAt(data, at)), width);
            y += int(byteAt(data, at + 1));
            at += 2;
        } else {
            // Indexes as they are, padded to a whole number of 16-bit words.
            const qsizetype bytes = eight ? value : (value + 1) / 2;
            if (at + bytes > data.size())
                break;
            for (int i = 0; i < int(value) && x < width; ++i)
                draw(indexAt(at, i));
            at += bytes + bytes % 2;
        }
    }
    return PicturePart{std::move(canvas).image(), {width, height}};
}

} // namespace

std::optional<PicturePart> decodeWithinSize(const QByteArray &data, const QByteArray &format, QSize most,
                                            PictureFit fit)
{
    if (format == "gif")
        return decodeGif(data, most, fit);
    if (format == "bmp" || format == "dib")
        return decodeRunBitmap(data, most, fit);
    return std::nullopt;
}

} // namespace ui
