// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser_pages.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace ui {

BrowserPages::BrowserPages() = default;
BrowserPages::~BrowserPages() = default;

std::optional<QString> BrowserPages::newFolder(QString &reason)
{
    if (!m_folder) {
        // Made for this user alone: the pages may name private places.
        auto folder = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath(u"quillarc-pages-XXXXXX"_s));
        if (!folder->isValid()) {
            reason = folder->errorString();
            return std::nullopt;
        }
        m_folder = std::move(folder);
    }
    // Numbered on: a folder left by a failed page is never used again.
    const QString name = QString::number(++m_pages);
    if (!QDir(m_folder->path()).mkdir(name)) {
        reason = u"The folder \"%1\" could not be made."_s.arg(QDir::toNativeSeparators(m_folder->filePath(name)));
        return std::nullopt;
    }
    return m_folder->filePath(name);
}

QString BrowserPages::path() const
{
    return m_folder ? m_folder->path() : QString();
}

void BrowserPages::remove()
{
    m_folder.reset();
}

} // namespace ui
