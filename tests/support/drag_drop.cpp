// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/drag_drop.h"

#include <QCoreApplication>
#include <QDropEvent>
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

Answer dragOnto(QWidget *target, const QMimeData *data, Qt::DropActions actions)
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

    QDropEvent drop(QPointF(centre), actions, data, Qt::NoButton, Qt::NoModifier);
    drop.ignore();
    QCoreApplication::sendEvent(target, &drop);
    answer.drop = drop.isAccepted();
    answer.action = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    return answer;
}

} // namespace dragdrop
