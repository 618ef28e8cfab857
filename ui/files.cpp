#include "ui/files.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QUrl>

namespace ui {

std::optional<QString> writeFileAtomically(const QString &path, const std::string &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::string readFirstLine(const QString &path)
{
    // A marker is one short line; a large file is never read whole.
    constexpr qint64 MaxLine = 4096;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
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
