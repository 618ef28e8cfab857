// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_saver.h"
#include "tests/support/fake_services.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
void expectRefusedSave(const QString &path, const std::string &page, const QString &folder, const QString &reason = {})
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
    if (!reason.isEmpty())
        QCOMPARE(services.messages[0].text, prefix + reason);
    QCOMPARE(services.messages[0].title, u"Quillarc 2"_s);
}

// What stands at the path, its own type not followed: a link's target, "FIFO", or the text.
QString standing(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return u"link to "_s + info.symLinkTarget();
    return info.exists() && !info.isFile() ? u"FIFO"_s : QString::fromUtf8(testfiles::contentOf(path));
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
        QTest::newRow("70 KB page under a new name") << false << 70 * 1024;
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
        expectRefusedSave(page, size == 0 ? smallPage() : std::string(size_t(size), 'x'), folder,
                          u"No space left on device"_s);
        if (!existing)
            QVERIFY(!QFile::exists(page));
    }

    // The pictures a/up.png and b/over.png, or b/up.png, go beside a page in pages/, answered Yes.
    void copiesBesideThePage_data()
    {
        QTest::addColumn<QString>("second");  // the second picture
        QTest::addColumn<QString>("change");  // made while the question is open; "dangling" before it
        QTest::addColumn<QString>("message"); // %1 stands for the temporary folder
        QTest::addColumn<QString>("upThere"); // what stands at pages/up.png afterwards
        const QString exists = u"The picture could not be copied as \"%1/pages/up.png\".\n\nFile exists"_s;
        QTest::newRow("a link made at the name")
            << u"b/over.png"_s << u"link"_s << exists << u"link to %1/victim.txt"_s;
        QTest::newRow("a FIFO made at the name") << u"b/over.png"_s << u"fifo"_s << exists << u"FIFO"_s;
        QTest::newRow("the picture swapped for a FIFO")
            << u"b/over.png"_s << u"swap"_s
            << u"The picture could not be copied as \"%1/pages/up.png\".\n\n\"%1/a/up.png\" is not a regular file."_s
            << u"<missing>"_s;
        QTest::newRow("a link to nothing there before")
            << u"b/over.png"_s << u"dangling"_s << QString() << u"link to %1/victim.txt.gone"_s;
        QTest::newRow("two pictures of one name") << u"b/up.png"_s << QString() << QString() << u"a/up.png"_s;
    }
    void copiesBesideThePage()
    {
        QFETCH(QString, second);
        QFETCH(QString, change);
        QFETCH(QString, message);
        QFETCH(QString, upThere);
        const QString pages = m_temporary->filePath(u"pages"_s);
        const QString up = QDir(pages).filePath(u"up.png"_s);
        const QString first = m_temporary->filePath(u"a/up.png"_s);
        for (const QString &folder : {u"a"_s, u"b"_s, u"pages"_s})
            QVERIFY(QDir(m_temporary->path()).mkpath(folder));
        for (const QString &picture : {u"a/up.png"_s, second})
            QVERIFY(testfiles::writeFile(m_temporary->filePath(picture), picture.toUtf8()));
        QVERIFY(testfiles::writeFile(victim(), "victim"));
        if (change == u"dangling"_s)
            QVERIFY(QFile::link(victim() + u".gone"_s, up));
        FakeServices services;
        services.answerSave(QDir(pages).filePath(u"page.html"_s));
        services.answerYesNo(true, [&] {
            if (change == u"link"_s)
                QFile::link(victim(), up);
            if (change == u"swap"_s)
                QFile::remove(first);
            if (change == u"fifo"_s || change == u"swap"_s)
                ::mkfifo(QFile::encodeName(change == u"fifo"_s ? up : first).constData(), 0600);
        });
        ui::PageSaver saver({u"HTM(L) Files *.html,*.htm "_s, u"*.html;*.htm"_s});
        hostile::FifoWatchdog watchdog(change == u"fifo"_s ? up : first);
        QVERIFY(saver.save(nullptr, services, smallPage(), {first, m_temporary->filePath(second)}));
        QVERIFY2(!watchdog.stop(), "the copy waited on a FIFO");
        const QString different = u"\n\nA different file is already there: up.png; it is left as it is."_s;
        QCOMPARE(services.questions.constLast().prompt,
                 u"Copy the pictures next to the page?"_s + (change == u"dangling"_s ? different : QString()));
        QCOMPARE(services.messages.value(0).text, message.replace(u"%1"_s, m_temporary->path()));
        QCOMPARE(standing(up), upThere.replace(u"%1"_s, m_temporary->path()));
        QCOMPARE(testfiles::contentOf(victim()), QByteArray("victim"));
        if (!second.endsWith(u"up.png"_s))
            QCOMPARE(testfiles::contentOf(QDir(pages).filePath(u"over.png"_s)), second.toUtf8());
    }

    void aPageNeverReplacesItsPicture()
    {
        const QString picture = m_temporary->filePath(u"up.png"_s);
        QVERIFY(testfiles::writeFile(picture, "picture"));
        QVERIFY(QFile::link(picture, m_temporary->filePath(u"link.html"_s)));
        for (const QString &name : {u"up.png"_s, u"link.html"_s}) {
            FakeServices services;
            ui::PageSaver saver({u"HTM(L) Files *.html,*.htm "_s, u"*.html;*.htm"_s});
            services.answerSave(m_temporary->filePath(name));
            QVERIFY(!saver.save(nullptr, services, smallPage(), {picture}));
            QCOMPARE(services.messages.value(0).text,
                     u"The page was not saved: \"%1\" is a picture that the page shows."_s.arg(picture));
        }
        QCOMPARE(testfiles::contentOf(picture), QByteArray("picture"));
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
    QString victim() const { return m_temporary->filePath(u"victim.txt"_s); }

    std::unique_ptr<QTemporaryDir> m_temporary;
};

QTEST_MAIN(TestSaveRobustness)
#include "test_save_robustness.moc"
