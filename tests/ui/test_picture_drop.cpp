// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/drag_drop.h"
#include "ui/picture_drop.h"
#include "ui/services.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

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
                                    u"notes.txt"_s, u"gif"_s, u"scan.tif"_s}) {
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(m_dir.path()).mkdir(u"album.jpg"_s));
    }

    void suffixesFollowThePickerFilter()
    {
        QCOMPARE(ui::pictureSuffixes({u"Image Files (*.jpg,*.gif,*.bmp) "_s, u"*.jpg;*.gif;*.bmp"_s}),
                 (QStringList{u"jpg"_s, u"gif"_s, u"bmp"_s, u"jpeg"_s, u"png"_s}));
        QCOMPARE(ui::pictureSuffixes({u"Pictures "_s, u"*.PNG; *.gif"_s}),
                 (QStringList{u"png"_s, u"gif"_s, u"jpeg"_s}));
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
        file("blank and hash in the name", u"my pic#1.bmp"_s, path(u"my pic#1.bmp"_s));
        QTest::newRow("address naming localhost")
            << QList<QUrl>{QUrl(u"file://localhost"_s + QUrl::fromLocalFile(path(u"up.gif"_s)).path())} << QString()
            << all << path(u"up.gif"_s);

        file("text file", u"notes.txt"_s, QString());
        file("file named like a suffix", u"gif"_s, QString());
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
        ui::PictureDropTarget target(ui::pictureSuffixes({QString(), u"*.jpg;*.gif;*.bmp"_s}), &window);
        target.watch(box);
        target.watch(button);
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

private:
    QString path(const QString &name) const { return name.isEmpty() ? m_dir.path() : m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPictureDrop)
#include "test_picture_drop.moc"
