// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_cache.h"

#include <QFileInfo>

#include <algorithm>
#include <system_error>

namespace ui {

PictureCache::PictureCache(QSize shownPart, std::size_t capacity, PictureFit fit)
    : m_shownPart(shownPart)
    , m_capacity(std::max<std::size_t>(capacity, 1))
    , m_fit(fit)
{}

void PictureCache::setPixelRatio(qreal ratio)
{
    if (qFuzzyCompare(ratio, m_pixelRatio))
        return;
    m_pixelRatio = ratio;
    m_entries.clear();
}

bool PictureCache::stampOf(const QString &path, Stamp &stamp)
{
    const std::filesystem::path file = QFileInfo(path).filesystemFilePath();
    std::error_code error;
    stamp.size = std::filesystem::file_size(file, error);
    if (error)
        return false;
    stamp.modified = std::filesystem::last_write_time(file, error);
    return !error;
}

Picture PictureCache::picture(const QString &path)
{
    const auto kept =
        std::find_if(m_entries.begin(), m_entries.end(), [&path](const Entry &entry) { return entry.path == path; });
    Stamp stamp;
    if (!stampOf(path, stamp)) {
        if (kept != m_entries.end())
            m_entries.erase(kept);
        return {};
    }
    if (kept != m_entries.end()) {
        if (kept->stamp == stamp) {
            std::rotate(m_entries.begin(), kept, kept + 1);
            return m_entries.front().picture;
        }
        m_entries.erase(kept);
    }
    // A file that is no picture is kept as a null picture, so that the restore on every mouse
    // move does not read it again while it stays as it is.
    const PicturePart read = readPicturePart(path, m_shownPart, m_fit, m_pixelRatio);
    if (m_entries.size() >= m_capacity)
        m_entries.pop_back();
    m_entries.insert(m_entries.begin(),
                     Entry{path, stamp, read.isNull() ? Picture() : Picture{QPixmap::fromImage(read.part), read.size}});
    return m_entries.front().picture;
}

void PictureCache::forget(const QString &path)
{
    std::erase_if(m_entries, [&path](const Entry &entry) { return entry.path == path; });
}

} // namespace ui
