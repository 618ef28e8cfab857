// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/remembered_places.h"

#include "ui/services.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

QString folderKey(FileKind kind)
{
    return kind == FileKind::Pictures ? u"folders/pictures"_s : u"folders/pages"_s;
}

QString firstFolder(FileKind kind)
{
    const QString desktop = QStandardPaths::writableLocation(
        kind == FileKind::Pictures ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation);
    return QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

// Keeps the watched window's geometry whenever it moves, changes size or is maximised.
class PlaceKeeper final : public QObject {
public:
    PlaceKeeper(QWidget &window, Services &services)
        : QObject(&window)
        , m_services(services)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange)
            m_services.settings().setValue(u"mainWindow/geometry"_s, static_cast<QWidget *>(watched)->saveGeometry());
        return false;
    }

private:
    Services &m_services;
};

} // namespace

QString proposedPath(Services &services, FileKind kind, const QString &name)
{
    if (QFileInfo(name).isAbsolute())
        return name;
    QString folder = services.settings().value(folderKey(kind)).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = firstFolder(kind);
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

void rememberFolder(Services &services, FileKind kind, const QString &chosen)
{
    services.settings().setValue(folderKey(kind), QFileInfo(chosen).absolutePath());
}

void rememberPlace(QWidget &mainWindow, Services &services)
{
    mainWindow.restoreGeometry(services.settings().value(u"mainWindow/geometry"_s).toByteArray());
    new PlaceKeeper(mainWindow, services);
}

} // namespace ui
