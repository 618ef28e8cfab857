// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class FakeServices;
class QWidget;

namespace ui {
class Workspace;
}

// The windows that write a page, opened as a user gets to their "Save as HTML".
namespace pagewindows {

struct Ready {
    QWidget *window = nullptr; // the one with "Save as HTML" and "Open in Browser"
    QString saveButton;
    QStringList pictures; // the full paths picked, in the order of the pickers
};

// window: "Form2" picks the pictures in the rollover properties and opens their code window,
// "Form7" picks them in the button editor and shows its code view, "Form5" (no pictures) adds
// one effect to the final code. retyped names a picture box whose picked name is typed over.
Ready openReady(ui::Workspace &workspace, FakeServices &services, const QString &window, bool modern,
                const QStringList &pictures, const QString &retyped = QString());

} // namespace pagewindows
