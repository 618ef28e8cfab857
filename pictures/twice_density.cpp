// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/twice_density.h"

#include "text/html_text.h"
#include "ui/files.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

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

QString codeFilesNote(const QStringList &boxTexts, const QStringList &picked, bool modern)
{
    QStringList names;
    for (qsizetype i = 0; i < boxTexts.size(); ++i) {
        const QString path = picked.value(i);
        if (path.isEmpty()) {
            if (!boxTexts[i].isEmpty())
                names.append(QUrl::fromPercentEncoding(boxTexts[i].toUtf8()));
            continue;
        }
        names.append(fileNameOf(path));
        if (const QString sibling = twiceDensitySibling(path); modern && !sibling.isEmpty())
            names.append(fileNameOf(sibling));
    }
    names.removeDuplicates();
    return names.isEmpty() ? QString() : QStringLiteral("Files the code uses: ") + names.join(QStringLiteral(", "));
}

} // namespace ui
