// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/page_saver.h"

#include "ui/files.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace ui {

PageSaver::PageSaver(FileFilter filter)
    : m_filter(std::move(filter))
{}

bool PageSaver::save(QWidget *parent, Services &services, const std::string &page)
{
    const std::optional<QString> path = services.saveFileName(parent, {m_filter, QString(), m_lastName});
    if (!path || path->isEmpty())
        return false;
    m_lastName = *path;
    if (const std::optional<QString> error = writeFileAtomically(*path, page)) {
        services.showError(
            parent, u"Quillarc 2"_s,
            u"The page could not be saved as \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(*path), *error));
        return false;
    }
    return true;
}

} // namespace ui
