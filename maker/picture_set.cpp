// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/picture_set.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <cerrno>
#include <memory>
#include <system_error>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

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

QString errnoText()
{
    return QString::fromLocal8Bit(std::generic_category().message(errno));
}

// Opens a new file beside the path for this write alone: a name already taken, even by a link to
// nothing, is passed over and never opened. It gets the mode of a new file, or of the regular
// file it is to replace.
Result<> openNewBeside(QFile &file, const QString &path)
{
    for (int attempt = 1; attempt <= 100; ++attempt) {
        file.setFileName(u"%1.%2.part"_s.arg(path).arg(attempt));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            struct stat replaced {};
            if (::lstat(QFile::encodeName(path).constData(), &replaced) == 0 && S_ISREG(replaced.st_mode))
                ::fchmod(file.handle(), replaced.st_mode & 07777);
            return {};
        }
        if (!isTaken(file.fileName()))
            return Failure{file.errorString()};
    }
    return Failure{u"Every name tried for the new file beside it is taken."_s};
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
    // Each picture is written into a new file and renamed over its name: a link standing there,
    // or put there meanwhile, is replaced itself and what it leads to is never written.
    std::vector<std::unique_ptr<QFile>> files;
    const auto removeNewFiles = [&files](std::size_t from) {
        for (std::size_t i = from; i < files.size(); ++i)
            files[i]->remove();
    };
    for (const NamedPicture &named : pictures) {
        QFile &file = *files.emplace_back(std::make_unique<QFile>());
        Result<> written = openNewBeside(file, named.path);
        if (!written) {
            files.pop_back();
            removeNewFiles(0);
            return failure(named.path, written.error());
        }
        QImageWriter writer(&file, format);
        if (format == "webp")
            writer.setQuality(100); // without loss; a PNG's quality is its compression, left to the writer
        if (!writer.write(named.picture))
            written = Failure{writer.errorString()};
        // The end of a picture may sit in the buffer until a flush, and on the disk's way until a
        // sync, shows that the disk is full.
        else if (!file.flush() || file.error() != QFileDevice::NoError)
            written = Failure{file.errorString()};
        else if (::fsync(file.handle()) != 0)
            written = Failure{errnoText()};
        file.close();
        if (!written) {
            removeNewFiles(0);
            return failure(named.path, written.error());
        }
    }
    QStringList added;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString &path = pictures[i].path;
        const bool replaces = isTaken(path);
        if (std::rename(QFile::encodeName(files[i]->fileName()).constData(), QFile::encodeName(path).constData()) !=
            0) {
            const QString reason = errnoText();
            removeNewFiles(i);
            for (const QString &made : added)
                QFile::remove(made);
            return failure(path, reason);
        }
        if (!replaces)
            added.append(path);
    }
    return {};
}

} // namespace ui
