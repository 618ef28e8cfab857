// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser_pages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

const QString RunFolderPattern = u"quillarc-pages-"_s;

// The folder opened and locked; -1 when it cannot be opened or another open file holds its
// lock: a run that still lives.
int lockFolder(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor >= 0 && ::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

// Whether the path still names the folder that is open.
bool namesFolder(const QString &path, int descriptor)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(descriptor, &open) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

} // namespace

BrowserPages::~BrowserPages()
{
    if (m_lock >= 0)
        ::close(m_lock); // the folder stays, for the browser and for the next start
}

QString BrowserPages::temporaryFolder()
{
    // QDir::tempPath() is empty for a TMPDIR that names nothing, which would put the pages
    // into the working folder.
    const QString temporary = QDir::tempPath();
    return QFileInfo(temporary).isDir() ? temporary : u"/tmp"_s;
}

void BrowserPages::removeEndedRuns()
{
    // Matched by hand: a name filter would compile a pattern, which costs start-up memory.
    QDirIterator entries(temporaryFolder(), QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QFileInfo folder(entries.next());
        if (!folder.fileName().startsWith(RunFolderPattern))
            continue;
        // A run that lives holds the lock; another user's folder does not open.
        const int descriptor = lockFolder(folder.filePath());
        if (descriptor < 0)
            continue;
        QDir(folder.filePath()).removeRecursively();
        ::close(descriptor);
    }
}

bool BrowserPages::holdsRunFolder() const
{
    return m_lock >= 0 && namesFolder(m_path, m_lock);
}

Result<> BrowserPages::makeRunFolder()
{
    if (m_lock >= 0)
        ::close(m_lock); // the old folder is left to the next start
    m_lock = -1;
    m_path.clear();
    // A start that removes ended runs may take a folder made but not yet locked for one of
    // them; another is made then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Made for this user alone: the pages may name private places.
        QTemporaryDir folder(QDir(temporaryFolder()).filePath(RunFolderPattern + u"XXXXXX"_s));
        if (!folder.isValid())
            return Failure{folder.errorString()};
        folder.setAutoRemove(false);
        const int descriptor = lockFolder(folder.path());
        if (descriptor >= 0 && namesFolder(folder.path(), descriptor)) {
            m_path = folder.path();
            m_lock = descriptor;
            return {};
        }
        if (descriptor >= 0)
            ::close(descriptor);
    }
    return Failure{
        u"No folder for the page could be made under \"%1\"."_s.arg(QDir::toNativeSeparators(temporaryFolder()))};
}

Result<QString> BrowserPages::folderFor(const QObject *window)
{
    std::erase_if(m_pages, [](const Page &page) { return page.window.isNull(); });
    const auto kept =
        std::find_if(m_pages.begin(), m_pages.end(), [window](const Page &page) { return page.window == window; });
    const QString name = window && kept != m_pages.end() ? kept->name : QString::number(++m_made);
    if (window && kept == m_pages.end())
        m_pages.push_back({window, name});
    // A run's folder that is gone or refuses the page's folder is replaced once.
    QString folder;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!holdsRunFolder()) {
            if (const Result<> made = makeRunFolder(); !made)
                return Failure{made.error()};
        }
        folder = QDir(m_path).filePath(name);
        QDir(folder).removeRecursively();
        if (QDir().mkdir(folder))
            return folder;
        m_path.clear(); // no longer held: made anew
    }
    return Failure{u"The folder \"%1\" could not be made."_s.arg(QDir::toNativeSeparators(folder))};
}

} // namespace ui
