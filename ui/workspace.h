#pragma once

#include <QMdiArea>

namespace ui {

class Services;

// The main window's client area: every child window lives in it. It hands the services
// (dialogs, prompt, random draws) to the windows it holds.
class Workspace final : public QMdiArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Workspace)

public:
    explicit Workspace(Services &services, QWidget *parent = nullptr);

    Services &services() const { return m_services; }

private:
    Services &m_services;
};

} // namespace ui
