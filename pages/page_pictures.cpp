// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_pictures.h"

#include "ui/files.h"
#include "ui/services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// Whether the two regular files hold the same bytes; read in pieces, stopping at the first difference.
bool sameBytes(const QString &one, const QString &other)
{
    QFile a;
    QFile b;
    if (!openRegularFile(a, one) || !openRegularFile(b, other) || a.size() != b.size())
        return false;
    constexpr qint64 Piece = 1 << 16;
    while (!a.atEnd()) {
        const QByteArray piece = a.read(Piece);
        if (piece.isEmpty() || piece != b.read(Piece))
            return false;
    }
    return b.atEnd();
}

} // namespace

QString pageNotSaved(const QString &path, const QString &reason)
{
    return u"The page could not be saved as \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(path), reason);
}

QString pickedPicture(const QString &boxText, const QString &pickedPath)
{
    if (pickedPath.isEmpty() || boxText != urlFromFileName(fileNameOf(pickedPath)))
        return {};
    return pickedPath;
}

PicturesBeside picturesBeside(const QStringList &pictures, const QString &folder)
{
    PicturesBeside beside;
    QStringList names; // each name once: the page names only one file by it
    for (const QString &picture : pictures) {
        const QString name = fileNameOf(picture);
        if (picture.isEmpty() || names.contains(name) || !QFileInfo(picture).isFile())
            continue;
        names.append(name);
        const QFileInfo there(QDir(folder).filePath(name));
        if (!there.exists() && !there.isSymLink()) {
            beside.missing.append(picture);
            continue;
        }
        const bool same = there.isFile() && (there.canonicalFilePath() == QFileInfo(picture).canonicalFilePath() ||
                                             sameBytes(there.filePath(), picture));
        if (!same)
            beside.different.append(name);
    }
    return beside;
}

Result<> copyPictures(const QStringList &pictures, const QString &folder)
{
    QStringList failures;
    for (const QString &picture : pictures) {
        const QString copy = QDir(folder).filePath(fileNameOf(picture));
        if (const Result<> copied = copyToNewFile(picture, copy); !copied)
            failures.append(u"The picture could not be copied as \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(copy),
                                                                                      copied.error()));
    }
    if (failures.isEmpty())
        return {};
    return Failure{failures.join(u"\n\n"_s)};
}

std::optional<QString> pathInsideFolder(const QString &file, const QString &folder)
{
    const QFileInfo info(file);
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (!info.isFile() || canonicalFolder.isEmpty())
        return std::nullopt;
    const QString relative = QDir(canonicalFolder).relativeFilePath(info.canonicalFilePath());
    if (relative.startsWith(u"../"_s) || QDir::isAbsolutePath(relative))
        return std::nullopt;
    return relative;
}

bool somethingAt(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool samePicture(const QString &path, const QString &picture)
{
    const QFileInfo there(path);
    return there.isFile() &&
           (there.canonicalFilePath() == QFileInfo(picture).canonicalFilePath() || sameBytes(path, picture));
}

Result<QString> copyIntoFolder(const QString &picture, const QString &folder, const QString &name)
{
    const QString copy = QDir(folder).filePath(name);
    const QString copyFolder = QFileInfo(copy).absolutePath();
    if (!QDir().mkpath(copyFolder))
        return Failure{u"The folder \"%1\" could not be made."_s.arg(QDir::toNativeSeparators(copyFolder))};
    if (const Result<> copied = copyToNewFile(picture, copy); !copied)
        return Failure{
            u"The picture could not be copied as \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(copy), copied.error())};
    return copy;
}

Result<QString> writePageWithPictures(const QString &folder, const QString &fileName, const std::string &page,
                                      const QStringList &pictures)
{
    const QString path = QDir(folder).filePath(fileName);
    if (const Result<> written = writeFileAtomically(path, page); !written)
        return Failure{pageNotSaved(path, written.error())};
    if (const Result<> copied = copyPictures(picturesBeside(pictures, folder).missing, folder); !copied)
        return Failure{copied.error()};
    return path;
}

bool openInBrowser(QWidget *parent, Services &services, const QString &fileName, const std::string &page,
                   const QStringList &pictures)
{
    const QString title = u"Quillarc 2"_s;
    const Result<QString> folder = services.browserPages().folderFor(parent);
    if (!folder) {
        services.showError(parent, title, u"The page could not be shown in the browser.\n\n"_s + folder.error());
        return false;
    }
    const QString path = QDir(*folder).filePath(fileName);
    const Result<> written = writeFileAtomically(path, page);
    // A picture that cannot be copied keeps neither the page nor the other pictures back.
    const Result<> copied = written ? copyPictures(picturesBeside(pictures, *folder).missing, *folder) : Result<>();
    if (written && services.openInBrowser(QUrl::fromLocalFile(path))) {
        if (!copied)
            services.showError(parent, title,
                               u"The page is shown without some of its pictures.\n\n"_s + copied.error());
        return true;
    }
    QDir(*folder).removeRecursively(); // nothing of a page not shown stays
    services.showError(parent, title,
                       written ? u"No web browser could be started to show the page."_s
                               : u"The page could not be shown in the browser.\n\n"_s +
                                     pageNotSaved(path, written.error()));
    return false;
}

} // namespace ui
