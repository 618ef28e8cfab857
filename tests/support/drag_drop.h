// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

#include <memory>

class QWidget;

// Synthetic drags, as a file manager or a text editor starts them, for the window tests.
namespace dragdrop {

// What a drag carries: the addresses as a text/uri-list, and the text as plain text (a file
// manager puts the paths there too).
std::unique_ptr<QMimeData> mimeData(const QList<QUrl> &urls, const QString &text);
// The local files' addresses, and their paths as text, one a line.
std::unique_ptr<QMimeData> files(const QStringList &paths);

// Which of the three events of a drag the target accepted, and the action it chose.
struct Answer {
    bool enter = false;
    bool move = false;
    bool drop = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

inline constexpr Qt::DropActions AnyAction = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// Sends a drag-enter and a drag-move to the middle of the widget, as a drag that comes to rest
// over it does; the answer's drop stays false.
Answer dragOver(QWidget *target, const QMimeData *data, Qt::DropActions actions = AnyAction);
// The drag goes on elsewhere, or is given up: a drag-leave.
void dragLeave(QWidget *target);
// Ends the drag with a drop in the middle of the widget; whether the drop was accepted, and
// the action chosen, go into the answer.
void dropOn(QWidget *target, const QMimeData *data, Answer &answer, Qt::DropActions actions = AnyAction);

// Sends a drag-enter, a drag-move and a drop to the middle of the widget, as a drag that ends
// there does. The drop is sent even when enter and move were refused, so that a test sees that
// a forced drop changes nothing either.
Answer dragOnto(QWidget *target, const QMimeData *data, Qt::DropActions actions = AnyAction);

// The outer two pixels all round a widget as it paints now, the inside left transparent:
// what a drop target's highlight draws over.
QImage edgeOf(QWidget *widget);
// Whether that edge is all in the widget's highlight colour, as while a drag it would take
// is over it or its button.
bool showsDropHighlight(QWidget *box);

} // namespace dragdrop
