// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_saver.h"

#include "pages/page_pictures.h"
#include "ui/files.h"
#include "ui/note.h"
#include "ui/remembered_places.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ui {

QString withPageExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(name).suffix().isEmpty())
        return path;
    return path + (name.endsWith(u'.') ? u"html"_s : u".html"_s);
}

PageSaver::PageSaver(FileFilter filter)
    : m_filter(std::move(filter))
{}

bool PageSaver::save(QWidget *parent, Services &services, const std::string &page, const QStringList &pictures)
{
    const std::optional<QString> chosen =
        services.saveFileName(parent, {m_filter, QString(), proposedPath(services, FileKind::Pages, m_lastName)});
    if (!chosen || chosen->isEmpty())
        return false;
    rememberFolder(services, FileKind::Pages, *chosen);
    // A name typed without an extension would not open as a page.
    const QString path = withPageExtension(*chosen);
    m_lastName = path;
    m_notCopied.clear();
    // The page would take the picture's place, and the picture is what the page shows.
    const QString target = QFileInfo(path).canonicalFilePath();
    for (const QString &picture : pictures) {
        if (!target.isEmpty() && QFileInfo(picture).canonicalFilePath() == target) {
            services.showError(parent, u"Quillarc 2"_s,
                               u"The page was not saved: \"%1\" is a picture that the page shows."_s.arg(
                                   QDir::toNativeSeparators(picture)));
            return false;
        }
    }
    if (const Result<> written = writeFileAtomically(path, page); !written) {
        services.showError(parent, u"Quillarc 2"_s, pageNotSaved(path, written.error()));
        return false;
    }
    // Asked once the page is there: a page that could not be written needs no pictures.
    const QString folder = QFileInfo(path).absolutePath();
    const PicturesBeside beside = picturesBeside(pictures, folder);
    m_notCopied = beside.different;
    if (beside.missing.isEmpty())
        return true;
    QString question = u"Copy the pictures next to the page?"_s;
    for (const QString &name : beside.different)
        question += u"\n\nA different file is already there: %1; it is left as it is."_s.arg(name);
    if (services.askYesNo(parent, u"Quillarc 2"_s, question)) {
        if (const Result<> copied = copyPictures(beside.missing, folder); !copied)
            services.showError(parent, u"Quillarc 2"_s, copied.error());
    }
    // What is still missing: all after a No, the copies that failed after a Yes.
    for (const QString &missing : beside.missing)
        if (!samePicture(QDir(folder).filePath(fileNameOf(missing)), missing))
            m_notCopied.append(fileNameOf(missing));
    return true;
}

QString PageSaver::note() const
{
    const QString saved = savedNote(m_lastName);
    return m_notCopied.isEmpty() ? saved : saved + u"; pictures not copied: "_s + m_notCopied.join(u", "_s);
}

} // namespace ui
