// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class QMimeData;
class QWidget;

namespace ui {

struct FileRequest;

// The suffixes (without dot, lower case) a picture picker's filters list, such as jpg from
// "*.jpg", each once, in the order listed.
QStringList pictureSuffixes(const FileRequest &picker);

// The full path of the one local file a drag carries, when it is an existing file (not a
// folder) whose suffix is one of the suffixes given, in any case. Nothing for several
// files, a folder, a remote address or mere text.
std::optional<QString> droppedPicture(const QMimeData *data, const QStringList &suffixes);

// Lets a picture file be dropped from a file manager onto the widgets it watches: a drag
// that carries one acceptable picture is offered a copy, anything else is refused (the
// no-drop cursor), and nothing else that is dragged reaches the widgets, so a refused
// drop never changes a box. A drop reports the picture's full path. While a drag that
// would be taken is over a watched widget, the frame of the box it fills is drawn in the
// highlight colour; nothing is drawn otherwise.
class PictureDropTarget final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureDropTarget)

public:
    PictureDropTarget(QStringList suffixes, QObject *parent);

    // box: the box whose frame shows a drag over the widget (such as a "..." button's box);
    // none, the widget's own.
    void watch(QWidget *widget, QWidget *box = nullptr);

Q_SIGNALS:
    void pictureDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void highlight(QWidget *box);
    void endHighlight();

    const QStringList m_suffixes;
    QHash<const QObject *, QPointer<QWidget>> m_boxes; // of each watched widget
    QPointer<QWidget> m_highlight;                     // shown while a drag is over
};

} // namespace ui
