// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "button/button_code.h"
#include "insert/inserted_window.h"
#include "pages/page_saver.h"
#include "pictures/picture_cache.h"
#include "ui/child_window.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <set>
#include <string>

class PictureBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class Note;
}

// The button editor: three pictures, the size, the names and the link of a three-state
// image button, its live preview, the code frame with the generated code, and a six-step
// tutorial.
class Form7 final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit Form7(ui::Workspace &workspace);

    bool tutmode = false;

    void Command1_Click();  // pick the default picture
    void Command2_Click();  // pick the mouse-over picture
    void Command3_Click();  // pick the mouse-down picture
    void Check1_Click();    // size from the default picture
    void Command4_Click();  // random name of the default image
    void Command5_Click();  // random name of the mouse-over image
    void Command6_Click();  // random name of the mouse-down image
    void Command7_Click();  // random button name
    void Command8_Click();  // See Code
    void Command14_Click(); // Close

    // The code frame.
    void Command10_Click(); // copy the head code
    void Command11_Click(); // copy the body code
    void Command12_Click(); // Save As HTML
    void Command13_Click(); // Done
    void OpenInBrowser_Click();
    void MakePictures_Click();
    void InsertIntoPage_Click();
    void ReplaceInPage_Click();
    // Fills the window from a button that Quillarc inserted into a page, to replace it there.
    void editInPage(const InsertedEdit &edit);

    // The preview.
    void button_MouseMove();
    void button_MouseDown();
    void button_MouseUp();
    void button_MouseLeave(); // the pointer left the preview, or came up outside it
    void Form_MouseMove();
    void Frame2_MouseMove(QPoint at); // at: in the frame
    void Command1_MouseMove();
    void Command2_MouseMove();
    void Command3_MouseMove();

    // The tutorial's Ok buttons, steps 1 to 6.
    void Command9_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();

    // The key of the picture the preview shows (empty before the first rule took one).
    const std::string &shownPicture() const { return shownpic; }

protected:
    void Form_Load() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createCodeFrame();
    void createCodeChoice();
    // Greys the fields the chosen code does not use, and shows the hint it needs.
    void followCodeChoice();
    void createTutorial();
    void setFocusOrder();
    void acceptPictureDrops();
    void nameControls();
    // Asks for a picture, starting at the picker's own (own: its full path); nothing when the
    // user cancelled, and then nothing changes.
    std::optional<QString> askPicture(const std::string &own);
    // A picture chosen in the dialog or dropped onto its box or "..." button.
    void takePicture(std::string &file, std::string &path, QLineEdit *box, const QString &chosen);
    void takeDefaultPicture(const QString &chosen);
    // Pictures the picture maker saved, taken as picks, with their size and caption.
    void takeMadePictures(const QStringList &files, QSize size, const QString &caption);
    // Puts the picture into the preview; false when the file cannot be read as one.
    bool showPicture(const std::string &path);
    void measureSize();
    // The hint below the editor follows the size boxes.
    void followSize();
    // Says which of the picked pictures could not be read, below the preview.
    void updatePreviewHint();
    // The button's fields as the boxes hold them.
    ButtonSpec fields() const;
    // Fills the code view's boxes from the fields, as "See Code" does.
    void fillCodeView();
    QString randomName(const std::string &prefix);
    // The page "Save As HTML" writes, and the full paths of the pictures it names.
    std::string page() const;
    QStringList pagePictures() const;
    // The code view's code as "Insert into Page" and "Replace in Page" take it.
    WizardCode insertCode() const;

    // Window state shared by the handlers.
    std::string deffile;  // the default picture's file name, without folder
    std::string defpath;  // its full path
    std::string overfile; // the mouse-over picture
    std::string overpath;
    std::string downfile; // the mouse-down picture
    std::string downpath;
    std::string shownpic; // the key of the picture the preview shows

    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    PictureBox *m_button = nullptr;
    // The boxes Text1 to Text11 (there is no Text10).
    QLineEdit *m_defaultBox = nullptr; // the pictures' names, written by the pickers
    QLineEdit *m_overBox = nullptr;
    QLineEdit *m_downBox = nullptr;
    QLineEdit *m_widthBox = nullptr;
    QLineEdit *m_heightBox = nullptr;
    QLineEdit *m_defaultNameBox = nullptr; // the images' names in the classic code
    QLineEdit *m_overNameBox = nullptr;
    QLineEdit *m_downNameBox = nullptr;
    QLineEdit *m_buttonNameBox = nullptr;
    QLineEdit *m_linkBox = nullptr;
    QCheckBox *m_check1 = nullptr;
    QCheckBox *m_check2 = nullptr;
    QLineEdit *m_altText = nullptr;
    QCheckBox *m_modernCode = nullptr;
    bool m_modernView = false;          // the code view holds the modern code
    ButtonSpec m_viewFields;            // and was made from these
    std::optional<InsertedEdit> m_edit; // the button of a page it changes; none: a new one
    QPushButton *m_insert = nullptr;
    QPushButton *m_replace = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    std::array<QLabel *, 13> m_label{}; // Label1 to Label12
    QPlainTextEdit *m_first = nullptr;
    QPlainTextEdit *m_second = nullptr;
    std::array<QGroupBox *, 7> m_tut{}; // tut1 to tut6
    ui::Note *m_headNote = nullptr;     // beside each "Copy", and below the code view's buttons
    ui::Note *m_bodyNote = nullptr;
    ui::Note *m_saveNote = nullptr;
    QLabel *m_previewHint = nullptr;
    QLabel *m_sameNameHint = nullptr;
    QLabel *m_sizeHint = nullptr;
    QLabel *m_codeFiles = nullptr;      // below the code view's buttons: the files the code uses
    std::set<std::string> m_unreadable; // the full paths of pictures that could not be read

    bool m_pressedOnBackground = false; // the held button went down on the bare background
    ui::PictureCache m_pictures;
    ui::PageSaver m_saver;
};
