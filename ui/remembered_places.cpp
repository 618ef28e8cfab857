// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/remembered_places.h"

#include "ui/services.h"

#include <QDir>
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

void restorePlace(QWidget &mainWindow, Services &services)
{
    mainWindow.restoreGeometry(services.settings().value(u"mainWindow/geometry"_s).toByteArray());
}

void keepPlace(const QWidget &mainWindow, Services &services)
{
    services.settings().setValue(u"mainWindow/geometry"_s, mainWindow.saveGeometry());
}

} // namespace ui
