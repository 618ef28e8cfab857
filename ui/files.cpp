// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

Result<> writeFileAtomically(const QString &path, const std::string &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{file.errorString()};
    const auto size = static_cast<qint64>(content.size());
    // A short page sits in the device's buffer, so a full disk shows only when the buffer is
    // flushed; commit() here would still rename the short file over the old one.
    if (file.write(content.data(), size) != size || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting(); // the temporary file goes with the QSaveFile
        return Failure{reason};
    }
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
}

Result<> copyFileAtomically(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return Failure{source.errorString()};
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{file.errorString()};
    // In pieces: a picture may be larger than is worth holding whole.
    constexpr qint64 Piece = 1 << 16;
    while (!source.atEnd()) {
        const QByteArray piece = source.read(Piece);
        if (piece.isEmpty() && source.error() != QFileDevice::NoError) {
            const QString reason = source.errorString();
            file.cancelWriting();
            return Failure{reason};
        }
        if (file.write(piece) != piece.size()) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return Failure{reason};
        }
    }
    // As with a page: a full disk may show only when the last piece is flushed.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure{reason};
    }
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
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
    // Only a regular file is read: opening a FIFO waits for a writer, and a device may never
    // end. The type is checked before opening, and again on the open descriptor in case the
    // name was replaced in between; opening without blocking keeps a FIFO from holding us.
    if (!QFileInfo(path).isFile())
        return {};
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return {};
    struct stat status {};
    QFile file;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {};
    }
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
