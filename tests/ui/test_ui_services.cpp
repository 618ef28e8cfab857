// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_editor.h"
#include "linkfx/link_effects_window.h"
#include "pages/page_saver.h"
#include "pictures/twice_density.h"
#include "rollover/code_window.h"
#include "rollover/properties_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/test_workspace.h"
#include "text/picture_names.h"
#include "ui/files.h"
#include "ui/look.h"
#include "ui/note.h"
#include "ui/remembered_places.h"
#include "ui/services.h"
#include "ui/workspace.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <set>

using namespace Qt::StringLiterals;

class TestUiServices final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameFilterShowsTheDescriptionAndThePatterns_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pictures") << u"Image Files (*.jpg,*.gif,*.bmp) "_s << u"*.jpg;*.gif;*.bmp"_s
                                  << u"Image Files (*.jpg,*.gif,*.bmp) (*.jpg *.gif *.bmp)"_s;
        QTest::newRow("rollover page") << u"HTM(L) Files *.html, *.htm "_s << u"*.html"_s
                                       << u"HTM(L) Files *.html, *.htm (*.html)"_s;
        QTest::newRow("button page") << u"HTM(L) Files *.html,*.htm "_s << u"*.html;*.htm"_s
                                     << u"HTM(L) Files *.html,*.htm (*.html *.htm)"_s;
    }
    void nameFilterShowsTheDescriptionAndThePatterns()
    {
        QFETCH(QString, description);
        QFETCH(QString, patterns);
        QFETCH(QString, expected);
        QCOMPARE(ui::nameFilter({description, patterns}), expected);
    }

    void pictureRequestListsThePartsFilterThenAllPictures()
    {
        const ui::FileRequest request = ui::pictureRequest(u"Select src"_s, u"/pics/up.gif"_s);
        QCOMPARE(request.filter.description, u"Image Files (*.jpg,*.gif,*.bmp) "_s);
        QCOMPARE(request.filter.patterns, u"*.jpg;*.gif;*.bmp"_s);
        QCOMPARE(request.title, u"Select src"_s);
        QCOMPARE(request.proposedName, u"/pics/up.gif"_s);
        QCOMPARE(request.moreFilters.size(), 1);
        // Every reader is installed here, so every format a page shows is listed.
        const ui::FileFilter all = request.moreFilters.first();
        QCOMPARE(all.description, u"All Pictures (*.jpg,*.jpeg,*.gif,*.bmp,*.png,*.webp,*.svg) "_s);
        QCOMPARE(all.patterns, u"*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.webp;*.svg"_s);

        // The dialog takes both, the first listed first.
        const QString first = u"Image Files (*.jpg,*.gif,*.bmp) (*.jpg *.gif *.bmp)"_s;
        const QString second =
            u"All Pictures (*.jpg,*.jpeg,*.gif,*.bmp,*.png,*.webp,*.svg) (*.jpg *.jpeg *.gif *.bmp *.png *.webp *.svg)"_s;
        QCOMPARE(ui::nameFilters(request), first + u";;"_s + second);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilter(ui::nameFilters(request));
        QCOMPARE(dialog.nameFilters(), (QStringList{first, second}));
        // It opens on every picture the readers know.
        dialog.selectNameFilter(ui::selectedNameFilter(request));
        QCOMPARE(dialog.selectedNameFilter(), second);
        // The filter it is left on is told back by its place, with the details hidden as the dialogs hide them.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.selectNameFilter(first);
        QCOMPARE(ui::filterIndexOf(request, dialog.selectedNameFilter()), 0);
        QCOMPARE(ui::filterIndexOf(request, second), 1);
        // A page's dialog has its one filter, as before.
        const ui::FileRequest page{{u"HTM(L) Files *.html,*.htm "_s, u"*.html;*.htm"_s}, QString(), QString()};
        QCOMPARE(ui::nameFilters(page), u"HTM(L) Files *.html,*.htm (*.html *.htm)"_s);
        QCOMPARE(ui::selectedNameFilter(page), ui::nameFilters(page));
    }

    // A picture's sibling of twice the density is the file with "@2x" before the extension,
    // beside it; the copies beside a page take it along.
    void twiceDensitySiblings_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("files"); // made in the folder
        QTest::addColumn<QString>("sibling");
        QTest::newRow("beside") << u"up.png"_s << QStringList{u"up.png"_s, u"up@2x.png"_s} << u"up@2x.png"_s;
        QTest::newRow("none") << u"up.png"_s << QStringList{u"up.png"_s} << QString();
        QTest::newRow("a folder of that name") << u"up.png"_s << QStringList{u"up.png"_s, u"up@2x.png/"_s} << QString();
        QTest::newRow("points in the name")
            << u"a.b.gif"_s << QStringList{u"a.b.gif"_s, u"a.b@2x.gif"_s} << u"a.b@2x.gif"_s;
    }
    void twiceDensitySiblings()
    {
        QFETCH(QString, picture);
        QFETCH(QStringList, files);
        QFETCH(QString, sibling);
        QTemporaryDir folder;
        for (const QString &file : files)
            QVERIFY(file.endsWith(u'/') ? QDir(folder.path()).mkdir(file)
                                        : QFile(folder.filePath(file)).open(QIODevice::WriteOnly));
        const QString path = folder.filePath(picture);
        const QString expected = sibling.isEmpty() ? QString() : folder.filePath(sibling);
        QCOMPARE(ui::twiceDensitySibling(path), expected);
        QCOMPARE(ui::withTwiceDensitySiblings({path, QString()}),
                 (sibling.isEmpty() ? QStringList{path, QString()} : QStringList{path, expected, QString()}));
    }

    // The note under a code window's code names the files the code uses: "up.png" picked by the
    // first box, with its sibling "up@2x.png" beside it; a name without a pick stands as typed.
    void codeFilesNote_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QString>("named"); // after "Files the code uses: "
        QTest::newRow("classic") << QStringList{u"up.png"_s} << false << u"up.png"_s;
        QTest::newRow("modern") << QStringList{u"up.png"_s} << true << u"up.png, up@2x.png"_s;
        QTest::newRow("typed, twice") << QStringList{QString(), u"a%20b.png"_s, u"a%20b.png"_s} << true << u"a b.png"_s;
    }
    void codeFilesNote()
    {
        QFETCH(QStringList, boxes);
        QFETCH(bool, modern);
        QFETCH(QString, named);
        QTemporaryDir folder;
        const QString up = folder.filePath(u"up.png"_s);
        QVERIFY(QFile(up).open(QIODevice::WriteOnly) &&
                QFile(folder.filePath(u"up@2x.png"_s)).open(QIODevice::WriteOnly));
        QCOMPARE(ui::codeFilesNote(boxes, {boxes[0].isEmpty() ? QString() : up}, modern),
                 u"Files the code uses: "_s + named);
    }

    // A note says its text, names itself by it for screen readers, and goes by itself. (The
    // alert it raises reaches only an active accessibility bridge, which the offscreen platform
    // has not.)
    void noteSaysAndGoes()
    {
        QWidget window;
        ui::Note note(&window, u"Note"_s, QRect(0, 0, 80, 20));
        window.show();
        QVERIFY(!note.isVisible());
        note.say(u"Copied"_s, std::chrono::milliseconds(50));
        QVERIFY(note.isVisible());
        QCOMPARE(note.text(), u"Copied"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(&note)->text(QAccessible::Name), u"Copied"_s);
        QTRY_VERIFY(!note.isVisible());
        QCOMPARE(ui::savedNote(u"/pages/my page.html"_s), u"Saved as my page.html"_s);
    }

    // A page name typed without an extension gets ".html", so that it opens as a page.
    void pageExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << u"/pages/rollover"_s << u"/pages/rollover.html"_s;
        QTest::newRow("html") << u"/pages/rollover.html"_s << u"/pages/rollover.html"_s;
        QTest::newRow("another extension kept") << u"/pages/rollover.htm"_s << u"/pages/rollover.htm"_s;
        QTest::newRow("a point in the folder only") << u"/my.pages/rollover"_s << u"/my.pages/rollover.html"_s;
        QTest::newRow("ending in a point") << u"/pages/rollover."_s << u"/pages/rollover.html"_s;
    }
    void pageExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(ui::withPageExtension(chosen), saved);
    }

    void urlFromFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::newRow("plain") << u"up.gif"_s << u"up.gif"_s;
        QTest::newRow("blank") << u"my pic.gif"_s << u"my%20pic.gif"_s;
        QTest::newRow("quote") << u"a\"b.gif"_s << u"a%22b.gif"_s;
        QTest::newRow("backslash") << u"a\\b.gif"_s << u"a%5Cb.gif"_s;
        QTest::newRow("percent hash question") << u"100%#1?.jpg"_s << u"100%25%231%3F.jpg"_s;
        QTest::newRow("control") << u"a\tb.bmp"_s << u"a%09b.bmp"_s;
        QTest::newRow("non-ASCII") << u"bébé.jpg"_s << u"b%C3%A9b%C3%A9.jpg"_s;
        QTest::newRow("path-safe punctuation")
            << u"a(1)_b-c~d!e$f'h+i,j;k=l@n.gif"_s << u"a(1)_b-c~d!e$f'h+i,j;k=l@n.gif"_s;
        QTest::newRow("unreserved") << u"Button-1_x~y.gif"_s << u"Button-1_x~y.gif"_s;
        QTest::newRow("colon would start a scheme") << u"a:b.gif"_s << u"a%3Ab.gif"_s;
        QTest::newRow("ampersand would start a character reference") << u"up&copy.png"_s << u"up%26copy.png"_s;
        QTest::newRow("ampersand beside encoded characters") << u"a & b#%.gif"_s << u"a%20%26%20b%23%25.gif"_s;
    }
    void urlFromFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, url);
        QCOMPARE(ui::urlFromFileName(name), url);
    }

    void sameNameHint_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("hint");
        const QString tail = u"\", but lie in different folders: the page will show only one of them."_s;
        QTest::newRow("names of their own") << QStringList{u"/a/up.png"_s, u"/a/over.png"_s} << QString();
        QTest::newRow("one file twice") << QStringList{u"/a/up.png"_s, u"/a/up.png"_s} << QString();
        QTest::newRow("two folders") << QStringList{u"/a/button.png"_s, u"/b/button.png"_s}
                                     << u"Pictures 1 and 2 have the same name, \"button.png"_s + tail;
        QTest::newRow("the other folder between") << QStringList{u"/a/x.png"_s, u"/b/x.png"_s, u"/a/x.png"_s}
                                                  << u"Pictures 1, 2 and 3 have the same name, \"x.png"_s + tail;
        QTest::newRow("three, one not picked")
            << QStringList{u"/a/up.png"_s, QString(), u"/b/up.png"_s, u"/c/up.png"_s, u"/a/x.gif"_s, u"/x.gif"_s}
            << u"Pictures 1, 3 and 4 have the same name, \"up.png"_s + tail +
                   u" Pictures 5 and 6 have the same name, \"x.gif"_s + tail;
    }
    void sameNameHint()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, hint);
        std::vector<std::string> picked;
        for (const QString &path : std::as_const(paths))
            picked.push_back(path.toStdString());
        QCOMPARE(QString::fromStdString(ui::sameNameHint(picked)), hint);
    }

    void readFirstLineStopsAtTheFirstBreak_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("crlf") << QByteArray("Yes\r\nmore\r\n") << QByteArray("Yes");
        QTest::newRow("lf") << QByteArray("Yes\nmore") << QByteArray("Yes");
        QTest::newRow("cr") << QByteArray("Yes\rmore") << QByteArray("Yes");
        QTest::newRow("no break") << QByteArray("Yes") << QByteArray("Yes");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("blanks kept") << QByteArray(" Yes \r\n") << QByteArray(" Yes ");
        QTest::newRow("long line is cut") << QByteArray(100000, 'x') << QByteArray(4096, 'x');
    }
    void readFirstLineStopsAtTheFirstBreak()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"marker.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(QByteArray::fromStdString(ui::readFirstLine(file.fileName())), line);
    }

    void readFirstLineOfAMissingFileIsEmpty()
    {
        QCOMPARE(ui::readFirstLine(u"/nonexistent/folder/hasran.txt"_s), std::string());
    }

    void copyReplacesTheClipboard()
    {
        ui::copyToClipboard(u"first"_s);
        ui::copyToClipboard(u"a\r\nb"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"a\r\nb"_s);
    }

    void drawsWithinOneTickDiffer()
    {
        quint64 state = 42;
        std::set<float> draws;
        for (int i = 0; i < 8; ++i) {
            const float r = ui::mixClockAndDraw(state, 1234567);
            QVERIFY(r >= 0.0f && r < 1.0f);
            draws.insert(r);
        }
        QCOMPARE(draws.size(), std::size_t(8));
    }

    // The dialogs of each kind start in the folder a file of that kind was chosen in last, the
    // first time in the desktop's folder for it, or the home folder where that is missing.
    void dialogsStartWhereTheUserWorks_data()
    {
        QTest::addColumn<QStringList>("made"); // folders in the home folder, or a picture chosen there
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<QString>("proposed"); // in the home folder, for the name b.png
        QTest::newRow("pictures, first time") << QStringList{u"Pictures"_s} << true << u"Pictures/b.png"_s;
        QTest::newRow("pages, no Documents folder") << QStringList{} << false << u"b.png"_s;
        QTest::newRow("after a choice") << QStringList{u"art"_s, u"art/up.png"_s} << true << u"art/b.png"_s;
        QTest::newRow("pages keep their own") << QStringList{u"art"_s, u"art/up.png"_s} << false << u"b.png"_s;
    }
    void dialogsStartWhereTheUserWorks()
    {
        QFETCH(QStringList, made);
        QFETCH(bool, pictures);
        QFETCH(QString, proposed);
        const QTemporaryDir home;
        const QByteArray real[] = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME")};
        const auto restore = qScopeGuard([&real] {
            qputenv("HOME", real[0]);
            qputenv("XDG_CONFIG_HOME", real[1]);
        });
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(u"config"_s).toUtf8());
        FakeServices services;
        for (const QString &path : made)
            path.endsWith(u".png"_s) ? ui::rememberFolder(services, ui::FileKind::Pictures, home.filePath(path))
                                     : void(QDir(home.path()).mkpath(path));
        QCOMPARE(ui::proposedPath(services, pictures ? ui::FileKind::Pictures : ui::FileKind::Pages, u"b.png"_s),
                 QDir(home.path()).filePath(proposed));
    }

    void saverWritesProposesAndReportsFailures()
    {
        QTemporaryDir dir;
        FakeServices services;
        ui::PageSaver saver({u"HTM(L) Files *.html, *.htm "_s, u"*.html"_s});
        const QString page = dir.filePath(u"page.html"_s);
        const QString pages = ui::proposedPath(services, ui::FileKind::Pages);

        services.answerSave(page);
        QVERIFY(saver.save(nullptr, services, "one\r\n"));
        services.answerSave(std::nullopt);
        QVERIFY(!saver.save(nullptr, services, "two\r\n"));
        services.answerSave(dir.filePath(u"missing/folder/page.html"_s));
        QVERIFY(!saver.save(nullptr, services, "three\r\n"));

        QCOMPARE(services.questions.size(), 3);
        QCOMPARE(services.questions[0].request.proposedName, pages);
        QCOMPARE(services.questions[1].request.proposedName, page);
        QCOMPARE(services.questions[2].request.proposedName, page); // a cancel keeps the last name
        QFile written(page);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("one\r\n"));
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(services.messages[0].text.contains(u"page.html"_s));
        QVERIFY(!QFile::exists(dir.filePath(u"missing/folder/page.html"_s)));
    }

    void singleLineBoxesTakeTextsOfAnyLength()
    {
        // The toolkit's default would keep the first 32767 characters of a paste, silently.
        const QString longText(100000, u'x');
        QList<QLineEdit *> boxes;
        TestWorkspace fixture;
        ui::openAtTop<Form2>(*fixture.workspace);
        ui::openAtTop<Form3>(*fixture.workspace);
        ui::openAtTop<Form5>(*fixture.workspace);
        ui::openAtTop<Form7>(*fixture.workspace);
        boxes += fixture.workspace->findChildren<QLineEdit *>();
        // Seven and the alt text in the rollover properties window, the scope of the link effects,
        // ten and the alt text in the button editor.
        QCOMPARE(boxes.size(), 20);
        const std::unique_ptr<QInputDialog> prompt = ui::makePromptDialog(nullptr, u"t"_s, u"p"_s);
        QCOMPARE(prompt->findChildren<QLineEdit *>().size(), 1);
        boxes += prompt->findChildren<QLineEdit *>();
        QGuiApplication::clipboard()->setText(longText);
        for (QLineEdit *box : std::as_const(boxes)) {
            QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
            if (box->isReadOnly())
                continue;
            box->clear();
            box->paste();
            QCOMPARE(box->text().size(), longText.size());
        }
        prompt->setTextValue(longText);
        QCOMPARE(prompt->textValue().size(), longText.size());
    }
};

QTEST_MAIN(TestUiServices)
#include "test_ui_services.moc"
