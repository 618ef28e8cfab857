// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_services.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"
#include "ui/page_saver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

// "Save as HTML" against places that refuse the page: a save either puts every byte into
// the file or leaves the old file as it was, with no temporary file behind and a message
// that names the file and the reason.

namespace {

const QByteArray OldPage = "<html>\r\n<body>the page as it was</body>\r\n</html>\r\n";

// A page of a few hundred bytes, as a rollover or a button makes.
std::string smallPage()
{
    std::string page = "<html>\r\n<head>\r\n";
    for (int i = 0; i < 8; ++i)
        page += "<script>var Image" + std::to_string(i) + " = new Image();</script>\r\n";
    return page + "</head>\r\n<body></body>\r\n</html>\r\n";
}

// Saves the page through a window's saver answering the dialog with the path; checks that
// the failure was reported and nothing but the old content stays.
void expectRefusedSave(const QString &path, const std::string &page, const QString &folder)
{
    const QStringList before = testfiles::entriesOf(folder);
    const QByteArray old = testfiles::contentOf(path);
    FakeServices services;
    ui::PageSaver saver({u"HTM(L) Files *.html,*.htm "_s, u"*.html;*.htm"_s});
    services.answerSave(path);
    QVERIFY2(!saver.save(nullptr, services, page), "a failed save was reported as done");
    QCOMPARE(testfiles::contentOf(path), old);
    QCOMPARE(testfiles::entriesOf(folder), before);
    QCOMPARE(services.messages.size(), 1);
    const QString prefix = u"The page could not be saved as \"%1\".\n\n"_s.arg(QDir::toNativeSeparators(path));
    QVERIFY2(services.messages[0].text.startsWith(prefix), qPrintable(services.messages[0].text));
    QVERIFY2(services.messages[0].text.size() > prefix.size(), "the message gives no reason");
    QCOMPARE(services.messages[0].title, u"Quillarc 2"_s);
}

} // namespace

class TestSaveRobustness final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temporary->isValid());
    }

    void fullDisk_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("size");
        QTest::newRow("small page over an existing page") << true << 0;
        QTest::newRow("small page under a new name") << false << 0;
        QTest::newRow("1 MB page over an existing page") << true << (1 << 20);
    }
    void fullDisk()
    {
        QFETCH(bool, existing);
        QFETCH(int, size);
        const QString folder = m_temporary->filePath(u"full"_s);
        QVERIFY(QDir().mkpath(folder));
        if (const std::optional<QString> refused = hostile::mountSmallFileSystem(folder))
            QSKIP(qPrintable(u"the full disk case is skipped: "_s + *refused));
        const auto unmount = qScopeGuard([&folder] { hostile::unmount(folder); });
        const QString page = QDir(folder).filePath(u"page.html"_s);
        if (existing)
            QVERIFY(testfiles::writeFile(page, OldPage));
        QVERIFY(hostile::fillUp(folder));
        expectRefusedSave(page, size == 0 ? smallPage() : std::string(size_t(size), 'x'), folder);
        if (!existing)
            QVERIFY(!QFile::exists(page));
    }

    void missingFolder()
    {
        const QString folder = m_temporary->filePath(u"gone"_s);
        expectRefusedSave(QDir(folder).filePath(u"page.html"_s), smallPage(), m_temporary->path());
        QVERIFY(!QFile::exists(folder));
    }

    void pathIsAFolder()
    {
        const QString path = m_temporary->filePath(u"page.html"_s);
        QVERIFY(QDir().mkpath(path));
        QVERIFY(testfiles::writeFile(QDir(path).filePath(u"inside.txt"_s), OldPage));
        expectRefusedSave(path, smallPage(), m_temporary->path());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(testfiles::contentOf(QDir(path).filePath(u"inside.txt"_s)), OldPage);
    }

    void nameWithQuotesAndANewline()
    {
        // Any byte but '/' may stand in a name here: the page is written under exactly it.
        const QString path = m_temporary->filePath(u"my \"best\"\npage's.html"_s);
        QVERIFY(testfiles::writeFile(path, OldPage));
        FakeServices services;
        ui::PageSaver saver({u"HTM(L) Files *.html,*.htm "_s, u"*.html;*.htm"_s});
        services.answerSave(path);
        QVERIFY(saver.save(nullptr, services, smallPage()));
        QCOMPARE(testfiles::contentOf(path), QByteArray::fromStdString(smallPage()));
        QCOMPARE(testfiles::entriesOf(m_temporary->path()), QStringList{u"my \"best\"\npage's.html"_s});
        QVERIFY(services.messages.isEmpty());

        // A failure names such a file exactly as it was chosen.
        expectRefusedSave(m_temporary->filePath(u"no \"such\"\nfolder/page.html"_s), smallPage(), m_temporary->path());
    }

    // Root writes past every permission, so as root these run again as the user nobody.
    void unprivileged_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<bool>("readOnlyPage");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("rootsPageInStickyFolder"); // root sets it up before the run as nobody
        QTest::newRow("read-only folder, existing page") << true << false << true << false;
        QTest::newRow("read-only folder, new page") << true << false << false << false;
        QTest::newRow("read-only page") << false << true << true << false;
        QTest::newRow("read-only page in a read-only folder") << true << true << true << false;
        // The sticky bit lets none but root replace root's page: every byte is written, and only
        // the rename fails.
        QTest::newRow("root's writable page in a sticky folder") << false << false << true << true;
    }
    void unprivileged()
    {
        QFETCH(bool, rootsPageInStickyFolder);
        if (hostile::runsAsRoot()) {
            // Only root can own the page; the run as nobody finds its folder in the environment.
            std::optional<QTemporaryDir> sticky;
            if (rootsPageInStickyFolder) {
                sticky.emplace(u"/tmp/quillarc-sticky-XXXXXX"_s);
                QVERIFY(sticky->isValid());
                QCOMPARE(::chmod(QFile::encodeName(sticky->path()).constData(), 01777), 0);
                const QString page = sticky->filePath(u"page.html"_s);
                QVERIFY(testfiles::writeFile(page, OldPage));
                QCOMPARE(::chmod(QFile::encodeName(page).constData(), 0666), 0);
                qputenv("QUILLARC_STICKY_FOLDER", QFile::encodeName(sticky->path()));
            }
            const auto unset = qScopeGuard([] { qunsetenv("QUILLARC_STICKY_FOLDER"); });
            if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                QFAIL(qPrintable(*failure));
            return;
        }
        if (rootsPageInStickyFolder) {
            const QString folder = qEnvironmentVariable("QUILLARC_STICKY_FOLDER");
            if (folder.isEmpty())
                QSKIP("only a run as root can set up a page of root's");
            const QString page = QDir(folder).filePath(u"page.html"_s);
            QCOMPARE(QFileInfo(page).ownerId(), 0u);
            QVERIFY(QFileInfo(page).isWritable()); // so that the save gets as far as the rename
            expectRefusedSave(page, smallPage(), folder);
            return;
        }
        QFETCH(bool, readOnlyFolder);
        QFETCH(bool, readOnlyPage);
        QFETCH(bool, existing);
        const QString folder = m_temporary->filePath(u"pages"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString page = QDir(folder).filePath(u"page.html"_s);
        if (existing)
            QVERIFY(testfiles::writeFile(page, OldPage));
        if (readOnlyPage)
            QVERIFY(QFile::setPermissions(page, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const auto writable = qScopeGuard(
            [&folder] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        expectRefusedSave(page, smallPage(), folder);
        if (!existing)
            QVERIFY(!QFile::exists(page));
    }

private:
    std::unique_ptr<QTemporaryDir> m_temporary;
};

QTEST_MAIN(TestSaveRobustness)
#include "test_save_robustness.moc"
