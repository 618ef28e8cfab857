// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_cache.h"
#include "pictures/picture_file.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// Reading the pictures the user picks, and keeping them while their files stay as they were.

namespace {

// The part of a picture the caches in these tests keep.
const QSize Shown(185, 161);

// Moves a file's modification time on, as a save a few seconds later would.
bool touchLater(const QString &path, int seconds)
{
    return testfiles::setModified(path, QDateTime::currentDateTimeUtc().addSecs(seconds));
}

} // namespace

class TestButtonPictures final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(testimages::writePicture(path(u"a.jpg"_s), 120, 40, Qt::red));
        QVERIFY(testimages::writeGif(path(u"b.gif"_s), 60, 20, Qt::green));
        QVERIFY(testimages::writePicture(path(u"c.bmp"_s), 30, 50, Qt::blue));
        QVERIFY(testimages::writePicture(path(u"d.png"_s), 7, 9, Qt::white));
        QVERIFY(testimages::writePicture(path(u"e.webp"_s), 50, 20, Qt::yellow));
        QVERIFY(testimages::writeSvg(path(u"f.svg"_s), 90, 30, Qt::cyan));
        QVERIFY(testimages::writePattern(path(u"large.jpg"_s), 1600, 1200));
        QVERIFY(testimages::writePattern(path(u"large.png"_s), 1600, 1200));
        QVERIFY(testimages::writePattern(path(u"large.webp"_s), 1600, 1200));
        QVERIFY(testimages::writeSvg(path(u"large.svg"_s), 1600, 1200, Qt::darkGreen));
        QVERIFY(testimages::writePattern(path(u"wide.bmp"_s), 400, 100));
        QVERIFY(testimages::writePattern(path(u"tall.bmp"_s), 100, 400));
        QVERIFY(testimages::writeClaimingGif(path(u"claims.gif"_s), 3000, 2000));
    }

    void formatsAvailable()
    {
        const QList<QByteArray> formats = QImageReader::supportedImageFormats();
        for (const QByteArray &format : {QByteArray("jpeg"), QByteArray("gif"), QByteArray("bmp"), QByteArray("png"),
                                         QByteArray("webp"), QByteArray("svg")})
            QVERIFY2(formats.contains(format), format.constData());
    }

    void readsEachFormat_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("colour"); // at the top left
        QTest::newRow("jpeg") << u"a.jpg"_s << QByteArray("jpeg") << QSize(120, 40) << QColor(Qt::red);
        QTest::newRow("gif") << u"b.gif"_s << QByteArray("gif") << QSize(60, 20) << QColor(Qt::green);
        QTest::newRow("bmp") << u"c.bmp"_s << QByteArray("bmp") << QSize(30, 50) << QColor(Qt::blue);
        QTest::newRow("png") << u"d.png"_s << QByteArray("png") << QSize(7, 9) << QColor(Qt::white);
        QTest::newRow("webp") << u"e.webp"_s << QByteArray("webp") << QSize(50, 20) << QColor(Qt::yellow);
        QTest::newRow("svg") << u"f.svg"_s << QByteArray("svg") << QSize(90, 30) << QColor(Qt::cyan);
    }
    void readsEachFormat()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(QColor, colour);
        const QImage image = ui::readPicture(path(file));
        QCOMPARE(image.size(), size);
        // The lossy formats come within a few steps of the colour written.
        const QColor seen = image.pixelColor(2, 2);
        QVERIFY2(qAbs(seen.red() - colour.red()) <= 4 && qAbs(seen.green() - colour.green()) <= 4 &&
                     qAbs(seen.blue() - colour.blue()) <= 4,
                 qPrintable(seen.name()));
        QVERIFY(ui::isWholePicture(testfiles::contentOf(path(file)), format));
        QCOMPARE(QImageReader(path(file)).format(), format);
    }

    void formatFollowsContent()
    {
        // A bitmap under a .jpg name is read all the same.
        QVERIFY(QFile::copy(path(u"c.bmp"_s), path(u"bitmap.jpg"_s)));
        QCOMPARE(ui::readPicture(path(u"bitmap.jpg"_s)).size(), QSize(30, 50));
    }

    void cutShort_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("keep"); // bytes kept from the end
        QTest::newRow("jpeg without its end marker") << u"a.jpg"_s << -2;
        QTest::newRow("jpeg at half") << u"a.jpg"_s << 0;
        QTest::newRow("gif without the end of its data") << u"b.gif"_s << -3;
        QTest::newRow("gif at half") << u"b.gif"_s << 0;
        QTest::newRow("bmp one byte short") << u"c.bmp"_s << -1;
        QTest::newRow("bmp at half") << u"c.bmp"_s << 0;
        // The PNG reader needs nothing of the 12-byte end chunk but its start.
        QTest::newRow("png without a piece of its data") << u"d.png"_s << -20;
        QTest::newRow("png at half") << u"d.png"_s << 0;
        QTest::newRow("webp one byte short") << u"e.webp"_s << -1;
        QTest::newRow("webp at half") << u"e.webp"_s << 0;
        QTest::newRow("svg without its closing tag") << u"f.svg"_s << -7;
        QTest::newRow("svg at half") << u"f.svg"_s << 0;
    }
    void cutShort()
    {
        QFETCH(QString, file);
        QFETCH(int, keep);
        const QByteArray whole = testfiles::contentOf(path(file));
        const QByteArray cut = keep < 0 ? whole.left(whole.size() + keep) : whole.left(whole.size() / 2);
        const QString target =
            path(u"cut-"_s + QString::number(qHash(QByteArray(QTest::currentDataTag()))) + u"-"_s + file);
        QVERIFY(testfiles::writeFile(target, cut));
        QVERIFY(ui::readPicture(target).isNull());
    }

    void gifWithoutTrailerIsWhole()
    {
        // The image's data ends with its terminator; the trailer after it is not needed.
        const QByteArray whole = testfiles::contentOf(path(u"b.gif"_s));
        QVERIFY(whole.endsWith(';'));
        QVERIFY(ui::isWholePicture(whole.left(whole.size() - 1), "gif"));
    }

    void notPictures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("hello, world\r\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("bitmap signature only") << QByteArray("BM");
        QTest::newRow("gif signature only") << QByteArray("GIF89a");
        QTest::newRow("jpeg start only") << QByteArray("\xFF\xD8\xFF", 3);
    }
    void notPictures()
    {
        QFETCH(QByteArray, content);
        const QString target = path(u"not-"_s + QString::number(qHash(content)) + u".jpg"_s);
        QVERIFY(testfiles::writeFile(target, content));
        QVERIFY(ui::readPicture(target).isNull());
        QVERIFY(ui::readPicture(path(u"missing.gif"_s)).isNull());
    }

    void hugeClaimsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("claimed"); // as the reader sees it; none when it sees no size
        // Bitmap header: 50000 by 50000 at 24 bits, no pixels behind it.
        QTest::newRow("bmp") << testimages::claimingBitmap(50000, 50000) << QSize();
        // A GIF whose screen and image claim 65535 by 65535, with a little data.
        QByteArray gif("GIF89a\xFF\xFF\xFF\xFF\x80\x00\x00"
                       "\x00\x00\x00\xFF\xFF\xFF"
                       ",\x00\x00\x00\x00\xFF\xFF\xFF\xFF\x00\x02\x02\x4C\x01\x00;",
                       6 + 7 + 6 + 10 + 1 + 5 + 1);
        QTest::newRow("gif") << gif << QSize(65535, 65535);
        // The largest a lossy WebP frame holds, and a drawing far larger than any screen.
        QTest::newRow("webp") << testimages::claimingSize(testfiles::contentOf(path(u"e.webp"_s)), "webp", 16383, 16383)
                              << QSize(16383, 16383);
        QTest::newRow("svg") << testimages::claimingSize(testfiles::contentOf(path(u"f.svg"_s)), "svg", 60000, 60000)
                             << QSize(60000, 60000);
    }
    void hugeClaimsAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QSize, claimed);
        const QString target = path(u"huge-"_s + QString::fromLatin1(QTest::currentDataTag()) + u".img"_s);
        QVERIFY(testfiles::writeFile(target, content));
        QCOMPARE(QImageReader(target).size().isValid() ? QImageReader(target).size() : QSize(), claimed);
        QVERIFY(ui::readPicture(target).isNull());
    }

    // Of a picture larger than the part that can show, only that part is decoded and kept,
    // with the whole picture's size; its pixels are those of the whole picture's top left.
    void keepsOnlyTheShownPart_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("jpeg larger both ways") << u"large.jpg"_s << QSize(1600, 1200);
        QTest::newRow("bmp wider only") << u"wide.bmp"_s << QSize(400, 100);
        QTest::newRow("bmp taller only") << u"tall.bmp"_s << QSize(100, 400);
        QTest::newRow("gif claiming more than it holds") << u"claims.gif"_s << QSize(3000, 2000);
        QTest::newRow("jpeg smaller than the part") << u"a.jpg"_s << QSize(120, 40);
        QTest::newRow("png larger both ways") << u"large.png"_s << QSize(1600, 1200);
        QTest::newRow("webp larger both ways") << u"large.webp"_s << QSize(1600, 1200);
        QTest::newRow("svg larger both ways, drawn only within the part") << u"large.svg"_s << QSize(1600, 1200);
        QTest::newRow("svg smaller than the part") << u"f.svg"_s << QSize(90, 30);
    }
    void keepsOnlyTheShownPart()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const ui::PicturePart read = ui::readPicturePart(path(file), Shown);
        QCOMPARE(read.size, size);
        QCOMPARE(read.part.size(), size.boundedTo(Shown));
        const QImage whole = ui::readPicture(path(file));
        QCOMPARE(whole.size(), size);
        QCOMPARE(read.part.convertToFormat(QImage::Format_ARGB32),
                 whole.copy(QRect(QPoint(0, 0), read.part.size())).convertToFormat(QImage::Format_ARGB32));

        ui::PictureCache cache(Shown);
        const ui::Picture kept = cache.picture(path(file));
        QCOMPARE(kept.size, size);
        QCOMPARE(kept.shown.size(), size.boundedTo(Shown));
    }

    // A drawing is read at the screen's pixel ratio, so that it stays sharp there; a raster
    // picture keeps its pixels. Either way it takes the same room.
    void drawingsTakeThePixelRatio_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("fit");
        QTest::addColumn<QSize>("room"); // what it takes on the screen
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("svg, its top left part") << u"large.svg"_s << int(ui::PictureFit::TopLeftPart) << Shown << 2.0;
        QTest::newRow("svg, scaled to fit")
            << u"large.svg"_s << int(ui::PictureFit::ScaledToFit) << QSize(185, 138) << 2.0;
        QTest::newRow("svg smaller than the room")
            << u"f.svg"_s << int(ui::PictureFit::ScaledToFit) << QSize(90, 30) << 2.0;
        QTest::newRow("jpeg") << u"a.jpg"_s << int(ui::PictureFit::ScaledToFit) << QSize(120, 40) << 1.0;
    }
    void drawingsTakeThePixelRatio()
    {
        QFETCH(QString, file);
        QFETCH(int, fit);
        QFETCH(QSize, room);
        QFETCH(qreal, ratio);
        const QImage read = ui::readPicturePart(path(file), Shown, ui::PictureFit(fit), 2).part;
        QCOMPARE(read.devicePixelRatio(), ratio);
        QCOMPARE(read.deviceIndependentSize().toSize(), room);
    }

    void cacheKeepsAnUnchangedPicture()
    {
        ui::PictureCache cache(Shown);
        const QPixmap first = cache.picture(path(u"a.jpg"_s)).shown;
        QCOMPARE(first.size(), QSize(120, 40));
        const QPixmap again = cache.picture(path(u"a.jpg"_s)).shown;
        QCOMPARE(again.cacheKey(), first.cacheKey());
        // Another path is another picture, even with the same content.
        QVERIFY(QFile::copy(path(u"a.jpg"_s), path(u"a-copy.jpg"_s)));
        QVERIFY(cache.picture(path(u"a-copy.jpg"_s)).shown.cacheKey() != first.cacheKey());
        QCOMPARE(cache.picture(path(u"a.jpg"_s)).shown.cacheKey(), first.cacheKey());
    }

    void cacheSeesAReplacedFile()
    {
        const QString file = path(u"changing.bmp"_s);
        QVERIFY(testimages::writePicture(file, 20, 10, Qt::red));
        ui::PictureCache cache(Shown);
        const QPixmap red = cache.picture(file).shown;
        QCOMPARE(red.toImage().pixelColor(3, 3), QColor(Qt::red));
        // Same size in bytes, new pixels, a later time.
        QVERIFY(testimages::writePicture(file, 20, 10, Qt::blue));
        QVERIFY(touchLater(file, 5));
        const QPixmap blue = cache.picture(file).shown;
        QVERIFY(blue.cacheKey() != red.cacheKey());
        QCOMPARE(blue.toImage().pixelColor(3, 3), QColor(Qt::blue));
        // A new size with the same time is seen by its size.
        const QDateTime when = QFileInfo(file).fileTime(QFileDevice::FileModificationTime);
        QVERIFY(when.isValid());
        QVERIFY(testimages::writePicture(file, 21, 10, Qt::green));
        QVERIFY(testfiles::setModified(file, when));
        QCOMPARE(cache.picture(file).size, QSize(21, 10));
    }

    void cacheForgetsADeletedFile()
    {
        const QString file = path(u"leaving.gif"_s);
        QVERIFY(testimages::writeGif(file, 5, 5, Qt::red));
        ui::PictureCache cache(Shown);
        QVERIFY(!cache.picture(file).isNull());
        QVERIFY(QFile::remove(file));
        QVERIFY(cache.picture(file).isNull());
        // Back again, under the same name, with other pixels.
        QVERIFY(testimages::writeGif(file, 6, 4, Qt::green));
        QCOMPARE(cache.picture(file).size, QSize(6, 4));
    }

    void cacheKeepsTheAnswerForANonPicture()
    {
        // A file that is no picture is read once while it stays as it is: made a picture behind
        // the cache's back, with the same size and the old time put back, it still counts as none.
        const QString file = path(u"broken.bmp"_s);
        QVERIFY(testimages::writePicture(file, 20, 10, Qt::red));
        QByteArray bytes = testfiles::contentOf(file);
        QByteArray broken = bytes;
        broken[0] = 'X';
        QVERIFY(testfiles::writeFile(file, broken));
        // A time in whole seconds, which every file system keeps exactly.
        const QDateTime when = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 60, Qt::UTC);
        QVERIFY(testfiles::setModified(file, when));
        ui::PictureCache cache(Shown);
        QVERIFY(cache.picture(file).isNull());
        QVERIFY(testfiles::writeFile(file, bytes));
        QVERIFY(testfiles::setModified(file, when));
        QVERIFY(cache.picture(file).isNull());
        // Saved again later: read anew.
        QVERIFY(touchLater(file, 5));
        QCOMPARE(cache.picture(file).size, QSize(20, 10));
    }

    void cacheHoldsAFewPictures()
    {
        ui::PictureCache cache(Shown, 2);
        const qint64 a = cache.picture(path(u"a.jpg"_s)).shown.cacheKey();
        const qint64 b = cache.picture(path(u"b.gif"_s)).shown.cacheKey();
        QCOMPARE(cache.picture(path(u"a.jpg"_s)).shown.cacheKey(), a); // a is now the most recent
        cache.picture(path(u"c.bmp"_s));                               // b goes
        QCOMPARE(cache.picture(path(u"a.jpg"_s)).shown.cacheKey(), a);
        QVERIFY(cache.picture(path(u"b.gif"_s)).shown.cacheKey() != b);
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestButtonPictures)
#include "test_button_pictures.moc"
