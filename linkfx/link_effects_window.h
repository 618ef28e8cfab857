// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linkfx/link_effects.h"
#include "ui/child_window.h"
#include "ui/page_saver.h"

#include <QString>

class ExampleLink;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;

// The link effects wizard: effect buttons put one snippet into the effect box, which is
// added to the final code box, which is copied or saved as a page with an example link.
// Both boxes are editable; whatever they hold at the moment is what the handlers use.
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
    // The hint on the colours answered last: one that is no colour, or text that reads badly.
    void updateColourHint();
    void createExampleLink();
    // The example link and its hint follow the final code as it stands.
    void followFinalCode();
    // Asks for the effect's value (Cancel gives the empty one) and shows its snippet.
    void chooseValuedEffect(LinkEffect effect, const QString &prompt);
    void chooseEffect(LinkEffect effect, const std::string &value = {});
    // The page "Save As HTML" writes.
    std::string page() const;

    QPlainTextEdit *m_effect = nullptr;    // RichTextBox1
    QPlainTextEdit *m_finalCode = nullptr; // Text1
    QGroupBox *m_tut1 = nullptr;
    QGroupBox *m_tut2 = nullptr;
    QGroupBox *m_tut3 = nullptr;
    QCheckBox *m_modernCode = nullptr;
    QLabel *m_colourHint = nullptr;
    ExampleLink *m_exampleLink = nullptr;
    QLabel *m_exampleHint = nullptr;
    QString m_textColour;       // the last answer to "Enter a color name"
    QString m_backgroundColour; // the last answer to "Enter a color name..."
    ui::PageSaver m_saver;      // dlg: keeps the name chosen last in this window
};
