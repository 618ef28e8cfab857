// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_set.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <memory>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

bool isTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

Failure failure(const QString &path, const QString &reason)
{
    return Failure{u"The picture could not be saved as \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

bool canWritePictures(const QByteArray &format)
{
    return QImageWriter::supportedImageFormats().contains(format);
}

QStringList takenPaths(const std::vector<NamedPicture> &pictures)
{
    QStringList taken;
    for (const NamedPicture &named : pictures) {
        if (isTaken(named.path))
            taken.append(named.path);
    }
    return taken;
}

Result<> writePictureSet(const std::vector<NamedPicture> &pictures, const QByteArray &format)
{
    // A QSaveFile that goes without commit() takes its temporary file with it.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const NamedPicture &named : pictures) {
        QSaveFile &file = *files.emplace_back(std::make_unique<QSaveFile>(named.path));
        if (!file.open(QIODevice::WriteOnly))
            return failure(named.path, file.errorString());
        QImageWriter writer(&file, format);
        if (format == "webp")
            writer.setQuality(100); // without loss; a PNG's quality is its compression, left to the writer
        if (!writer.write(named.picture))
            return failure(named.path, writer.errorString());
        // The end of a picture may sit in the buffer until a flush shows that the disk is full.
        if (!file.flush() || file.error() != QFileDevice::NoError)
            return failure(named.path, file.errorString());
    }
    QStringList added;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString &path = pictures[i].path;
        const bool replaces = isTaken(path);
        if (!files[i]->commit()) {
            for (const QString &made : added)
                QFile::remove(made);
            return failure(path, files[i]->errorString());
        }
        if (!replaces)
            added.append(path);
    }
    return {};
}

} // namespace ui
