// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/first_run_marker.h"

#include <memory>

namespace ui {
class Services;
}

class Mainfrm;

// What the program does between making its application object and running its event loop:
// names the application, builds the main window, runs start-up and shows the window.
std::unique_ptr<Mainfrm> startApplication(ui::Services &services, FirstRunMarker marker);
