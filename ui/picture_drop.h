// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QMimeData;
class QWidget;

namespace ui {

struct FileFilter;

// The suffixes (without dot, lower case) a picture picker's filter lists, such as jpg from
// "*.jpg", and jpeg and png, which the picture readers take as well.
QStringList pictureSuffixes(const FileFilter &pickerFilter);

// The full path of the one local file a drag carries, when it is an existing file (not a
// folder) whose suffix is one of the suffixes given, in any case. Nothing for several
// files, a folder, a remote address or mere text.
std::optional<QString> droppedPicture(const QMimeData *data, const QStringList &suffixes);

// Lets a picture file be dropped from a file manager onto the widgets it watches: a drag
// that carries one acceptable picture is offered a copy, anything else is refused (the
// no-drop cursor), and nothing else that is dragged reaches the widgets, so a refused
// drop never changes a box. A drop reports the picture's full path.
class PictureDropTarget final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureDropTarget)

public:
    PictureDropTarget(QStringList suffixes, QObject *parent);

    void watch(QWidget *widget);

Q_SIGNALS:
    void pictureDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QStringList m_suffixes;
};

} // namespace ui
