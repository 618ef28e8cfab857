// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/page_windows.h"

#include "button/button_editor.h"
#include "linkfx/link_effects_window.h"
#include "rollover/code_window.h"
#include "rollover/properties_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_test.h"
#include "ui/child_window.h"
#include "ui/workspace.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using testwindows::child;
using testwindows::click;

namespace pagewindows {

Ready openReady(ui::Workspace &workspace, FakeServices &services, const QString &window, bool modern,
                const QStringList &pictures, const QString &retyped)
{
    Ready ready;
    ready.pictures = pictures;
    const auto pickAll = [&](QWidget *form, const QStringList &buttons) {
        child<QCheckBox>(form, u"ModernCode"_s)->setChecked(modern);
        for (qsizetype i = 0; i < pictures.size(); ++i) {
            services.answerOpen(pictures[i]);
            click(form, buttons[i]);
        }
        if (!retyped.isEmpty())
            child<QLineEdit>(form, retyped)->setText(u"typed.gif"_s);
    };
    if (window == u"Form2"_s) {
        Form2 *form = ui::openAtTop<Form2>(workspace);
        pickAll(form, {u"Command1"_s, u"Command2"_s});
        click(form, u"Command3"_s);
        for (Form3 *code : workspace.findChildren<Form3 *>()) {
            if (!code->isClosed())
                ready.window = code;
        }
        ready.saveButton = u"Command5"_s;
    } else if (window == u"Form7"_s) {
        Form7 *form = ui::openAtTop<Form7>(workspace);
        pickAll(form, {u"Command1"_s, u"Command2"_s, u"Command3"_s});
        click(form, u"Command8"_s);
        ready.window = form;
        ready.saveButton = u"Command12"_s;
    } else {
        Form5 *form = ui::openAtTop<Form5>(workspace);
        child<QCheckBox>(form, u"ModernCode"_s)->setChecked(modern);
        click(form, u"Command12"_s); // Lineless
        click(form, u"Command9"_s);  // into the final code
        ready.window = form;
        ready.saveButton = u"Command7"_s;
    }
    return ready;
}

} // namespace pagewindows
