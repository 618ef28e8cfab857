#include "linkfx/link_effects_window.h"

using namespace Qt::StringLiterals;

Form5::Form5(ui::Workspace &workspace)
    : ChildWindow(workspace, u"Form5"_s, u"Customizable Link Effects"_s, {5205, 6255})
{
}
