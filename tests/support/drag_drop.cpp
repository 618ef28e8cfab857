// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/drag_drop.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QPainter>
#include <QWidget>

namespace dragdrop {

std::unique_ptr<QMimeData> mimeData(const QList<QUrl> &urls, const QString &text)
{
    auto data = std::make_unique<QMimeData>();
    if (!urls.isEmpty())
        data->setUrls(urls);
    if (!text.isEmpty())
        data->setText(text);
    return data;
}

std::unique_ptr<QMimeData> files(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return mimeData(urls, paths.join(u'\n'));
}

Answer dragOver(QWidget *target, const QMimeData *data, Qt::DropActions actions)
{
    const QPoint centre = target->rect().center();
    Answer answer;

    QDragEnterEvent enter(centre, actions, data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore(); // an event nobody answers is refused
    QCoreApplication::sendEvent(target, &enter);
    answer.enter = enter.isAccepted();

    QDragMoveEvent move(centre, actions, data, Qt::LeftButton, Qt::NoModifier);
    move.ignore();
    QCoreApplication::sendEvent(target, &move);
    answer.move = move.isAccepted();
    return answer;
}

void dragLeave(QWidget *target)
{
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(target, &leave);
}

void dropOn(QWidget *target, const QMimeData *data, Answer &answer, Qt::DropActions actions)
{
    QDropEvent drop(QPointF(target->rect().center()), actions, data, Qt::NoButton, Qt::NoModifier);
    drop.ignore();
    QCoreApplication::sendEvent(target, &drop);
    answer.drop = drop.isAccepted();
    answer.action = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

Answer dragOnto(QWidget *target, const QMimeData *data, Qt::DropActions actions)
{
    Answer answer = dragOver(target, data, actions);
    dropOn(target, data, answer, actions);
    return answer;
}

QImage edgeOf(QWidget *widget)
{
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(image.rect().adjusted(2, 2, -2, -2), Qt::transparent);
    return image;
}

bool showsDropHighlight(QWidget *box)
{
    const QImage edge = edgeOf(box);
    const QRgb highlight = box->palette().color(QPalette::Highlight).rgba();
    for (int y = 0; y < edge.height(); ++y) {
        for (int x = 0; x < edge.width(); ++x) {
            const bool onEdge = x < 2 || y < 2 || x >= edge.width() - 2 || y >= edge.height() - 2;
            if (onEdge && edge.pixel(x, y) != highlight)
                return false;
        }
    }
    return !edge.isNull();
}

} // namespace dragdrop
