#include "linkfx/link_effects_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/line_break_rows.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/test_workspace.h"
#include "ui/child_window.h"
#include "ui/text_box.h"
#include "ui/workspace.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray LinelessPage = "<html> <head> \r\n"
                                "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                "<!-- Created by Quillarc 2-->\r\n"
                                "<style><!--a{text-decoration:none}--></style></head>\r\n"
                                "<body>\r\n"
                                "<a href=\"example.html\"> Example Link </a>\r\n"
                                "</body> </html>\r\n";

const QByteArray EmptyPage = "<html> <head> \r\n"
                             "<title> Quillarc 2: Link Effects Page </title>\r\n"
                             "<!-- Created by Quillarc 2--></head>\r\n"
                             "<body>\r\n"
                             "<a href=\"example.html\"> Example Link </a>\r\n"
                             "</body> </html>\r\n";

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

// A point of the window where a click reaches the control itself, not a frame above it.
std::optional<QPoint> reachablePoint(QWidget *window, QWidget *control)
{
    const QRect area = control->geometry();
    for (int y = area.top() + 2; y < area.bottom() - 1; y += 2) {
        for (int x = area.left() + 2; x < area.right() - 1; x += 2) {
            QWidget *hit = window->childAt(x, y);
            if (hit == control || (hit && control->isAncestorOf(hit)))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

} // namespace

class TestLinkEffectsWindow final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<TestWorkspace>(QSize(800, 600));
        m_services = &m_fixture->services;
        m_workspace = m_fixture->workspace;
        QGuiApplication::clipboard()->setText(u"before"_s);
    }
    void cleanup()
    {
        QCOMPARE(m_services->unexpected, 0);
        m_fixture.reset();
    }

    void opensEmptyAtTheTop()
    {
        Form5 *w = open();
        QCOMPARE(w->objectName(), u"Form5"_s);
        QCOMPARE(w->windowTitle(), u"Customizable Link Effects"_s);
        QCOMPARE(w->size(), QSize(347, 417)); // 5205 x 6255 twips
        QCOMPARE(w->top(), 0);
        QCOMPARE(m_workspace->activeSubWindow(), w->subWindow());
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray());
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        for (const QString &name : {u"tut1"_s, u"tut2"_s, u"tut3"_s})
            QVERIFY2(!frame(w, name)->isVisible(), qPrintable(name));
        for (const QString &name : {u"RichTextBox1"_s, u"Text1"_s}) {
            QPlainTextEdit *edit = box(w, name);
            QVERIFY(!edit->isReadOnly());
            QCOMPARE(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QVERIFY(edit->horizontalScrollBar()->isVisible());
            QVERIFY(edit->verticalScrollBar()->isVisible());
        }
        QVERIFY(m_services->questions.isEmpty());
    }

    void effectButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("prompt"); // empty: the button asks nothing
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("FontSize 12px") << u"Command1"_s << u"Enter a size number"_s << false << u"12px"_s
                                       << QByteArray("<style><!--a:hover{font-size:12px; }--></style>");
        QTest::newRow("FontSize cancelled") << u"Command1"_s << u"Enter a size number"_s << true << QString()
                                            << QByteArray("<style><!--a:hover{font-size:; }--></style>");
        QTest::newRow("FontSize empty answer") << u"Command1"_s << u"Enter a size number"_s << false << QString()
                                               << QByteArray("<style><!--a:hover{font-size:; }--></style>");
        QTest::newRow("ForeColor red") << u"Command2"_s << u"Enter a color name"_s << false << u"red"_s
                                       << QByteArray("<style><!--a:hover{color:red; }--></style>");
        QTest::newRow("ForeColor cancelled") << u"Command2"_s << u"Enter a color name"_s << true << QString()
                                             << QByteArray("<style><!--a:hover{color:; }--></style>");
        QTest::newRow("ForeColor non-ASCII") << u"Command2"_s << u"Enter a color name"_s << false << u"grün"_s
                                             << QByteArray("<style><!--a:hover{color:gr\xc3\xbcn; }--></style>");
        QTest::newRow("BackColor navy with blanks")
            << u"Command3"_s << u"Enter a color name..."_s << false << u" navy "_s
            << QByteArray("<style><!--a:hover{background-color: navy ; }--></style>");
        QTest::newRow("BackColor cancelled") << u"Command3"_s << u"Enter a color name..."_s << true << QString()
                                             << QByteArray("<style><!--a:hover{background-color:; }--></style>");
        QTest::newRow("BackColor quotes and brackets")
            << u"Command3"_s << u"Enter a color name..."_s << false << u"\"<b>\""_s
            << QByteArray("<style><!--a:hover{background-color:\"<b>\"; }--></style>");
        QTest::newRow("Uppercase") << u"Command5"_s << QString() << false << QString()
                                   << QByteArray("<style><!--a:hover{text-transform:uppercase; }--></style>");
        QTest::newRow("Lowercase") << u"Command4"_s << QString() << false << QString()
                                   << QByteArray("<style><!--a:hover{text-transform:lowercase; }--></style>");
        QTest::newRow("Lineless") << u"Command12"_s << QString() << false << QString()
                                  << QByteArray("<style><!--a{text-decoration:none}--></style>");
    }
    void effectButton()
    {
        QFETCH(QString, button);
        QFETCH(QString, prompt);
        QFETCH(bool, cancel);
        QFETCH(QString, answer);
        QFETCH(QByteArray, expected);

        Form5 *w = open();
        ui::setText(box(w, u"RichTextBox1"_s), "old snippet");
        ui::setText(box(w, u"Text1"_s), "\r\nkept");
        if (!prompt.isEmpty())
            m_services->answerPrompt(cancel ? std::nullopt : std::optional<QString>(answer));
        click(w, button);

        QCOMPARE(text(w, u"RichTextBox1"_s), expected);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\nkept"));
        if (prompt.isEmpty()) {
            QVERIFY(m_services->questions.isEmpty());
        } else {
            QCOMPARE(m_services->questions.size(), 1);
            const FakeServices::Question &question = m_services->questions.front();
            QCOMPARE(question.kind, FakeServices::Question::Prompt);
            QCOMPARE(question.title, u"Quillarc 2"_s);
            QCOMPARE(question.prompt, prompt);
        }
        QCOMPARE(clipboardText(), u"before"_s);
    }

    void addClearAndAddAgain()
    {
        Form5 *w = open();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"
                                                 "<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a{text-decoration:none}--></style>"));
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"
                                                 "<style><!--a{text-decoration:none}--></style>\r\n"
                                                 "<style><!--a{text-decoration:none}--></style>"));
        click(w, u"Command11"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a{text-decoration:none}--></style>"));
        click(w, u"Command11"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        click(w, u"Command5"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"
                                                 "<style><!--a:hover{text-transform:uppercase; }--></style>"));
    }

    void addingAnEmptyEffectBoxAddsALineBreak()
    {
        Form5 *w = open();
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"));
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n\r\n"));
    }

    void twoColoursKeptInOrder()
    {
        Form5 *w = open();
        m_services->answerPrompt(u"red"_s);
        m_services->answerPrompt(u"navy"_s);
        click(w, u"Command2"_s);
        click(w, u"Command9"_s);
        click(w, u"Command3"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n"
                                                 "<style><!--a:hover{color:red; }--></style>\r\n"
                                                 "<style><!--a:hover{background-color:navy; }--></style>"));
    }

    void copyButtonsCopyOnlyTheirOwnBox()
    {
        Form5 *w = open();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        click(w, u"Command5"_s);

        click(w, u"Command6"_s);
        QCOMPARE(clipboardText(), u"<style><!--a:hover{text-transform:uppercase; }--></style>"_s);
        click(w, u"Command10"_s);
        QCOMPARE(clipboardText(), u"\r\n<style><!--a{text-decoration:none}--></style>"_s);
        click(w, u"Command6"_s);
        QCOMPARE(clipboardText(), u"<style><!--a:hover{text-transform:uppercase; }--></style>"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));
    }

    void copyingAnEmptyBoxLeavesEmptyText_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Copy") << u"Command6"_s;
        QTest::newRow("Copy This") << u"Command10"_s;
    }
    void copyingAnEmptyBoxLeavesEmptyText()
    {
        QFETCH(QString, button);
        Form5 *w = open();
        QCOMPARE(clipboardText(), u"before"_s);
        click(w, button);
        QCOMPARE(clipboardText(), QString());
    }

    void handEditsAreWhatIsAddedCopiedAndSaved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"edited.html"_s);
        Form5 *w = open();
        QPlainTextEdit *effect = box(w, u"RichTextBox1"_s);
        QPlainTextEdit *finalCode = box(w, u"Text1"_s);

        click(w, u"Command12"_s);
        effect->moveCursor(QTextCursor::End);
        QTest::keyClicks(effect, u"a:visited{color:gray}"_s);
        QTest::keyClick(effect, Qt::Key_Return);
        QTest::keyClicks(effect, u"p{}"_s);
        QCOMPARE(text(w, u"RichTextBox1"_s),
                 QByteArray("<style><!--a{text-decoration:none}--></style>a:visited{color:gray}\r\n"
                            "p{}"));
        click(w, u"Command6"_s);
        QCOMPARE(clipboardText(), u"<style><!--a{text-decoration:none}--></style>a:visited{color:gray}\r\np{}"_s);

        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s),
                 QByteArray("\r\n"
                            "<style><!--a{text-decoration:none}--></style>a:visited{color:gray}\r\n"
                            "p{}"));

        finalCode->selectAll();
        QTest::keyClicks(finalCode, u"<!-- mine -->"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("<!-- mine -->"));
        click(w, u"Command10"_s);
        QCOMPARE(clipboardText(), u"<!-- mine -->"_s);

        m_services->answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(path), QByteArray("<html> <head> \r\n"
                                                        "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                                        "<!-- Created by Quillarc 2--><!-- mine --></head>\r\n"
                                                        "<body>\r\n"
                                                        "<a href=\"example.html\"> Example Link </a>\r\n"
                                                        "</body> </html>\r\n"));

        // The hand-typed final code is what the next snippet is added to.
        click(w, u"Command4"_s);
        click(w, u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("<!-- mine -->\r\n"
                                                 "<style><!--a:hover{text-transform:lowercase; }--></style>"));
    }

    // A line break that the user put into a value stays as it is in the snippet, the final
    // code, the clipboard and the page, until the box that holds it is edited; after an edit
    // the box gives what it holds, every line break as CR LF.
    void breaksInsideAValueAreKept_data()
    {
        testrows::addLineBreakRows({u"copy effect"_s, u"copy final code"_s, u"save"_s});
    }
    void breaksInsideAValueAreKept()
    {
        QFETCH(QString, lineBreak);
        QFETCH(QString, use);
        QFETCH(bool, edited);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"page.html"_s);
        Form5 *w = open();
        m_services->answerPrompt(u"1"_s + lineBreak + u"2"_s);
        click(w, u"Command1"_s);
        click(w, u"Command9"_s);

        const bool effectBox = use == u"copy effect"_s;
        QString expected = (effectBox ? QString() : u"\r\n"_s) + u"<style><!--a:hover{font-size:1"_s + lineBreak +
                           u"2; }--></style>"_s;
        if (edited) {
            QPlainTextEdit *edit = box(w, effectBox ? u"RichTextBox1"_s : u"Text1"_s);
            edit->moveCursor(QTextCursor::End);
            QTest::keyClicks(edit, u"x"_s);
            expected = (effectBox ? QString() : u"\r\n"_s) + u"<style><!--a:hover{font-size:1\r\n2; }--></style>x"_s;
        }
        if (use == u"save"_s) {
            m_services->answerSave(path);
            click(w, u"Command7"_s);
            QCOMPARE(testfiles::contentOf(path), "<html> <head> \r\n"
                                                 "<title> Quillarc 2: Link Effects Page </title>\r\n"
                                                 "<!-- Created by Quillarc 2-->" +
                                                     expected.toUtf8() +
                                                     "</head>\r\n"
                                                     "<body>\r\n"
                                                     "<a href=\"example.html\"> Example Link </a>\r\n"
                                                     "</body> </html>\r\n");
        } else {
            click(w, effectBox ? u"Command6"_s : u"Command10"_s);
            QCOMPARE(clipboardText(), expected);
        }
    }

    void saveWritesThePageWithTheFinalCodeOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"links.html"_s);
        Form5 *w = open();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        click(w, u"Command5"_s); // in the effect box only: not in the page
        m_services->answerSave(path);
        click(w, u"Command7"_s);

        QCOMPARE(testfiles::contentOf(path), LinelessPage);
        QCOMPARE(m_services->questions.size(), 1);
        const FakeServices::Question &question = m_services->questions.front();
        QCOMPARE(question.kind, FakeServices::Question::Save);
        QCOMPARE(question.request.filter.description, u"HTM(L) *.html, *.htm "_s);
        QCOMPARE(question.request.filter.patterns, u"*.html"_s);
        QCOMPARE(question.request.title, QString());
        QCOMPARE(question.request.proposedName, QString());
        QVERIFY(m_services->messages.isEmpty());
        // Saving changes neither box.
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a:hover{text-transform:uppercase; }--></style>"));
    }

    void saveWithAnEmptyFinalCode()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"empty.htm"_s);
        Form5 *w = open();
        m_services->answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(path), EmptyPage);
    }

    void aNameWithoutExtensionIsUsedAsItIs()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"page"_s);
        Form5 *w = open();
        m_services->answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(path), EmptyPage);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"page"_s});
    }

    void saveAgainProposesTheFirstNameAndReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"first.html"_s);
        Form5 *w = open();
        m_services->answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(testfiles::contentOf(path), EmptyPage);

        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        m_services->answerSave(path);
        click(w, u"Command7"_s);
        QCOMPARE(m_services->questions.size(), 2);
        QCOMPARE(m_services->questions[1].request.proposedName, path);
        QCOMPARE(testfiles::contentOf(path), LinelessPage);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"first.html"_s});
    }

    void cancelOrEmptyNameWritesNothing_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancelled") << true;
        QTest::newRow("empty name") << false;
    }
    void cancelOrEmptyNameWritesNothing()
    {
        QFETCH(bool, cancel);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"first.html"_s);
        Form5 *w = open();
        m_services->answerSave(path);
        click(w, u"Command7"_s);

        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        m_services->answerSave(cancel ? std::nullopt : std::optional<QString>(QString()));
        click(w, u"Command7"_s);
        QCOMPARE(m_services->questions.size(), 2);
        QCOMPARE(m_services->questions[1].request.proposedName, path);
        QCOMPARE(testfiles::contentOf(path), EmptyPage); // the first file as it was
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"first.html"_s});
        QVERIFY(m_services->messages.isEmpty());

        // The name proposed next is still the one chosen before.
        m_services->answerSave(std::nullopt);
        click(w, u"Command7"_s);
        QCOMPARE(m_services->questions[2].request.proposedName, path);
    }

    void anUnwritablePathIsReportedAndWritesNothing_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << u"missing/page.html"_s;
        QTest::newRow("a folder's name") << u"folder"_s;
    }
    void anUnwritablePathIsReportedAndWritesNothing()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        const QString path = dir.filePath(relative);
        Form5 *w = open();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        m_services->answerSave(path);
        click(w, u"Command7"_s);

        QCOMPARE(m_services->messages.size(), 1);
        QCOMPARE(m_services->messages.front().title, u"Quillarc 2"_s);
        QVERIFY2(m_services->messages.front().text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(m_services->messages.front().text));
        QVERIFY(!QFile::exists(dir.filePath(u"missing"_s)));
        QVERIFY(QFileInfo(dir.filePath(u"folder"_s)).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(dir.filePath(u"folder"_s)).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a{text-decoration:none}--></style>"));

        // The window goes on working.
        click(w, u"Command5"_s);
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a:hover{text-transform:uppercase; }--></style>"));
    }

    void twoWindowsKeepSeparateTexts()
    {
        QTemporaryDir dir;
        Form5 *first = open();
        Form5 *second = open();
        QVERIFY(first != second);
        QCOMPARE(m_workspace->subWindowList().size(), 2);

        click(first, u"Command12"_s);
        click(first, u"Command9"_s);
        m_services->answerPrompt(u"red"_s);
        click(second, u"Command2"_s);
        QCOMPARE(text(first, u"RichTextBox1"_s), QByteArray("<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(first, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));
        QCOMPARE(text(second, u"RichTextBox1"_s), QByteArray("<style><!--a:hover{color:red; }--></style>"));
        QCOMPARE(text(second, u"Text1"_s), QByteArray());

        click(second, u"Command11"_s);
        QCOMPARE(text(first, u"Text1"_s), QByteArray("\r\n<style><!--a{text-decoration:none}--></style>"));

        // Each window's dialog remembers its own name.
        const QString firstPath = dir.filePath(u"one.html"_s);
        m_services->answerSave(firstPath);
        click(first, u"Command7"_s);
        m_services->answerSave(std::nullopt);
        click(second, u"Command7"_s);
        QCOMPARE(m_services->questions.last().request.proposedName, QString());
        QCOMPARE(testfiles::contentOf(firstPath), LinelessPage);
    }

    void closeDiscardsTheWindowWithoutAQuestion()
    {
        Form5 *w = open();
        click(w, u"Command12"_s);
        click(w, u"Command9"_s);
        QPointer<Form5> alive(w);
        click(w, u"Command8"_s);
        QVERIFY(w->isClosed());
        QTRY_VERIFY(alive.isNull());
        QVERIFY(m_services->questions.isEmpty());
        QVERIFY(m_workspace->subWindowList().isEmpty());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");

        QTest::newRow("Command1") << u"Command1"_s << u"FontSize"_s << u"Change the fontsize of the links"_s;
        QTest::newRow("Command2") << u"Command2"_s << u"ForeColor"_s << u"Change the text color of the links"_s;
        QTest::newRow("Command3") << u"Command3"_s << u"BackColor"_s << u"Change the background color of the links"_s;
        QTest::newRow("Command5") << u"Command5"_s << u"Uppercase"_s << u"Convert all links to uppercase"_s;
        QTest::newRow("Command4") << u"Command4"_s << u"Lowercase"_s << u"Convert all links to lowercase"_s;
        QTest::newRow("Command6") << u"Command6"_s << u"Copy"_s << u"Copy the text below to the clipboard"_s;
        QTest::newRow("Command12") << u"Command12"_s << u"Lineless"_s
                                   << u"Make links appear to have no lines below them"_s;
        QTest::newRow("Command9") << u"Command9"_s << u"Add Above to Final Code"_s
                                  << u"Add the above code to teh final result"_s;
        QTest::newRow("Command11") << u"Command11"_s << u"Clear final code"_s << u"Clear the final result"_s;
        QTest::newRow("Command10") << u"Command10"_s << u"Copy This"_s << u"Copy the final code to the clipboard"_s;
        QTest::newRow("Command7") << u"Command7"_s << u"Save As HTML"_s
                                  << u"Create an HTML file with your chosen link effects(includes an example link)"_s;
        QTest::newRow("Command8") << u"Command8"_s << u"Close"_s << u"Close this link effect window"_s;
        QTest::newRow("Command13") << u"Command13"_s << u"Ok"_s << QString();
        QTest::newRow("Command14") << u"Command14"_s << u"Ok"_s << QString();
        QTest::newRow("Command15") << u"Command15"_s << u"Ok"_s << QString();
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        Form5 *w = open();
        QPushButton *control = button(w, name);
        QCOMPARE(control->text(), caption);
        QCOMPARE(control->toolTip(), toolTip);
        QCOMPARE(control->palette().color(QPalette::Button), QColor(255, 224, 192));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("length");

        QTest::newRow("Label1") << u"Label1"_s << u"Form5"_s << u"Click a button to select a style"_s << 32;
        QTest::newRow("Label2") << u"Label2"_s << u"Form5"_s
                                << u"Paste the code into the <Head>. All links will be changed!"_s << 58;
        QTest::newRow("label99")
            << u"label99"_s << u"tut1"_s
            << u"The first textbox above you is where the current effect appears when you click an effect button. "
               "For example, If you click \"lineless\", the code for the lineless links will appear in that textbox. "
               "When you have selected an effect, click ok to proceed to the next section. "_s
            << 271;
        QTest::newRow("Label3")
            << u"Label3"_s << u"tut2"_s
            << u"Now that you see an effect code in the textbox(now hidden), you need to add it to the final code. "
               "Click \"Add above to final code\" and the code will appear in the textbox below you. This textbox "
               "displays all of the code you will have. When you have added the effect to the final code, click ok."_s
            << 293;
        QTest::newRow("Label4")
            << u"Label4"_s << u"tut3"_s
            << u"Finally, you need to save or copy the final code so you can use it on your webpage. If you want to "
               "copy it, click \"Copy This\" below, and then paste it into the <head> section of your webpage. If you "
               "don't want to do this, click \"Save As HTML\" to get an html page with an example link of your "
               "effects. Thank you for using this tutorial!"_s
            << 335;
    }
    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QString, expected);
        QFETCH(int, length);
        Form5 *w = open();
        auto *label = w->findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->parentWidget()->objectName(), parent);
        QCOMPARE(label->text(), expected);
        QCOMPARE(label->text().size(), length);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->autoFillBackground());
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");

        // Twips divided by 15.
        QTest::newRow("Label2 120,360,4575,255") << u"Label2"_s << QRect(8, 24, 305, 17);
        QTest::newRow("Command1 120,600,1335,375") << u"Command1"_s << QRect(8, 40, 89, 25);
        QTest::newRow("Command12 4080,840,1095,375") << u"Command12"_s << QRect(272, 56, 73, 25);
        QTest::newRow("RichTextBox1 0,1320,4575,1935") << u"RichTextBox1"_s << QRect(0, 88, 305, 129);
        QTest::newRow("Command9 240,3240,2535,615") << u"Command9"_s << QRect(16, 216, 169, 41);
        QTest::newRow("Command11 2760,3240,1215,615") << u"Command11"_s << QRect(184, 216, 81, 41);
        QTest::newRow("Text1 0,3840,4575,1815") << u"Text1"_s << QRect(0, 256, 305, 121);
        QTest::newRow("Command10 360,5640,1095,495") << u"Command10"_s << QRect(24, 376, 73, 33);
        QTest::newRow("Command7 1440,5640,1335,495") << u"Command7"_s << QRect(96, 376, 89, 33);
        QTest::newRow("Command8 2760,5640,1335,495") << u"Command8"_s << QRect(184, 376, 89, 33);
        QTest::newRow("tut1 120,3480,4455,1815") << u"tut1"_s << QRect(8, 232, 297, 121);
        QTest::newRow("tut2 120,1320,4455,1815") << u"tut2"_s << QRect(8, 88, 297, 121);
        QTest::newRow("tut3 120,3480,4455,1815") << u"tut3"_s << QRect(8, 232, 297, 121);
        QTest::newRow("label99 120,240,4215,1215 in tut1") << u"label99"_s << QRect(8, 16, 281, 81);
        QTest::newRow("Command13 1560,1320,1335,375 in tut1") << u"Command13"_s << QRect(104, 88, 89, 25);
        QTest::newRow("Command14 1560,1320,1335,375 in tut2") << u"Command14"_s << QRect(104, 88, 89, 25);
        QTest::newRow("Command15 3000,1320,1335,375 in tut3") << u"Command15"_s << QRect(200, 88, 89, 25);
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        Form5 *w = open();
        QWidget *control = w->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), pixels);
    }

    void tabOrderFollowsTheTabIndices()
    {
        Form5 *w = open();
        m_workspace->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_workspace));
        button(w, u"Command1"_s)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button(w, u"Command1"_s)));
        QStringList visited{u"Command1"_s};
        for (int i = 0; i < 13; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, (QStringList{u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command5"_s, u"Command6"_s,
                                       u"Text1"_s, u"Command9"_s, u"Command10"_s, u"Command11"_s, u"RichTextBox1"_s,
                                       u"Command4"_s, u"Command7"_s, u"Command8"_s, u"Command12"_s}));
    }

    void tabReachesTheOkOfTheShownStep()
    {
        Form5 *w = open(true);
        m_workspace->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_workspace));
        const QString oks[] = {u"Command13"_s, u"Command14"_s, u"Command15"_s};
        for (const QString &ok : oks) {
            button(w, u"Command12"_s)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button(w, u"Command12"_s)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), ok);
            // The Ok takes the space bar like every button.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        for (const QString &name : {u"tut1"_s, u"tut2"_s, u"tut3"_s})
            QVERIFY2(!frame(w, name)->isVisible(), qPrintable(name));
    }

    void colours()
    {
        Form5 *w = open(true);
        QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(frame(w, u"tut1"_s)->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(frame(w, u"tut2"_s)->palette().color(QPalette::Window), QColor(255, 255, 128));
        QCOMPARE(frame(w, u"tut3"_s)->palette().color(QPalette::Window), QColor(255, 255, 128));
        for (const QString &name : {u"tut1"_s, u"tut2"_s, u"tut3"_s})
            QCOMPARE(frame(w, name)->title(), u"Interactive Tutorial"_s);

        // What is drawn: a spot of each frame left free by its text and its button.
        const QPoint spot(30, 105);
        QCOMPARE(w->grab().toImage().pixelColor(frame(w, u"tut1"_s)->geometry().topLeft() + spot),
                 QColor(255, 255, 192));
        click(w, u"Command13"_s);
        QCOMPARE(w->grab().toImage().pixelColor(frame(w, u"tut2"_s)->geometry().topLeft() + spot),
                 QColor(255, 255, 128));
        click(w, u"Command14"_s);
        QCOMPARE(w->grab().toImage().pixelColor(frame(w, u"tut3"_s)->geometry().topLeft() + spot),
                 QColor(255, 255, 128));
        // And the window's own background beside the boxes.
        QCOMPARE(w->grab().toImage().pixelColor(330, 150), QColor(255, 255, 192));
    }

    void tutorialLeadsThroughTheFramesInOrder()
    {
        Form5 *w = open(true);
        QVERIFY(w->tutmode);
        const auto visibleFrames = [w] {
            QStringList names;
            for (const QString &name : {u"tut1"_s, u"tut2"_s, u"tut3"_s})
                if (frame(w, name)->isVisible())
                    names.append(name);
            return names;
        };
        QCOMPARE(visibleFrames(), QStringList{u"tut1"_s});
        checkUsable(w, 1);
        click(w, u"Command13"_s);
        QCOMPARE(visibleFrames(), QStringList{u"tut2"_s});
        checkUsable(w, 2);
        click(w, u"Command14"_s);
        QCOMPARE(visibleFrames(), QStringList{u"tut3"_s});
        checkUsable(w, 3);
        click(w, u"Command15"_s);
        QCOMPARE(visibleFrames(), QStringList());
        checkUsable(w, 4);
        QVERIFY(m_services->messages.isEmpty());
    }

    void tutorialStepsDoNotWaitForTheUser()
    {
        // The Ok buttons move on whatever was or was not done.
        Form5 *w = open(true);
        click(w, u"Command13"_s);
        click(w, u"Command14"_s);
        QVERIFY(frame(w, u"tut3"_s)->isVisible());
        QCOMPARE(text(w, u"Text1"_s), QByteArray());
        click(w, u"Command15"_s);
        QVERIFY(!frame(w, u"tut3"_s)->isVisible());
    }

    void tutorialFlagSetAfterLoadingShowsNothing()
    {
        Form5 *w = open();
        w->tutmode = true;
        w->showWindow();
        QVERIFY(!frame(w, u"tut1"_s)->isVisible());
    }

    void renders()
    {
        Form5 *plain = open();
        click(plain, u"Command12"_s);
        click(plain, u"Command9"_s);
        const QString plainPath = testimages::render(plain, u"linkfx_window"_s);
        QVERIFY(QImage(plainPath).size() == QSize(347, 417));

        Form5 *tutorial = open(true);
        const QString steps[] = {u"linkfx_window_tut1"_s, u"linkfx_window_tut2"_s, u"linkfx_window_tut3"_s};
        const QString oks[] = {u"Command13"_s, u"Command14"_s, u"Command15"_s};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(QImage(testimages::render(tutorial, steps[i])).size() == QSize(347, 417));
            click(tutorial, oks[i]);
        }
        testimages::render(m_workspace, u"linkfx_workspace"_s);
    }

private:
    Form5 *open(bool tutorial = false)
    {
        if (!tutorial)
            return ui::openAtTop<Form5>(*m_workspace);
        auto *w = new Form5(*m_workspace);
        w->tutmode = true; // before anything loads the window
        w->setTop(0);
        w->showWindow();
        return w;
    }

    static QPushButton *button(Form5 *w, const QString &name)
    {
        auto *found = w->findChild<QPushButton *>(name);
        if (!found)
            qFatal("no button %s", qPrintable(name));
        return found;
    }
    static QPlainTextEdit *box(Form5 *w, const QString &name)
    {
        auto *found = w->findChild<QPlainTextEdit *>(name);
        if (!found)
            qFatal("no box %s", qPrintable(name));
        return found;
    }
    static QGroupBox *frame(Form5 *w, const QString &name)
    {
        auto *found = w->findChild<QGroupBox *>(name);
        if (!found)
            qFatal("no frame %s", qPrintable(name));
        return found;
    }
    static QByteArray text(Form5 *w, const QString &name)
    {
        return QByteArray::fromStdString(ui::textOf(box(w, name)));
    }
    static void click(Form5 *w, const QString &name) { QTest::mouseClick(button(w, name), Qt::LeftButton); }

    // While a step frame is shown every button of the window can still be reached with the
    // mouse, and both boxes take typing.
    void checkUsable(Form5 *w, int step)
    {
        const QString context = u"step %1"_s.arg(step);
        ui::setText(box(w, u"Text1"_s), std::string());
        const QString buttons[] = {u"Command1"_s,  u"Command2"_s,  u"Command3"_s,  u"Command5"_s,
                                   u"Command4"_s,  u"Command6"_s,  u"Command12"_s, u"Command9"_s,
                                   u"Command11"_s, u"Command10"_s, u"Command7"_s,  u"Command8"_s};
        for (const QString &name : buttons) {
            QPushButton *control = button(w, name);
            const std::optional<QPoint> point = reachablePoint(w, control);
            QVERIFY2(point, qPrintable(context + u": "_s + name + u" is covered"_s));
            QVERIFY2(control->isEnabled(), qPrintable(context + u": "_s + name));
        }
        const auto clickAt = [w](const QString &name) {
            QPushButton *control = button(w, name);
            const QPoint point = *reachablePoint(w, control);
            QTest::mouseClick(control, Qt::LeftButton, {}, control->mapFrom(w, point));
        };
        m_services->answerPrompt(u"blue"_s);
        clickAt(u"Command2"_s);
        QCOMPARE(text(w, u"RichTextBox1"_s), QByteArray("<style><!--a:hover{color:blue; }--></style>"));
        clickAt(u"Command9"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray("\r\n<style><!--a:hover{color:blue; }--></style>"));
        clickAt(u"Command10"_s);
        QCOMPARE(clipboardText(), u"\r\n<style><!--a:hover{color:blue; }--></style>"_s);
        clickAt(u"Command11"_s);
        QCOMPARE(text(w, u"Text1"_s), QByteArray());

        for (const QString &name : {u"RichTextBox1"_s, u"Text1"_s}) {
            QPlainTextEdit *edit = box(w, name);
            edit->selectAll();
            QTest::keyClicks(edit, u"typed"_s);
            QCOMPARE(text(w, name), QByteArray("typed"));
        }
        ui::setText(box(w, u"RichTextBox1"_s), std::string());
        ui::setText(box(w, u"Text1"_s), std::string());
    }

    std::unique_ptr<TestWorkspace> m_fixture;
    FakeServices *m_services = nullptr;
    ui::Workspace *m_workspace = nullptr;
};

QTEST_MAIN(TestLinkEffectsWindow)
#include "test_link_effects_window.moc"
