#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <vector>

// Pictures from the files the user picks (JPEG, GIF, BMP, or whatever else the image
// readers know), decoded through Qt's image readers.
namespace ui {

// The largest picture decoded, in pixels; a file that claims more is refused before its
// pixels are read. A 16384 by 4096 picture at four bytes a pixel fills 256 MB.
inline constexpr qint64 MaxPicturePixels = qint64(16384) * 4096;

// What is kept of a picture: its top left part, no larger than asked, and the size of the
// whole picture.
struct PicturePart {
    QImage part;
    QSize size;
    bool isNull() const { return part.isNull(); }
};

// The picture in the file, cut to its top left part of at most `most` pixels; null when the
// file is missing, is not a picture, is cut short, or claims a size larger than
// MaxPicturePixels. A JPEG is decoded only down to the bottom of that part.
PicturePart readPicturePart(const QString &path, QSize most);

// The whole picture in the file, or a null image, as readPicturePart() decides.
QImage readPicture(const QString &path);

// Whether the bytes hold a whole picture in the format the reader named ("jpeg", "gif",
// "bmp"): the decoders draw a file that ends too early as far as it goes without a word.
// Other formats are left to their decoders.
bool isWholePicture(const QByteArray &data, const QByteArray &format);

// A picture as the preview keeps it: the top left part that its frame lets show, and the
// whole picture's size, which the preview takes.
struct Picture {
    QPixmap shown;
    QSize size;
    bool isNull() const { return shown.isNull(); }
};

// Decoded pictures of one window, each kept only while its file stays as it was (same
// path, size and modification time); a file replaced on disk is decoded anew. A picture
// kept and still valid is handed out with the same QPixmap (same cacheKey()), so a caller
// can tell that what it shows is already up to date. Only the part that can show is kept,
// so what a picture holds stays small whatever its size.
class PictureCache final {
public:
    // shownPart: the most of a picture, from its top left corner, that can ever show.
    explicit PictureCache(QSize shownPart, std::size_t capacity = 4);

    // A null picture when the file cannot be read as a picture; that answer is kept as long
    // as the file stays as it is, too.
    Picture picture(const QString &path);

    // Drops what is kept for the file, so that its next picture() reads it again: a file
    // picked anew may have been mended in ways its size and time do not show (made readable).
    void forget(const QString &path);

private:
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        bool operator==(const Stamp &) const = default;
    };
    struct Entry {
        QString path;
        Stamp stamp;
        Picture picture;
    };

    static bool stampOf(const QString &path, Stamp &stamp);

    QSize m_shownPart;
    std::size_t m_capacity;
    std::vector<Entry> m_entries; // the most recently used first
};

} // namespace ui
