// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_run_marker.h"

#include "ui/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString MarkerName = u"hasran.txt"_s;

// True when the marker was written. Only a regular file, or no file, is replaced: a name
// that is (or links to) a FIFO, a device or a folder is left alone.
bool writeMarkerAt(const QString &path)
{
    return ui::isRegularOrMissing(path) && ui::writeFileAtomically(path, "Yes\r\n").ok();
}

} // namespace

FirstRunMarker::FirstRunMarker(QString applicationFolder, QString userFolder)
    : m_applicationFolder(std::move(applicationFolder))
    , m_userFolder(std::move(userFolder))
{}

FirstRunMarker FirstRunMarker::forApplication()
{
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)};
}

QString FirstRunMarker::applicationPath() const
{
    return QDir(m_applicationFolder).filePath(MarkerName);
}

QString FirstRunMarker::userPath() const
{
    return m_userFolder.isEmpty() ? QString() : QDir(m_userFolder).filePath(MarkerName);
}

bool FirstRunMarker::saysYes() const
{
    // Case-sensitive and untrimmed: " Yes" and "yes" are not "Yes".
    if (ui::readFirstLine(applicationPath()) == "Yes")
        return true;
    return !userPath().isEmpty() && ui::readFirstLine(userPath()) == "Yes";
}

void FirstRunMarker::write() const
{
    if (writeMarkerAt(applicationPath()))
        return;
    if (userPath().isEmpty() || !QDir().mkpath(m_userFolder))
        return;
    writeMarkerAt(userPath());
}
