// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/welcome_window.h"

#include "ui/controls.h"
#include "ui/look.h"

#include <QLabel>

using namespace Qt::StringLiterals;

Form1::Form1(ui::Workspace &workspace, FirstRunMarker marker)
    : ChildWindow(workspace, u"Form1"_s, u"Welcome!"_s, {7800, 3465})
    , m_marker(std::move(marker))
{
    const QString welcome =
        u"Welcome to Quillarc 2.1! There have been several minor additions, as well as one larger addtion: the "
        "button editor, which is a more advanced version of the rollover creator,  and it allows for more "
        "flexibility. If you have any questions,comments, suggestions, or complaints send them to be at "
        "quillarc@example.org. Thanks!"_s;
    QLabel *label1 = ui::makeLabel(this, u"Label1"_s, welcome, ui::pixelRect(120, 360, 7455, 2415));
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont large = ui::windowFont();
    large.setPointSizeF(13.5);
    label1->setFont(large);

    QLabel *label2 = ui::makeLabel(this, u"Label2"_s, u"(If you close this window once it will never show up again!)"_s,
                                   ui::pixelRect(1200, 2640, 5415, 615));
    label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont twelve = ui::windowFont();
    twelve.setPointSizeF(12);
    label2->setFont(twelve);
}

Form1::~Form1()
{
    // The window object is discarded: after a close, or at a normal end of the application.
    // Ending the application at once never gets here.
    Form_Terminate();
}

void Form1::Form_QueryUnload(bool & /*cancel*/)
{
    m_marker.write();
}

void Form1::Form_Unload(bool & /*cancel*/)
{
    m_marker.write();
}

void Form1::Form_Terminate()
{
    m_marker.write();
}
