// SPDX-License-Identifier: GPL-3.0-or-later
#include "rollover/code_window.h"

#include "insert/insert_window.h"
#include "pages/page_pictures.h"
#include "pictures/twice_density.h"
#include "rollover/rollover_insert.h"
#include "rollover/rollover_page.h"
#include "ui/accessibility.h"
#include "ui/code_colours.h"
#include "ui/controls.h"
#include "ui/files.h"
#include "ui/look.h"
#include "ui/note.h"
#include "ui/step_frames.h"
#include "ui/text_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

using namespace Qt::StringLiterals;
using ui::pixelRect;

Form3::Form3(ui::Workspace &workspace)
    // The layout's 6120 twips, a column for "Open in Browser" and the notes of the copy buttons,
    // one for "Insert into Page...", a row below the buttons for the note of a save, and one for
    // the files the code uses.
    : ChildWindow(workspace, u"Form3"_s, u"Copy Code"_s, {9375, 5880})
    , m_saver({u"HTM(L) Files *.html, *.htm "_s, u"*.html"_s})
{
    createControls();
    createTutorial();
    createNewControls();
    nameControls();
}

void Form3::createControls()
{
    ui::makeLabel(this, u"Label1"_s, u"There are two steps to adding the rollover effect to your webpage."_s,
                  pixelRect(240, 120, 5415, 255));
    ui::makeLabel(this, u"Label2"_s, u"Copy this code into the <Head> section of your page. "_s,
                  pixelRect(120, 840, 4215, 255));
    m_head = ui::makeTextBox(this, u"RichTextBox1"_s, pixelRect(120, 1080, 4335, 1335));
    m_head->setReadOnly(true);
    ui::showAsCode(m_head);
    QPushButton *copyHead = ui::makeButton(this, u"Command3"_s, u"Copy This"_s, pixelRect(4680, 1320, 1335, 615),
                                           u"Copy the <head> text to the clipboard"_s);
    ui::makeLabel(this, u"Label3"_s, u"Copy this where you want the rollover image to be in the <Body> section"_s,
                  pixelRect(120, 2520, 4335, 495));
    m_body = ui::makeTextBox(this, u"RichTextBox2"_s, pixelRect(120, 3000, 4455, 1335));
    m_body->setReadOnly(true);
    ui::showAsCode(m_body);
    QPushButton *copyBody = ui::makeButton(this, u"Command4"_s, u"Copy This"_s, pixelRect(4680, 3240, 1335, 615),
                                           u"Copy the <body> section of the code to the clipboard"_s);
    QPushButton *save = ui::makeButton(this, u"Command5"_s, u"Save as HTML"_s, pixelRect(1200, 4440, 1455, 495),
                                       u"Create an HTML page with your rollover"_s);
    QPushButton *close = ui::makeButton(this, u"Command1"_s, u"Close"_s, pixelRect(2640, 4440, 1455, 495),
                                        u"Close this rollover window"_s);
    connect(copyHead, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(copyBody, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(save, &QPushButton::clicked, this, &Form3::Command5_Click);
    connect(close, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::createTutorial()
{
    // The step frames lie above the boxes; the copy buttons stay visible to their right.
    const std::vector<QGroupBox *> frames = ui::makeStepFrames(
        this,
        {{.frame = u"tut1"_s,
          .frameGeometry = pixelRect(240, 480, 4575, 1695),
          .label = u"Label4"_s,
          .labelGeometry = pixelRect(120, 240, 4335, 1095),
          .text =
              u"Now you can copy the code into your web page. "
              "First,you need to copy the <head> section. "
              "Click Copy this to the right of this frame, and then paste it into the <head> section of the webpage. "
              "Click ok when you have done this"_s,
          .button = u"Command2"_s,
          .buttonGeometry = pixelRect(1200, 1080, 1575, 375),
          .ok = std::bind_front(&Form3::Command2_Click, this)},
         {.frame = u"tut2"_s,
          .frameGeometry = pixelRect(240, 2520, 4575, 1695),
          .label = u"Label5"_s,
          .labelGeometry = pixelRect(120, 240, 4335, 1095),
          .text = u"Now you copy the image code itself. "
                  "Click copy this to the right and then paste the code where you want the image to be. "
                  "If you don't want to do that, click \"Save as HTML\" to make an html page with the code in place. "
                  "Thank you for using this tutorial!"_s,
          .button = u"Command6"_s,
          .buttonGeometry = pixelRect(1800, 1080, 1575, 375),
          .ok = std::bind_front(&Form3::Command6_Click, this)}});
    m_tut1 = frames[0];
    m_tut2 = frames[1];
}

void Form3::createNewControls()
{
    // Made last, so that they come after every other control in the focus order.
    QPushButton *browse = ui::makeButton(this, u"OpenInBrowser"_s, u"Open in Browser"_s,
                                         pixelRect(6240, 4440, 1455, 495), u"Show the page in your web browser"_s);
    QPushButton *back = ui::makeButton(this, u"BackToProperties"_s, u"Back to Properties"_s,
                                       pixelRect(4200, 4440, 1935, 495), u"Change the properties of this rollover"_s);
    connect(browse, &QPushButton::clicked, this, &Form3::OpenInBrowser_Click);
    connect(back, &QPushButton::clicked, this, &Form3::BackToProperties_Click);
    m_headNote = new ui::Note(this, u"HeadCopyNote"_s, pixelRect(6120, 1440, 1575, 375));
    m_bodyNote = new ui::Note(this, u"BodyCopyNote"_s, pixelRect(6120, 3360, 1575, 375));
    m_saveNote = new ui::Note(this, u"SaveNote"_s, pixelRect(1200, 5010, 6495, 375));
    m_insert = ui::makeButton(this, u"InsertIntoPage"_s, u"Insert into Page..."_s, pixelRect(7800, 4440, 1455, 495),
                              u"Put the code into a page of yours"_s);
    // In its place for a rollover of a page.
    m_replace = ui::makeButton(this, u"ReplaceInPage"_s, u"Replace in Page"_s, pixelRect(7800, 4440, 1455, 495),
                               u"Put the code into the page in place of the rollover it was made from"_s);
    m_replace->hide();
    m_codeFiles = ui::makeHint(this, u"CodeFiles"_s, pixelRect(120, 5400, 9135, 420));
    connect(m_insert, &QPushButton::clicked, this, &Form3::InsertIntoPage_Click);
    connect(m_replace, &QPushButton::clicked, this, &Form3::ReplaceInPage_Click);
}

void Form3::nameControls()
{
    // What a screen reader announces: each code box the label above it, each step frame its
    // text; the buttons are announced by their captions.
    ui::setBuddies(this, {{u"Label2"_s, u"RichTextBox1"_s}, {u"Label3"_s, u"RichTextBox2"_s}});
    ui::describeStepFrames(this, {u"tut1"_s, u"tut2"_s});
}

void Form3::setCode(const std::string &head, const std::string &body)
{
    ui::setText(m_head, head);
    ui::setText(m_body, body);
}

void Form3::Form_Load()
{
    if (tutmode)
        m_tut1->show();
    // A code window that "See Code" did not open never stays open.
    if (!instanced)
        closeWindow();
}

void Form3::Command3_Click()
{
    ui::copyToClipboard(ui::toQString(ui::textOf(m_head)));
    m_headNote->say(ui::CopiedNote);
}

void Form3::Command4_Click()
{
    ui::copyToClipboard(ui::toQString(ui::textOf(m_body)));
    m_bodyNote->say(ui::CopiedNote);
}

std::string Form3::page() const
{
    const std::string head = ui::textOf(m_head);
    const std::string body = ui::textOf(m_body);
    return modern ? ModernRolloverPage(head, body) : RolloverPage(head, body);
}

void Form3::Command5_Click()
{
    if (m_saver.save(this, services(), page(), m_pictures))
        m_saveNote->say(m_saver.note(), ui::SavedNoteTime);
}

void Form3::OpenInBrowser_Click()
{
    ui::openInBrowser(this, services(), u"rollover.html"_s, page(), m_pictures);
}

void Form3::setEntries(RolloverEntries entries)
{
    m_entries = std::move(entries);
    const QStringList boxes{ui::toQString(m_entries.properties.Image1Src),
                            ui::toQString(m_entries.properties.Image2Src)};
    ui::showHint(m_codeFiles, ui::codeFilesNote(boxes,
                                                {ui::pickedPicture(boxes[0], m_entries.picture1Path),
                                                 ui::pickedPicture(boxes[1], m_entries.picture2Path)},
                                                modern));
    m_insert->setVisible(!m_entries.edit);
    m_replace->setVisible(m_entries.edit.has_value());
}

WizardCode Form3::insertCode() const
{
    const RolloverProperties &properties = m_entries.properties;
    const QString picture1 = ui::pickedPicture(ui::toQString(properties.Image1Src), m_entries.picture1Path);
    const QString picture2 = ui::pickedPicture(ui::toQString(properties.Image2Src), m_entries.picture2Path);
    return RolloverInsertCode(properties, modern, {picture1.toStdString(), picture2.toStdString()});
}

void Form3::InsertIntoPage_Click()
{
    InsertPage::pickAndOpen(*this, insertCode());
}

void Form3::ReplaceInPage_Click()
{
    if (m_entries.edit)
        InsertPage::openForReplace(*this, insertCode(), m_entries.edit->page, m_entries.edit->id);
}

void Form3::BackToProperties_Click()
{
    Q_EMIT propertiesAsked(m_entries, left(), top());
    closeWindow();
}

void Form3::Command1_Click()
{
    closeWindow();
}

void Form3::Command2_Click()
{
    ui::turnStep(m_tut1, m_tut2);
}

void Form3::Command6_Click()
{
    ui::turnStep(m_tut2, nullptr);
}
