// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/twice_density.h"

#include "ui/files.h"
#include "ui/html_text.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

QString twiceDensitySibling(const QString &picture)
{
    if (picture.isEmpty())
        return {};
    const QFileInfo info(picture);
    const QString sibling =
        info.dir().filePath(QString::fromStdString(TwiceDensityName(info.fileName().toStdString())));
    return QFileInfo(sibling).isFile() ? sibling : QString();
}

std::string twiceDensitySource(const QString &picture)
{
    const QString sibling = twiceDensitySibling(picture);
    return sibling.isEmpty() ? std::string() : urlFromFileName(fileNameOf(sibling)).toStdString();
}

QStringList withTwiceDensitySiblings(const QStringList &pictures)
{
    QStringList all;
    for (const QString &picture : pictures) {
        all.append(picture);
        if (const QString sibling = twiceDensitySibling(picture); !sibling.isEmpty())
            all.append(sibling);
    }
    return all;
}

} // namespace ui
