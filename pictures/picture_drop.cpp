// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_drop.h"

#include "ui/services.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QRegion>
#include <QUrl>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// Two pixels wide over the edge of a box, drawn by a child widget of its own so that the box
// paints exactly as before once it is gone. It takes no mouse and no drag: the box under it
// goes on getting the drag's events.
class DropHighlight final : public QWidget {
public:
    explicit DropHighlight(QWidget *box)
        : QWidget(box)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(box->rect());
        show();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        const QColor colour = palette().color(QPalette::Highlight);
        const QRect inside = rect().adjusted(2, 2, -2, -2);
        for (const QRect &part : QRegion(rect()).subtracted(inside))
            painter.fillRect(part, colour);
    }
};

} // namespace

QStringList pictureSuffixes(const FileRequest &picker)
{
    QList<FileFilter> filters{picker.filter};
    filters.append(picker.moreFilters);
    QStringList suffixes;
    for (const FileFilter &filter : filters) {
        for (const QString &pattern : filter.patterns.split(u';', Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            if (!trimmed.startsWith(u"*."_s))
                continue;
            const QString suffix = trimmed.mid(2).toLower();
            if (!suffixes.contains(suffix))
                suffixes.append(suffix);
        }
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

void PictureDropTarget::watch(QWidget *widget, QWidget *box)
{
    m_boxes.insert(widget, box ? box : widget);
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool PictureDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::DragLeave)
        endHighlight(); // and on to the widget, as before
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);

    // Enter and move events are drop events too; all three are answered alike.
    auto *drop = static_cast<QDropEvent *>(event);
    const std::optional<QString> path = droppedPicture(drop->mimeData(), m_suffixes);
    // The picture is only read, never moved: a drag that does not allow a copy is refused.
    const bool taken = path && drop->possibleActions().testFlag(Qt::CopyAction);
    if (taken && type != QEvent::Drop)
        highlight(m_boxes.value(watched));
    else
        endHighlight();
    if (!taken) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        Q_EMIT pictureDropped(*path);
    return true;
}

void PictureDropTarget::highlight(QWidget *box)
{
    if (!box || (m_highlight && m_highlight->parentWidget() == box))
        return;
    endHighlight();
    m_highlight = new DropHighlight(box);
}

void PictureDropTarget::endHighlight()
{
    delete m_highlight; // a QPointer: null once gone, also when its box went first
}

} // namespace ui
