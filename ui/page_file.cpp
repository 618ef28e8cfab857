// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/page_file.h"

#include "ui/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// Far more than any page written by hand; a larger file is hardly a page at all.
constexpr qint64 MaxPageSize = qint64(64) << 20;

QString errnoText()
{
    return QString::fromLocal8Bit(std::generic_category().message(errno));
}

QString quoted(const QString &path)
{
    return u"\"%1\""_s.arg(QDir::toNativeSeparators(path));
}

Failure refused(const QString &path, const QString &reason)
{
    return Failure{u"Nothing was written to %1: %2"_s.arg(quoted(path), reason)};
}

Failure notRead(const QString &path, const QString &why)
{
    return refused(path, u"the page could not be read.\n\n"_s + why);
}

// Opens the page when it is one regular file under one name: QSaveFile renames a new file over
// the name, which would leave every other name of it holding the old page without a word.
Result<struct stat> openPage(QFile &file, const QString &shown, const QString &target)
{
    if (Result<> opened = openRegularFile(file, target); !opened)
        return notRead(shown, opened.error());
    struct stat status {};
    if (::fstat(file.handle(), &status) != 0)
        return notRead(shown, errnoText());
    if (status.st_nlink > 1)
        return refused(
            shown,
            u"the page has %1 names (hard links). Saving would give this name a new file and leave the old page under the others."_s
                .arg(qulonglong(status.st_nlink)));
    return status;
}

} // namespace

Result<PageFile> readPage(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    QFile file;
    const Result<struct stat> status = openPage(file, path, target.isEmpty() ? path : target);
    if (!status)
        return Failure{status.error()};
    const QString tooLarge = u"the page is larger than 64 MiB, more than Quillarc reads as a page."_s;
    if (status->st_size > MaxPageSize)
        return refused(path, tooLarge);
    // Root passes every permission check, and QSaveFile would give a read-only page the write
    // permission; so for root a page without any write bit is read-only too.
    if (::faccessat(AT_FDCWD, QFile::encodeName(target).constData(), W_OK, AT_EACCESS) != 0 ||
        (::geteuid() == 0 && (status->st_mode & 0222) == 0))
        return refused(path, u"the page is read-only, as its permissions do not let you change it."_s);
    // QSaveFile writes the new page as a new file beside it, which then takes the page's place.
    const QString folder = QFileInfo(target).absolutePath();
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return refused(
            path,
            u"no new file may be made in its folder %1, where the new page is written first, beside the old one."_s.arg(
                quoted(folder)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return notRead(path, file.errorString());
    if (bytes.size() > MaxPageSize)
        return refused(path, tooLarge);
    return PageFile{path, target, bytes.toStdString()};
}

QStringList editorLocks(const QString &path)
{
    // The page as chosen, its folder's links followed so that it compares with the target.
    const QFileInfo chosen(path);
    QStringList pages{QDir(chosen.absolutePath()).canonicalPath() + u'/' + chosen.fileName()};
    if (const QString target = chosen.canonicalFilePath(); !target.isEmpty() && target != pages.first())
        pages.append(target);
    QStringList locks;
    for (const QString &page : pages) {
        const QFileInfo info(page);
        for (const QString &pattern : {u".#%1"_s, u".%1.swp"_s, u".%1.swo"_s, u".%1.kate-swp"_s}) {
            // An emacs lock is mostly a link to nothing: the link itself counts.
            const QFileInfo found(info.dir().filePath(pattern.arg(info.fileName())));
            if (found.exists() || found.isSymLink())
                locks.append(found.filePath());
        }
    }
    return locks;
}

} // namespace ui
