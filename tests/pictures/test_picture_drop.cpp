// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_drop.h"
#include "tests/support/drag_drop.h"
#include "ui/services.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ui::FileFilter)

// Which drags from a file manager a picture's box and button take, and that nothing else
// dragged onto them changes them.

class TestPictureDrop final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The helper looks at names and kinds only; the pictures' content is the windows' matter.
        for (const QString &name : {u"up.gif"_s, u"PHOTO.JPG"_s, u"a.jpeg"_s, u"b.png"_s, u"c.bmp"_s, u"my pic#1.bmp"_s,
                                    u"d.webp"_s, u"E.SVG"_s, u"notes.txt"_s, u"gif"_s, u"scan.tif"_s}) {
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(m_dir.path()).mkdir(u"album.jpg"_s));
    }

    void suffixesFollowThePickerFilters_data()
    {
        QTest::addColumn<ui::FileFilter>("first");
        QTest::addColumn<QList<ui::FileFilter>>("more");
        QTest::addColumn<QStringList>("suffixes");
        const ui::FileRequest pickers = ui::pictureRequest();
        QTest::newRow("the pickers' filters")
            << pickers.filter << pickers.moreFilters
            << QStringList{u"jpg"_s, u"gif"_s, u"bmp"_s, u"jpeg"_s, u"png"_s, u"webp"_s, u"svg"_s};
        QTest::newRow("first filter alone")
            << ui::PictureFilter << QList<ui::FileFilter>() << QStringList{u"jpg"_s, u"gif"_s, u"bmp"_s};
        QTest::newRow("upper case and blanks") << ui::FileFilter{u"Pictures "_s, u"*.PNG; *.gif"_s}
                                               << QList<ui::FileFilter>() << QStringList{u"png"_s, u"gif"_s};
        QTest::newRow("shared suffixes once, patterns without a suffix left out")
            << ui::FileFilter{u"A "_s, u"*.jpg;*.gif"_s}
            << QList<ui::FileFilter>{{u"B "_s, u"*.GIF;*.png;readme;*"_s}, {u"C "_s, u"*.jpg;*.svg"_s}}
            << QStringList{u"jpg"_s, u"gif"_s, u"png"_s, u"svg"_s};
    }
    void suffixesFollowThePickerFilters()
    {
        QFETCH(ui::FileFilter, first);
        QFETCH(QList<ui::FileFilter>, more);
        QFETCH(QStringList, suffixes);
        ui::FileRequest picker;
        picker.filter = first;
        picker.moreFilters = more;
        QCOMPARE(ui::pictureSuffixes(picker), suffixes);
    }

    void dropsOnABoxAndItsButton_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("actions");
        QTest::addColumn<QString>("taken"); // the path reported, empty when refused

        const int all = int(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
        const auto local = [this](const QString &name) {
            return QList<QUrl>{QUrl::fromLocalFile(path(name))};
        };
        const auto file = [&](const char *tag, const QString &name, const QString &taken) {
            QTest::newRow(tag) << local(name) << path(name) << all << taken;
        };
        file("gif", u"up.gif"_s, path(u"up.gif"_s));
        file("upper-case JPG", u"PHOTO.JPG"_s, path(u"PHOTO.JPG"_s));
        file("jpeg", u"a.jpeg"_s, path(u"a.jpeg"_s));
        file("png", u"b.png"_s, path(u"b.png"_s));
        file("bmp", u"c.bmp"_s, path(u"c.bmp"_s));
        file("webp", u"d.webp"_s, path(u"d.webp"_s));
        file("upper-case SVG", u"E.SVG"_s, path(u"E.SVG"_s));
        file("blank and hash in the name", u"my pic#1.bmp"_s, path(u"my pic#1.bmp"_s));
        QTest::newRow("address naming localhost")
            << QList<QUrl>{QUrl(u"file://localhost"_s + QUrl::fromLocalFile(path(u"up.gif"_s)).path())} << QString()
            << all << path(u"up.gif"_s);

        file("text file", u"notes.txt"_s, QString());
        file("file named like a suffix", u"gif"_s, QString());
        // The readers take TIFF, but a page cannot show it.
        file("picture the picker does not list", u"scan.tif"_s, QString());
        file("folder", QString(), QString());
        file("folder named like a picture", u"album.jpg"_s, QString());
        file("missing file", u"gone.gif"_s, QString());
        QTest::newRow("two pictures") << (local(u"up.gif"_s) + local(u"c.bmp"_s))
                                      << path(u"up.gif"_s) + u'\n' + path(u"c.bmp"_s) << all << QString();
        QTest::newRow("web address") << QList<QUrl>{QUrl(u"https://example.org/up.gif"_s)}
                                     << u"https://example.org/up.gif"_s << all << QString();
        QTest::newRow("file on another host")
            << QList<QUrl>{QUrl(u"file://server/pics/up.gif"_s)} << QString() << all << QString();
        // The same path as the "gif" row's, which is taken from this machine.
        QTest::newRow("file on another host whose path is here too")
            << QList<QUrl>{QUrl(u"file://otherhost"_s + QUrl::fromLocalFile(path(u"up.gif"_s)).path())} << QString()
            << all << QString();
        QTest::newRow("plain text naming a picture") << QList<QUrl>() << path(u"up.gif"_s) << all << QString();
        QTest::newRow("nothing") << QList<QUrl>() << QString() << all << QString();
        QTest::newRow("a drag that only moves") << local(u"up.gif"_s) << QString() << int(Qt::MoveAction) << QString();
    }
    void dropsOnABoxAndItsButton()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(int, actions);
        QFETCH(QString, taken);

        QWidget window;
        auto *box = new QLineEdit(u"kept"_s, &window);
        auto *button = new QPushButton(u"..."_s, &window);
        ui::PictureDropTarget target(ui::pictureSuffixes(ui::pictureRequest()), &window);
        target.watch(box);
        target.watch(button, box);
        QSignalSpy spy(&target, &ui::PictureDropTarget::pictureDropped);
        const std::unique_ptr<QMimeData> data = dragdrop::mimeData(urls, text);
        const bool accepted = !taken.isEmpty();

        for (QWidget *widget : {static_cast<QWidget *>(box), static_cast<QWidget *>(button)}) {
            QVERIFY(widget->acceptDrops());
            spy.clear();
            const dragdrop::Answer answer = dragdrop::dragOnto(widget, data.get(), Qt::DropActions(actions));
            QCOMPARE(answer.enter, accepted);
            QCOMPARE(answer.move, accepted);
            QCOMPARE(answer.drop, accepted);
            // The file is only read: the drag is told to copy it, never to move it away.
            QCOMPARE(answer.action, accepted ? Qt::CopyAction : Qt::IgnoreAction);
            QCOMPARE(spy.size(), accepted ? 1 : 0);
            if (accepted)
                QCOMPARE(spy.first().first().toString(), taken);
            // The box's own text drop never runs: a refused drag leaves it as it was.
            QCOMPARE(box->text(), u"kept"_s);
        }
    }

    // While a drag that would be taken is over a box or its button, the box's edge is drawn in
    // the highlight colour, and only that box's; when the drag leaves or drops, the box paints
    // exactly as before.
    void dragHighlightsTheBox_data()
    {
        QTest::addColumn<bool>("onButton");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("actions");
        QTest::addColumn<bool>("drops"); // ends with a drop, else the drag leaves
        QTest::addColumn<bool>("taken");
        const int all = int(dragdrop::AnyAction);
        for (const bool drops : {false, true}) {
            const char *end = drops ? "dropped" : "left";
            for (const bool onButton : {false, true}) {
                const char *where = onButton ? "button" : "box";
                QTest::addRow("picture over the %s, %s", where, end) << onButton << u"up.gif"_s << all << drops << true;
                QTest::addRow("svg over the %s, %s", where, end) << onButton << u"E.SVG"_s << all << drops << true;
                QTest::addRow("text file over the %s, %s", where, end)
                    << onButton << u"notes.txt"_s << all << drops << false;
                QTest::addRow("picture that only moves over the %s, %s", where, end)
                    << onButton << u"up.gif"_s << int(Qt::MoveAction) << drops << false;
            }
        }
    }
    void dragHighlightsTheBox()
    {
        QFETCH(bool, onButton);
        QFETCH(QString, file);
        QFETCH(int, actions);
        QFETCH(bool, drops);
        QFETCH(bool, taken);

        QWidget window;
        window.resize(300, 80);
        QLineEdit *boxes[2];
        QPushButton *buttons[2];
        for (int i = 0; i < 2; ++i) {
            boxes[i] = new QLineEdit(u"kept"_s, &window);
            boxes[i]->setGeometry(4, 4 + 30 * i, 200, 21);
            boxes[i]->setFocusPolicy(Qt::NoFocus); // no text cursor blinks between two grabs
            buttons[i] = new QPushButton(u"..."_s, &window);
            buttons[i]->setGeometry(210, 4 + 30 * i, 30, 21);
            auto *target = new ui::PictureDropTarget(ui::pictureSuffixes(ui::pictureRequest()), &window);
            target->watch(boxes[i]);
            target->watch(buttons[i], boxes[i]);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window)); // the focus has settled
        const QImage atRest = window.grab().toImage();
        const QImage boxAtRest = boxes[0]->grab().toImage();
        const QImage otherAtRest = dragdrop::edgeOf(boxes[1]);
        QVERIFY(!dragdrop::showsDropHighlight(boxes[0]));

        const std::unique_ptr<QMimeData> data = dragdrop::files({path(file)});
        QWidget *over = onButton ? static_cast<QWidget *>(buttons[0]) : boxes[0];
        dragdrop::Answer answer = dragdrop::dragOver(over, data.get(), Qt::DropActions(actions));
        QCOMPARE(answer.move, taken);
        QCOMPARE(dragdrop::showsDropHighlight(boxes[0]), taken);
        QCOMPARE(dragdrop::edgeOf(boxes[1]), otherAtRest); // the other box as it was
        if (!taken)
            QCOMPARE(boxes[0]->grab().toImage(), boxAtRest);

        if (drops) {
            dragdrop::dropOn(over, data.get(), answer, Qt::DropActions(actions));
            QCOMPARE(answer.drop, taken);
        } else {
            dragdrop::dragLeave(over);
        }
        QVERIFY(!dragdrop::showsDropHighlight(boxes[0]));
        QCOMPARE(boxes[0]->grab().toImage(), boxAtRest);
        // The toolkit draws a button under a drag as under the pointer, which these synthetic
        // drags never move away again; the rest of the window is as before.
        if (!onButton)
            QCOMPARE(window.grab().toImage(), atRest);
    }

    void dragFromTheButtonOntoItsBox()
    {
        // The drag leaves the button for the box: one highlight all the way, gone at the end.
        QWidget window;
        auto *box = new QLineEdit(&window);
        box->setGeometry(4, 4, 200, 21);
        box->setFocusPolicy(Qt::NoFocus);
        auto *button = new QPushButton(u"..."_s, &window);
        button->setGeometry(210, 4, 30, 21);
        ui::PictureDropTarget target(ui::pictureSuffixes(ui::pictureRequest()), &window);
        target.watch(box);
        target.watch(button, box);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window)); // the focus has settled
        const QImage atRest = window.grab().toImage();
        const std::unique_ptr<QMimeData> data = dragdrop::files({path(u"b.png"_s)});
        QVERIFY(dragdrop::dragOver(button, data.get()).move);
        QVERIFY(dragdrop::showsDropHighlight(box));
        dragdrop::dragLeave(button);
        QVERIFY(!dragdrop::showsDropHighlight(box));
        QVERIFY(dragdrop::dragOver(box, data.get()).move);
        QVERIFY(dragdrop::showsDropHighlight(box));
        dragdrop::dragLeave(box);
        QCOMPARE(window.grab().toImage(), atRest);
    }

private:
    QString path(const QString &name) const { return name.isEmpty() ? m_dir.path() : m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPictureDrop)
#include "test_picture_drop.moc"
