// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/look.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Builders for the controls of the fixed-geometry windows, each in the shared look.
// Geometry is in pixels; windows drawn in twips convert with pixelRect() first.
namespace ui {

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                        const QString &toolTip = {});
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
QLineEdit *makeLineEdit(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
// A single-line box takes texts of any length (makeLineEdit does this for its boxes).
void liftLengthLimit(QLineEdit *box);
QPlainTextEdit *makeTextBox(QWidget *parent, const QString &name, const QRect &geometry); // multi-line, both bars
QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                     const QColor &colour = WindowBackground);
QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
// The check box `ModernCode` that chooses the modern code, unticked.
QCheckBox *makeModernCodeBox(QWidget *parent, const QRect &geometry);
// A hint in the window: a label in the window's face that says what the chosen code lacks,
// hidden until there is something to say.
QLabel *makeHint(QWidget *parent, const QString &name, const QRect &geometry);
// Shows the hint with the text, or hides it when there is nothing to say.
void showHint(QLabel *hint, const QString &text);
// A hint that follows a box: it says what the rule says of the box's text (UTF-8), if anything.
QLabel *makeBoxHint(QWidget *parent, const QString &name, const QRect &geometry, QLineEdit *box,
                    std::string (*rule)(const std::string &));

// The alt text box with its label, the choice of the modern code, and the hint that shows while
// the modern code is chosen without an alt text: the column the rollover and the button windows
// hold beside their fields. In the focus order the alt text comes after focusAfter (where given),
// then the choice.
struct CodeChoice {
    QLineEdit *altText = nullptr;
    QCheckBox *modernCode = nullptr;
    QLabel *altHint = nullptr;
};
struct CodeChoiceGeometry {
    QRect label;
    QRect altText;
    QRect modernCode;
    QRect hint;
};
CodeChoice makeCodeChoice(QWidget *window, const CodeChoiceGeometry &geometry, QWidget *focusAfter = nullptr);

// Chains the focus through the named children of a window, in the order given.
void setFocusOrder(QWidget *window, const QStringList &names);

} // namespace ui
