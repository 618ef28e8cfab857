// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_drop.h"

#include "ui/services.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ui {

QStringList pictureSuffixes(const FileFilter &pickerFilter)
{
    QStringList suffixes;
    for (const QString &pattern : pickerFilter.patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (trimmed.startsWith(u"*."_s))
            suffixes.append(trimmed.mid(2).toLower());
    }
    for (const QString &readable : {u"jpeg"_s, u"png"_s}) {
        if (!suffixes.contains(readable))
            suffixes.append(readable);
    }
    return suffixes;
}

std::optional<QString> droppedPicture(const QMimeData *data, const QStringList &suffixes)
{
    if (!data || !data->hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return std::nullopt;
    // A file address naming another host is a remote file, whatever its scheme says.
    QUrl url = urls.first();
    if (!url.host().isEmpty() && url.host().compare(u"localhost"_s, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    url.setHost(QString());
    const QFileInfo file(url.toLocalFile());
    // The open dialog matches its patterns in any case, and offers only existing files.
    if (!file.isFile() || !suffixes.contains(file.suffix(), Qt::CaseInsensitive))
        return std::nullopt;
    return file.filePath();
}

PictureDropTarget::PictureDropTarget(QStringList suffixes, QObject *parent)
    : QObject(parent)
    , m_suffixes(std::move(suffixes))
{}

void PictureDropTarget::watch(QWidget *widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool PictureDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);

    // Enter and move events are drop events too; all three are answered alike.
    auto *drop = static_cast<QDropEvent *>(event);
    const std::optional<QString> path = droppedPicture(drop->mimeData(), m_suffixes);
    // The picture is only read, never moved: a drag that does not allow a copy is refused.
    if (!path || !drop->possibleActions().testFlag(Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        Q_EMIT pictureDropped(*path);
    return true;
}

} // namespace ui
