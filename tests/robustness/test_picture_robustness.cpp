// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_editor.h"
#include "button/picture_box.h"
#include "pictures/picture_file.h"
#include "rollover/properties_window.h"
#include "rollover/rollover_preview.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

#include <utility>

using namespace Qt::StringLiterals;
using testimages::claimingSize;
using testwindows::child;

// The button editor's pickers and preview against files that are no pictures, claim
// pictures too large to hold, cannot be read, never end, or change between loads. Every
// pick ends at once and either shows the picture or leaves the preview as it was.

namespace {

// One seeded change to a valid file: bytes flipped, a piece cut out or added, the end cut
// off, a run of 0xff (which looks like markers to a JPEG reader), or a size field changed.
QByteArray mutated(QByteArray data, const QByteArray &format, QRandomGenerator &random)
{
    const auto anywhere = [&] {
        return qsizetype(random.bounded(int(data.size())));
    };
    switch (random.bounded(6)) {
    case 0:
        for (int i = 0, n = 1 + random.bounded(8); i < n; ++i)
            data[anywhere()] = char(random.bounded(256));
        break;
    case 1:
        data.remove(anywhere(), 1 + random.bounded(16));
        break;
    case 2:
        for (int i = 0, n = 1 + random.bounded(16); i < n; ++i)
            data.insert(anywhere(), char(random.bounded(256)));
        break;
    case 3:
        data.truncate(anywhere());
        break;
    case 4: {
        const qsizetype at = anywhere();
        for (qsizetype i = at; i < qMin(data.size(), at + 1 + random.bounded(12)); ++i)
            data[i] = char(0xff);
        break;
    }
    default:
        data = claimingSize(data, format, quint16(random.bounded(65536)), quint16(random.bounded(65536)));
        break;
    }
    return data;
}

QByteArray gzipped(const QByteArray &data)
{
    QProcess gzip;
    gzip.start(u"gzip"_s, {u"-c"_s});
    gzip.write(data);
    gzip.closeWriteChannel();
    return gzip.waitForFinished() ? gzip.readAllStandardOutput() : QByteArray();
}

} // namespace

class TestPictureRobustness final : public WindowTest {
    Q_OBJECT

public:
    TestPictureRobustness()
        : WindowTest({800, 600})
    {}

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(testimages::writePicture(path(u"valid.bmp"_s), 20, 10, Qt::red));
        QVERIFY(testimages::writePicture(path(u"valid.jpg"_s), 24, 16, Qt::green));
        QVERIFY(testimages::writePicture(path(u"valid.png"_s), 12, 8, Qt::blue));
        QVERIFY(testimages::writeGif(path(u"valid.gif"_s), 16, 12, Qt::yellow));
        QVERIFY(testimages::writePicture(path(u"valid.webp"_s), 18, 12, Qt::cyan));
        QVERIFY(testimages::writeSvg(path(u"valid.svg"_s), 60, 40, Qt::darkBlue));
        QVERIFY(testimages::writePicture(path(u"shown.bmp"_s), 30, 14, Qt::magenta));
        QVERIFY(testimages::writePicture(path(u"red.png"_s), 8, 8, Qt::red));
    }

    void init()
    {
        WindowTest::init();
        m_editor = open<Form7>();
        child<QCheckBox>(m_editor, u"Check1"_s)->setChecked(true); // the size follows the picture
        pickDefault(path(u"shown.bmp"_s));
        QCOMPARE(preview()->picture().size(), QSize(30, 14));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << u"missing"_s;
        QTest::newRow("empty") << u"empty"_s;
        QTest::newRow("random bytes") << u"random"_s;
        for (const char *format : {"bmp", "jpg", "png", "gif", "webp", "svg"}) {
            QTest::addRow("%s cut at half", format) << u"half."_s + QLatin1String(format);
            QTest::addRow("%s without its last bytes", format) << u"short."_s + QLatin1String(format);
            QTest::addRow("%s claiming 65535 by 65535", format) << u"huge."_s + QLatin1String(format);
        }
        // The thumbnail's scan and end marker come before the picture's own.
        QTest::newRow("jpg with a thumbnail, cut in its picture's scan") << u"thumbnail"_s;
        QTest::newRow("a folder") << u"folder"_s;
        QTest::newRow("a FIFO") << u"fifo"_s;
        QTest::newRow("a link to /dev/zero") << u"zero"_s;
        QTest::newRow("a link to nothing") << u"dangling"_s;
    }
    void badFiles()
    {
        QFETCH(QString, kind);
        const QString bad = path(u"bad-"_s + QString::number(qHash(QByteArray(QTest::currentDataTag()))) + u".jpg"_s);
        const QString format = kind.section(u'.', 1);
        const QByteArray valid = testfiles::contentOf(path(u"valid."_s + format));
        if (kind == u"empty"_s) {
            QVERIFY(testfiles::writeFile(bad, {}));
        } else if (kind == u"random"_s) {
            QByteArray bytes;
            QRandomGenerator random(7);
            for (int i = 0; i < 5000; ++i)
                bytes.append(char(random.bounded(256)));
            QVERIFY(testfiles::writeFile(bad, bytes));
        } else if (kind.startsWith(u"half."_s)) {
            QVERIFY(testfiles::writeFile(bad, valid.left(valid.size() / 2)));
        } else if (kind.startsWith(u"short."_s)) {
            // The PNG reader needs nothing of the 12-byte end chunk, so it loses a piece of its data too.
            QVERIFY(testfiles::writeFile(bad, valid.left(valid.size() - (format == u"png"_s ? 20 : 3))));
        } else if (kind.startsWith(u"huge."_s)) {
            const QByteArray reader = format == u"jpg"_s ? "jpeg" : format.toLatin1();
            QVERIFY(testfiles::writeFile(bad, claimingSize(valid, reader, 65535, 65535)));
        } else if (kind == u"thumbnail"_s) {
            const QString main = path(u"camera main.jpg"_s);
            const QString small = path(u"camera thumbnail.jpg"_s);
            QVERIFY(testimages::writePattern(main, 64, 48));
            QVERIFY(testimages::writePicture(small, 16, 16, Qt::blue));
            const QByteArray camera =
                testimages::withThumbnail(testfiles::contentOf(main), testfiles::contentOf(small));
            // Whole, the file is read as the picture, not the thumbnail.
            const QString whole = path(u"camera.jpg"_s);
            QVERIFY(testfiles::writeFile(whole, camera));
            QCOMPARE(ui::readPicture(whole).size(), QSize(64, 48));
            // Cut half way through the picture's scan, the last one in the file.
            const qsizetype scan = camera.lastIndexOf("\xff\xda");
            QVERIFY(scan > camera.indexOf("\xff\xda"));
            QVERIFY(testfiles::writeFile(bad, camera.left((scan + camera.size()) / 2)));
        } else if (kind == u"folder"_s) {
            QVERIFY(QDir().mkpath(bad));
        } else if (kind == u"fifo"_s) {
            QCOMPARE(::mkfifo(QFile::encodeName(bad).constData(), 0600), 0);
        } else if (kind == u"zero"_s) {
            QVERIFY(QFile::link(u"/dev/zero"_s, bad));
        } else if (kind == u"dangling"_s) {
            QVERIFY(QFile::link(path(u"nothing here"_s), bad));
        }
        expectRefusedEverywhere(bad);
    }

    // An SVG of 20 by 10 pixels filled blue, which holds or names more.
    void svgDrawsOnlyWhatItHolds_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QColor>("corner"); // at 1, 1; none when the picture is refused
        const QByteArray fifo = QFile::encodeName(path(u"fifo"_s));
        QVERIFY(QFileInfo::exists(path(u"fifo"_s)) || ::mkfifo(fifo.constData(), 0600) == 0);
        const QByteArray red = testfiles::contentOf(path(u"red.png"_s));
        const auto svg = [](const QByteArray &inside) -> QByteArray {
            return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' width='20' "
                   "height='10'><rect width='20' height='10' fill='blue'/>" +
                   inside + "</svg>";
        };
        const auto image = [](const QByteArray &href) -> QByteArray {
            return "<image width='5' height='5' xlink:href='" + href + "'/>";
        };
        const auto data = [](const QByteArray &bytes) -> QByteArray {
            return "data:;base64," + bytes.toBase64();
        };
        const QByteArray half = data(claimingSize(red, "png", 16384, 2049)); // just over half the most pixels
        QTest::newRow("an image of a FIFO") << svg(image(fifo)) << QColor(Qt::blue);
        QTest::newRow("an image of a FIFO's URL") << svg(image("file://" + fifo)) << QColor(Qt::blue);
        QTest::newRow("an image of a picture file")
            << svg(image(QFile::encodeName(path(u"red.png"_s)))) << QColor(Qt::blue);
        QTest::newRow("a style sheet in a FIFO")
            << "<?xml-stylesheet type='text/css' href='" + fifo + "'?>" + svg({}) << QColor(Qt::blue);
        QTest::newRow("an SVG held as data with an image of a FIFO")
            << svg(image(data(svg(image(fifo))))) << QColor(Qt::blue);
        QTest::newRow("a picture held as data") << svg(image(data(red))) << QColor(Qt::red);
        QTest::newRow("a picture held as data of over half the most pixels") << svg(image(half)) << QColor(Qt::blue);
        QTest::newRow("two of them") << svg(image(half) + image(half)) << QColor();
        const QByteArray start = svg("<!--");
        QByteArray limit = start.left(start.size() - 6) + QByteArray(ui::MaxInflatedSvgBytes - start.size() - 3, ' ');
        limit += "--></svg>";
        QTest::newRow("compressed to the limit") << gzipped(limit) << QColor(Qt::blue);
        QTest::newRow("compressed beyond it") << gzipped(limit.insert(100, ' ')) << QColor();
    }
    void svgDrawsOnlyWhatItHolds()
    {
        QFETCH(QByteArray, document);
        QFETCH(QColor, corner);
        QVERIFY(testfiles::writeFile(path(u"holds.svg"_s), document));
        hostile::FifoWatchdog watchdog(path(u"fifo"_s));
        const QImage read = ui::readPicture(path(u"holds.svg"_s));
        QVERIFY2(!watchdog.stop(), "the reader waited on a FIFO");
        QCOMPARE(read.isNull() ? QColor() : read.pixelColor(1, 1), corner);
    }

    // Files of a few bytes that claim 16384 by 4096 pixels and draw a handful: two of them in the
    // rollover's preview take no more memory than the preview shows.
    void claimedSizeIsNotRead_data()
    {
        QTest::addColumn<QByteArray>("data");
        QVERIFY(testimages::writeGif(path(u"small.gif"_s), 4, 3, Qt::red));
        QByteArray gif = testfiles::contentOf(path(u"small.gif"_s));
        qToLittleEndian(quint16(16384), gif.data() + 6); // the screen; the picture stays 4 by 3
        qToLittleEndian(quint16(4096), gif.data() + 8);
        QByteArray runs = testimages::claimingBitmap(16384, 4096, 6); // one colour, then the end
        for (const auto &[at, value] : {std::pair{10, 58}, {28, 8}, {30, 1}, {46, 1}, {58, 0x100}})
            qToLittleEndian(quint16(value), runs.data() + at);
        QTest::newRow("a GIF's screen") << gif;
        QTest::newRow("a bitmap of runs") << runs;
    }
    void claimedSizeIsNotRead()
    {
        QFETCH(QByteArray, data);
        QVERIFY(testfiles::writeFile(path(u"claims 1"_s), data) && testfiles::writeFile(path(u"claims 2"_s), data));
        Form2 *rollover = open<Form2>();
        hostile::resetPeakMemory();
        const qint64 before = hostile::peakMemoryKiB();
        for (const QString &button : {u"Command1"_s, u"Command2"_s}) {
            services().answerOpen(path(u"claims "_s + button.back()));
            child<QPushButton>(rollover, button)->click();
        }
        QVERIFY2(before > 0 && hostile::peakMemoryKiB() - before < 32 * 1024,
                 qPrintable(u"%1 KiB more"_s.arg(hostile::peakMemoryKiB() - before)));
        const auto *preview = child<RolloverPreview>(rollover, u"Preview"_s);
        QCOMPARE(preview->pictureSize(RolloverImage::Image2), QSize(16384, 4096));
        QVERIFY(!preview->shown().isNull() && preview->rect().contains(QRect(QPoint(), preview->shown().size())));
    }

    void fileChangedBetweenLoads()
    {
        // The mouse-over picture is read again by each move over the preview.
        const QString over = path(u"changing.bmp"_s);
        QVERIFY(testimages::writePicture(over, 20, 10, Qt::red));
        pick(u"Command2"_s, over);
        hoverPreview();
        QCOMPARE(preview()->picture().size(), QSize(20, 10));
        leavePreview();

        // Now garbage of another size: nothing is shown but the picture already there.
        QVERIFY(testfiles::writeFile(over, QByteArray(777, 'x')));
        hoverPreview();
        expectAPictureFrom({QSize(20, 10), QSize(30, 14)});
        leavePreview();

        // Cut short while the preview uses it.
        const QByteArray blue = [&] {
            const QString other = path(u"blue.bmp"_s);
            testimages::writePicture(other, 40, 20, Qt::blue);
            return testfiles::contentOf(other);
        }();
        QVERIFY(testfiles::writeFile(over, blue.left(blue.size() - 100)));
        hoverPreview();
        expectAPictureFrom({QSize(20, 10), QSize(30, 14)});
        leavePreview();

        // A whole new picture: either it, or the one read before, but never a broken one.
        QVERIFY(testfiles::writeFile(over, blue));
        hoverPreview();
        expectAPictureFrom({QSize(20, 10), QSize(30, 14), QSize(40, 20)});
        leavePreview();
        QCOMPARE(preview()->picture().size(), QSize(30, 14));
    }

    void seededMutations_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("bmp") << u"valid.bmp"_s;
        QTest::newRow("jpeg") << u"valid.jpg"_s;
        QTest::newRow("png") << u"valid.png"_s;
        QTest::newRow("gif") << u"valid.gif"_s;
        QTest::newRow("webp") << u"valid.webp"_s;
        QTest::newRow("svg") << u"valid.svg"_s;
    }
    void seededMutations()
    {
        QFETCH(QString, file);
        const QByteArray valid = testfiles::contentOf(path(file));
        const QByteArray format = QByteArray(QTest::currentDataTag());
        QRandomGenerator random(20261207u + quint32(qHash(format)));
        constexpr int Mutations = 250;
        int shown = 0;
        for (int i = 0; i < Mutations; ++i) {
            const QByteArray data = mutated(valid, format, random);
            // A new name each time: every mutation is a file never seen before.
            const QString target = path(u"mutation-"_s + QString::fromLatin1(format) + QString::number(i) + u".img"_s);
            QVERIFY(testfiles::writeFile(target, data));
            const QPixmap before = preview()->picture();
            pickDefault(target);
            const QPixmap after = preview()->picture();
            QVERIFY2(!after.isNull(), qPrintable(u"mutation %1 left the preview empty"_s.arg(i)));
            if (after.cacheKey() != before.cacheKey()) {
                // Shown: a picture within the largest size read, with the size boxes following it.
                ++shown;
                QVERIFY(qint64(after.width()) * after.height() <= ui::MaxPicturePixels);
                QCOMPARE(box(u"Text4"_s)->text(), QString::number(preview()->width()));
                QCOMPARE(box(u"Text5"_s)->text(), QString::number(preview()->height()));
            }
            if (QTest::currentTestFailed())
                return;
            QVERIFY(QFile::remove(target));
        }
        qInfo("%s: %d of %d mutations shown, the others refused", format.constData(), shown, Mutations);
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    PictureBox *preview() const { return child<PictureBox>(m_editor, u"button"_s); }
    QLineEdit *box(const QString &name) const { return child<QLineEdit>(m_editor, name); }

    void pick(const QString &button, const QString &file)
    {
        services().answerOpen(file);
        hostile::FifoWatchdog watchdog(file);
        child<QPushButton>(m_editor, button)->click();
        QVERIFY2(!watchdog.stop(), "the picker waited on a FIFO");
    }
    void pickDefault(const QString &file) { pick(u"Command1"_s, file); }

    void hoverPreview() { testwindows::sendMouse(preview(), QEvent::MouseMove, Qt::NoButton, {2, 2}); }
    void pressPreview()
    {
        testwindows::sendMouse(preview(), QEvent::MouseButtonPress, Qt::LeftButton, {2, 2}, Qt::LeftButton);
        testwindows::sendMouse(preview(), QEvent::MouseButtonRelease, Qt::LeftButton, {2, 2});
    }
    void leavePreview() { m_editor->Form_MouseMove(); }

    void expectAPictureFrom(const QList<QSize> &sizes) const
    {
        const QPixmap picture = preview()->picture();
        QVERIFY(!picture.isNull());
        QVERIFY2(sizes.contains(picture.size()), qPrintable(u"%1 by %2"_s.arg(picture.width()).arg(picture.height())));
    }

    // The file, picked as each of the three pictures and used by the preview, is refused:
    // the preview and the size keep the picture shown before.
    void expectRefusedEverywhere(const QString &bad)
    {
        const qint64 shownKey = preview()->picture().cacheKey();
        pickDefault(bad);
        QCOMPARE(preview()->picture().cacheKey(), shownKey);
        QCOMPARE(box(u"Text4"_s)->text(), u"30"_s);
        QCOMPARE(box(u"Text5"_s)->text(), u"14"_s);
        pick(u"Command2"_s, bad);
        pick(u"Command3"_s, bad);
        hostile::FifoWatchdog watchdog(bad);
        hoverPreview();
        pressPreview();
        leavePreview();
        QVERIFY2(!watchdog.stop(), "the preview waited on a FIFO");
        QCOMPARE(preview()->picture().size(), QSize(30, 14));
    }

    QTemporaryDir m_dir;
    Form7 *m_editor = nullptr;
};

QTEST_MAIN(TestPictureRobustness)
#include "test_picture_robustness.moc"
