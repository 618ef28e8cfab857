// SPDX-License-Identifier: GPL-3.0-or-later
#include "button/button_editor.h"

#include "button/button_code.h"
#include "button/button_insert.h"
#include "button/button_page.h"
#include "button/picture_box.h"
#include "button/preview_rules.h"
#include "button/random_names.h"
#include "insert/insert_window.h"
#include "insert/inserted_items.h"
#include "maker/picture_maker.h"
#include "pages/page_pictures.h"
#include "pictures/picture_drop.h"
#include "pictures/twice_density.h"
#include "text/html_text.h"
#include "text/picture_names.h"
#include "ui/accessibility.h"
#include "ui/code_colours.h"
#include "ui/controls.h"
#include "ui/files.h"
#include "ui/look.h"
#include "ui/note.h"
#include "ui/remembered_places.h"
#include "ui/services.h"
#include "ui/step_frames.h"
#include "ui/text_box.h"

#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const ui::FileFilter PageFilter{u"HTM(L) Files *.html,*.htm "_s, u"*.html;*.htm"_s};

// The preview lies inside Frame2, which clips it: of a larger picture only the top left part
// that reaches the frame's edges can ever show, and only that part is kept.
const QRect Frame2Geometry(312, 8, 193, 177);
const QRect PreviewGeometry(8, 16, 177, 153);
const QSize PreviewShows(Frame2Geometry.width() - PreviewGeometry.x(), Frame2Geometry.height() - PreviewGeometry.y());

} // namespace

Form7::Form7(ui::Workspace &workspace)
    // 561 pixels wide, not the layout's 553, so that the code frame shows whole, and a
    // column for the alt text and the choice of code; a row below for the size hint.
    : ChildWindow(workspace, u"Form7"_s, u"Button Editor"_s, {10920, 6120})
    , m_pictures(PreviewShows)
    , m_saver(PageFilter)
{
    createControls();
    createCodeFrame();
    createTutorial();
    createCodeChoice();
    setFocusOrder();
    acceptPictureDrops();
    nameControls();
}

void Form7::createControls()
{
    // Built from the back to the front: a later control lies above an earlier one.
    // Geometry is in pixels.
    m_frame1 = ui::makeFrame(this, u"Frame1"_s, u"Button Editor"_s, QRect(32, 8, 513, 353));
    QGroupBox *f1 = m_frame1;

    struct LabelRow {
        int number;
        QString text;
        QRect geometry;
    };
    const auto labels = std::to_array<LabelRow>({
        {1, u"Default Image:"_s, {8, 16, 209, 17}},
        {2, u"Mouse Over Image:"_s, {8, 48, 137, 17}},
        {3, u"Mouse Down Image:"_s, {8, 80, 153, 17}},
        {4, u"Button Width:"_s, {8, 112, 97, 17}},
        {5, u"Button Height: "_s, {8, 144, 105, 17}},
        {6, u"Default Image Name:"_s, {8, 192, 137, 17}},
        {7, u"Mouse Over Image Name:"_s, {8, 224, 137, 17}},
        {8, u"Mouse Down Image Name:"_s, {8, 256, 137, 17}},
        {9, u"Button Name:"_s, {8, 288, 129, 17}},
        {12, u"Button Link: "_s, {8, 320, 137, 17}},
    });
    for (const LabelRow &row : labels)
        m_label[row.number] = ui::makeLabel(f1, u"Label"_s + QString::number(row.number), row.text, row.geometry);

    // The picked pictures' names are written by the pickers only.
    m_defaultBox = ui::makeLineEdit(f1, u"Text1"_s, QString(), QRect(104, 16, 185, 19));
    m_overBox = ui::makeLineEdit(f1, u"Text2"_s, QString(), QRect(104, 48, 185, 19));
    m_downBox = ui::makeLineEdit(f1, u"Text3"_s, QString(), QRect(104, 80, 185, 19));
    for (QLineEdit *box : {m_defaultBox, m_overBox, m_downBox})
        box->setReadOnly(true);

    m_frame2 = ui::makeFrame(f1, u"Frame2"_s, u"Button:"_s, Frame2Geometry);
    // Below the preview, where a picture that cannot be read is named.
    m_previewHint = ui::makeHint(m_frame2, u"PreviewHint"_s, QRect(8, 136, 177, 34));
    m_previewHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_button = new PictureBox(m_frame2, u"button"_s, PreviewGeometry);

    m_command1 = ui::makeButton(f1, u"Command1"_s, u"..."_s, QRect(288, 16, 25, 19));
    m_command2 = ui::makeButton(f1, u"Command2"_s, u"..."_s, QRect(288, 48, 25, 19));
    m_command3 = ui::makeButton(f1, u"Command3"_s, u"..."_s, QRect(288, 80, 25, 19));
    m_widthBox = ui::makeLineEdit(f1, u"Text4"_s, QString(), QRect(104, 112, 185, 19));
    m_heightBox = ui::makeLineEdit(f1, u"Text5"_s, QString(), QRect(104, 144, 185, 19));
    m_check1 = ui::makeCheckBox(f1, u"Check1"_s, u"Get width and height from image source"_s, QRect(40, 168, 225, 17));
    m_defaultNameBox = ui::makeLineEdit(f1, u"Text6"_s, u"DefaultImage"_s, QRect(144, 192, 145, 19));
    m_overNameBox = ui::makeLineEdit(f1, u"Text7"_s, u"MouseOverImage"_s, QRect(144, 224, 145, 19));
    m_downNameBox = ui::makeLineEdit(f1, u"Text8"_s, u"MouseDownImage"_s, QRect(144, 256, 145, 19));
    QPushButton *command4 = ui::makeButton(f1, u"Command4"_s, u"Random"_s, QRect(288, 192, 57, 19));
    m_buttonNameBox = ui::makeLineEdit(f1, u"Text9"_s, u"Example"_s, QRect(144, 288, 145, 19));
    QPushButton *command7 = ui::makeButton(f1, u"Command7"_s, u"Random"_s, QRect(288, 288, 57, 19));
    m_check2 = ui::makeCheckBox(f1, u"Check2"_s, u"Don't Use Mouseover in preview"_s, QRect(360, 192, 137, 33));
    QPushButton *command8 = ui::makeButton(f1, u"Command8"_s, u"See Code"_s, QRect(416, 232, 73, 33));
    m_linkBox = ui::makeLineEdit(f1, u"Text11"_s, u"http://"_s, QRect(144, 320, 145, 19));
    QPushButton *command14 = ui::makeButton(f1, u"Command14"_s, u"Close"_s, QRect(416, 264, 73, 33));

    // These two belong to the window and lie over Frame1, in one column with Command4 and Command7.
    QPushButton *command5 = ui::makeButton(this, u"Command5"_s, u"Random"_s, QRect(320, 232, 57, 19));
    QPushButton *command6 = ui::makeButton(this, u"Command6"_s, u"Random"_s, QRect(320, 264, 57, 19));

    connect(m_command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form7::Command3_Click);
    connect(m_check1, &QCheckBox::toggled, this, &Form7::Check1_Click);
    connect(command4, &QPushButton::clicked, this, &Form7::Command4_Click);
    connect(command5, &QPushButton::clicked, this, &Form7::Command5_Click);
    connect(command6, &QPushButton::clicked, this, &Form7::Command6_Click);
    connect(command7, &QPushButton::clicked, this, &Form7::Command7_Click);
    connect(command8, &QPushButton::clicked, this, &Form7::Command8_Click);
    connect(command14, &QPushButton::clicked, this, &Form7::Command14_Click);

    // The preview: moves must arrive without a button held, and only the preview, the
    // window's background, Frame2 and the three "..." buttons take part in it.
    connect(m_button, &PictureBox::mouseMove, this, &Form7::button_MouseMove);
    connect(m_button, &PictureBox::mouseDown, this, &Form7::button_MouseDown);
    connect(m_button, &PictureBox::mouseUp, this, &Form7::button_MouseUp);
    connect(m_button, &PictureBox::mouseLeft, this, &Form7::button_MouseLeave);
    setMouseTracking(true);
    for (QWidget *widget : {static_cast<QWidget *>(m_frame2), static_cast<QWidget *>(m_command1),
                            static_cast<QWidget *>(m_command2), static_cast<QWidget *>(m_command3)}) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
}

void Form7::createCodeFrame()
{
    // Hidden until "See Code"; the window's load moves it to the top left corner. It reaches
    // down to the window's bottom, so that it covers the whole editor and the hint below it.
    m_frame3 = ui::makeFrame(this, u"Frame3"_s, u"Button Code:"_s, QRect(512, 352, 561, 407));
    m_frame3->hide();
    ui::makeLabel(m_frame3, u"Label10"_s,
                  u"There are two steps to adding this button to your webpage. First, add this code below to the "
                  "<head> section of your webpage"_s,
                  QRect(8, 16, 481, 49));
    ui::makeLabel(m_frame3, u"Label11"_s,
                  u"The code below is the button itself. Add this to wherever you want the button to be located in "
                  "your webpage. "_s,
                  QRect(8, 152, 489, 41));
    m_first = ui::makeTextBox(m_frame3, u"first"_s, QRect(8, 48, 489, 97));
    m_second = ui::makeTextBox(m_frame3, u"second"_s, QRect(8, 192, 489, 97));
    ui::showAsCode(m_first);
    ui::showAsCode(m_second);
    QPushButton *command10 = ui::makeButton(m_frame3, u"Command10"_s, u"Copy"_s, QRect(496, 64, 57, 33));
    QPushButton *command11 = ui::makeButton(m_frame3, u"Command11"_s, u"Copy"_s, QRect(496, 208, 57, 33));
    QPushButton *command12 = ui::makeButton(m_frame3, u"Command12"_s, u"Save As HTML"_s, QRect(160, 296, 89, 33));
    QPushButton *command13 = ui::makeButton(m_frame3, u"Command13"_s, u"Done"_s, QRect(256, 296, 89, 33));
    QPushButton *browse = ui::makeButton(m_frame3, u"OpenInBrowser"_s, u"Open in Browser"_s, QRect(352, 296, 105, 33));
    m_insert = ui::makeButton(m_frame3, u"InsertIntoPage"_s, u"Insert into Page..."_s, QRect(464, 296, 89, 33));
    // In its place for a button of a page.
    m_replace = ui::makeButton(m_frame3, u"ReplaceInPage"_s, u"Replace in Page"_s, QRect(464, 296, 89, 33));
    m_replace->hide();
    connect(command10, &QPushButton::clicked, this, &Form7::Command10_Click);
    connect(command11, &QPushButton::clicked, this, &Form7::Command11_Click);
    connect(command12, &QPushButton::clicked, this, &Form7::Command12_Click);
    connect(command13, &QPushButton::clicked, this, &Form7::Command13_Click);
    connect(browse, &QPushButton::clicked, this, &Form7::OpenInBrowser_Click);
    connect(m_insert, &QPushButton::clicked, this, &Form7::InsertIntoPage_Click);
    connect(m_replace, &QPushButton::clicked, this, &Form7::ReplaceInPage_Click);
    m_headNote = new ui::Note(m_frame3, u"HeadCopyNote"_s, QRect(496, 100, 60, 17));
    m_bodyNote = new ui::Note(m_frame3, u"BodyCopyNote"_s, QRect(496, 244, 60, 17));
    m_saveNote = new ui::Note(m_frame3, u"SaveNote"_s, QRect(8, 334, 545, 30));
    m_codeFiles = ui::makeHint(m_frame3, u"CodeFiles"_s, QRect(8, 368, 545, 34));
}

void Form7::createTutorial()
{
    // Created after the code frame and in step order, so that tut6 lies in front of all.
    // Geometry is in pixels.
    const std::vector<QGroupBox *> frames = ui::makeStepFrames(
        this,
        {
            {.frame = u"tut1"_s,
             .frameGeometry = QRect(88, 104, 353, 169),
             .label = u"Label13"_s,
             .labelGeometry = QRect(8, 16, 337, 137),
             .text =
                 u"The button editor is a more advanced tool that allows you more control over a button. "
                 "You can change the mouseover(which happens when a mouse is over the button), and the mouse down(which happens when you click down on the button). "
                 "If you don't want one of these effects, leave the corresponding image blank. "
                 "You will always need a default image, which is the one everyone will see when the page loads. "
                 "Click the buttons to the right of each image textbox to select an image from file. "
                 "Load some images for the effects you desire and press \"ok\" when you are ready to continue. "_s,
             .button = u"Command9"_s,
             .buttonGeometry = QRect(184, 128, 113, 25),
             .ok = std::bind_front(&Form7::Command9_Click, this)},
            // Raised from 32, so that it covers the "Default Image:" row whole.
            {.frame = u"tut2"_s,
             .frameGeometry = QRect(16, 24, 329, 169),
             .label = u"Label14"_s,
             .labelGeometry = QRect(8, 16, 313, 137),
             .text =
                 u"After you have selected the images, you will notice the default image appears to your right. "
                 "This will act exactly like your button will on a webpage, so if you have a mouseover effect you can move your mouse over the image and it will switch to the next one. "
                 "Below that is the option \"Don't use rollover in preview.\"  Check this if you don't want interference with mouseovers if you have a mosuedown effect and a mouseover effect. "
                 "When you have experimented with this click ok to move on. "_s,
             .button = u"Command15"_s,
             .buttonGeometry = QRect(192, 136, 113, 25),
             .ok = std::bind_front(&Form7::Command15_Click, this)},
            // Lowered from 176, so that the check box its text asks for shows whole.
            {.frame = u"tut3"_s,
             .frameGeometry = QRect(88, 193, 353, 169),
             .label = u"Label15"_s,
             .labelGeometry = QRect(8, 16, 337, 137),
             .text =
                 u"Next you will need to get the button width and height. "
                 "All of your images need to be the same size, or you may experience some odd results. "
                 "You can get the width and height two ways. "
                 "First, you can type them in yourself where you see \"Button Width\" and \"Button Height\". "
                 "Alternatively you can click \"Get width and height from image source. "
                 "If you have a default image loaded it will set the width and height to the width and height of the images. "
                 "After you have set the width and height click ok to proceed. "_s,
             .button = u"Command16"_s,
             .buttonGeometry = QRect(184, 128, 113, 25),
             .ok = std::bind_front(&Form7::Command16_Click, this)},
            {.frame = u"tut4"_s,
             .frameGeometry = QRect(88, 32, 353, 169),
             .label = u"Label16"_s,
             .labelGeometry = QRect(8, 16, 337, 137),
             .text =
                 u"Next you need to name the button and the images. "
                 "Keep in mind that no images or button can have the same name, they must begin with a letter, and cannot contain spaces. "
                 "Since these names are only used by the javascript and html, if you don't plan on modifying the code then you do not need to worry about these names, and if you want you can click \"Random\" to generate a name with random numbers in it. "
                 "Also below that you will see \"Button Link\". "
                 "This programs assumes your button will link to something, so a link here is required. "
                 "When you have named the images and typed in a link click ok. "_s,
             .button = u"Command17"_s,
             .buttonGeometry = QRect(184, 128, 113, 25),
             .ok = std::bind_front(&Form7::Command17_Click, this)},
            {.frame = u"tut5"_s,
             .frameGeometry = QRect(88, 224, 353, 113),
             .label = u"Label17"_s,
             .labelGeometry = QRect(8, 16, 337, 57),
             .text =
                 u"Congratulations! "
                 "You have completed everything necessary to generate the button code. "
                 "Since you are in tutorial mode, click ok below to go to the generated code. "
                 "If you were not in tutorial mode, you would click \"See Code\", which this frame is currently hiding. "_s,
             .button = u"Command18"_s,
             .buttonGeometry = QRect(224, 80, 113, 25),
             .ok = std::bind_front(&Form7::Command18_Click, this)},
            {.frame = u"tut6"_s,
             .frameGeometry = QRect(96, 88, 353, 201),
             .label = u"Label18"_s,
             .labelGeometry = QRect(8, 16, 337, 153),
             .text =
                 u"There are two parts to the button code. "
                 "The first part is in the first textbox, and this code needs to be inserted into the <head> section of your webpage. "
                 "The second textbox contains the button itself, and this needs to be in the <body> section where you want your button be located.  "
                 "Click \"Copy\" beside each textbox to copy the code so you can paste it. "
                 "If you don't want to paste it into an html page, you can save the button in an auto-generated html page by clicking \"Save As HTML\". "
                 "This will open a save dialog and you can type a filename. "
                 "After that happens, the button will be visible on that html page and you can do whatever you want with it. "
                 "Click ok to finish this tutorial, and thanks for using it!"_s,
             .button = u"Command19"_s,
             .buttonGeometry = QRect(224, 168, 113, 25),
             .ok = std::bind_front(&Form7::Command19_Click, this)},
        });
    std::copy(frames.cbegin(), frames.cend(), std::next(m_tut.begin()));
    ui::addMakePicturesTip(m_tut[1]);
}

void Form7::createCodeChoice()
{
    // Beside the editor, where the code view leaves them in sight; last in the focus order.
    const ui::CodeChoice choice = ui::makeCodeChoice(this, {.label = QRect(568, 24, 152, 17),
                                                            .altText = QRect(568, 44, 152, 19),
                                                            .modernCode = QRect(568, 72, 152, 33),
                                                            .hint = QRect(568, 112, 152, 65)});
    m_altText = choice.altText;
    m_modernCode = choice.modernCode;
    connect(m_modernCode, &QCheckBox::toggled, this, &Form7::followCodeChoice);
    // The code shown beside them follows them at once, as "Done", then "See Code" would.
    const auto follow = [this] {
        if (!m_frame3->isHidden())
            fillCodeView();
    };
    connect(m_modernCode, &QCheckBox::toggled, this, follow);
    connect(m_altText, &QLineEdit::textChanged, this, follow);
    QPushButton *make = ui::makeButton(this, u"MakePictures"_s, u"Make Pictures..."_s, QRect(568, 184, 152, 25));
    connect(make, &QPushButton::clicked, this, &Form7::MakePictures_Click);
    ui::makeBoxHint(this, u"LinkHint"_s, QRect(568, 216, 152, 65), m_linkBox, &LinkHint);
    m_sameNameHint = ui::makeHint(this, u"SameNameHint"_s, QRect(568, 288, 152, 78));
    // Below the editor, from the size boxes' left edge.
    m_sizeHint = ui::makeHint(this, u"SizeHint"_s, QRect(136, 366, 409, 34));
    for (QLineEdit *box : {m_widthBox, m_heightBox})
        connect(box, &QLineEdit::textChanged, this, &Form7::followSize);
    followSize();
}

void Form7::followSize()
{
    ui::showHint(m_sizeHint, ui::toQString(ButtonSizeHint(ui::textOf(m_widthBox), ui::textOf(m_heightBox))));
}

void Form7::followCodeChoice()
{
    // The modern code names neither the button nor its pictures.
    const bool modern = m_modernCode->isChecked();
    for (const QString &name : {u"Label6"_s, u"Text6"_s, u"Command4"_s, u"Label7"_s, u"Text7"_s, u"Command5"_s,
                                u"Label8"_s, u"Text8"_s, u"Command6"_s, u"Label9"_s, u"Text9"_s, u"Command7"_s})
        findChild<QWidget *>(name)->setEnabled(!modern);
}

void Form7::setFocusOrder()
{
    const QStringList order{
        u"Text1"_s,        u"Text2"_s,          u"Text3"_s,        u"Command1"_s,  u"Command2"_s,   u"Command3"_s,
        u"Text4"_s,        u"Text5"_s,          u"Check1"_s,       u"Text6"_s,     u"Text7"_s,      u"Text8"_s,
        u"Command4"_s,     u"Command5"_s,       u"Command6"_s,     u"Text9"_s,     u"Command7"_s,   u"Check2"_s,
        u"Command8"_s,     u"first"_s,          u"second"_s,       u"Command10"_s, u"Command11"_s,  u"Command12"_s,
        u"Command13"_s,    u"Text11"_s,         u"Command14"_s,    u"Command9"_s,  u"Command15"_s,  u"Command16"_s,
        u"Command17"_s,    u"Command18"_s,      u"Command19"_s,    u"AltText"_s,   u"ModernCode"_s, u"OpenInBrowser"_s,
        u"MakePictures"_s, u"InsertIntoPage"_s, u"ReplaceInPage"_s};
    ui::setFocusOrder(this, order);
}

void Form7::acceptPictureDrops()
{
    // A picture file dropped onto a picture's box or its "..." button is taken as if picked.
    const QStringList suffixes = ui::pictureSuffixes(ui::pictureRequest());
    const auto target = [this, &suffixes](QLineEdit *box, QPushButton *button) {
        auto *drop = new ui::PictureDropTarget(suffixes, this);
        drop->watch(box);
        drop->watch(button, box);
        return drop;
    };
    connect(target(m_defaultBox, m_command1), &ui::PictureDropTarget::pictureDropped, this, &Form7::takeDefaultPicture);
    connect(target(m_overBox, m_command2), &ui::PictureDropTarget::pictureDropped, this,
            [this](const QString &chosen) { takePicture(overfile, overpath, m_overBox, chosen); });
    connect(target(m_downBox, m_command3), &ui::PictureDropTarget::pictureDropped, this,
            [this](const QString &chosen) { takePicture(downfile, downpath, m_downBox, chosen); });
}

void Form7::nameControls()
{
    // What a screen reader announces: each box its label, each "..." button the picture it
    // chooses; the buttons and check boxes with a caption are announced by it.
    ui::setBuddies(this, {{u"Label1"_s, u"Text1"_s},
                          {u"Label2"_s, u"Text2"_s},
                          {u"Label3"_s, u"Text3"_s},
                          {u"Label4"_s, u"Text4"_s},
                          {u"Label5"_s, u"Text5"_s},
                          {u"Label6"_s, u"Text6"_s},
                          {u"Label7"_s, u"Text7"_s},
                          {u"Label8"_s, u"Text8"_s},
                          {u"Label9"_s, u"Text9"_s},
                          {u"Label12"_s, u"Text11"_s},
                          {u"Label10"_s, u"first"_s},
                          {u"Label11"_s, u"second"_s}});
    ui::setAccessibleNames(this, {{u"Command1"_s, u"Choose Default Image"_s},
                                  {u"Command2"_s, u"Choose Mouse Over Image"_s},
                                  {u"Command3"_s, u"Choose Mouse Down Image"_s}});
    ui::describeStepFrames(this, {u"tut1"_s, u"tut2"_s, u"tut3"_s, u"tut4"_s, u"tut5"_s, u"tut6"_s});
}

void Form7::Form_Load()
{
    if (tutmode) {
        m_tut[1]->show();
        ui::highlightLabel(m_label[1]);
        ui::highlightLabel(m_label[2]);
        ui::highlightLabel(m_label[3]);
    }
    // The window measures in twips: left 8 and top 16 is the top left corner, where the
    // code frame with its "Copy" buttons lies inside the window.
    m_frame3->move(ui::pixels(8), ui::pixels(16));
}

// --- pictures and size -----------------------------------------------------------------

bool Form7::showPicture(const std::string &path)
{
    m_pictures.setPixelRatio(devicePixelRatioF());
    const ui::Picture picture = m_pictures.picture(ui::toQString(path));
    if (picture.isNull() != m_unreadable.contains(path)) {
        if (picture.isNull())
            m_unreadable.insert(path);
        else
            m_unreadable.erase(path);
        updatePreviewHint();
    }
    if (picture.isNull())
        return false; // the preview keeps the picture it had
    m_button->setPicture(picture);
    return true;
}

void Form7::updatePreviewHint()
{
    QStringList names;
    for (const std::string *picked : {&defpath, &overpath, &downpath}) {
        const QString name = ui::fileNameOf(ui::toQString(*picked));
        if (m_unreadable.contains(*picked) && !names.contains(name))
            names.append(name);
    }
    m_previewHint->setText(u"Quillarc cannot read %1."_s.arg(names.join(u", "_s)));
    m_previewHint->setVisible(!names.isEmpty());
}

void Form7::measureSize()
{
    // The preview has the size of the picture it shows; with none shown there is nothing to measure.
    if (m_button->picture().isNull())
        return;
    m_widthBox->setText(QString::number(m_button->width()));
    m_heightBox->setText(QString::number(m_button->height()));
}

std::optional<QString> Form7::askPicture(const std::string &own)
{
    // Each picker starts at its own picture, or where pictures were chosen last.
    std::optional<QString> chosen = services().openFileName(
        this, ui::pictureRequest(QString(), ui::proposedPath(services(), ui::FileKind::Pictures, ui::toQString(own))));
    if (!chosen || chosen->isEmpty())
        return std::nullopt; // a cancel leaves the name, the path, the box and the preview
    ui::rememberFolder(services(), ui::FileKind::Pictures, *chosen);
    return chosen;
}

void Form7::takePicture(std::string &file, std::string &path, QLineEdit *box, const QString &chosen)
{
    const QString name = ui::fileNameOf(chosen);
    file = name.toStdString();
    box->setText(ui::urlFromFileName(name));
    path = chosen.toStdString();
    // A new pick reads the file again; the cache serves only the preview's repeated loads.
    m_pictures.forget(chosen);
    m_unreadable.erase(path);
    updatePreviewHint();
    // A page names each picture by its file name alone.
    std::vector<std::string> pictures;
    for (const QString &picture : pagePictures())
        pictures.push_back(picture.toStdString());
    ui::showHint(m_sameNameHint, ui::toQString(ui::sameNameHint(pictures)));
}

void Form7::takeDefaultPicture(const QString &chosen)
{
    // Two empty size boxes take the picture's size, as the rollover's size follows picture 1:
    // the classic code needs one.
    const bool noSize = m_widthBox->text().isEmpty() && m_heightBox->text().isEmpty();
    takePicture(deffile, defpath, m_defaultBox, chosen);
    // A file that is no picture changes neither the preview nor the size.
    if (showPicture(defpath) && (m_check1->isChecked() || noSize))
        measureSize();
}

void Form7::MakePictures_Click()
{
    connect(ui::PictureMaker::openBeside(*this, PictureKind::Button), &ui::PictureMaker::picturesSaved, this,
            &Form7::takeMadePictures);
}

void Form7::takeMadePictures(const QStringList &files, QSize size, const QString &caption)
{
    takeDefaultPicture(files.value(0));
    takePicture(overfile, overpath, m_overBox, files.value(1));
    takePicture(downfile, downpath, m_downBox, files.value(2));
    m_widthBox->setText(QString::number(size.width()));
    m_heightBox->setText(QString::number(size.height()));
    if (m_altText->text().isEmpty())
        m_altText->setText(caption);
}

void Form7::Command1_Click()
{
    if (const std::optional<QString> chosen = askPicture(defpath))
        takeDefaultPicture(*chosen);
}

void Form7::Command2_Click()
{
    if (const std::optional<QString> chosen = askPicture(overpath))
        takePicture(overfile, overpath, m_overBox, *chosen);
}

void Form7::Command3_Click()
{
    if (const std::optional<QString> chosen = askPicture(downpath))
        takePicture(downfile, downpath, m_downBox, *chosen);
}

void Form7::Check1_Click()
{
    if (m_check1->isChecked() && !deffile.empty()) {
        measureSize();
    } else {
        m_widthBox->clear();
        m_heightBox->clear();
    }
}

// --- names, code, close ----------------------------------------------------------------

QString Form7::randomName(const std::string &prefix)
{
    std::array<float, button::NameDigits> draws{};
    for (float &draw : draws)
        draw = services().randomDraw();
    return ui::toQString(button::RandomName(prefix, draws));
}

void Form7::Command4_Click()
{
    m_defaultNameBox->setText(randomName("Image"));
}

void Form7::Command5_Click()
{
    m_overNameBox->setText(randomName("Image"));
}

void Form7::Command6_Click()
{
    m_downNameBox->setText(randomName("Image"));
}

void Form7::Command7_Click()
{
    m_buttonNameBox->setText(randomName("Button"));
}

ButtonSpec Form7::fields() const
{
    ButtonSpec fields;
    fields.ButtonLink = ui::textOf(m_linkBox);
    fields.ButtonName = ui::textOf(m_buttonNameBox);
    fields.ButtonWidth = ui::textOf(m_widthBox);
    fields.ButtonHeight = ui::textOf(m_heightBox);
    fields.DefaultImageSrc = ui::textOf(m_defaultBox);
    fields.MouseOverImageSrc = ui::textOf(m_overBox);
    fields.MouseDownImageSrc = ui::textOf(m_downBox);
    fields.DefaultImageName = ui::textOf(m_defaultNameBox);
    fields.MouseOverImageName = ui::textOf(m_overNameBox);
    fields.MouseDownImageName = ui::textOf(m_downNameBox);
    fields.AltText = ui::textOf(m_altText);
    // The modern code offers the sharper pictures of twice the density where they are beside.
    const QStringList pictures = pagePictures();
    fields.DefaultImageSrc2x = ui::twiceDensitySource(pictures[0]);
    fields.MouseOverImageSrc2x = ui::twiceDensitySource(pictures[1]);
    fields.MouseDownImageSrc2x = ui::twiceDensitySource(pictures[2]);
    return fields;
}

void Form7::fillCodeView()
{
    const ButtonSpec fields = this->fields();
    m_viewFields = fields;
    m_modernView = m_modernCode->isChecked();
    const ButtonCode code = m_modernView ? GenerateModernButtonCode(fields) : GenerateButtonCode(fields);
    ui::setText(m_first, code.head);
    ui::setText(m_second, code.body);
    ui::showHint(m_codeFiles, ui::codeFilesNote({m_defaultBox->text(), m_overBox->text(), m_downBox->text()},
                                                pagePictures(), m_modernView));
}

void Form7::Command8_Click()
{
    fillCodeView();
    // Shown, not raised: a tutorial step frame stays in front of it.
    m_frame3->show();
}

void Form7::Command14_Click()
{
    closeWindow();
}

// --- the code frame --------------------------------------------------------------------

void Form7::Command10_Click()
{
    ui::copyToClipboard(ui::toQString(ui::textOf(m_first)));
    m_headNote->say(ui::CopiedNote);
}

void Form7::Command11_Click()
{
    ui::copyToClipboard(ui::toQString(ui::textOf(m_second)));
    m_bodyNote->say(ui::CopiedNote);
}

std::string Form7::page() const
{
    // The code view holds the code the choice gave when "See Code" was pressed.
    const std::string head = ui::textOf(m_first);
    const std::string body = ui::textOf(m_second);
    return m_modernView ? ModernButtonPage(head, body) : ButtonPage(head, body);
}

QStringList Form7::pagePictures() const
{
    return {ui::pickedPicture(m_defaultBox->text(), ui::toQString(defpath)),
            ui::pickedPicture(m_overBox->text(), ui::toQString(overpath)),
            ui::pickedPicture(m_downBox->text(), ui::toQString(downpath))};
}

void Form7::Command12_Click()
{
    if (m_saver.save(this, services(), page(), ui::withTwiceDensitySiblings(pagePictures())))
        m_saveNote->say(m_saver.note(), ui::SavedNoteTime);
}

void Form7::OpenInBrowser_Click()
{
    ui::openInBrowser(this, services(), u"button.html"_s, page(), ui::withTwiceDensitySiblings(pagePictures()));
}

WizardCode Form7::insertCode() const
{
    // The code view's code, as "See Code" made it.
    std::vector<std::string> pictures;
    for (const QString &picture : pagePictures())
        pictures.push_back(picture.toStdString());
    return ButtonInsertCode(m_viewFields, m_modernView, std::move(pictures));
}

void Form7::InsertIntoPage_Click()
{
    InsertPage::pickAndOpen(*this, insertCode());
}

void Form7::ReplaceInPage_Click()
{
    if (m_edit)
        InsertPage::openForReplace(*this, insertCode(), m_edit->page, m_edit->id);
}

void Form7::editInPage(const InsertedEdit &edit)
{
    const ButtonSpec fields = ButtonFromProperties(edit.properties);
    m_modernCode->setChecked(PropertyOf(edit.properties, "modern") == "1");
    const auto texts =
        std::to_array<std::pair<QLineEdit *, const std::string *>>({{m_widthBox, &fields.ButtonWidth},
                                                                    {m_heightBox, &fields.ButtonHeight},
                                                                    {m_defaultNameBox, &fields.DefaultImageName},
                                                                    {m_overNameBox, &fields.MouseOverImageName},
                                                                    {m_downNameBox, &fields.MouseDownImageName},
                                                                    {m_buttonNameBox, &fields.ButtonName},
                                                                    {m_linkBox, &fields.ButtonLink},
                                                                    {m_altText, &fields.AltText}});
    for (const auto &[box, text] : texts)
        ui::setText(box, *text);
    // The pictures are found beside the page, by the names it gives them; one no longer there keeps
    // its name and is named below the preview, as a picture that cannot be read is.
    struct Picked {
        const std::string &source;
        std::string &file;
        std::string &path;
        QLineEdit *box;
    };
    for (const Picked &picture : {Picked{fields.DefaultImageSrc, deffile, defpath, m_defaultBox},
                                  Picked{fields.MouseOverImageSrc, overfile, overpath, m_overBox},
                                  Picked{fields.MouseDownImageSrc, downfile, downpath, m_downBox}}) {
        const QString found = pictureOfPage(edit.page, picture.source);
        if (!found.isEmpty()) {
            if (picture.box == m_defaultBox)
                takeDefaultPicture(found);
            else
                takePicture(picture.file, picture.path, picture.box, found);
        } else if (!picture.source.empty()) {
            ui::setText(picture.box, picture.source);
            picture.file = picture.source;
            picture.path =
                QDir(QFileInfo(edit.page).absolutePath()).filePath(ui::toQString(picture.source)).toStdString();
            m_unreadable.insert(picture.path);
        }
    }
    updatePreviewHint();
    m_edit = edit;
    m_insert->hide();
    m_replace->show();
}

void Form7::Command13_Click()
{
    m_frame3->hide();
}

// --- the preview -----------------------------------------------------------------------

void Form7::button_MouseMove()
{
    if (const auto path = button::PreviewOver(m_check2->isChecked(), overfile, overpath, shownpic))
        showPicture(*path);
}

void Form7::button_MouseDown()
{
    if (const auto path = button::PreviewDown(downfile, downpath, shownpic))
        showPicture(*path);
}

void Form7::button_MouseUp()
{
    // The pointer is still over the button when it comes up, in either code's page.
    if (const auto path = button::PreviewUpStillOver(m_check2->isChecked(), overfile, overpath, defpath, shownpic))
        showPicture(*path);
}

void Form7::button_MouseLeave()
{
    // However fast the pointer went: over the frame, the frame's rule keeps a smaller mouse-over
    // picture while the pointer is still in the default's area; anywhere else the default shows.
    const QPoint inFrame = m_frame2->mapFromGlobal(QCursor::pos());
    if (m_frame2->rect().contains(inFrame))
        Frame2_MouseMove(inFrame);
    else
        Form_MouseMove();
}

void Form7::Form_MouseMove()
{
    if (const auto path = button::PreviewRestore(defpath, shownpic))
        showPicture(*path);
}

void Form7::Frame2_MouseMove(QPoint at)
{
    // The area the default picture covers in the preview, as far as the frame lets it show;
    // it matters only while the mouse-over picture shows, so other moves look up no picture.
    bool insideDefaultArea = false;
    if (!defpath.empty() && !overfile.empty() && shownpic == overfile) {
        const QSize defaultSize = m_pictures.picture(ui::toQString(defpath)).size;
        insideDefaultArea = (QRect(m_button->pos(), defaultSize) & m_frame2->rect()).contains(at);
    }
    if (const auto path = button::PreviewFrameMove(insideDefaultArea, overfile, defpath, shownpic))
        showPicture(*path);
}

void Form7::Command1_MouseMove()
{
    Form_MouseMove();
}

void Form7::Command2_MouseMove()
{
    Form_MouseMove();
}

void Form7::Command3_MouseMove()
{
    Form_MouseMove();
}

void Form7::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnBackground = childAt(event->position().toPoint()) == nullptr;
    ChildWindow::mousePressEvent(event);
}

void Form7::mouseMoveEvent(QMouseEvent *event)
{
    // A move over a child without mouse tracking (a label, a text box, Frame1) comes up
    // here as well; only the bare background counts, or a drag that began on it.
    // While a button is held the moves belong to where the press began, as with a captured
    // mouse: a drag that began on a label never restores, one that began on the background
    // restores wherever it goes.
    const bool overBackground = childAt(event->position().toPoint()) == nullptr;
    if (event->buttons() == Qt::NoButton ? overBackground : m_pressedOnBackground)
        Form_MouseMove();
    ChildWindow::mouseMoveEvent(event);
}

bool Form7::eventFilter(QObject *watched, QEvent *event)
{
    // Frame2's only child, the preview, keeps its own events, and the "..." buttons have
    // none: whatever reaches these four is a move over them.
    if (event->type() == QEvent::MouseMove) {
        if (watched == m_frame2)
            Frame2_MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        else if (watched == m_command1)
            Command1_MouseMove();
        else if (watched == m_command2)
            Command2_MouseMove();
        else if (watched == m_command3)
            Command3_MouseMove();
    }
    return ChildWindow::eventFilter(watched, event);
}

// --- the tutorial ----------------------------------------------------------------------

void Form7::Command9_Click()
{
    ui::turnStep(m_tut[1], m_tut[2]);
    for (int i : {1, 2, 3})
        ui::clearHighlight(m_label[i]);
}

void Form7::Command15_Click()
{
    ui::turnStep(m_tut[2], m_tut[3]);
    ui::highlightLabel(m_label[5]);
    ui::highlightLabel(m_label[4]);
}

void Form7::Command16_Click()
{
    ui::turnStep(m_tut[3], m_tut[4]);
    for (int i : {6, 7, 8, 9, 12})
        ui::highlightLabel(m_label[i]);
    ui::clearHighlight(m_label[4]);
    ui::clearHighlight(m_label[5]);
}

void Form7::Command17_Click()
{
    ui::turnStep(m_tut[4], m_tut[5], ui::StepTurn::HideFirst);
    for (int i : {6, 7, 8, 9, 12})
        ui::clearHighlight(m_label[i]);
}

void Form7::Command18_Click()
{
    ui::turnStep(m_tut[5], m_tut[6], ui::StepTurn::HideFirst);
    Command8_Click(); // the code frame opens beneath tut6
}

void Form7::Command19_Click()
{
    ui::turnStep(m_tut[6], nullptr);
}
