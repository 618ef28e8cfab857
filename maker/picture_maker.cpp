// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/picture_maker.h"

#include "maker/picture_set.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/remembered_places.h"
#include "ui/services.h"
#include "ui/text_box.h"
#include "ui/workspace.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace ui {

// Every state side by side, at 1x in the upper row and at 2x in the lower, each under its name,
// on a white page.
class StatesPreview final : public QWidget {
public:
    using QWidget::QWidget;

    void setPictures(std::vector<QImage> single, std::vector<QImage> twice, QStringList names)
    {
        m_single = std::move(single);
        m_twice = std::move(twice);
        m_names = std::move(names);
        int width = 0;
        for (const QImage &picture : m_twice)
            width += picture.width() + Gap;
        const int rows = m_single.empty() ? 0 : m_single.front().height() + m_twice.front().height();
        resize(width + Gap, rows + 2 * (Line + Gap) + Gap);
        update();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setFont(windowFont());
        const auto row = [&](const std::vector<QImage> &pictures, int top, const QString &scale) {
            int left = Gap;
            for (std::size_t i = 0; i < pictures.size(); ++i) {
                painter.drawText(QRect(left, top, pictures[i].width(), Line), Qt::AlignLeft | Qt::AlignVCenter,
                                 m_names.value(qsizetype(i)) + scale);
                // Drawn pixel for pixel: the 2x picture is not shrunk to the screen's scale.
                painter.drawImage(QRect(QPoint(left, top + Line), pictures[i].size()), pictures[i]);
                left += pictures[i].width() + Gap;
            }
        };
        row(m_single, Gap, u", 1x"_s);
        if (!m_single.empty())
            row(m_twice, 2 * Gap + Line + m_single.front().height(), u", 2x"_s);
    }

private:
    static constexpr int Gap = 8;
    static constexpr int Line = 13;
    std::vector<QImage> m_single;
    std::vector<QImage> m_twice;
    QStringList m_names;
};

namespace {

QSpinBox *makeSpinBox(QWidget *parent, const QString &name, int value, const QRect &geometry, int lowest, int highest)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(windowFont());
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

// The sans face the machine has for "sans-serif".
QString sansFace()
{
    QFont font(u"sans-serif"_s);
    font.setStyleHint(QFont::SansSerif);
    return QFontInfo(font).family();
}

QColor colourOf(Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

// A chip of the colour on the button's face, clear of its corners and its focus rectangle.
void paintSwatch(QPushButton *swatch, Rgb colour)
{
    QPixmap chip(14, 11);
    chip.fill(colourOf(colour));
    QPainter painter(&chip);
    painter.setPen(ButtonBorder);
    painter.drawRect(chip.rect().adjusted(0, 0, -1, -1));
    painter.end();
    swatch->setIcon(QIcon(chip));
    swatch->setIconSize(chip.size());
}

} // namespace

PictureMaker *PictureMaker::openBeside(ChildWindow &opener, PictureKind kind)
{
    auto *maker = new PictureMaker(opener.workspace(), kind);
    maker->setTop(opener.top()); // loads it, so that its frame has its size
    // Beside the window it fills (which may go while it stays) where both show whole; otherwise
    // over it, a title bar lower and further right, as far as the visible part lets it: the
    // workspace never has to scroll its opener out of sight to show it.
    QMdiSubWindow *frame = maker->subWindow();
    const QRect from = opener.subWindow()->geometry();
    const QRect visible = opener.workspace().visibleArea();
    QRect place(QPoint(from.right() + 1, from.top()), frame->size());
    if (!visible.contains(place.united(from))) {
        const int step = frame->height() - maker->height();
        place.moveTopLeft(from.topLeft() + QPoint(step, step));
        place.moveRight(std::min(place.right(), visible.right()));
        place.moveBottom(std::min(place.bottom(), visible.bottom()));
        place.moveTopLeft({std::max(place.left(), 0), std::max(place.top(), 0)});
    }
    frame->move(place.topLeft());
    maker->showWindow();
    return maker;
}

PictureMaker::PictureMaker(Workspace &workspace, PictureKind kind)
    : ChildWindow(workspace, u"PictureMaker"_s, u"Make Pictures"_s, {twips(600), twips(432)})
    , m_kind(kind)
{
    createControls();
    connectControls();
    nameControls();
    refresh();
}

void PictureMaker::createControls()
{
    makeLabel(this, u"CaptionLabel"_s, u"&Caption:"_s, {8, 10, 90, 17});
    m_caption = makeLineEdit(this, u"Caption"_s, u"Home"_s, {100, 8, 170, 19});
    // A pasted book would be laid out and drawn again at every key.
    m_caption->setMaxLength(LongestCaption);
    makeLabel(this, u"FontFamilyLabel"_s, u"&Font:"_s, {8, 34, 90, 17});
    m_fontFamily = new QFontComboBox(this);
    m_fontFamily->setObjectName(u"FontFamily"_s);
    m_fontFamily->setGeometry(100, 31, 170, 22);
    m_fontFamily->setFont(windowFont());
    m_fontFamily->setCurrentFont(QFont(sansFace()));
    makeLabel(this, u"FontSizeLabel"_s, u"Font si&ze (pixels):"_s, {8, 60, 90, 17});
    m_fontSize = makeSpinBox(this, u"FontSize"_s, 14, {100, 58, 56, 19}, 4, 200);
    m_bold = makeCheckBox(this, u"Bold"_s, QString(), {170, 56, 100, 23});
    makeLabel(this, u"BoldLabel"_s, u"Bo&ld"_s, {190, 60, 70, 17});
    m_bold->setChecked(true);
    createColourBox(m_colours[0],
                    {.name = u"TextColour"_s, .label = u"&Text colour:"_s, .text = u"white"_s, .top = 84});
    createColourBox(m_colours[1],
                    {.name = u"FaceColour"_s, .label = u"F&ace colour:"_s, .text = u"#204a87"_s, .top = 108});
    createColourBox(m_colours[2],
                    {.name = u"BorderColour"_s, .label = u"Bo&rder colour:"_s, .text = u"#10253f"_s, .top = 132});
    makeLabel(this, u"CornerLabel"_s, u"Corner rad&ius:"_s, {8, 160, 90, 17});
    m_corner = makeSpinBox(this, u"Corner"_s, 4, {100, 158, 56, 19}, 0, 100);
    m_raised = makeCheckBox(this, u"Raised"_s, QString(), {170, 156, 100, 23});
    makeLabel(this, u"RaisedLabel"_s, u"Rai&sed"_s, {190, 160, 70, 17});
    m_raised->setChecked(true);
    makeLabel(this, u"PictureWidthLabel"_s, u"&Width (pixels):"_s, {8, 186, 90, 17});
    m_width = makeSpinBox(this, u"PictureWidth"_s, 1, {100, 184, 56, 19}, 1, 1000);
    makeLabel(this, u"PictureHeightLabel"_s, u"&Height:"_s, {170, 186, 40, 17});
    m_height = makeSpinBox(this, u"PictureHeight"_s, 1, {214, 184, 56, 19}, 1, 1000);
    QPushButton *badge = makeButton(this, u"Badge"_s, u"&Badge, 88 \u00D7 31"_s, {100, 210, 170, 23});
    m_hints = makeHint(this, u"PictureHints"_s, {290, 8, 302, 225});
    auto *area = new QScrollArea(this);
    area->setObjectName(u"StatesPreviewArea"_s);
    area->setGeometry(8, 244, 584, 148);
    m_preview = new StatesPreview(area);
    m_preview->setObjectName(u"StatesPreview"_s);
    area->setWidget(m_preview);
    makeLabel(
        this, u"SaveNote"_s,
        m_kind == PictureKind::Button
            ? u"Saves name.png, name-over.png and name-down.png, and each again at twice the pixels: name@2x.png and so on."_s
            : u"Saves name.png and name-over.png, and each again at twice the pixels: name@2x.png and so on."_s,
        {8, 400, 456, 26});
    QPushButton *save = makeButton(this, u"SavePictures"_s, u"Save Pictures..."_s, {472, 401, 120, 23});

    connect(badge, &QPushButton::clicked, this, &PictureMaker::setBadgeSize);
    connect(save, &QPushButton::clicked, this, &PictureMaker::savePictures);
}

void PictureMaker::createColourBox(ColourBox &colour, const ColourRow &row)
{
    makeLabel(this, row.name + u"Label"_s, row.label, {8, row.top + 2, 90, 17});
    colour.box = makeLineEdit(this, row.name, row.text, {100, row.top, 140, 19});
    colour.swatch = makeButton(this, row.name + u"Swatch"_s, QString(), {246, row.top, 24, 19});
    readColour(colour);
}

void PictureMaker::connectControls()
{
    connect(m_caption, &QLineEdit::textChanged, this, &PictureMaker::refresh);
    connect(m_fontFamily, &QFontComboBox::currentFontChanged, this, &PictureMaker::refresh);
    connect(m_fontSize, &QSpinBox::valueChanged, this, &PictureMaker::refresh);
    connect(m_bold, &QCheckBox::toggled, this, &PictureMaker::refresh);
    connect(m_corner, &QSpinBox::valueChanged, this, &PictureMaker::refresh);
    connect(m_raised, &QCheckBox::toggled, this, &PictureMaker::refresh);
    const std::array<QString, 3> titles{u"Text Colour"_s, u"Face Colour"_s, u"Border Colour"_s};
    for (std::size_t i = 0; i < m_colours.size(); ++i) { // NOLINT(modernize-loop-convert): i picks the title too
        ColourBox &colour = m_colours[i];
        connect(colour.box, &QLineEdit::textChanged, this, [this, &colour] {
            readColour(colour);
            refresh();
        });
        connect(colour.swatch, &QPushButton::clicked, this,
                [this, &colour, title = titles[i]] { chooseColour(colour, title); });
    }
    // A size the user sets stays; one set to follow the caption does not count.
    connect(m_width, &QSpinBox::valueChanged, this, [this] {
        if (m_following)
            return;
        m_widthSet = true;
        refresh();
    });
    connect(m_height, &QSpinBox::valueChanged, this, [this] {
        if (m_following)
            return;
        m_heightSet = true;
        refresh();
    });
}

void PictureMaker::nameControls()
{
    // Each label's access key leads to its control, which a screen reader announces by the label.
    for (const QString &name :
         {u"Caption"_s, u"FontFamily"_s, u"FontSize"_s, u"Bold"_s, u"TextColour"_s, u"FaceColour"_s, u"BorderColour"_s,
          u"Corner"_s, u"Raised"_s, u"PictureWidth"_s, u"PictureHeight"_s})
        findChild<QLabel *>(name + u"Label"_s)->setBuddy(findChild<QWidget *>(name));
    // The check boxes' captions are labels over them, which show the access keys (a check box
    // shows its '&' as it is); a click on the caption still reaches the box.
    for (const QString &label : {u"BoldLabel"_s, u"RaisedLabel"_s})
        findChild<QLabel *>(label)->setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleNames(this, {{u"Bold"_s, u"Bold"_s},
                              {u"Raised"_s, u"Raised"_s},
                              {u"TextColourSwatch"_s, u"Choose the text colour"_s},
                              {u"FaceColourSwatch"_s, u"Choose the face colour"_s},
                              {u"BorderColourSwatch"_s, u"Choose the border colour"_s},
                              {u"StatesPreview"_s, u"Every picture at 1x and at 2x"_s},
                              {u"Badge"_s, u"Badge size, 88 by 31 pixels"_s}});
    setFocusOrder(this,
                  {u"Caption"_s, u"FontFamily"_s, u"FontSize"_s, u"Bold"_s, u"TextColour"_s, u"TextColourSwatch"_s,
                   u"FaceColour"_s, u"FaceColourSwatch"_s, u"BorderColour"_s, u"BorderColourSwatch"_s, u"Corner"_s,
                   u"Raised"_s, u"PictureWidth"_s, u"PictureHeight"_s, u"Badge"_s, u"SavePictures"_s});
}

ButtonLook PictureMaker::look() const
{
    QFont font(m_fontFamily->currentFont().family());
    font.setPixelSize(m_fontSize->value());
    font.setBold(m_bold->isChecked());
    return {.caption = m_caption->text(),
            .font = font,
            .text = m_colours[0].colour,
            .face = m_colours[1].colour,
            .border = m_colours[2].colour,
            .corner = m_corner->value(),
            .raised = m_raised->isChecked(),
            .size = {m_width->value(), m_height->value()}};
}

void PictureMaker::readColour(ColourBox &colour)
{
    if (const std::optional<Rgb> read = ReadCssColour(textOf(colour.box), true)) {
        colour.colour = *read;
        paintSwatch(colour.swatch, *read);
    }
}

void PictureMaker::chooseColour(ColourBox &colour, const QString &title)
{
    if (const std::optional<QColor> chosen = services().chooseColour(this, title, colourOf(colour.colour)))
        colour.box->setText(chosen->name());
}

void PictureMaker::setBadgeSize()
{
    // Set even where the boxes held the badge's size already.
    m_widthSet = m_heightSet = true;
    m_width->setValue(BadgeSize.width);
    m_height->setValue(BadgeSize.height);
}

void PictureMaker::refresh()
{
    const PixelSize caption = captionSize(look());
    const PixelSize following = FollowingSize(caption);
    m_following = true;
    if (!m_widthSet)
        m_width->setValue(following.width);
    if (!m_heightSet)
        m_height->setValue(following.height);
    m_following = false;

    const ButtonLook now = look();
    std::vector<QImage> single;
    std::vector<QImage> twice;
    QStringList names;
    for (const PictureState state : StatesOf(m_kind)) {
        single.push_back(drawState(now, state, 1));
        twice.push_back(drawState(now, state, 2));
        QString name = toQString(StateName(state));
        name[0] = name[0].toUpper();
        names.append(name);
    }
    m_preview->setPictures(std::move(single), std::move(twice), names);
    showHints(caption);
}

void PictureMaker::showHints(PixelSize caption)
{
    const ButtonLook now = look();
    std::vector<std::optional<std::string>> hints{ColourHint("text", textOf(m_colours[0].box)),
                                                  ColourHint("face", textOf(m_colours[1].box)),
                                                  ColourHint("border", textOf(m_colours[2].box)),
                                                  ContrastHint(now.text, now.face, m_kind),
                                                  FitHint(caption, {now.size.width(), now.size.height()}),
                                                  CaptionLengthHint(int(now.caption.size()))};
    QStringList lines;
    for (const std::optional<std::string> &hint : hints) {
        if (hint)
            lines.append(toQString(*hint));
    }
    m_hints->setText(lines.join(u"\n\n"_s));
    m_hints->setVisible(!lines.isEmpty());
}

void PictureMaker::savePictures()
{
    const bool webp = canWritePictures("webp");
    FileRequest request{
        {u"PNG Pictures (*.png) "_s, u"*.png"_s},
        u"Save Pictures"_s,
        proposedPath(services(), FileKind::Pictures, toQString(ProposedFileName(textOf(m_caption), m_kind)))};
    if (webp)
        request.moreFilters.append({u"WebP Pictures (*.webp) "_s, u"*.webp"_s});
    int filter = 0;
    const std::optional<QString> chosen = services().saveFileName(this, request, &filter);
    if (!chosen || chosen->isEmpty())
        return;
    rememberFolder(services(), FileKind::Pictures, *chosen);

    // The filter chosen decides what the files hold, whatever the name typed ends in.
    const std::optional<MadeFiles> made =
        MadeFileNames(chosen->toStdString(), m_kind, webp && filter == 1 ? "webp" : "png");
    if (!made) {
        services().showError(this, u"Quillarc 2"_s,
                             u"The pictures were not saved: the name \"%1\" starts with a point, which would make "
                             "hidden files that a web server may not serve. Type a name such as %2."_s.arg(
                                 QFileInfo(*chosen).fileName(), request.proposedName));
        return;
    }
    const ButtonLook now = look();
    const std::vector<PictureState> states = StatesOf(m_kind);
    std::vector<NamedPicture> pictures;
    QStringList files;
    for (std::size_t i = 0; i < states.size(); ++i) {
        files.append(toQString(made->single[i]));
        pictures.push_back({files.constLast(), drawState(now, states[i], 1)});
    }
    for (std::size_t i = 0; i < states.size(); ++i)
        pictures.push_back({toQString(made->twice[i]), drawState(now, states[i], 2)});

    if (const QStringList taken = takenPaths(pictures); !taken.isEmpty()) {
        QStringList names;
        bool links = false;
        for (const QString &path : taken) {
            const QFileInfo info(path);
            names.append(QDir::toNativeSeparators(path));
            if (info.isSymLink()) {
                links = true;
                names.last() += u", a link to "_s + QDir::toNativeSeparators(info.symLinkTarget());
            }
        }
        if (!services().askYesNo(
                this, u"Quillarc 2"_s,
                u"These files are there already:\n\n"_s + names.join(u'\n') +
                    u"\n\nReplace them with the new pictures?"_s +
                    (links ? u" A link is replaced itself; what it leads to is left as it is."_s : QString())))
            return;
    }
    if (const Result<> written = writePictureSet(pictures, QByteArray::fromStdString(made->format)); !written) {
        services().showError(this, u"Quillarc 2"_s, written.error());
        return;
    }
    Q_EMIT picturesSaved(files, now.size, now.caption);
}

} // namespace ui
