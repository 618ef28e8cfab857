// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/picture_states.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString joined(const std::vector<std::string> &names)
{
    QStringList list;
    for (const std::string &name : names)
        list.append(QString::fromStdString(name));
    return list.join(u' ');
}

QString hintText(const std::optional<std::string> &hint)
{
    return hint ? QString::fromStdString(*hint) : u"<none>"_s;
}

} // namespace

class TestPictureStates final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void madeFileNames_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>("format"); // of the filter chosen
        QTest::addColumn<QString>("single");
        QTest::addColumn<QString>("twice");
        QTest::newRow("button") << u"/p/home.png"_s << true << u"png"_s
                                << u"/p/home.png /p/home-over.png /p/home-down.png"_s
                                << u"/p/home@2x.png /p/home-over@2x.png /p/home-down@2x.png"_s;
        QTest::newRow("rollover, no suffix") << u"/p/home"_s << false << u"png"_s << u"/p/home.png /p/home-over.png"_s
                                             << u"/p/home@2x.png /p/home-over@2x.png"_s;
        QTest::newRow("WebP, as typed") << u"/p/Home.WebP"_s << false << u"webp"_s
                                        << u"/p/Home.WebP /p/Home-over.WebP"_s
                                        << u"/p/Home@2x.WebP /p/Home-over@2x.WebP"_s;
        QTest::newRow("WebP chosen for a PNG name")
            << u"/p/a.PNG"_s << false << u"webp"_s << u"/p/a.webp /p/a-over.webp"_s
            << u"/p/a@2x.webp /p/a-over@2x.webp"_s;
        QTest::newRow("other suffix") << u"/p/a.gif"_s << false << u"png"_s << u"/p/a.gif.png /p/a.gif-over.png"_s
                                      << u"/p/a.gif@2x.png /p/a.gif-over@2x.png"_s;
    }
    void madeFileNames()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, button);
        QFETCH(QString, format);
        const std::optional<MadeFiles> made = MadeFileNames(
            chosen.toStdString(), button ? PictureKind::Button : PictureKind::Rollover, format.toStdString());
        QVERIFY(made);
        QTEST(joined(made->single), "single");
        QTEST(joined(made->twice), "twice");
        QCOMPARE(QString::fromStdString(made->format), format);
    }

    void proposedFileName_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("word") << u"Home"_s << true << u"home.png"_s;
        QTest::newRow("sentence") << u" Sign up -- now! "_s << true << u"sign-up-now.png"_s;
        QTest::newRow("not ASCII") << u"Caf\u00E9 2"_s << true << u"caf-2.png"_s;
        QTest::newRow("nothing, button") << u"!"_s << true << u"button.png"_s;
        QTest::newRow("nothing, rollover") << QString() << false << u"rollover.png"_s;
    }
    void proposedFileName()
    {
        QFETCH(QString, caption);
        QFETCH(bool, button);
        QTEST(QString::fromStdString(
                  ProposedFileName(caption.toStdString(), button ? PictureKind::Button : PictureKind::Rollover)),
              "expected");
    }

    void facesOfTheStates()
    {
        const Rgb face{32, 74, 135};
        QCOMPARE(FaceOf(PictureState::Default, face), face);
        QCOMPARE(FaceOf(PictureState::Over, face), (Rgb{77, 110, 159}));
        QCOMPARE(FaceOf(PictureState::Down, face), (Rgb{26, 59, 108}));
        QCOMPARE(FaceOf(PictureState::Over, {255, 255, 255}), (Rgb{255, 255, 255}));
    }

    void sizes_data()
    {
        QTest::addColumn<int>("width"); // of the caption
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("fitsBadge");
        QTest::newRow("small") << 45 << 17 << true;
        QTest::newRow("widest that fits") << 81 << 24 << true;
        QTest::newRow("a pixel too wide") << 82 << 17 << false;
        QTest::newRow("a pixel too high") << 45 << 25 << false;
    }
    void sizes()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, fitsBadge);
        QCOMPARE(FollowingSize({width, height}), (PixelSize{width + 24, height + 14}));
        QVERIFY(CaptionFits({width, height}, FollowingSize({width, height})));
        QCOMPARE(CaptionFits({width, height}, BadgeSize), fitsBadge);
        QCOMPARE(FitHint({width, height}, BadgeSize).has_value(), !fitsBadge);
    }

    void hints_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("expected");
        const Rgb white{255, 255, 255};
        const Rgb black{0, 0, 0};
        const Rgb blue{51, 102, 204};
        QTest::newRow("reads well") << hintText(ContrastHint(white, {32, 74, 135}, PictureKind::Button)) << u"<none>"_s;
        QTest::newRow("over too light")
            << hintText(ContrastHint(white, blue, PictureKind::Rollover))
            << u"The caption's contrast with the face of the mouse-over picture is only 3.63:1; text needs 4.5:1 to read well."_s;
        QTest::newRow("default the worst of a rollover")
            << hintText(ContrastHint(black, blue, PictureKind::Rollover))
            << u"The caption's contrast with the face of the default picture is only 3.91:1; text needs 4.5:1 to read well."_s;
        QTest::newRow("down the worst of a button")
            << hintText(ContrastHint(black, blue, PictureKind::Button))
            << u"The caption's contrast with the face of the mouse-down picture is only 2.83:1; text needs 4.5:1 to read well."_s;
        QTest::newRow("too wide")
            << hintText(FitHint({90, 17}, BadgeSize))
            << u"The caption needs 90\u00D717 pixels and does not fit within the border of the 88\u00D731 picture."_s;
        QTest::newRow("colour name") << hintText(ColourHint("face", " Navy ")) << u"<none>"_s;
        QTest::newRow("no colour")
            << hintText(ColourHint("text", "bleu"))
            << u"The text colour \u201Cbleu\u201D is not a colour name or a #rrggbb colour; the pictures keep the last colour that was one."_s;
        QTest::newRow("no #")
            << hintText(ColourHint("border", "204a87"))
            << u"The border colour \u201C204a87\u201D is not a colour name or a #rrggbb colour; the pictures keep the last colour that was one."_s;
    }
    void hints()
    {
        QFETCH(QString, hint);
        QTEST(hint, "expected");
    }
};

QTEST_APPLESS_MAIN(TestPictureStates)
#include "test_picture_states.moc"
