// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/page_saver.h"
#include "rollover/rollover_entries.h"
#include "ui/child_window.h"

#include <QStringList>

#include <string>

class QGroupBox;
class QLabel;
class QPushButton;
class QPlainTextEdit;

namespace ui {
class Note;
}

// Shows a rollover's head code and body code, copies either, saves both as a page.
class Form3 final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit Form3(ui::Workspace &workspace);

    bool instanced = false; // opened through "See Code"
    bool tutmode = false;
    bool modern = false; // the codes are the modern ones: saved in a standards page

    // The opener fills both boxes after the window has loaded.
    void setCode(const std::string &head, const std::string &body);
    // The full paths of the pictures the codes name, for copies beside the page.
    void setPictures(QStringList fullPaths) { m_pictures = std::move(fullPaths); }
    // What the codes were made from, for "Back to Properties".
    // What the codes were made from, for "Back to Properties"; a rollover of a page is replaced there.
    void setEntries(RolloverEntries entries);

    void Command3_Click(); // copy the head code
    void Command4_Click(); // copy the body code
    void Command5_Click(); // save as HTML
    void Command1_Click(); // close
    void Command2_Click(); // tutorial step 1 done
    void Command6_Click(); // tutorial step 2 done
    void OpenInBrowser_Click();
    void BackToProperties_Click();
    void InsertIntoPage_Click();
    void ReplaceInPage_Click();

Q_SIGNALS:
    // "Back to Properties": the properties window its opener makes, where this window stands.
    void propertiesAsked(const RolloverEntries &entries, int left, int top);

protected:
    void Form_Load() override;

private:
    void createControls();
    void createTutorial();
    void nameControls();
    void createNewControls();
    // The page "Save as HTML" writes.
    std::string page() const;
    // The code as "Insert into Page" and "Replace in Page" take it.
    WizardCode insertCode() const;

    // Read-only: what they give back is always exactly what the opener gave.
    QPlainTextEdit *m_head = nullptr;
    QPlainTextEdit *m_body = nullptr;
    QGroupBox *m_tut1 = nullptr;
    QGroupBox *m_tut2 = nullptr;
    ui::PageSaver m_saver;
    QStringList m_pictures;
    RolloverEntries m_entries;
    ui::Note *m_headNote = nullptr; // beside each "Copy This", and below "Save as HTML"
    ui::Note *m_bodyNote = nullptr;
    ui::Note *m_saveNote = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_replace = nullptr;
    QLabel *m_codeFiles = nullptr; // below the rest: the files the code uses
};
