// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/picture_file.h"

#include <QPixmap>
#include <QSize>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <vector>

// The pictures a window shows, decoded once and kept small.
namespace ui {

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
    // shownPart: the most of a picture, from its top left corner, that can ever show, or (fit
    // ScaledToFit) the room a larger picture is scaled down to.
    explicit PictureCache(QSize shownPart, std::size_t capacity = 4, PictureFit fit = PictureFit::TopLeftPart);

    // The pixel ratio of the screen the pictures show on: drawings are read for it. A new ratio
    // forgets what is kept.
    void setPixelRatio(qreal ratio);

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
    PictureFit m_fit;
    qreal m_pixelRatio = 1;
    std::vector<Entry> m_entries; // the most recently used first
};

} // namespace ui
