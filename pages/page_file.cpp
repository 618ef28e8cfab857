// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_file.h"

#include "ui/files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <string_view>
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

Failure notSaved(const QString &path, const QString &why)
{
    return refused(path, u"the page could not be saved.\n\n"_s + why);
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

// Writes every byte and flushes them: a full disk may take part of a write without a word, and
// shows in a short file only when the buffer goes to it.
Result<> writeEverything(QFileDevice &file, const std::string &bytes)
{
    for (qint64 done = 0; done < qint64(bytes.size());) {
        const qint64 written = file.write(bytes.data() + done, qint64(bytes.size()) - done);
        if (written <= 0)
            return Failure{file.errorString()};
        done += written;
    }
    if (!file.flush())
        return Failure{file.errorString()};
    return {};
}

// Keeps the bytes in a new file of the program's data folder, named after the page and the time.
// Never beside the page: a copy next to page.php in a web root would be served to anyone.
Result<QString> keepBackup(const QString &page, const std::string &bytes)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/backups"_s;
    const QString notKept = u"the copy of the page as it was could not be kept in %1.\n\n"_s.arg(quoted(folder));
    if (!QDir().mkpath(folder))
        return Failure{notKept + u"The folder could not be made."_s};
    const QString stem = QDir(folder).filePath(QFileInfo(page).fileName() +
                                               QDateTime::currentDateTime().toString(u".yyyy-MM-dd_HH-mm-ss"_s));
    for (int number = 1; number <= 100; ++number) {
        const QString name = stem + (number > 1 ? u"-%1.bak"_s.arg(number) : u".bak"_s);
        QFile backup(name);
        // The page may be private, so its copy is the user's alone.
        if (!backup.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner)) {
            if (const QFileInfo taken(name); taken.exists() || taken.isSymLink())
                continue;
            return Failure{notKept + backup.errorString()};
        }
        Result<> written = writeEverything(backup, bytes);
        if (written && ::fsync(backup.handle()) != 0)
            written = Failure{errnoText()};
        if (!written) {
            backup.remove(); // ours: made new above
            return Failure{notKept + written.error()};
        }
        return name;
    }
    return Failure{notKept + u"Every name tried is taken."_s};
}

// Writes the bytes over the target through QSaveFile, keeping its mode, owner and group, if the
// target still holds exactly the expected bytes just before the new file takes its place.
Result<> replacePage(const QString &shown, const QString &target, const std::string &expected, const std::string &bytes,
                     const QString &changed)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return notSaved(shown, file.errorString());
    // Without commit() the temporary file goes with the QSaveFile, and the page stays as it is.
    const auto cancel = [&file](Failure failure) {
        file.cancelWriting();
        return failure;
    };
    if (Result<> written = writeEverything(file, bytes); !written)
        return cancel(notSaved(shown, written.error()));
    QFile current;
    const Result<struct stat> status = openPage(current, shown, target);
    if (!status)
        return cancel(Failure{status.error()});
    if (status->st_size != off_t(expected.size()))
        return cancel(refused(shown, changed));
    const QByteArray now = current.readAll();
    if (current.error() != QFileDevice::NoError)
        return cancel(notRead(shown, current.errorString()));
    if (std::string_view(now.constData(), size_t(now.size())) != expected)
        return cancel(refused(shown, changed));
    // QSaveFile copies the mode only as Qt reads it, which adds root's write permission; the
    // owner can be given back only where the system lets us.
    if (::fchown(file.handle(), status->st_uid, status->st_gid) != 0 && errno != EPERM)
        return cancel(notSaved(shown, errnoText()));
    if (::fchmod(file.handle(), status->st_mode & 07777) != 0)
        return cancel(notSaved(shown, errnoText()));
    if (!file.commit())
        return notSaved(shown, file.errorString());
    return {};
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

Result<PageWrite> writePage(const PageFile &page, const std::string &bytes)
{
    const Result<QString> backup = keepBackup(page.target, page.bytes);
    if (!backup)
        return refused(page.path, backup.error());
    const Result<> replaced =
        replacePage(page.path, page.target, page.bytes, bytes,
                    u"another program changed the page since Quillarc read it, and that change is left as it is."_s);
    if (!replaced) {
        QFile::remove(*backup); // the page is as it was, so its copy is not needed
        return Failure{replaced.error()};
    }
    return PageWrite{page.target, *backup, bytes};
}

Result<> undoPageWrite(const PageWrite &write)
{
    QFile backup;
    const QString unread = u"the copy of the page as it was, %1, could not be read.\n\n"_s.arg(quoted(write.backup));
    if (Result<> opened = openRegularFile(backup, write.backup); !opened)
        return refused(write.target, unread + opened.error());
    const QByteArray old = backup.readAll();
    if (backup.error() != QFileDevice::NoError)
        return refused(write.target, unread + backup.errorString());
    return replacePage(
        write.target, write.target, write.written, old.toStdString(),
        u"the page was changed since Quillarc wrote it, so Undo leaves it as it is. The page as it was before stays at %1."_s
            .arg(quoted(write.backup)));
}

} // namespace ui
