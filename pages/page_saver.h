// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/services.h"

#include <QStringList>

#include <string>

class QWidget;

namespace ui {

// The path a page is saved under: as chosen, with ".html" after a file name that has no
// extension, so that the page opens as one.
QString withPageExtension(const QString &path);

// "Save as HTML" of one window: asks for a file name with the window's filter, proposing
// the name chosen last in this window, or the folder of pages last used, and writes the page
// atomically. A page that cannot
// be written is reported in a message box; a cancelled dialog writes and says nothing.
// When the folder of a written page lacks a picture the page names, one question offers to
// copy the missing pictures there; a different file under a picture's name is named and left.
// A page is never written over one of its pictures.
class PageSaver final {
public:
    explicit PageSaver(FileFilter filter);

    // True when the page was written. pictures: the full paths of the pictures the page names.
    bool save(QWidget *parent, Services &services, const std::string &page, const QStringList &pictures = {});
    const QString &lastName() const { return m_lastName; }
    // What the note says of the last page written: its name, and the pictures it names that
    // were not copied beside it.
    QString note() const;

private:
    FileFilter m_filter;
    QString m_lastName;
    QStringList m_notCopied; // file names
};

} // namespace ui
