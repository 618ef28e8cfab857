// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/page_pictures.h"

#include "ui/files.h"
#include "ui/services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// Whether the two regular files hold the same bytes; read in pieces, stopping at the first difference.
bool sameBytes(const QString &one, const QString &other)
{
    QFile a(one);
    QFile b(other);
    if (a.size() != b.size() || !a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
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

QStringList copyPictures(const QStringList &pictures, const QString &folder)
{
    QStringList failures;
    for (const QString &picture : pictures) {
        const QString copy = QDir(folder).filePath(fileNameOf(picture));
        if (const std::optional<QString> error = copyFileAtomically(picture, copy))
            failures.append(
                u"The picture could not be copied as \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(copy), *error));
    }
    return failures;
}

std::optional<QString> writePageWithPictures(const QString &folder, const QString &fileName, const std::string &page,
                                             const QStringList &pictures, QString &reason)
{
    const QString path = QDir(folder).filePath(fileName);
    if (const std::optional<QString> error = writeFileAtomically(path, page)) {
        reason = u"The page could not be saved as \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(path), *error);
        return std::nullopt;
    }
    const QStringList failures = copyPictures(picturesBeside(pictures, folder).missing, folder);
    if (!failures.isEmpty()) {
        reason = failures.join(u"\n\n"_s);
        return std::nullopt;
    }
    return path;
}

bool openInBrowser(QWidget *parent, Services &services, const QString &fileName, const std::string &page,
                   const QStringList &pictures)
{
    QString reason;
    const std::optional<QString> folder = services.browserPages().newFolder(reason);
    const std::optional<QString> path =
        folder ? writePageWithPictures(*folder, fileName, page, pictures, reason) : std::nullopt;
    if (path && services.openInBrowser(QUrl::fromLocalFile(*path)))
        return true;
    if (folder)
        QDir(*folder).removeRecursively(); // nothing of a page not shown stays
    services.showError(parent, u"Quillarc 2"_s,
                       path ? u"No web browser could be started to show the page."_s
                            : u"The page could not be shown in the browser.\n\n"_s + reason);
    return false;
}

} // namespace ui
