#include "button/button_editor.h"

using namespace Qt::StringLiterals;

Form7::Form7(ui::Workspace &workspace)
    : ChildWindow(workspace, u"Form7"_s, u"Button Editor"_s, {8295, 5580})
{
}
