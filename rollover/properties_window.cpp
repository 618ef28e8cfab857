// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/properties_window.h"

#include "maker/picture_maker.h"
#include "pages/page_pictures.h"
#include "pictures/picture_drop.h"
#include "pictures/twice_density.h"
#include "rollover/code_window.h"
#include "rollover/random_names.h"
#include "rollover/rollover_code.h"
#include "rollover/rollover_hints.h"
#include "rollover/rollover_insert.h"
#include "rollover/rollover_preview.h"
#include "text/html_text.h"
#include "text/picture_names.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/files.h"
#include "ui/look.h"
#include "ui/remembered_places.h"
#include "ui/services.h"
#include "ui/step_frames.h"
#include "ui/text_box.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include <array>
#include <functional>

using namespace Qt::StringLiterals;
using ui::pixelRect;

Form2::Form2(ui::Workspace &workspace)
    // The layout's 5430 twips, and a column for the alt text, the choice of code and,
    // below them, the preview.
    : ChildWindow(workspace, u"Form2"_s, u"Rollover Properties"_s, {7950, 5760})
{
    createControls();
    createTutorial();
    createCodeChoice();
    createPreview();
    createHints();
    acceptPictureDrops();
    nameControls();
}

void Form2::createControls()
{
    QLabel *label1 = ui::makeLabel(this, u"Label1"_s,
                                   u"This program will take all the properties and turn it into a cut && paste code.   "
                                   "Please Enter &all properties in the boxes below. "_s,
                                   pixelRect(360, 120, 4815, 615));
    m_label2 = ui::makeLabel(this, u"Label2"_s, u"Image #1 "_s, pixelRect(240, 840, 2775, 255));
    m_image1Box = ui::makeLineEdit(this, u"Text1"_s, QString(), pixelRect(960, 840, 3135, 285));
    QPushButton *command1 = ui::makeButton(this, u"Command1"_s, u"..."_s, pixelRect(4080, 840, 255, 255));
    m_label3 = ui::makeLabel(this, u"Label3"_s, u"Image #2"_s, pixelRect(240, 1200, 735, 255));
    m_image2Box = ui::makeLineEdit(this, u"Text2"_s, QString(), pixelRect(960, 1200, 3135, 285));
    QPushButton *command2 = ui::makeButton(this, u"Command2"_s, u"..."_s, pixelRect(4080, 1200, 255, 255));
    m_label4 = ui::makeLabel(this, u"Label4"_s, u"<A href> url:"_s, pixelRect(120, 1680, 3975, 255));
    m_linkBox = ui::makeLineEdit(this, u"Text3"_s, u"http://"_s, pixelRect(1080, 1680, 3015, 285));
    m_label5 = ui::makeLabel(this, u"Label5"_s, u"Name of rollover"_s, pixelRect(120, 2040, 1215, 255));
    m_nameBox = ui::makeLineEdit(this, u"Text4"_s, u"Example"_s, pixelRect(1320, 2040, 2775, 285));
    QPushButton *command9 = ui::makeButton(this, u"Command9"_s, u"Random"_s, pixelRect(4080, 2040, 1215, 375));
    m_label7 = ui::makeLabel(this, u"Label7"_s, u"Width and Height for both:"_s, pixelRect(120, 2400, 2535, 255));
    m_sizeBox = ui::makeLineEdit(this, u"Text5"_s, u"32,32"_s, pixelRect(2040, 2400, 2055, 285));
    m_label8 = ui::makeLabel(this, u"Label8"_s, u"Image 1#"_s, pixelRect(240, 2760, 1575, 255));
    m_image1NameBox = ui::makeLineEdit(this, u"Text6"_s, u"Image01"_s, pixelRect(1440, 2760, 2655, 285));
    QPushButton *command4 = ui::makeButton(this, u"Command4"_s, u"Random"_s, pixelRect(4080, 2760, 1215, 375));
    m_label9 = ui::makeLabel(this, u"Label9"_s, u"Image 2#"_s, pixelRect(240, 3120, 975, 255));
    m_image2NameBox = ui::makeLineEdit(this, u"Text7"_s, u"Image02"_s, pixelRect(1440, 3240, 2655, 285));
    QPushButton *command5 = ui::makeButton(this, u"Command5"_s, u"Random"_s, pixelRect(4080, 3240, 1215, 375));
    ui::makeLabel(this, u"Label6"_s, u"That's it!  Now all you have to do is copy the code and your done!"_s,
                  pixelRect(360, 3600, 4935, 255));
    QPushButton *command3 = ui::makeButton(this, u"Command3"_s, u"See Code"_s, pixelRect(1200, 3960, 2175, 375));

    // "&a" in the introduction moves the focus to the first picture box.
    label1->setBuddy(m_image1Box);

    connect(command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(command9, &QPushButton::clicked, this, &Form2::Command9_Click);
}

void Form2::createTutorial()
{
    const std::vector<QGroupBox *> frames = ui::makeStepFrames(
        this,
        {
            {.frame = u"tut1"_s,
             .frameGeometry = pixelRect(240, 1680, 4815, 1815),
             .label = u"Label10"_s,
             .labelGeometry = pixelRect(120, 240, 4575, 1335),
             .text =
                 u"First, you need to select two images for the rollover. "
                 "Image #1 should be the image seen when the mouse is not over the picture, and Image #2 should be the image shown when the mouse is over the picture   Click the buttons to the right of each text box to select an image, or type one in yourself! "
                 "Click ok after you have done this."_s,
             .button = u"Command6"_s,
             .caption = u"Ok!"_s,
             .buttonGeometry = pixelRect(1800, 1320, 1575, 375),
             .ok = std::bind_front(&Form2::Command6_Click, this)},
            {.frame = u"tut2"_s,
             .frameGeometry = pixelRect(240, 1920, 4695, 1695),
             .label = u"Label12"_s,
             .labelGeometry = pixelRect(120, 240, 4455, 1215),
             .text =
                 u"Now you need to type the link of the rollover above. "
                 "The link will be activated when someone clicks the image. "
                 "This program assumes that you want to create a linked rollover, so if you don't want a link you will have to take it out manually. "
                 "Click ok when you have typed in a link"_s,
             .button = u"Command7"_s,
             .buttonGeometry = pixelRect(2640, 1080, 1575, 375),
             .ok = std::bind_front(&Form2::Command7_Click, this)},
            {.frame = u"tut3"_s,
             .frameGeometry = pixelRect(240, 2400, 4695, 1935),
             .label = u"Label13"_s,
             .labelGeometry = pixelRect(120, 240, 4455, 1215),
             .text =
                 u"Now you need to name the rollover. "
                 "Don't name two rollovers the same thing, or that will cause problems. "
                 "You can name it something like \"Rollover1\", but it must start with letters and contain no spaces. "
                 "If you don't mind it, you can create a random combination of letters by clicking \"random\" beside it. "
                 "Click Ok when you have named the rollover."_s,
             .button = u"Command8"_s,
             .buttonGeometry = pixelRect(1680, 1440, 1575, 375),
             .ok = std::bind_front(&Form2::Command8_Click, this)},
            {.frame = u"tut4"_s,
             .frameGeometry = pixelRect(240, 720, 4695, 1695),
             .label = u"Label14"_s,
             .labelGeometry = pixelRect(120, 240, 4455, 1215),
             .text =
                 u"Next you need to enter the width and height of the images. "
                 "It is better if you know the width and height, but if you don't you can enter an estimate. "
                 "Use the format of width,height, so if you have an image with width 34 and height 54, it would be 34,54. "
                 "Click ok when you have entered a width and height"_s,
             .button = u"Command10"_s,
             .buttonGeometry = pixelRect(1680, 1200, 1575, 375),
             .ok = std::bind_front(&Form2::Command10_Click, this)},
            {.frame = u"tut5"_s,
             .frameGeometry = pixelRect(240, 960, 4695, 1815),
             .label = u"Label15"_s,
             .labelGeometry = pixelRect(120, 240, 4455, 1215),
             .text =
                 u"Last, you need to enter the image numbers. "
                 "Don't worry about this too much, just remember, no image can have the same image number. "
                 "If you don't plan on modifying the code, just cilck \"random\" beside each textbox to get a random number. "
                 "Click ok when you have assigned image numbers."_s,
             .button = u"Command11"_s,
             .buttonGeometry = pixelRect(1680, 1320, 1575, 375),
             .ok = std::bind_front(&Form2::Command11_Click, this)},
            {.frame = u"tut6"_s,
             .frameGeometry = pixelRect(240, 2880, 4695, 1095),
             .label = u"Label16"_s,
             .labelGeometry = pixelRect(120, 240, 4455, 1215),
             .text = u"Good job, you have entered all of the properties needed and now you are ready to copy the code. "
                     "Click \"See Code\" below to goto the next screen. "_s},
        });
    std::copy(frames.cbegin(), frames.cend(), std::next(m_tut.begin()));
    ui::addMakePicturesTip(m_tut[1]);

    // Focus order; a visible step's button takes its turn after Command5 (steps 1 to 3)
    // or after Command9 (steps 4 and 5).
    const QStringList order{u"Text1"_s,    u"Command1"_s, u"Text2"_s,    u"Command2"_s, u"Text3"_s,     u"Text4"_s,
                            u"Command3"_s, u"Text5"_s,    u"Text6"_s,    u"Text7"_s,    u"Command4"_s,  u"Command5"_s,
                            u"Command6"_s, u"Command7"_s, u"Command8"_s, u"Command9"_s, u"Command10"_s, u"Command11"_s};
    ui::setFocusOrder(this, order);
}

void Form2::createCodeChoice()
{
    // Beside the pictures, before "See Code"; after every other control in the focus order.
    const ui::CodeChoice choice = ui::makeCodeChoice(this,
                                                     {.label = pixelRect(5520, 840, 2280, 255),
                                                      .altText = pixelRect(5520, 1080, 2280, 285),
                                                      .modernCode = pixelRect(5520, 1560, 2280, 495),
                                                      .hint = pixelRect(5520, 2160, 2280, 1095)},
                                                     findChild<QWidget *>(u"Command11"_s));
    m_altText = choice.altText;
    m_modernCode = choice.modernCode;
    connect(m_modernCode, &QCheckBox::toggled, this, &Form2::followCodeChoice);
}

void Form2::createPreview()
{
    // Below the column of the code choice; last in the focus order.
    m_preview = new RolloverPreview(this, pixelRect(5520, 3360, 2280, 2280));
    QWidget::setTabOrder(m_modernCode, m_preview);
    // A picture name typed in by hand names no file the window knows, until the box is left.
    for (int which : {1, 2}) {
        QLineEdit *box = which == 1 ? m_image1Box : m_image2Box;
        connect(box, &QLineEdit::textEdited, this, [this, which] {
            (which == 1 ? m_picture1Path : m_picture2Path).clear();
            m_preview->setPicture(which == 1 ? RolloverImage::Image1 : RolloverImage::Image2, QString());
            followPictures();
        });
        connect(box, &QLineEdit::editingFinished, this, [this, box] { takeTypedPicture(box); });
    }
    connect(m_sizeBox, &QLineEdit::textChanged, this, &Form2::followSize);
    connect(m_modernCode, &QCheckBox::toggled, this, &Form2::followSize);
}

void Form2::createHints()
{
    // Beside "See Code", last in the focus order.
    QPushButton *make =
        ui::makeButton(this, u"MakePictures"_s, u"Make Pictures..."_s, pixelRect(3480, 3960, 1815, 375));
    connect(make, &QPushButton::clicked, this, &Form2::MakePictures_Click);
    QWidget::setTabOrder(m_preview, make);
    // Below "See Code", across the fields they are about.
    m_sizeHint = ui::makeHint(this, u"SizeHint"_s, pixelRect(120, 4440, 5280, 390));
    ui::makeBoxHint(this, u"LinkHint"_s, pixelRect(120, 4830, 5280, 390), m_linkBox, &LinkHint);
    m_sameNameHint = ui::makeHint(this, u"SameNameHint"_s, pixelRect(120, 5220, 5280, 390));
}

void Form2::followSize()
{
    // The modern code writes the size into both pictures; the classic code leaves them theirs.
    const bool modern = m_modernCode->isChecked();
    const std::string size = ui::textOf(m_sizeBox);
    const std::optional<PictureSize> read = modern ? TwoWholeNumbersIn(size) : std::nullopt;
    const auto pixels = [](const std::string &digits) {
        return digits.size() > 5 ? 99999 : std::stoi(digits); // a page never needs more
    };
    m_preview->setCodeSize(read ? std::optional<QSize>(QSize(pixels(read->width), pixels(read->height)))
                                : std::nullopt);
    ui::showHint(m_sizeHint, modern ? ui::toQString(ModernSizeHint(size)) : QString());
}

void Form2::followCodeChoice()
{
    // The modern code names no picture and no rollover.
    const bool modern = m_modernCode->isChecked();
    for (const QString &name : {u"Label5"_s, u"Text4"_s, u"Command9"_s, u"Label8"_s, u"Text6"_s, u"Command4"_s,
                                u"Label9"_s, u"Text7"_s, u"Command5"_s})
        findChild<QWidget *>(name)->setEnabled(!modern);
    m_preview->setFocusShowsOver(modern);
}

void Form2::acceptPictureDrops()
{
    // A picture file dropped onto a picture's box or its "..." button is taken as if picked.
    const QStringList suffixes = ui::pictureSuffixes(ui::pictureRequest());
    const auto acceptOn = [this, &suffixes](QLineEdit *box, const QString &button) {
        auto *target = new ui::PictureDropTarget(suffixes, this);
        target->watch(box);
        target->watch(findChild<QPushButton *>(button), box);
        connect(target, &ui::PictureDropTarget::pictureDropped, this,
                [this, box](const QString &path) { takePicture(box, path); });
    };
    acceptOn(m_image1Box, u"Command1"_s);
    acceptOn(m_image2Box, u"Command2"_s);
}

void Form2::nameControls()
{
    // What a screen reader announces: each box its label, each "..." button the picture it
    // chooses; the buttons with a caption are announced by it.
    ui::setBuddies(this, {{u"Label2"_s, u"Text1"_s},
                          {u"Label3"_s, u"Text2"_s},
                          {u"Label4"_s, u"Text3"_s},
                          {u"Label5"_s, u"Text4"_s},
                          {u"Label7"_s, u"Text5"_s},
                          {u"Label8"_s, u"Text6"_s},
                          {u"Label9"_s, u"Text7"_s}});
    // The introduction's access key leads to Text1 as well, and a box takes the name of the
    // first label that leads to it.
    ui::setAccessibleNames(
        this,
        {{u"Text1"_s, m_label2->text()}, {u"Command1"_s, u"Choose Image #1"_s}, {u"Command2"_s, u"Choose Image #2"_s}});
    ui::describeStepFrames(this, {u"tut1"_s, u"tut2"_s, u"tut3"_s, u"tut4"_s, u"tut5"_s, u"tut6"_s});
}

void Form2::Form_Load()
{
    if (tutmode) {
        m_tut[1]->show();
        ui::highlightLabel(m_label2);
        ui::highlightLabel(m_label3);
    }
}

void Form2::pickPicture(QLineEdit *box, const QString &title)
{
    // Each picker starts at its own picture, or where pictures were chosen last.
    const QString own = box == m_image1Box ? m_picture1Path : m_picture2Path;
    const std::optional<QString> path = services().openFileName(
        this, ui::pictureRequest(title, ui::proposedPath(services(), ui::FileKind::Pictures, own)));
    if (!path || path->isEmpty())
        return; // a cancel keeps what the box held
    ui::rememberFolder(services(), ui::FileKind::Pictures, *path);
    takePicture(box, *path);
}

void Form2::takePicture(QLineEdit *box, const QString &path, bool keepName)
{
    m_lastPicture = path;
    if (!keepName)
        box->setText(ui::urlFromFileName(ui::fileNameOf(path)));
    const RolloverImage which = box == m_image1Box ? RolloverImage::Image1 : RolloverImage::Image2;
    (which == RolloverImage::Image1 ? m_picture1Path : m_picture2Path) = path;
    m_preview->setPicture(which, path);
    // The size follows picture 1 until the user types one.
    const QSize size = m_preview->pictureSize(RolloverImage::Image1);
    if (which == RolloverImage::Image1 && size.isValid() && m_sizeFromPicture == m_sizeBox->text()) {
        m_sizeFromPicture = u"%1,%2"_s.arg(size.width()).arg(size.height());
        m_sizeBox->setText(*m_sizeFromPicture);
    }
    followPictures();
}

void Form2::followPictures()
{
    // A page names each picture by its file name alone.
    const std::string hint = ui::sameNameHint({ui::pickedPicture(m_image1Box->text(), m_picture1Path).toStdString(),
                                               ui::pickedPicture(m_image2Box->text(), m_picture2Path).toStdString()});
    ui::showHint(m_sameNameHint, ui::toQString(hint));
}

void Form2::takeTypedPicture(QLineEdit *box)
{
    const RolloverImage which = box == m_image1Box ? RolloverImage::Image1 : RolloverImage::Image2;
    QString &known = which == RolloverImage::Image1 ? m_picture1Path : m_picture2Path;
    const QString typed = box->text();
    if (typed.isEmpty() || !ui::pickedPicture(typed, known).isEmpty())
        return; // nothing typed, or still the picture taken
    // A full path to a file is taken as a pick would take it; a name is looked for beside the
    // picture taken last, where the page will stand with its pictures.
    const QFileInfo full(typed);
    if (full.isAbsolute() && full.isFile()) {
        takePicture(box, typed);
        return;
    }
    const QString beside =
        m_lastPicture.isEmpty() || full.isAbsolute()
            ? QString()
            : QDir(QFileInfo(m_lastPicture).absolutePath()).filePath(QUrl::fromPercentEncoding(typed.toUtf8()));
    if (beside.isEmpty() || !QFileInfo(beside).isFile()) {
        known.clear();
        m_preview->setUnreadable(which);
        return;
    }
    takePicture(box, beside, true);
}

void Form2::MakePictures_Click()
{
    connect(ui::PictureMaker::openBeside(*this, PictureKind::Rollover), &ui::PictureMaker::picturesSaved, this,
            &Form2::takeMadePictures);
}

void Form2::takeMadePictures(const QStringList &files, QSize size, const QString &caption)
{
    takePicture(m_image1Box, files.value(0));
    takePicture(m_image2Box, files.value(1));
    m_sizeFromPicture = u"%1,%2"_s.arg(size.width()).arg(size.height());
    m_sizeBox->setText(*m_sizeFromPicture);
    if (m_altText->text().isEmpty())
        m_altText->setText(caption);
}

RolloverEntries Form2::entries() const
{
    RolloverEntries entries;
    RolloverProperties &properties = entries.properties;
    properties.Image1Src = ui::textOf(m_image1Box);
    properties.Image2Src = ui::textOf(m_image2Box);
    properties.RolloverLink = ui::textOf(m_linkBox);
    properties.RolloverName = ui::textOf(m_nameBox);
    properties.RolloverSize = ui::textOf(m_sizeBox);
    properties.Image1Name = ui::textOf(m_image1NameBox);
    properties.Image2Name = ui::textOf(m_image2NameBox);
    properties.AltText = ui::textOf(m_altText);
    entries.modern = m_modernCode->isChecked();
    entries.picture1Path = m_picture1Path;
    entries.picture2Path = m_picture2Path;
    entries.sizeFollowsPicture = m_sizeFromPicture == m_sizeBox->text();
    entries.edit = m_edit;
    return entries;
}

void Form2::restore(const RolloverEntries &entries)
{
    const RolloverProperties &properties = entries.properties;
    m_modernCode->setChecked(entries.modern);
    ui::setText(m_image1Box, properties.Image1Src);
    ui::setText(m_image2Box, properties.Image2Src);
    ui::setText(m_linkBox, properties.RolloverLink);
    ui::setText(m_nameBox, properties.RolloverName);
    ui::setText(m_sizeBox, properties.RolloverSize);
    ui::setText(m_image1NameBox, properties.Image1Name);
    ui::setText(m_image2NameBox, properties.Image2Name);
    ui::setText(m_altText, properties.AltText);
    m_picture1Path = entries.picture1Path;
    m_picture2Path = entries.picture2Path;
    for (const RolloverImage which : {RolloverImage::Image1, RolloverImage::Image2}) {
        const QString &path = which == RolloverImage::Image1 ? m_picture1Path : m_picture2Path;
        if (!path.isEmpty()) {
            m_preview->setPicture(which, path);
            m_lastPicture = path;
        }
    }
    m_sizeFromPicture = entries.sizeFollowsPicture ? std::optional<QString>(m_sizeBox->text()) : std::nullopt;
    m_edit = entries.edit;
    followPictures();
}

void Form2::editInPage(const InsertedEdit &edit)
{
    RolloverEntries entries;
    entries.properties = RolloverFromProperties(edit.properties);
    entries.modern = PropertyOf(edit.properties, "modern") == "1";
    // The pictures are found beside the page, by the names it gives them.
    entries.picture1Path = pictureOfPage(edit.page, entries.properties.Image1Src);
    entries.picture2Path = pictureOfPage(edit.page, entries.properties.Image2Src);
    entries.sizeFollowsPicture = false;
    entries.edit = edit;
    restore(entries);
    // A picture no longer there is named in the preview, as a typed name that leads nowhere is.
    if (!entries.properties.Image1Src.empty() && entries.picture1Path.isEmpty())
        m_preview->setUnreadable(RolloverImage::Image1);
    if (!entries.properties.Image2Src.empty() && entries.picture2Path.isEmpty())
        m_preview->setUnreadable(RolloverImage::Image2);
}

void Form2::Command1_Click()
{
    pickPicture(m_image1Box, u"Select src for Image #1"_s);
}

void Form2::Command2_Click()
{
    pickPicture(m_image2Box, u"Select src for Image #2"_s);
}

void Form2::Command4_Click()
{
    ui::setText(m_image1NameBox, RandomImageName(services().randomDraw()));
}

void Form2::Command5_Click()
{
    ui::setText(m_image2NameBox, RandomImageName(services().randomDraw()));
}

void Form2::Command9_Click()
{
    std::array<float, RolloverNameLetters> draws{};
    for (float &draw : draws)
        draw = services().randomDraw();
    ui::setText(m_nameBox, RandomRolloverName(draws));
}

void Form2::Command3_Click()
{
    auto *code = new Form3(workspace());
    if (tutmode)
        code->tutmode = true;
    code->instanced = true;
    code->setLeft(left());
    code->setTop(top());
    const RolloverEntries made = entries();
    code->modern = made.modern;
    const QStringList pictures{ui::pickedPicture(m_image1Box->text(), m_picture1Path),
                               ui::pickedPicture(m_image2Box->text(), m_picture2Path)};
    RolloverProperties properties = made.properties;
    // The modern code offers the sharper pictures of twice the density where they are beside.
    properties.Image1Src2x = ui::twiceDensitySource(pictures[0]);
    properties.Image2Src2x = ui::twiceDensitySource(pictures[1]);
    const RolloverCode generated =
        made.modern ? GenerateModernRolloverCode(properties) : GenerateRolloverCode(properties);
    code->setCode(generated.head, generated.body);
    code->setPictures(ui::withTwiceDensitySiblings(pictures));
    code->setEntries(made);
    // Back to Properties: a new properties window where the code window stands, never in
    // tutorial mode.
    connect(code, &Form3::propertiesAsked, code,
            [workspace = &workspace()](const RolloverEntries &entries, int left, int top) {
                auto *properties = new Form2(*workspace);
                properties->setLeft(left);
                properties->setTop(top);
                properties->restore(entries);
                properties->showWindow();
            });
    code->showWindow();
    closeWindow();
}

void Form2::showStep(QGroupBox *hide, QGroupBox *show, std::initializer_list<QLabel *> restore,
                     std::initializer_list<QLabel *> highlight)
{
    ui::turnStep(hide, show, ui::StepTurn::HideFirst);
    for (QLabel *label : restore)
        ui::clearHighlight(label);
    for (QLabel *label : highlight)
        ui::highlightLabel(label);
}

void Form2::Command6_Click()
{
    showStep(m_tut[1], m_tut[2], {m_label2, m_label3}, {m_label4});
}

void Form2::Command7_Click()
{
    showStep(m_tut[2], m_tut[3], {m_label4}, {m_label5});
}

void Form2::Command8_Click()
{
    showStep(m_tut[3], m_tut[4], {m_label5}, {m_label7});
}

void Form2::Command10_Click()
{
    showStep(m_tut[4], m_tut[5], {m_label7}, {m_label8, m_label9});
}

void Form2::Command11_Click()
{
    showStep(m_tut[5], m_tut[6], {m_label8, m_label9}, {});
}
