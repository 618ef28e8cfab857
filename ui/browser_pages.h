// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/result.h"

#include <QString>

#include <memory>

class QTemporaryDir;

namespace ui {

// The folder of this run's own under the user's temporary folder that holds the pages shown
// in the browser, each in a folder of its own. It is made for the first page and goes, with
// everything in it, when this object goes or remove() is called.
class BrowserPages final {
public:
    BrowserPages();
    ~BrowserPages();
    BrowserPages(const BrowserPages &) = delete;
    BrowserPages &operator=(const BrowserPages &) = delete;

    // A new empty folder for one page.
    Result<QString> newFolder();
    // The run's folder; empty before the first page.
    QString path() const;
    // Removes the run's folder now; the next page makes a new one.
    void remove();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    int m_pages = 0;
};

} // namespace ui
