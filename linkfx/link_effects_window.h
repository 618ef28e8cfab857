// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "insert/inserted_window.h"
#include "linkfx/link_effects.h"
#include "linkfx/link_hints.h"
#include "pages/page_saver.h"
#include "ui/child_window.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class ExampleLink;

namespace ui {
class Note;
}
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The link effects wizard: effect buttons put one snippet into the effect box, which is
// added to the final code box, which is copied or saved as a page with an example link.
// Both boxes are editable; whatever they hold at the moment is what the handlers use. The window
// remembers the effects it added, so that the choice of code rewrites both boxes in the chosen
// kind as long as they hold what the window wrote there.
class Form5 final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit Form5(ui::Workspace &workspace);

    bool tutmode = false;

    void Command1_Click();  // FontSize
    void Command2_Click();  // ForeColor
    void Command3_Click();  // BackColor
    void Command5_Click();  // Uppercase
    void Command4_Click();  // Lowercase
    void Command12_Click(); // Lineless
    void Command6_Click();  // copy the effect box
    void Command9_Click();  // add the effect box to the final code
    void Command11_Click(); // clear the final code
    void Command10_Click(); // copy the final code
    void Command7_Click();  // save as HTML
    void Command8_Click();  // close
    void OpenInBrowser_Click();
    void InsertIntoPage_Click();
    void ReplaceInPage_Click();
    // Fills the window from link effects that Quillarc inserted into a page, to replace them there.
    void editInPage(const InsertedEdit &edit);
    void Command13_Click(); // tutorial step 1 done
    void Command14_Click(); // tutorial step 2 done
    void Command15_Click(); // tutorial step 3 done

protected:
    void Form_Load() override;

private:
    void createControls();
    void createTutorial();
    void setFocusOrder();
    void nameControls();
    void createCodeChoice();
    // The hints on the answers given last: no answer, one that would reach out of its rule, a
    // size or a colour that is none, text that reads badly.
    void updateHints();
    void createExampleLink();
    void createNotes();
    // "Only links inside:", the scope of the links that the effects are for.
    void createLinkScope();
    // The scope the code is written for: none where the box holds no plain selector.
    std::string scope() const;
    // The example link and its hint follow the final code as it stands.
    void followFinalCode();
    // Both boxes in the chosen kind of code for the links of the scope, where they hold what the
    // window wrote there.
    void chooseCode();
    // Asks for the effect's value (Cancel gives the empty one) and shows its snippet.
    void chooseValuedEffect(LinkEffect effect, const QString &prompt);
    void chooseEffect(LinkEffect effect, const std::string &value = {});
    // The chosen effect's snippet in the effect box, in the chosen kind of code.
    void writeSnippet();
    // The final code of the effects added, in the chosen kind, in the final code box.
    void writeBuiltFinalCode();
    void writeFinalCode(const std::string &finalCode);
    // Whether the final code box holds what the window built there from the effects added.
    bool finalCodeIsBuilt() const;
    // Says so while the final code box, edited by hand, holds the other kind of code.
    void updateCodeKindHint();
    // The page "Save As HTML" writes.
    std::string page() const;
    // The final code as "Insert into Page" and "Replace in Page" take it.
    WizardCode insertCode() const;

    QPlainTextEdit *m_effect = nullptr;    // RichTextBox1
    QPlainTextEdit *m_finalCode = nullptr; // Text1
    QGroupBox *m_tut1 = nullptr;
    QGroupBox *m_tut2 = nullptr;
    QGroupBox *m_tut3 = nullptr;
    QCheckBox *m_modernCode = nullptr;
    QLabel *m_colourHint = nullptr;
    ExampleLink *m_exampleLink = nullptr;
    ui::Note *m_effectNote = nullptr; // beside "Copy", below "Copy This" and "Save As HTML"
    ui::Note *m_finalNote = nullptr;
    ui::Note *m_saveNote = nullptr;
    QLabel *m_exampleHint = nullptr;
    QLabel *m_codeKindHint = nullptr;
    QTimer *m_typingPause = nullptr; // the final code is read again once typing pauses
    LinkAnswers m_answers;
    std::optional<ChosenEffect> m_chosen;             // the effect whose snippet the window wrote last
    std::string m_writtenSnippet;                     // what the window wrote into the effect box last
    std::vector<std::optional<ChosenEffect>> m_added; // the effects added, none for an empty box
    // The final code the window built from the effects added and wrote; none once it added to
    // a final code edited by hand.
    std::optional<std::string> m_builtFinalCode = std::string();
    bool m_finalCodeModern = false;     // the kind of code the window wrote into the final code box
    ui::PageSaver m_saver;              // dlg: keeps the name chosen last in this window
    std::optional<InsertedEdit> m_edit; // the link effects of a page it changes; none: new ones
    QPushButton *m_insert = nullptr;
    QPushButton *m_replace = nullptr;
    QLineEdit *m_linkScope = nullptr;
};
