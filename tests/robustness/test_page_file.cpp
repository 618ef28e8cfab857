// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_file.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// A user's own page for "Insert into Page": written only while it holds what was read, kept as
// it was in the data folder, never left half-written, and every refusal names the page and why.

namespace {

const QByteArray OldPage = "<html>\r\n<body>the user's page</body>\r\n</html>\r\n";
const std::string NewPage = "<html>\r\n<body>the user's page<script>var Image1;</script></body>\r\n</html>\r\n";
const QByteArray TheirChange = "<html>their change</html>";

QString backups()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/backups"_s;
}

template <typename T> QString errorOf(const ui::Result<T> &result)
{
    return result ? QString() : result.error();
}

template <typename T> void expectRefused(const ui::Result<T> &result, const QString &page, const QString &reason)
{
    QVERIFY(!result);
    const QString prefix = u"Nothing was written to \"%1\": "_s.arg(QDir::toNativeSeparators(page));
    QVERIFY2(result.error().startsWith(prefix) && result.error().contains(reason), qPrintable(result.error()));
}

int hardLink(const QString &from, const QString &to)
{
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
}

int changeMode(const QString &path, int mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode_t(mode));
}

int modeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

} // namespace

class TestPageFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temporary->isValid());
        QVERIFY(QDir(backups()).removeRecursively());
    }

    // Root passes every permission check, so as root each row runs again as the user nobody.
    void readRefuses_data()
    {
        QTest::addColumn<QString>("kind"); // "link", "large" or "" for a plain page
        QTest::addColumn<int>("pageMode");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("asRoot"); // refused as root too
        QTest::addColumn<QString>("reason");
        const QString readOnly = u"the page is read-only"_s;
        QTest::newRow("a second hard link") << u"link"_s << 0644 << 0755 << true << u"has 2 names (hard links)."_s;
        QTest::newRow("larger than 64 MiB") << u"large"_s << 0644 << 0755 << true << u"larger than 64 MiB"_s;
        QTest::newRow("page 0444") << QString() << 0444 << 0755 << true << readOnly;
        QTest::newRow("page 0466, whose owner may not write") << QString() << 0466 << 0755 << false << readOnly;
        QTest::newRow("folder 0555") << QString() << 0644 << 0555 << false << u"no new file may be made"_s;
    }
    void readRefuses()
    {
        QFETCH(QString, kind);
        QFETCH(int, pageMode);
        QFETCH(int, folderMode);
        QFETCH(bool, asRoot);
        QFETCH(QString, reason);
        const QString folder = m_temporary->filePath(u"pages"_s);
        const QString page = folder + u"/page.html"_s;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(testfiles::writeFile(page, OldPage));
        if (kind == u"link"_s)
            QCOMPARE(hardLink(page, folder + u"/other.html"_s), 0);
        if (kind == u"large"_s)
            QVERIFY(QFile::resize(page, (64 << 20) + 1));
        QCOMPARE(changeMode(page, pageMode) + changeMode(folder, folderMode), 0);
        const auto writable = qScopeGuard([&folder] { changeMode(folder, 0755); });
        const QStringList before = testfiles::entriesOf(folder);
        const ui::Result<ui::PageFile> read = ui::readPage(page);
        if (asRoot || !hostile::runsAsRoot())
            expectRefused(read, page, reason);
        else
            QCOMPARE(errorOf(read), QString());
        QCOMPARE(testfiles::entriesOf(folder), before);
        if (kind == u"link"_s)
            QCOMPARE(testfiles::contentOf(page) + testfiles::contentOf(folder + u"/other.html"_s), OldPage + OldPage);
        if (hostile::runsAsRoot()) {
            if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                QFAIL(qPrintable(*failure));
        }
    }

    // Between readPage and writePage the page changes, or the disk fills.
    void writeRefuses_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason");
        QTest::newRow("another program saved the page") << u"saved"_s << u"another program changed the page"_s;
        QTest::newRow("a second hard link made") << u"link"_s << u"has 2 names (hard links)."_s;
        QTest::newRow("a full disk") << u"full"_s << u"No space left on device"_s;
    }
    void writeRefuses()
    {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        const QString folder = m_temporary->filePath(u"pages"_s);
        const QString page = folder + u"/page.html"_s;
        QVERIFY(QDir().mkpath(folder));
        const std::optional<QString> refused =
            change == u"full"_s ? hostile::mountSmallFileSystem(folder) : std::optional<QString>();
        if (refused)
            QSKIP(qPrintable(u"the full disk case is skipped: "_s + *refused));
        const auto unmount = qScopeGuard([&] {
            if (change == u"full"_s)
                hostile::unmount(folder);
        });
        QVERIFY(testfiles::writeFile(page, OldPage));
        const ui::Result<ui::PageFile> read = ui::readPage(page);
        QCOMPARE(errorOf(read), QString());
        // A change of the same length, which only the bytes tell.
        const QByteArray theirs = change == u"saved"_s ? QByteArray(OldPage).replace("user's", "USER'S") : OldPage;
        QVERIFY(change != u"saved"_s || testfiles::writeFile(page, theirs));
        QVERIFY(change != u"link"_s || hardLink(page, folder + u"/other.html"_s) == 0);
        QVERIFY(change != u"full"_s || hostile::fillUp(folder));
        const QStringList before = testfiles::entriesOf(folder);
        expectRefused(ui::writePage(*read, NewPage), page, reason);
        QCOMPARE(testfiles::contentOf(page), theirs);
        QCOMPARE(testfiles::entriesOf(folder), before);
        QCOMPARE(testfiles::entriesOf(backups()), QStringList());
    }

    void writeAndUndo_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("nobodys");
        QTest::addColumn<bool>("changedBeforeUndo");
        QTest::newRow("page 0644") << 0644 << false << false << false;
        QTest::newRow("page 0640") << 0640 << false << false << false;
        QTest::newRow("page 0460, which root's write bit would change") << 0460 << false << false << false;
        QTest::newRow("through a symbolic link") << 0644 << true << false << false;
        QTest::newRow("page of the user nobody") << 0644 << false << true << false;
        QTest::newRow("changed by another program before Undo") << 0644 << false << false << true;
    }
    void writeAndUndo()
    {
        QFETCH(int, mode);
        QFETCH(bool, throughLink);
        QFETCH(bool, nobodys);
        QFETCH(bool, changedBeforeUndo);
        const QString page = m_temporary->filePath(u"page.html"_s);
        const QString chosen = throughLink ? m_temporary->filePath(u"link.html"_s) : page;
        QVERIFY(testfiles::writeFile(page, OldPage));
        QCOMPARE(changeMode(page, mode), 0);
        const passwd *nobody = ::getpwnam("nobody");
        if (nobodys && (!hostile::runsAsRoot() || !nobody))
            QSKIP("only root can give a page to the user nobody");
        const uint owner = nobodys ? nobody->pw_uid : ::geteuid();
        QVERIFY(!nobodys || ::chown(QFile::encodeName(page).constData(), owner, nobody->pw_gid) == 0);
        QVERIFY(!throughLink || QFile::link(page, chosen));
        const QStringList entries = testfiles::entriesOf(m_temporary->path());
        const ui::Result<ui::PageFile> read = ui::readPage(chosen);
        QCOMPARE(errorOf(read), QString());
        const ui::Result<ui::PageWrite> written = ui::writePage(*read, NewPage);
        QCOMPARE(errorOf(written), QString());
        QCOMPARE(testfiles::contentOf(page), QByteArray::fromStdString(NewPage));
        QCOMPARE(QFileInfo(chosen).isSymLink(), throughLink);
        QCOMPARE(QFileInfo(page).ownerId(), owner);
        QCOMPARE(modeOf(page), mode);
        QCOMPARE(testfiles::entriesOf(m_temporary->path()), entries);
        QCOMPARE(QFileInfo(written->backup).absolutePath(), backups());
        QVERIFY(QFileInfo(written->backup).fileName().startsWith(u"page.html."_s));
        QVERIFY(!changedBeforeUndo || testfiles::writeFile(page, TheirChange));
        if (changedBeforeUndo)
            expectRefused(
                ui::undoPageWrite(*written), page,
                u"the page was changed since Quillarc wrote it, so Undo leaves it as it is. The page as it was before stays at \"%1\"."_s
                    .arg(QDir::toNativeSeparators(written->backup)));
        else
            QCOMPARE(errorOf(ui::undoPageWrite(*written)), QString());
        QCOMPARE(testfiles::contentOf(page), changedBeforeUndo ? TheirChange : OldPage);
        QCOMPARE(testfiles::contentOf(written->backup), OldPage);
        QCOMPARE(modeOf(page), mode);
        QCOMPARE(testfiles::entriesOf(m_temporary->path()), entries);
    }

    void editorLocks_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("locks"); // ".#" ones are made as links to nothing
        QTest::newRow("none") << u"page.html"_s << QStringList();
        QTest::newRow("emacs") << u"page.html"_s << QStringList{u".#page.html"_s};
        QTest::newRow("vim") << u"page.html"_s << QStringList{u".page.html.swp"_s};
        QTest::newRow("the link's and its target's")
            << u"link.html"_s << QStringList{u".#link.html"_s, u".page.html.kate-swp"_s};
    }
    void editorLocks()
    {
        QFETCH(QString, chosen);
        QFETCH(QStringList, locks);
        QVERIFY(testfiles::writeFile(m_temporary->filePath(u"page.html"_s), OldPage));
        QVERIFY(QFile::link(m_temporary->filePath(u"page.html"_s), m_temporary->filePath(u"link.html"_s)));
        // Names an editor leaves for other files, or that are no lock at all.
        for (const QString &decoy : {u".#index.html"_s, u"page.html.swp"_s, u".page.html~"_s})
            QVERIFY(testfiles::writeFile(m_temporary->filePath(decoy), "x"));
        for (const QString &lock : locks) {
            const QString path = m_temporary->filePath(lock);
            QVERIFY(lock.startsWith(u".#"_s) ? QFile::link(u"user@host.1234:1700000000"_s, path)
                                             : testfiles::writeFile(path, "swap"));
        }
        QStringList found;
        for (const QString &lock : ui::editorLocks(m_temporary->filePath(chosen)))
            found.append(QFileInfo(lock).fileName());
        QCOMPARE(found, locks);
    }

private:
    std::unique_ptr<QTemporaryDir> m_temporary;
};

QTEST_MAIN(TestPageFile)
#include "test_page_file.moc"
