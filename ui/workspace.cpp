#include "ui/workspace.h"

namespace ui {

Workspace::Workspace(Services &services, QWidget *parent)
    : QMdiArea(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("Workspace"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

} // namespace ui
