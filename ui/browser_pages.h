// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/result.h"

#include <QPointer>
#include <QString>

#include <vector>

class QObject;

namespace ui {

// The folder of this run's own under the user's temporary folder that holds the pages shown
// in the browser, a folder in it for each window's page. The pages outlive the run, for a
// browser that starts late: a later start removes the folders of runs that have ended. A run
// holds a lock on its folder, which the system lets go when the process ends, however it ends.
class BrowserPages final {
public:
    BrowserPages() = default;
    ~BrowserPages();
    BrowserPages(const BrowserPages &) = delete;
    BrowserPages &operator=(const BrowserPages &) = delete;

    // The window's own folder, empty: the same one at every call for one window, so that its
    // new page replaces the one before. A run's folder that was deleted or cannot be written
    // is made anew. Without a window, a new folder each time.
    Result<QString> folderFor(const QObject *window);
    // The run's folder; empty before the first page.
    QString path() const { return m_path; }

    // Removes the folders under the temporary folder of runs that have ended.
    static void removeEndedRuns();
    // The user's temporary folder: TMPDIR, or /tmp where TMPDIR names no folder, as
    // QDir::tempPath() documents; never the working folder.
    static QString temporaryFolder();

private:
    Result<> makeRunFolder();
    bool holdsRunFolder() const;

    struct Page {
        QPointer<const QObject> window;
        QString name;
    };

    QString m_path;
    int m_lock = -1; // the run's folder, open and locked
    std::vector<Page> m_pages;
    int m_made = 0; // the folders for pages made so far, which name them
};

} // namespace ui
