// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maker/button_art.h"
#include "maker/picture_states.h"
#include "ui/child_window.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>

class QCheckBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {

class StatesPreview;

// Draws the pictures of a rollover (default and mouse-over) or of a button (and mouse-down)
// from a caption, a font, colours and a shape, shows every state at 1x and 2x as the user
// types, and saves them. The window that opened it learns of a save through picturesSaved();
// a save still writes the pictures when that window has gone.
class PictureMaker final : public ChildWindow {
    Q_OBJECT

public:
    PictureMaker(Workspace &workspace, PictureKind kind);

    // A new maker for the window, shown beside it where both show whole, otherwise over it; the
    // window connects to picturesSaved().
    static PictureMaker *openBeside(ChildWindow &opener, PictureKind kind);

    // What the boxes say now; a colour that is no CSS colour keeps the last one that was.
    ButtonLook look() const;

    void savePictures();

Q_SIGNALS:
    // The pictures were saved: the 1x files in state order, their size at 1x and the caption.
    void picturesSaved(const QStringList &files, QSize size, const QString &caption);

private:
    struct ColourBox {
        QLineEdit *box = nullptr;
        QPushButton *swatch = nullptr;
        Rgb colour;
    };

    void createControls();
    // A colour's label, box and swatch in one row from the top given, the box holding the text.
    struct ColourRow {
        QString name;
        QString label;
        QString text;
        int top = 0;
    };
    void createColourBox(ColourBox &colour, const ColourRow &row);
    void connectControls();
    void nameControls();
    void chooseColour(ColourBox &colour, const QString &title);
    static void readColour(ColourBox &colour);
    void setBadgeSize();
    // Draws the states anew into the preview, lets the size follow the caption where the user has
    // not set it, and says what the hints say.
    void refresh();
    void showHints(PixelSize caption);

    const PictureKind m_kind;
    QLineEdit *m_caption = nullptr;
    QFontComboBox *m_fontFamily = nullptr;
    QSpinBox *m_fontSize = nullptr;
    QCheckBox *m_bold = nullptr;
    std::array<ColourBox, 3> m_colours{}; // text, face, border
    QSpinBox *m_corner = nullptr;
    QCheckBox *m_raised = nullptr;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
    QLabel *m_hints = nullptr;
    StatesPreview *m_preview = nullptr;
    bool m_widthSet = false; // the user set it: it no longer follows the caption
    bool m_heightSet = false;
    bool m_following = false; // the size boxes are being set to follow the caption
};

} // namespace ui
