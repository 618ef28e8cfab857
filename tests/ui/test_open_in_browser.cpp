// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_pictures.h"
#include "tests/support/page_windows.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;

// "Open in Browser" in the three windows that write a page: the page that "Save as HTML" would
// write, in the window's own folder in the run's folder under the temporary folder, with copies
// of the picked pictures beside it, handed to the desktop's browser.

using pagewindows::Ready;

class TestOpenInBrowser final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        QVERIFY(testimages::writeGif(m_folder->filePath(u"up.gif"_s), 32, 32, Qt::red));
        QVERIFY(testimages::writePicture(m_folder->filePath(u"over.png"_s), 32, 32, Qt::blue));
        QVERIFY(testimages::writePicture(m_folder->filePath(u"down.bmp"_s), 32, 32, Qt::green));
        QVERIFY(testimages::writeGif(m_folder->filePath(u"my pic#1.gif"_s), 32, 32, Qt::yellow));
    }

    void thePageAndItsPicturesGoToTheBrowser_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("modern");
        QTest::addColumn<QStringList>("picked"); // the files picked, in the order of the pickers
        QTest::addColumn<QString>("retyped");    // a box whose picked name is typed over
        QTest::addColumn<QString>("page");       // the page's file name
        QTest::addColumn<QStringList>("copied"); // the pictures beside the page
        const QStringList two{u"up.gif"_s, u"over.png"_s};
        const QStringList three{u"up.gif"_s, u"over.png"_s, u"down.bmp"_s};
        QTest::newRow("rollover") << u"Form2"_s << false << two << QString() << u"rollover.html"_s << two;
        QTest::newRow("modern rollover") << u"Form2"_s << true << two << QString() << u"rollover.html"_s << two;
        QTest::newRow("rollover, a name that needs encoding")
            << u"Form2"_s << false << QStringList{u"my pic#1.gif"_s, u"over.png"_s} << QString() << u"rollover.html"_s
            << QStringList{u"my pic#1.gif"_s, u"over.png"_s};
        QTest::newRow("rollover, one name typed")
            << u"Form2"_s << false << two << u"Text1"_s << u"rollover.html"_s << QStringList{u"over.png"_s};
        QTest::newRow("rollover, one picture the same as the other")
            << u"Form2"_s << false << QStringList{u"up.gif"_s, u"up.gif"_s} << QString() << u"rollover.html"_s
            << QStringList{u"up.gif"_s};
        QTest::newRow("rollover without pictures")
            << u"Form2"_s << false << QStringList{} << QString() << u"rollover.html"_s << QStringList{};
        QTest::newRow("button") << u"Form7"_s << false << three << QString() << u"button.html"_s << three;
        QTest::newRow("modern button") << u"Form7"_s << true << three << QString() << u"button.html"_s << three;
        QTest::newRow("button, one name typed") << u"Form7"_s << false << three << u"Text3"_s << u"button.html"_s
                                                << QStringList{u"up.gif"_s, u"over.png"_s};
        QTest::newRow("link effects") << u"Form5"_s << false << QStringList{} << QString() << u"link-effects.html"_s
                                      << QStringList{};
        QTest::newRow("modern link effects")
            << u"Form5"_s << true << QStringList{} << QString() << u"link-effects.html"_s << QStringList{};
    }
    void thePageAndItsPicturesGoToTheBrowser()
    {
        QFETCH(QString, window);
        QFETCH(bool, modern);
        QFETCH(QStringList, picked);
        QFETCH(QString, retyped);
        QFETCH(QString, page);
        QFETCH(QStringList, copied);
        const Ready ready = openReady(window, modern, picked, retyped);
        QVERIFY(ready.window);
        QVERIFY(services().browserPages().path().isEmpty()); // nothing is made before the first press

        click(ready.window, u"OpenInBrowser"_s);
        QCOMPARE(services().browsed.size(), 1);
        QVERIFY(services().messages.isEmpty());
        const QUrl url = services().browsed[0];
        QVERIFY2(url.isLocalFile(), qPrintable(url.toString()));
        const QFileInfo shown(url.toLocalFile());
        QCOMPARE(shown.fileName(), page);
        // The run's own folder under the temporary folder, one folder in it for the page.
        const QString root = services().browserPages().path();
        QCOMPARE(QFileInfo(root).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        QCOMPARE(QFileInfo(shown.absolutePath()).absolutePath(), root);
        QStringList entries = copied;
        entries.append(page);
        entries.sort();
        QCOMPARE(testfiles::entriesOf(shown.absolutePath()), entries);
        for (const QString &name : copied)
            QCOMPARE(testfiles::contentOf(QDir(shown.absolutePath()).filePath(name)),
                     testfiles::contentOf(m_folder->filePath(name)));

        // The same bytes as "Save as HTML" writes.
        const QString saved = m_folder->filePath(u"saved/page.html"_s);
        QVERIFY(QDir().mkpath(QFileInfo(saved).absolutePath()));
        services().answerSave(saved);
        if (!copied.isEmpty())
            services().answerYesNo(false);
        click(ready.window, ready.saveButton);
        QCOMPARE(testfiles::contentOf(shown.filePath()), testfiles::contentOf(saved));

        // A second press writes the page anew in the window's folder, in place of all that was there.
        QVERIFY(testfiles::writeFile(QDir(shown.absolutePath()).filePath(u"old.gif"_s), "old"));
        click(ready.window, u"OpenInBrowser"_s);
        QCOMPARE(services().browsed.value(1), url);
        QCOMPARE(testfiles::contentOf(shown.filePath()), testfiles::contentOf(saved));
        QCOMPARE(testfiles::entriesOf(shown.absolutePath()), entries);
        QVERIFY(services().messages.isEmpty());
    }

    void aBrowserThatCannotStartIsReported_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("rollover") << u"Form2"_s;
        QTest::newRow("button") << u"Form7"_s;
        QTest::newRow("link effects") << u"Form5"_s;
    }
    void aBrowserThatCannotStartIsReported()
    {
        QFETCH(QString, window);
        const QStringList picked =
            window == u"Form5"_s ? QStringList{} : QStringList{u"up.gif"_s, u"over.png"_s, u"down.bmp"_s};
        const Ready ready = openReady(window, false, picked.mid(0, window == u"Form2"_s ? 2 : 3), QString());
        QVERIFY(ready.window);
        const int asked = int(services().questions.size());
        services().browserStarts = false;
        click(ready.window, u"OpenInBrowser"_s);
        QCOMPARE(services().browsed.size(), 1);
        QCOMPARE(services().messages.size(), 1);
        QCOMPARE(services().messages[0].title, u"Quillarc 2"_s);
        QCOMPARE(services().messages[0].text, u"No web browser could be started to show the page."_s);
        // Nothing else: no question, no page left behind, the window as it was.
        QCOMPARE(services().questions.size(), asked);
        QCOMPARE(testfiles::entriesOf(services().browserPages().path()), QStringList());
        QVERIFY(ready.window->isVisible());
        QVERIFY(child<QPushButton>(ready.window, u"OpenInBrowser"_s)->isEnabled());
    }

    // The run's folder stays when the services that own it go, as when main() ends.
    void theFolderOutlivesTheRun()
    {
        auto owner = std::make_unique<FakeServices>();
        QVERIFY(
            ui::openInBrowser(nullptr, *owner, u"page.html"_s, "<html></html>\r\n", {m_folder->filePath(u"up.gif"_s)}));
        const QString root = owner->browserPages().path();
        const QString page = owner->browsed.value(0).toLocalFile();
        QVERIFY(QFileInfo(page).isFile());
        QVERIFY(QFileInfo(QDir(QFileInfo(page).absolutePath()).filePath(u"up.gif"_s)).isFile());
        owner.reset();
        QVERIFY(QFileInfo(page).isFile());
        QVERIFY(QDir(root).removeRecursively());
    }

    // The button stands in the part where the window grows, clear of every other control,
    // with its whole caption shown, and comes after every other control in the focus order.
    void theButtonsPlace_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QRect>("geometry"); // in pixels, in its parent
        QTest::addColumn<QString>("previous");
        QTest::newRow("rollover code") << u"Form2"_s << QRect(416, 296, 97, 33) << u"Command6"_s;
        QTest::newRow("button code view") << u"Form7"_s << QRect(352, 296, 105, 33) << u"ModernCode"_s;
        QTest::newRow("link effects") << u"Form5"_s << QRect(360, 376, 97, 33) << u"ExampleLink"_s;
    }
    void theButtonsPlace()
    {
        QFETCH(QString, window);
        QFETCH(QRect, geometry);
        QFETCH(QString, previous);
        const Ready ready = openReady(window, false, {}, QString());
        QVERIFY(ready.window);
        auto *button = child<QPushButton>(ready.window, u"OpenInBrowser"_s);
        QCOMPARE(button->text(), u"Open in Browser"_s);
        QCOMPARE(button->geometry(), geometry);
        QVERIFY(button->isVisible());
        QVERIFY(QRect(QPoint(0, 0), button->parentWidget()->size()).contains(button->geometry()));
        QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
        for (QWidget *other : button->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != button && !other->isWindow())
                QVERIFY2(!other->geometry().intersects(button->geometry()), qPrintable(other->objectName()));
        }
        QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 224, 192));
        QWidget *before = child<QWidget>(ready.window, previous);
        QWidget *next = before->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, static_cast<QWidget *>(button));
        QVERIFY(!testimages::render(ready.window, window + u" with Open in Browser"_s).isEmpty());
    }

    void cleanup()
    {
        WindowTest::cleanup();
        m_folder.reset();
    }

private:
    Ready openReady(const QString &window, bool modern, const QStringList &picked, const QString &retyped)
    {
        QStringList pictures;
        for (const QString &name : picked)
            pictures.append(m_folder->filePath(name));
        return pagewindows::openReady(workspace(), services(), window, modern, pictures, retyped);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(TestOpenInBrowser)
#include "test_open_in_browser.moc"
