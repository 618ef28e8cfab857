// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/child_window.h"

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class RolloverPreview;

// The seven properties of one image rollover, with its six-step tutorial, and the alt text
// and the choice of the modern code beside them, and a preview of the rollover below them.
class Form2 final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit Form2(ui::Workspace &workspace);

    bool tutmode = false;

    void Command1_Click(); // pick picture 1
    void Command2_Click(); // pick picture 2
    void Command4_Click(); // random name of image 1
    void Command5_Click(); // random name of image 2
    void Command9_Click(); // random rollover name
    void Command3_Click(); // See Code
    void Command6_Click(); // tutorial steps
    void Command7_Click();
    void Command8_Click();
    void Command10_Click();
    void Command11_Click();

protected:
    void Form_Load() override;

private:
    void createControls();
    void createTutorial();
    void createCodeChoice();
    void createPreview();
    // Greys the fields the chosen code does not use, and shows the hint it needs.
    void followCodeChoice();
    void acceptPictureDrops();
    void nameControls();
    void pickPicture(QLineEdit *box, const QString &title);
    // A picture chosen in the dialog or dropped onto the box or its "..." button.
    void takePicture(QLineEdit *box, const QString &path);
    void showStep(QGroupBox *hide, QGroupBox *show, std::initializer_list<QLabel *> restore,
                  std::initializer_list<QLabel *> highlight);

    QLineEdit *m_text[8] = {}; // Text1 to Text7
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label7 = nullptr;
    QLabel *m_label8 = nullptr;
    QLabel *m_label9 = nullptr;
    QGroupBox *m_tut[7] = {}; // tut1 to tut6
    QLineEdit *m_altText = nullptr;
    QCheckBox *m_modernCode = nullptr;
    QString m_lastPicture; // the window's one file dialog keeps its last name
    RolloverPreview *m_preview = nullptr;
    QString m_picture1Path; // the full paths of the pictures picked or dropped
    QString m_picture2Path;
};
