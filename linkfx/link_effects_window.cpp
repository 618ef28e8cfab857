// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkfx/link_effects_window.h"

#include "insert/insert_window.h"
#include "insert/inserted_items.h"
#include "linkfx/example_link.h"
#include "linkfx/link_effects_insert.h"
#include "linkfx/link_scope.h"
#include "linkfx/link_style.h"
#include "pages/page_pictures.h"
#include "text/css_colours.h"
#include "ui/accessibility.h"
#include "ui/code_colours.h"
#include "ui/controls.h"
#include "ui/files.h"
#include "ui/look.h"
#include "ui/note.h"
#include "ui/services.h"
#include "ui/step_frames.h"
#include "ui/text_box.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <functional>

using namespace Qt::StringLiterals;
using ui::pixelRect;

Form5::Form5(ui::Workspace &workspace)
    // The layout's 5205 twips, a column for the choice of code, room for "Insert into Page..."
    // beside "Open in Browser", and a row below for the links the effects are for.
    : ChildWindow(workspace, u"Form5"_s, u"Customizable Link Effects"_s, {8535, 7230})
    , m_saver({u"HTM(L) *.html, *.htm "_s, u"*.html"_s})
{
    createControls();
    createTutorial();
    createCodeChoice();
    setFocusOrder();
    createExampleLink();
    createNotes();
    nameControls();
    createLinkScope();
}

void Form5::createControls()
{
    ui::makeLabel(this, u"Label1"_s, u"Click a button to select a style"_s, pixelRect(120, 120, 3735, 255));
    ui::makeLabel(this, u"Label2"_s, u"Paste the code into the <Head>. All links will be changed!"_s,
                  pixelRect(120, 360, 4575, 255));

    struct Button {
        QString name;
        QString caption;
        QString toolTip;
        QRect twips;
        void (Form5::*handler)();
    };
    const auto buttons = std::to_array<Button>({
        {u"Command1"_s,
         u"FontSize"_s,
         u"Change the fontsize of the links"_s,
         {120, 600, 1335, 375},
         &Form5::Command1_Click},
        {u"Command2"_s,
         u"ForeColor"_s,
         u"Change the text color of the links"_s,
         {1440, 600, 1335, 375},
         &Form5::Command2_Click},
        {u"Command3"_s,
         u"BackColor"_s,
         u"Change the background color of the links"_s,
         {2760, 600, 1335, 375},
         &Form5::Command3_Click},
        {u"Command5"_s,
         u"Uppercase"_s,
         u"Convert all links to uppercase"_s,
         {120, 960, 1335, 375},
         &Form5::Command5_Click},
        {u"Command4"_s,
         u"Lowercase"_s,
         u"Convert all links to lowercase"_s,
         {1440, 960, 1335, 375},
         &Form5::Command4_Click},
        {u"Command6"_s,
         u"Copy"_s,
         u"Copy the text below to the clipboard"_s,
         {2760, 960, 1335, 375},
         &Form5::Command6_Click},
        {u"Command12"_s,
         u"Lineless"_s,
         u"Make links appear to have no lines below them"_s,
         {4080, 840, 1095, 375},
         &Form5::Command12_Click},
    });
    for (const Button &b : buttons) {
        const QRect &r = b.twips;
        QPushButton *button =
            ui::makeButton(this, b.name, b.caption, pixelRect(r.x(), r.y(), r.width(), r.height()), b.toolTip);
        connect(button, &QPushButton::clicked, this, b.handler);
    }

    m_effect = ui::makeTextBox(this, u"RichTextBox1"_s, pixelRect(0, 1320, 4575, 1935));
    ui::showAsCode(m_effect);

    // The word "teh" is how the tooltip has always read.
    QPushButton *add = ui::makeButton(this, u"Command9"_s, u"Add Above to Final Code"_s,
                                      pixelRect(240, 3240, 2535, 615), u"Add the above code to teh final result"_s);
    QPushButton *clear = ui::makeButton(this, u"Command11"_s, u"Clear final code"_s, pixelRect(2760, 3240, 1215, 615),
                                        u"Clear the final result"_s);

    m_finalCode = ui::makeTextBox(this, u"Text1"_s, pixelRect(0, 3840, 4575, 1815));
    ui::showAsCode(m_finalCode);

    QPushButton *copyFinal = ui::makeButton(this, u"Command10"_s, u"Copy This"_s, pixelRect(360, 5640, 1095, 495),
                                            u"Copy the final code to the clipboard"_s);
    QPushButton *save =
        ui::makeButton(this, u"Command7"_s, u"Save As HTML"_s, pixelRect(1440, 5640, 1335, 495),
                       u"Create an HTML file with your chosen link effects(includes an example link)"_s);
    QPushButton *close = ui::makeButton(this, u"Command8"_s, u"Close"_s, pixelRect(2760, 5640, 1335, 495),
                                        u"Close this link effect window"_s);

    connect(add, &QPushButton::clicked, this, &Form5::Command9_Click);
    connect(clear, &QPushButton::clicked, this, &Form5::Command11_Click);
    connect(copyFinal, &QPushButton::clicked, this, &Form5::Command10_Click);
    connect(save, &QPushButton::clicked, this, &Form5::Command7_Click);
    connect(close, &QPushButton::clicked, this, &Form5::Command8_Click);
}

void Form5::createTutorial()
{
    // Built after the other controls, so the step frames lie above them: tut2 covers the
    // effect box, tut1 and tut3 most of the final code box; the bottom row stays free.
    const std::vector<QGroupBox *> frames = ui::makeStepFrames(
        this,
        {// Below the two buttons over the final code box, not across them, and up to the
         // bottom row: it covers the box and leaves every button whole.
         {.frame = u"tut1"_s,
          .frameGeometry = pixelRect(120, 3855, 4455, 1785),
          .label = u"label99"_s,
          .labelGeometry = pixelRect(120, 240, 4215, 1215),
          .text =
              u"The first textbox above you is where the current effect appears when you click an effect button. "
              "For example, If you click \"lineless\", the code for the lineless links will appear in that textbox. "
              "When you have selected an effect, click ok to proceed to the next section. "_s,
          .button = u"Command13"_s,
          .buttonGeometry = pixelRect(1560, 1320, 1335, 375),
          .ok = std::bind_front(&Form5::Command13_Click, this),
          .colour = ui::WindowBackground},
         {.frame = u"tut2"_s,
          .frameGeometry = pixelRect(120, 1320, 4455, 1815),
          .label = u"Label3"_s,
          .labelGeometry = pixelRect(120, 240, 4215, 1215),
          .text = u"Now that you see an effect code in the textbox(now hidden), you need to add it to the final code. "
                  "Click \"Add above to final code\" and the code will appear in the textbox below you. "
                  "This textbox displays all of the code you will have. "
                  "When you have added the effect to the final code, click ok."_s,
          .button = u"Command14"_s,
          .buttonGeometry = pixelRect(1560, 1320, 1335, 375),
          .ok = std::bind_front(&Form5::Command14_Click, this)},
         {.frame = u"tut3"_s,
          .frameGeometry = pixelRect(120, 3480, 4455, 1815),
          .label = u"Label4"_s,
          .labelGeometry = pixelRect(120, 240, 4215, 1215),
          .text =
              u"Finally, you need to save or copy the final code so you can use it on your webpage. "
              "If you want to copy it, click \"Copy This\" below, and then paste it into the <head> section of your webpage. "
              "If you don't want to do this, click \"Save As HTML\" to get an html page with an example link of your effects. "
              "Thank you for using this tutorial!"_s,
          .button = u"Command15"_s,
          .buttonGeometry = pixelRect(3000, 1320, 1335, 375),
          .ok = std::bind_front(&Form5::Command15_Click, this)}});
    m_tut1 = frames[0];
    m_tut2 = frames[1];
    m_tut3 = frames[2];
}

void Form5::setFocusOrder()
{
    // The window's tab indices in rising order; labels and frames never take the focus,
    // and the Ok of a hidden step frame is passed over.
    const QStringList order{u"Command1"_s,     u"Command2"_s,  u"Command3"_s,   u"Command5"_s,      u"Command6"_s,
                            u"Text1"_s,        u"Command9"_s,  u"Command10"_s,  u"Command11"_s,     u"RichTextBox1"_s,
                            u"Command4"_s,     u"Command7"_s,  u"Command8"_s,   u"Command12"_s,     u"Command13"_s,
                            u"Command14"_s,    u"Command15"_s, u"ModernCode"_s, u"OpenInBrowser"_s, u"InsertIntoPage"_s,
                            u"ReplaceInPage"_s};
    ui::setFocusOrder(this, order);
}

void Form5::nameControls()
{
    // What a screen reader announces. No label stands above the two code boxes, so they are
    // named after what they hold, in the words of the buttons that fill them; each step frame
    // is described by its text, and the buttons are announced by their captions.
    ui::setAccessibleNames(this, {{u"RichTextBox1"_s, u"Effect code"_s}, {u"Text1"_s, u"Final code"_s}});
    ui::describeStepFrames(this, {u"tut1"_s, u"tut2"_s, u"tut3"_s});
}

void Form5::createCodeChoice()
{
    // Beside the effect buttons, to be chosen before them.
    m_modernCode = ui::makeModernCodeBox(this, pixelRect(5400, 600, 2160, 495));
    m_colourHint = ui::makeHint(this, u"ColourHint"_s, pixelRect(5400, 1200, 2160, 2040));
    // Above the choice, which it is about.
    m_codeKindHint = ui::makeHint(this, u"CodeKindHint"_s, pixelRect(5400, 0, 2160, 600));
    // At the column's foot, in line with the other buttons that take the final code.
    QPushButton *browse = ui::makeButton(this, u"OpenInBrowser"_s, u"Open in Browser"_s,
                                         pixelRect(5400, 5640, 1455, 495), u"Show the page in your web browser"_s);
    connect(browse, &QPushButton::clicked, this, &Form5::OpenInBrowser_Click);
    m_insert = ui::makeButton(this, u"InsertIntoPage"_s, u"Insert into Page..."_s, pixelRect(6960, 5640, 1455, 495),
                              u"Put the final code into a page of yours"_s);
    // In its place for the link effects of a page.
    m_replace = ui::makeButton(this, u"ReplaceInPage"_s, u"Replace in Page"_s, pixelRect(6960, 5640, 1455, 495),
                               u"Put the final code into the page in place of the link effects it was made from"_s);
    m_replace->hide();
    connect(m_insert, &QPushButton::clicked, this, &Form5::InsertIntoPage_Click);
    connect(m_replace, &QPushButton::clicked, this, &Form5::ReplaceInPage_Click);
}

void Form5::createExampleLink()
{
    // Below the colour hint, which may be hidden; after every other control in the focus order.
    m_exampleLink = new ExampleLink(this, pixelRect(5400, 3360, 2160, 720));
    m_exampleHint = ui::makeHint(this, u"ExampleHint"_s, pixelRect(5400, 4200, 2160, 1440));
    m_exampleHint->setWordWrap(true);
    QWidget::setTabOrder(m_modernCode, m_exampleLink);
    // Typing costs no more than the box's own work: the code is read once the typing pauses.
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(300);
    connect(m_typingPause, &QTimer::timeout, this, &Form5::followFinalCode);
    connect(m_finalCode, &QPlainTextEdit::textChanged, m_typingPause, qOverload<>(&QTimer::start));
    connect(m_modernCode, &QCheckBox::toggled, this, &Form5::chooseCode);
    followFinalCode();
}

void Form5::createNotes()
{
    // No room is free beside "Copy": its note lies over the effect box's top right corner for
    // the moment it shows. The others take a row of their own below the buttons.
    m_effectNote = new ui::Note(this, u"EffectCopyNote"_s, pixelRect(3240, 1335, 1080, 255));
    m_effectNote->setAutoFillBackground(true);
    ui::setBackground(m_effectNote, ui::WindowBackground);
    m_finalNote = new ui::Note(this, u"FinalCopyNote"_s, pixelRect(360, 6150, 1095, 330));
    m_saveNote = new ui::Note(this, u"SaveNote"_s, pixelRect(1440, 6150, 6120, 330));
}

void Form5::createLinkScope()
{
    // Below the rest, last in the focus order; the code follows it as it follows the choice of code.
    ui::makeLabel(this, u"LinkScopeLabel"_s, u"Only links inside:"_s, pixelRect(120, 6555, 1335, 255));
    m_linkScope = ui::makeLineEdit(this, u"LinkScope"_s, QString(), pixelRect(1440, 6525, 3135, 285));
    ui::makeBoxHint(this, u"LinkScopeHint"_s, pixelRect(4680, 6510, 3735, 660), m_linkScope, &LinkScopeHint);
    ui::setBuddies(this, {{u"LinkScopeLabel"_s, u"LinkScope"_s}});
    QWidget::setTabOrder(m_replace, m_linkScope);
    connect(m_linkScope, &QLineEdit::textChanged, this, &Form5::chooseCode);
}

std::string Form5::scope() const
{
    return m_linkScope ? ScopeSelector(ui::textOf(m_linkScope)) : std::string(); // none while the window is built
}

void Form5::followFinalCode()
{
    m_typingPause->stop();
    // The page saved is a standards page with the modern code. A code too long to read while
    // typing is not even taken out of the box; a character is at least a byte.
    LinkStyle style;
    std::string hint = TooLongToPreview;
    if (std::size_t(m_finalCode->document()->characterCount()) <= LongestPreviewedCode) {
        const std::string finalCode = ui::textOf(m_finalCode);
        if (finalCode.size() <= LongestPreviewedCode) {
            style = ReadLinkStyle(finalCode, m_modernCode->isChecked(), scope());
            hint = NotPreviewedHint(style);
        }
    }
    m_exampleLink->setStyle(style);
    // The hint's box holds six of its lines: a longer hint is cut short, as one line that long.
    constexpr int HintLines = 6;
    const QString text = QString::fromStdString(hint);
    m_exampleHint->setText(
        m_exampleHint->fontMetrics().elidedText(text, Qt::ElideRight, m_exampleHint->width() * HintLines));
    m_exampleHint->setVisible(!text.isEmpty());
    if (m_finalCode->document()->isEmpty())
        m_codeKindHint->hide();
}

void Form5::updateHints()
{
    QStringList hints;
    for (const std::string &hint : LinkHints(m_answers, m_modernCode->isChecked()))
        hints << QString::fromStdString(hint);
    m_colourHint->setText(hints.join(u'\n'));
    m_colourHint->setVisible(!hints.isEmpty());
}

void Form5::chooseCode()
{
    if (ui::textOf(m_effect) == m_writtenSnippet)
        writeSnippet();
    if (finalCodeIsBuilt())
        writeBuiltFinalCode();
    else
        followFinalCode();
    updateCodeKindHint();
    updateHints();
}

void Form5::writeSnippet()
{
    const bool modern = m_modernCode->isChecked();
    m_writtenSnippet = !m_chosen ? std::string()
                       : modern  ? ModernLinkEffectSnippet(m_chosen->effect, m_chosen->value, scope())
                                 : LinkEffectSnippet(m_chosen->effect, m_chosen->value, scope());
    ui::setText(m_effect, m_writtenSnippet);
}

void Form5::writeBuiltFinalCode()
{
    m_finalCodeModern = m_modernCode->isChecked();
    m_builtFinalCode = m_finalCodeModern ? ModernFinalCode(m_added, scope()) : ClassicFinalCode(m_added, scope());
    writeFinalCode(*m_builtFinalCode);
}

void Form5::writeFinalCode(const std::string &finalCode)
{
    ui::setText(m_finalCode, finalCode);
    followFinalCode();
}

bool Form5::finalCodeIsBuilt() const
{
    return m_builtFinalCode && *m_builtFinalCode == ui::textOf(m_finalCode);
}

void Form5::updateCodeKindHint()
{
    const bool modern = m_modernCode->isChecked();
    m_codeKindHint->setText(modern ? u"Edited by hand, the final code keeps the classic code. "
                                     "\u201CClear final code\u201D starts it again."_s
                                   : u"Edited by hand, the final code keeps the modern code. "
                                     "\u201CClear final code\u201D starts it again."_s);
    m_codeKindHint->setVisible(m_finalCodeModern != modern && !m_finalCode->document()->isEmpty() &&
                               !finalCodeIsBuilt());
}

void Form5::Form_Load()
{
    if (tutmode)
        m_tut1->show();
}

void Form5::chooseValuedEffect(LinkEffect effect, const QString &prompt)
{
    const std::string answer = services().promptText(this, u"Quillarc 2"_s, prompt).value_or(QString()).toStdString();
    (effect == LinkEffect::FontSize    ? m_answers.size
     : effect == LinkEffect::ForeColor ? m_answers.text
                                       : m_answers.background) = answer;
    updateHints();
    chooseEffect(effect, answer);
}

void Form5::chooseEffect(LinkEffect effect, const std::string &value)
{
    m_chosen = ChosenEffect{effect, value};
    writeSnippet();
}

void Form5::Command1_Click()
{
    chooseValuedEffect(LinkEffect::FontSize, u"Enter a size number"_s);
}

void Form5::Command2_Click()
{
    chooseValuedEffect(LinkEffect::ForeColor, u"Enter a color name"_s);
}

void Form5::Command3_Click()
{
    chooseValuedEffect(LinkEffect::BackColor, u"Enter a color name..."_s);
}

void Form5::Command5_Click()
{
    chooseEffect(LinkEffect::Uppercase);
}

void Form5::Command4_Click()
{
    chooseEffect(LinkEffect::Lowercase);
}

void Form5::Command12_Click()
{
    chooseEffect(LinkEffect::Lineless);
}

void Form5::Command6_Click()
{
    ui::copyToClipboard(ui::toQString(ui::textOf(m_effect)));
    m_effectNote->say(ui::CopiedNote);
}

void Form5::Command9_Click()
{
    const std::string snippet = ui::textOf(m_effect);
    if (snippet == m_writtenSnippet && finalCodeIsBuilt()) {
        m_added.push_back(m_chosen);
        writeBuiltFinalCode();
        return;
    }
    // A box edited by hand: the final code grows by the effect box as it stands, and the window
    // can build it no more. The modern code adds no empty snippet.
    if (snippet.empty() && m_modernCode->isChecked())
        return;
    m_builtFinalCode.reset();
    writeFinalCode(AppendToFinalCode(ui::textOf(m_finalCode), snippet));
    updateCodeKindHint();
}

void Form5::Command11_Click()
{
    m_added.clear();
    writeBuiltFinalCode();
    updateCodeKindHint();
}

void Form5::Command10_Click()
{
    ui::copyToClipboard(ui::toQString(ui::textOf(m_finalCode)));
    m_finalNote->say(ui::CopiedNote);
}

std::string Form5::page() const
{
    const std::string finalCode = ui::textOf(m_finalCode);
    return m_modernCode->isChecked() ? ModernLinkEffectsPage(finalCode, scope()) : LinkEffectsPage(finalCode, scope());
}

void Form5::Command7_Click()
{
    if (m_saver.save(this, services(), page()))
        m_saveNote->say(m_saver.note(), ui::SavedNoteTime);
}

void Form5::OpenInBrowser_Click()
{
    ui::openInBrowser(this, services(), u"link-effects.html"_s, page(), {});
}

WizardCode Form5::insertCode() const
{
    const std::optional<std::vector<std::optional<ChosenEffect>>> added =
        finalCodeIsBuilt() ? std::optional(m_added) : std::nullopt;
    return LinkEffectsInsertCode(ui::textOf(m_finalCode), m_modernCode->isChecked(), added, scope());
}

void Form5::InsertIntoPage_Click()
{
    InsertPage::pickAndOpen(*this, insertCode());
}

void Form5::ReplaceInPage_Click()
{
    if (m_edit)
        InsertPage::openForReplace(*this, insertCode(), m_edit->page, m_edit->id);
}

void Form5::editInPage(const InsertedEdit &edit)
{
    ui::setText(m_linkScope, PropertyOf(edit.properties, "scope"));
    m_modernCode->setChecked(PropertyOf(edit.properties, "modern") == "1");
    // Effects the window added it builds again; a final code edited by hand comes as the page holds it.
    if (const std::optional<std::vector<std::optional<ChosenEffect>>> added = EffectsFromProperties(edit.properties)) {
        m_added = *added;
        writeBuiltFinalCode();
    } else {
        m_finalCodeModern = m_modernCode->isChecked();
        m_builtFinalCode.reset();
        writeFinalCode(edit.headCode);
    }
    updateCodeKindHint();
    m_edit = edit;
    m_insert->hide();
    m_replace->show();
}

void Form5::Command8_Click()
{
    closeWindow();
}

void Form5::Command13_Click()
{
    ui::turnStep(m_tut1, m_tut2, ui::StepTurn::HideFirst);
}

void Form5::Command14_Click()
{
    ui::turnStep(m_tut2, m_tut3, ui::StepTurn::HideFirst);
}

void Form5::Command15_Click()
{
    ui::turnStep(m_tut3, nullptr);
}
