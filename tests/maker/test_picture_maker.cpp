// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_editor.h"
#include "maker/picture_maker.h"
#include "rollover/code_window.h"
#include "rollover/properties_window.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/window_test.h"
#include "ui/text_box.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;

namespace {

// The box of pixels in the caption's colour, white.
QRect captionBox(const QImage &picture)
{
    QRect box;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestPictureMaker final : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        m_folder = std::make_unique<QTemporaryDir>();
    }

    void savesEveryStateAtBothScales_data()
    {
        QTest::addColumn<bool>("button");
        QTest::addColumn<bool>("badge");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("rollover") << false << false << u"made"_s;
        QTest::newRow("button, badge") << true << true << u"made.png"_s;
        QTest::newRow("button, WebP") << true << false << u"made.webp"_s;
    }
    void savesEveryStateAtBothScales()
    {
        QFETCH(bool, button);
        QFETCH(bool, badge);
        QFETCH(QString, chosen);
        ui::PictureMaker *maker = open(button);
        if (badge)
            click(maker, u"Badge"_s);
        const QSize size = maker->look().size;
        QCOMPARE(size == QSize(88, 31), badge);
        QSignalSpy saved(maker, &ui::PictureMaker::picturesSaved);
        save(maker, chosen);
        const MadeFiles made = *MadeFileNames(m_folder->filePath(chosen).toStdString(),
                                              button ? PictureKind::Button : PictureKind::Rollover,
                                              chosen.endsWith(u".webp"_s) ? "webp" : "png");
        QStringList single;
        QStringList all;
        for (const std::string &path : made.single)
            single.append(ui::toQString(path));
        for (const std::string &path : made.twice)
            all.append(QFileInfo(ui::toQString(path)).fileName());
        for (const QString &path : single)
            all.append(QFileInfo(path).fileName());
        all.sort();
        QCOMPARE(testfiles::entriesOf(m_folder->path()), all);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved[0][0].toStringList(), single);
        QCOMPARE(saved[0][1].toSize(), size);
        QCOMPARE(saved[0][2].toString(), u"Home"_s);

        std::vector<QImage> pictures;
        for (const int scale : {1, 2}) {
            for (const std::string &path : scale == 1 ? made.single : made.twice) {
                const QImage picture(ui::toQString(path));
                QCOMPARE(picture.size(), size * scale);
                // The border's pixels at the top edge, whole: one pixel at 1x, two at 2x, then the inside.
                const int middle = picture.width() / 2;
                QCOMPARE(picture.pixel(middle, 0), qRgb(16, 37, 63));
                QCOMPARE(picture.pixel(middle, scale - 1), qRgb(16, 37, 63));
                QVERIFY(picture.pixel(middle, scale) != qRgb(16, 37, 63));
                pictures.push_back(picture);
            }
        }
        const auto face = [](const QImage &picture) {
            return qGray(picture.pixel(4, picture.height() / 2));
        };
        QCOMPARE(pictures[0].pixel(4, size.height() / 2), qRgb(32, 74, 135));
        QVERIFY(face(pictures[1]) > face(pictures[0]));
        QCOMPARE(captionBox(pictures[1]), captionBox(pictures[0]));
        if (button) {
            QVERIFY(face(pictures[2]) < face(pictures[0]));
            QCOMPARE(captionBox(pictures[2]), captionBox(pictures[0]).translated(1, 1));
        }
        QVERIFY(!captionBox(pictures[0]).isEmpty());
        testimages::render(child<QWidget>(maker, u"StatesPreview"_s),
                           u"made pictures, "_s + QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(maker->isVisible()); // open for another try
    }

    void sizeFollowsTheCaptionUntilSet()
    {
        ui::PictureMaker *maker = open(true);
        auto *caption = child<QLineEdit>(maker, u"Caption"_s);
        auto *fontSize = child<QSpinBox>(maker, u"FontSize"_s);
        const auto following = [maker] {
            const PixelSize size = FollowingSize(ui::captionSize(maker->look()));
            return QSize(size.width, size.height);
        };
        QCOMPARE(maker->look().size, following());
        QTest::keyClicks(caption, u" page"_s);
        QCOMPARE(maker->look().size, following());
        child<QSpinBox>(maker, u"PictureWidth"_s)->setValue(150);
        caption->setText(u"Back"_s);
        fontSize->setValue(30);
        QCOMPARE(maker->look().size, QSize(150, following().height()));
        click(maker, u"Badge"_s);
        fontSize->setValue(10);
        QCOMPARE(maker->look().size, QSize(88, 31));
    }

    void previewShowsEveryStateAsTheUserTypes()
    {
        ui::PictureMaker *maker = open(true);
        auto *preview = child<QWidget>(maker, u"StatesPreview"_s);
        testimages::render(maker, u"PictureMaker"_s);
        const QImage before = preview->grab().toImage();
        QVERIFY(preview->width() > 3 * 2 * maker->look().size.width());
        QTest::keyClicks(child<QLineEdit>(maker, u"Caption"_s), u"!"_s);
        QVERIFY(preview->grab().toImage() != before);
    }

    void hints_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("answer");
        QTest::newRow("none") << u"Caption"_s << u"Home"_s;
        QTest::newRow("contrast") << u"FaceColour"_s << u"#3366cc"_s;
        QTest::newRow("no colour") << u"TextColour"_s << u"bleu"_s;
        QTest::newRow("fit") << u"Caption"_s << u"Home page of the site"_s;
    }
    void hints()
    {
        QFETCH(QString, box);
        QFETCH(QString, answer);
        ui::PictureMaker *maker = open(false);
        click(maker, u"Badge"_s);
        child<QLineEdit>(maker, box)->setText(answer);
        const ui::ButtonLook look = maker->look();
        const auto expected = box == u"Caption"_s      ? FitHint(ui::captionSize(look), BadgeSize)
                              : box == u"TextColour"_s ? ColourHint("text", answer.toStdString())
                                                       : ContrastHint(look.text, look.face, PictureKind::Rollover);
        QCOMPARE(answer == u"Home"_s, !expected.has_value());
        auto *hint = child<QLabel>(maker, u"PictureHints"_s);
        QCOMPARE(hint->isVisibleTo(maker), expected.has_value());
        QCOMPARE(hint->text(), expected ? ui::toQString(*expected) : QString());
        testimages::render(maker, u"PictureMaker hint "_s + answer);
    }

    void swatchAsksForAColour_data()
    {
        QTest::addColumn<bool>("chosen"); // else cancelled
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }
    void swatchAsksForAColour()
    {
        QFETCH(bool, chosen);
        ui::PictureMaker *maker = open(true);
        services().answerColour(chosen ? std::optional<QColor>(Qt::red) : std::nullopt);
        click(maker, u"FaceColourSwatch"_s);
        QCOMPARE(services().questions.size(), 1);
        QCOMPARE(services().questions[0].title, u"Face Colour"_s);
        QCOMPARE(services().questions[0].prompt, u"#204a87"_s);
        QCOMPARE(child<QLineEdit>(maker, u"FaceColour"_s)->text(), chosen ? u"#ff0000"_s : u"#204a87"_s);
        QCOMPARE(maker->look().face, (chosen ? Rgb{255, 0, 0} : Rgb{32, 74, 135}));
    }

    // The window that opened the maker takes what it saves as picks, with the size and, for an
    // empty alt text, the caption.
    void madePicturesFillTheOpener_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QStringList>("boxes"); // the picture boxes, then the size boxes
        QTest::newRow("rollover") << u"Form2"_s << QStringList{u"Text1"_s, u"Text2"_s, u"Text5"_s};
        QTest::newRow("button") << u"Form7"_s
                                << QStringList{u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s};
    }
    void madePicturesFillTheOpener()
    {
        QFETCH(QString, opener);
        QFETCH(QStringList, boxes);
        ui::ChildWindow *window = opener == u"Form2"_s ? static_cast<ui::ChildWindow *>(WindowTest::open<Form2>())
                                                       : static_cast<ui::ChildWindow *>(WindowTest::open<Form7>());
        click(window, u"MakePictures"_s);
        auto *maker = workspace().findChild<ui::PictureMaker *>();
        QVERIFY(maker);
        click(maker, u"Badge"_s);
        save(maker, u"made.png"_s);
        QStringList filled;
        for (const QString &box : boxes)
            filled << child<QLineEdit>(window, box)->text();
        const QStringList states{u"made.png"_s, u"made-over.png"_s, u"made-down.png"_s};
        const QStringList size = opener == u"Form2"_s ? QStringList{u"88,31"_s} : QStringList{u"88"_s, u"31"_s};
        QCOMPARE(filled, states.first(boxes.size() - size.size()) + size);
        QCOMPARE(child<QLineEdit>(window, u"AltText"_s)->text(), u"Home"_s);
        // The pictures reach the preview as a pick's do.
        QVERIFY(!window->findChild<QLabel *>(u"PreviewHint"_s)->isVisible());
        // The modern code offers the pictures of twice the density beside them.
        child<QCheckBox>(window, u"ModernCode"_s)->setChecked(true);
        click(window, opener == u"Form2"_s ? u"Command3"_s : u"Command8"_s);
        const auto *body = opener == u"Form2"_s
                               ? child<QPlainTextEdit>(workspace().findChild<Form3 *>(), u"RichTextBox2"_s)
                               : child<QPlainTextEdit>(window, u"second"_s);
        QVERIFY(body->toPlainText().contains(u"srcset=\"made@2x.png 2x\""_s));
        // Below the code, the files it uses.
        QVERIFY(body->parentWidget()
                    ->findChild<QLabel *>(u"CodeFiles"_s)
                    ->text()
                    .startsWith(u"Files the code uses: made.png, made@2x.png, made-over.png, made-over@2x.png"_s));
    }

    // The maker opens beside its window where both show whole, otherwise over it: the opener
    // stays in sight, and every button of the maker shows whole.
    void opensWhereBothShow_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<bool>("beside");
        // The client area of a main window maximised on a screen of 1280 by 800, with a panel.
        QTest::newRow("maximised at 1280 by 800") << QSize(1280, 720) << false;
        QTest::newRow("wider") << QSize(1500, 720) << true;
    }
    void opensWhereBothShow()
    {
        QFETCH(QSize, area);
        QFETCH(bool, beside);
        workspace().resize(area);
        Form7 *opener = WindowTest::open<Form7>();
        click(opener, u"MakePictures"_s);
        const auto *maker = workspace().findChild<ui::PictureMaker *>();
        QCOMPARE(maker->subWindow()->x() > opener->subWindow()->geometry().right(), beside);
        const QRect visible = workspace().viewport()->rect();
        QVERIFY(visible.contains(opener->subWindow()->geometry()));
        for (const QPushButton *button : maker->findChildren<QPushButton *>())
            QVERIFY(visible.contains(QRect(button->mapTo(workspace().viewport(), QPoint()), button->size())));
    }

    void replacesOnlyAfterTheQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void replacesOnlyAfterTheQuestion()
    {
        QFETCH(bool, yes);
        ui::PictureMaker *maker = open(false);
        QVERIFY(testfiles::writeFile(m_folder->filePath(u"made.png"_s), "old"));
        QVERIFY(testfiles::writeFile(m_folder->filePath(u"made-over@2x.png"_s), "old"));
        QSignalSpy saved(maker, &ui::PictureMaker::picturesSaved);
        services().answerYesNo(yes);
        save(maker, u"made.png"_s);
        QCOMPARE(services().questions.size(), 2);
        QCOMPARE(services().questions[1].prompt,
                 u"These files are there already:\n\n%1\n%2\n\nReplace them with the new pictures?"_s.arg(
                     m_folder->filePath(u"made.png"_s), m_folder->filePath(u"made-over@2x.png"_s)));
        QCOMPARE(testfiles::entriesOf(m_folder->path()).size(), yes ? 4 : 2);
        QCOMPARE(testfiles::contentOf(m_folder->filePath(u"made.png"_s)) == "old", !yes);
        QCOMPARE(saved.size(), yes ? 1 : 0);
    }

private:
    ui::PictureMaker *open(bool button) const
    {
        auto *maker = new ui::PictureMaker(workspace(), button ? PictureKind::Button : PictureKind::Rollover);
        maker->showWindow();
        return maker;
    }
    void save(ui::PictureMaker *maker, const QString &name)
    {
        services().answerSave(m_folder->filePath(name), name.endsWith(u".webp"_s) ? 1 : 0);
        click(maker, u"SavePictures"_s);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(TestPictureMaker)
#include "test_picture_maker.moc"
