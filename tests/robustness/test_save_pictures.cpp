// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/hostile_places.h"
#include "tests/support/page_windows.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;
using testwindows::click;

// "Save as HTML" into a folder that lacks the pictures the page names: one question offers
// copies, a different file under a picture's name is named and left, and a copy that fails
// is reported and leaves nothing half-written.

namespace {

const QString Question = u"Copy the pictures next to the page?"_s;
const QByteArray OtherBytes = "not the picture";

QString differentLine(const QString &name)
{
    return u"\n\nA different file is already there: %1; it is left as it is."_s.arg(name);
}

} // namespace

class TestSavePictures final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        m_temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temporary->isValid());
        QVERIFY(QDir().mkpath(pictures()));
        QVERIFY(QDir().mkpath(pages()));
        QVERIFY(testimages::writeGif(picture(u"up.gif"_s), 32, 32, Qt::red));
        QVERIFY(testimages::writePicture(picture(u"over.png"_s), 32, 32, Qt::blue));
        QVERIFY(testimages::writePicture(picture(u"down.bmp"_s), 32, 32, Qt::green));
    }
    void cleanup()
    {
        WindowTest::cleanup();
        m_temporary.reset();
    }

    void theQuestionIsAnswered_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("yes");
        QTest::newRow("rollover, Yes") << u"Form2"_s << true;
        QTest::newRow("rollover, No") << u"Form2"_s << false;
        QTest::newRow("button, Yes") << u"Form7"_s << true;
        QTest::newRow("button, No") << u"Form7"_s << false;
    }
    void theQuestionIsAnswered()
    {
        QFETCH(QString, window);
        QFETCH(bool, yes);
        const pagewindows::Ready ready = openReady(window);
        services().answerYesNo(yes);
        const int asked = save(ready);
        QCOMPARE(asked, 1);
        const FakeServices::Question &question = services().questions.constLast();
        QCOMPARE(question.kind, FakeServices::Question::YesNo);
        QCOMPARE(question.title, u"Quillarc 2"_s);
        QCOMPARE(question.prompt, Question);
        QStringList entries{u"page.html"_s};
        if (yes)
            entries += names(ready);
        entries.sort();
        QCOMPARE(testfiles::entriesOf(pages()), entries);
        for (const QString &path : ready.pictures) {
            if (yes)
                QCOMPARE(testfiles::contentOf(page(QFileInfo(path).fileName())), testfiles::contentOf(path));
        }
        QVERIFY(services().messages.isEmpty());
        QVERIFY(testfiles::contentOf(page(u"page.html"_s)).startsWith("<"));
        // The note names the pictures left behind.
        QCOMPARE(ready.window->findChild<QLabel *>(u"SaveNote"_s)->text(),
                 u"Saved as page.html"_s +
                     (yes ? QString() : u"; pictures not copied: "_s + names(ready).join(u", "_s)));
    }

    void picturesAlreadyThereAreNotAskedAbout_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("intoTheirOwnFolder"); // else copies of the same bytes stand there
        QTest::newRow("rollover, the pictures' own folder") << u"Form2"_s << true;
        QTest::newRow("rollover, copies already there") << u"Form2"_s << false;
        QTest::newRow("button, the pictures' own folder") << u"Form7"_s << true;
        QTest::newRow("button, copies already there") << u"Form7"_s << false;
    }
    void picturesAlreadyThereAreNotAskedAbout()
    {
        QFETCH(QString, window);
        QFETCH(bool, intoTheirOwnFolder);
        const pagewindows::Ready ready = openReady(window);
        const QString folder = intoTheirOwnFolder ? pictures() : pages();
        if (!intoTheirOwnFolder) {
            for (const QString &path : ready.pictures)
                QVERIFY(QFile::copy(path, page(QFileInfo(path).fileName())));
        }
        const QStringList before = testfiles::entriesOf(folder);
        QCOMPARE(save(ready, QDir(folder).filePath(u"page.html"_s)), 0);
        QVERIFY(QFileInfo(QDir(folder).filePath(u"page.html"_s)).isFile());
        QStringList after = before;
        after.append(u"page.html"_s);
        after.sort();
        QCOMPARE(testfiles::entriesOf(folder), after);
        QVERIFY(services().messages.isEmpty());
    }

    void aDifferentFileIsNamedAndLeft_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("othersMissing");
        QTest::newRow("rollover, the other picture missing") << u"Form2"_s << true;
        QTest::newRow("rollover, nothing missing") << u"Form2"_s << false;
        QTest::newRow("button, the others missing") << u"Form7"_s << true;
        QTest::newRow("button, nothing missing") << u"Form7"_s << false;
    }
    void aDifferentFileIsNamedAndLeft()
    {
        QFETCH(QString, window);
        QFETCH(bool, othersMissing);
        const pagewindows::Ready ready = openReady(window);
        QVERIFY(testfiles::writeFile(page(u"up.gif"_s), OtherBytes));
        if (!othersMissing) {
            for (const QString &path : ready.pictures.mid(1))
                QVERIFY(QFile::copy(path, page(QFileInfo(path).fileName())));
        }
        if (othersMissing)
            services().answerYesNo(true);
        QCOMPARE(save(ready), othersMissing ? 1 : 0);
        if (othersMissing)
            QCOMPARE(services().questions.constLast().prompt, Question + differentLine(u"up.gif"_s));
        QCOMPARE(testfiles::contentOf(page(u"up.gif"_s)), OtherBytes);
        for (const QString &path : ready.pictures.mid(1))
            QCOMPARE(testfiles::contentOf(page(QFileInfo(path).fileName())), testfiles::contentOf(path));
        QStringList entries = names(ready);
        entries.append(u"page.html"_s);
        entries.sort();
        QCOMPARE(testfiles::entriesOf(pages()), entries);
        QVERIFY(services().messages.isEmpty());
        QCOMPARE(ready.window->findChild<QLabel *>(u"SaveNote"_s)->text(),
                 u"Saved as page.html; pictures not copied: up.gif"_s);
    }

    // A disk with room for the page and the small picture, not for the large one.
    void fullDisk_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("rollover") << u"Form2"_s;
        QTest::newRow("button") << u"Form7"_s;
    }
    void fullDisk()
    {
        QFETCH(QString, window);
        QVERIFY(testimages::writePattern(picture(u"over.bmp"_s), 200, 200));
        QVERIFY(QFileInfo(picture(u"over.bmp"_s)).size() > 64 * 1024);
        const QString folder = m_temporary->filePath(u"full"_s);
        QVERIFY(QDir().mkpath(folder));
        if (const std::optional<QString> refused = hostile::mountSmallFileSystem(folder))
            QSKIP(qPrintable(u"the full disk case is skipped: "_s + *refused));
        const auto unmount = qScopeGuard([&folder] { hostile::unmount(folder); });
        const QString room = QDir(folder).filePath(u"room"_s);
        QVERIFY(testfiles::writeFile(room, QByteArray(16 * 1024, 'r')));
        QVERIFY(hostile::fillUp(folder));
        const QStringList filled = testfiles::entriesOf(folder);
        QVERIFY(QFile::remove(room));
        const pagewindows::Ready ready = pagewindows::openReady(
            workspace(), services(), window, false,
            window == u"Form2"_s ? QStringList{picture(u"up.gif"_s), picture(u"over.bmp"_s)}
                                 : QStringList{picture(u"up.gif"_s), picture(u"over.bmp"_s), picture(u"down.bmp"_s)});
        services().answerYesNo(true);
        QCOMPARE(save(ready, QDir(folder).filePath(u"page.html"_s)), 1);
        const QString copy = QDir(folder).filePath(u"over.bmp"_s);
        const QString prefix = u"The picture could not be copied as \"%1\".\n\n"_s.arg(QDir::toNativeSeparators(copy));
        QVERIFY(!services().messages.isEmpty());
        QCOMPARE(services().messages[0].text, prefix + u"No space left on device"_s);
        // The large copy is not there at all, nor any temporary file of it; what was copied is whole.
        QVERIFY(!QFileInfo::exists(copy));
        for (const QString &name : testfiles::entriesOf(folder)) {
            if (filled.contains(name) || name == u"page.html"_s)
                continue;
            QVERIFY2(name == u"up.gif"_s || name == u"down.bmp"_s, qPrintable(name));
            QCOMPARE(testfiles::contentOf(QDir(folder).filePath(name)), testfiles::contentOf(picture(name)));
        }
        QVERIFY(QFileInfo(QDir(folder).filePath(u"page.html"_s)).isFile());
    }

    // Root writes past every permission, so as root these run again as the user nobody.
    void unprivileged_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("place"); // "read-only folder", "unreadable picture", "ordinary"
        for (const char *window : {"Form2", "Form7"}) {
            for (const char *place : {"ordinary", "read-only folder", "unreadable picture"})
                QTest::addRow("%s, %s", window, place) << QString::fromLatin1(window) << QString::fromLatin1(place);
        }
    }
    void unprivileged()
    {
        if (hostile::runsAsRoot()) {
            if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                QFAIL(qPrintable(*failure));
            return;
        }
        QFETCH(QString, window);
        QFETCH(QString, place);
        const pagewindows::Ready ready = openReady(window);
        if (place == u"read-only folder"_s) {
            QVERIFY(QFile::setPermissions(pages(), QFile::ReadOwner | QFile::ExeOwner));
            const auto writable = qScopeGuard(
                [this] { QFile::setPermissions(pages(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
            // The page is refused, so no picture is asked about.
            QCOMPARE(save(ready), 0);
            QCOMPARE(services().messages.size(), 1);
            QVERIFY(services().messages[0].text.startsWith(
                u"The page could not be saved as \"%1\"."_s.arg(QDir::toNativeSeparators(page(u"page.html"_s)))));
            QCOMPARE(testfiles::entriesOf(pages()), QStringList());
            return;
        }
        if (place == u"unreadable picture"_s)
            QVERIFY(QFile::setPermissions(picture(u"over.png"_s), QFile::WriteOwner));
        services().answerYesNo(true);
        QCOMPARE(save(ready), 1);
        QStringList entries = names(ready);
        entries.append(u"page.html"_s);
        if (place == u"unreadable picture"_s) {
            entries.removeAll(u"over.png"_s);
            QCOMPARE(services().messages.size(), 1);
            QVERIFY2(services().messages[0].text.startsWith(u"The picture could not be copied as \"%1\".\n\n"_s.arg(
                         QDir::toNativeSeparators(page(u"over.png"_s)))),
                     qPrintable(services().messages[0].text));
            // Open in Browser shows the page all the same, and names the picture it lacks.
            click(ready.window, u"OpenInBrowser"_s);
            QCOMPARE(services().browsed.size(), 1);
            QVERIFY(
                services().messages.constLast().text.startsWith(u"The page is shown without some of its pictures."_s));
            QVERIFY(services().messages.constLast().text.endsWith(u"/over.png\".\n\nPermission denied"_s));
        } else {
            QVERIFY(services().messages.isEmpty());
        }
        entries.sort();
        QCOMPARE(testfiles::entriesOf(pages()), entries);
    }

private:
    QString pictures() const { return m_temporary->filePath(u"pictures"_s); }
    QString pages() const { return m_temporary->filePath(u"pages"_s); }
    QString picture(const QString &name) const { return QDir(pictures()).filePath(name); }
    QString page(const QString &name) const { return QDir(pages()).filePath(name); }

    pagewindows::Ready openReady(const QString &window)
    {
        QStringList picked{picture(u"up.gif"_s), picture(u"over.png"_s)};
        if (window == u"Form7"_s)
            picked.append(picture(u"down.bmp"_s));
        return pagewindows::openReady(workspace(), services(), window, false, picked);
    }

    static QStringList names(const pagewindows::Ready &ready)
    {
        QStringList names;
        for (const QString &path : ready.pictures)
            names.append(QFileInfo(path).fileName());
        return names;
    }

    // Presses "Save as HTML" answering the dialog with the path (the pages folder's page.html
    // when empty); returns how many Yes/No questions it asked.
    int save(const pagewindows::Ready &ready, const QString &path = QString())
    {
        const auto yesNo = [this] {
            return int(std::count_if(services().questions.cbegin(), services().questions.cend(),
                                     [](const auto &q) { return q.kind == FakeServices::Question::YesNo; }));
        };
        const int before = yesNo();
        services().answerSave(path.isEmpty() ? page(u"page.html"_s) : path);
        click(ready.window, ready.saveButton);
        return yesNo() - before;
    }

    std::unique_ptr<QTemporaryDir> m_temporary;
};

QTEST_MAIN(TestSavePictures)
#include "test_save_pictures.moc"
