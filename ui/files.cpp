// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QUrl>

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

QString errnoText()
{
    return QString::fromLocal8Bit(std::generic_category().message(errno));
}

// Writes every byte: when the disk fills, a write may take part of the bytes without a word,
// and only the next one tells why.
Result<> writeAll(QFileDevice &file, const char *data, qint64 size)
{
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return Failure{file.errorString()};
        data += written;
        size -= written;
    }
    return {};
}

} // namespace

Result<> writeFileAtomically(const QString &path, const std::string &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{file.errorString()};
    // A short page sits in the device's buffer, so a full disk shows only when the buffer is
    // flushed. The reason is taken from the step that failed: commit() no longer knows it, and
    // would still rename the short file over the old one.
    Result<> written = writeAll(file, content.data(), static_cast<qint64>(content.size()));
    if (written && !file.flush())
        written = Failure{file.errorString()};
    if (!written) {
        file.cancelWriting(); // the temporary file goes with the QSaveFile
        return written;
    }
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
}

Result<> openRegularFile(QFile &file, const QString &path)
{
    // Opening a FIFO waits for a writer, and a device may never end. The type is checked before
    // opening, and again on the open descriptor in case the name was replaced in between;
    // opening without blocking keeps a FIFO put there meanwhile from holding us.
    const QString notRegular = u"\"%1\" is not a regular file."_s.arg(QDir::toNativeSeparators(path));
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return Failure{notRegular};
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return Failure{errnoText()};
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return Failure{notRegular};
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return Failure{file.errorString()};
    }
    return {};
}

Result<> copyToNewFile(const QString &from, const QString &to)
{
    QFile source;
    if (Result<> opened = openRegularFile(source, from); !opened)
        return opened;
    // Only a new file is made: a QSaveFile would follow a link made at the name since the
    // folder was looked at, or replace a FIFO put there.
    QFile copy(to);
    if (!copy.open(QIODevice::NewOnly | QIODevice::Unbuffered))
        return Failure{copy.errorString()};
    // In pieces: a picture may be larger than is worth holding whole.
    constexpr qint64 Piece = 1 << 16;
    Result<> copied;
    for (QByteArray piece = source.read(Piece); copied && !piece.isEmpty(); piece = source.read(Piece))
        copied = writeAll(copy, piece.constData(), piece.size());
    if (copied && source.error() != QFileDevice::NoError)
        copied = Failure{source.errorString()};
    // A file system that keeps the bytes back tells of a full disk when asked to keep them.
    if (copied && ::fsync(copy.handle()) != 0)
        copied = Failure{errnoText()};
    if (!copied)
        copy.remove(); // ours: made new above
    return copied;
}

bool removeFile(const QString &path)
{
    return QFile::remove(path);
}

bool isRegularOrMissing(const QString &path)
{
    // exists() and isFile() follow links; a link to nothing is neither missing nor a file.
    const QFileInfo info(path);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}

std::string readFirstLine(const QString &path)
{
    // A marker is one short line; a large file is never read whole.
    constexpr qint64 MaxLine = 4096;
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    const QByteArray head = file.read(MaxLine);
    qsizetype end = 0;
    while (end < head.size() && head[end] != '\r' && head[end] != '\n')
        ++end;
    return head.left(end).toStdString();
}

void copyToClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString urlFromFileName(const QString &fileName)
{
    // Unreserved characters stay by default, and the sub-delimiters and '@' may stand in a path
    // too. A ':' is encoded: in a first path segment it would turn the name into a scheme. A '&'
    // is encoded as well: in an attribute "&copy" would be read as a character reference.
    return QString::fromLatin1(QUrl::toPercentEncoding(fileName, "!$'()*+,;=@"));
}

} // namespace ui
