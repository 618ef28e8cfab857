// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rollover/rollover_entries.h"
#include "ui/child_window.h"

#include <QString>

#include <array>
#include <optional>

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

    // The boxes, the choice of code and the pictures as they stand, and the same put back.
    RolloverEntries entries() const;
    void restore(const RolloverEntries &entries);
    // Fills the window from a rollover that Quillarc inserted into a page, to replace it there.
    void editInPage(const InsertedEdit &edit);

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
    void MakePictures_Click();

protected:
    void Form_Load() override;

private:
    void createControls();
    void createTutorial();
    void createCodeChoice();
    void createPreview();
    // Greys the fields the chosen code does not use, and shows the hint it needs.
    void followCodeChoice();
    void createHints();
    void acceptPictureDrops();
    void nameControls();
    void pickPicture(QLineEdit *box, const QString &title);
    // A picture chosen in the dialog or dropped onto the box or its "..." button; its file name
    // goes into the box, unless the box keeps the name typed there.
    void takePicture(QLineEdit *box, const QString &path, bool keepName = false);
    // A picture's name or full path typed into its box, taken once the box is left.
    void takeTypedPicture(QLineEdit *box);
    // The preview and the hints follow the size box and the choice of code.
    void followSize();
    // The hint on pictures of the same name follows the pictures taken.
    void followPictures();
    // Pictures the picture maker saved, taken as picks, with their size and caption.
    void takeMadePictures(const QStringList &files, QSize size, const QString &caption);
    static void showStep(QGroupBox *hide, QGroupBox *show, std::initializer_list<QLabel *> restore,
                         std::initializer_list<QLabel *> highlight);

    // The boxes Text1 to Text7.
    QLineEdit *m_image1Box = nullptr;
    QLineEdit *m_image2Box = nullptr;
    QLineEdit *m_linkBox = nullptr;
    QLineEdit *m_nameBox = nullptr; // the rollover's
    QLineEdit *m_sizeBox = nullptr;
    QLineEdit *m_image1NameBox = nullptr;
    QLineEdit *m_image2NameBox = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label7 = nullptr;
    QLabel *m_label8 = nullptr;
    QLabel *m_label9 = nullptr;
    QLabel *m_sizeHint = nullptr;
    QLabel *m_sameNameHint = nullptr;
    std::array<QGroupBox *, 7> m_tut{}; // tut1 to tut6
    QLineEdit *m_altText = nullptr;
    QCheckBox *m_modernCode = nullptr;
    QString m_lastPicture; // the picture taken last, beside which a typed name is looked for
    RolloverPreview *m_preview = nullptr;
    QString m_picture1Path; // the full paths of the pictures picked or dropped
    QString m_picture2Path;
    // The size box's text that picking Image #1 may replace: the one it opened with, then the
    // one the last pick put there. A size typed by the user is never replaced.
    std::optional<QString> m_sizeFromPicture = QStringLiteral("32,32");
    std::optional<InsertedEdit> m_edit;
};
