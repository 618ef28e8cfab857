// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser_pages.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace ui {

BrowserPages::BrowserPages() = default;
BrowserPages::~BrowserPages() = default;

Result<QString> BrowserPages::newFolder()
{
    if (!m_folder) {
        // Made for this user alone: the pages may name private places.
        auto folder = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath(u"quillarc-pages-XXXXXX"_s));
        if (!folder->isValid())
            return Failure{folder->errorString()};
        m_folder = std::move(folder);
    }
    // Numbered on: a folder left by a failed page is never used again.
    const QString name = QString::number(++m_pages);
    if (!QDir(m_folder->path()).mkdir(name))
        return Failure{
            u"The folder \"%1\" could not be made."_s.arg(QDir::toNativeSeparators(m_folder->filePath(name)))};
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
