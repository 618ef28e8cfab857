// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace ui {

class Services;

// What the program keeps across runs in the services' settings: where the user works.

// The kinds of file the dialogs ask for; each kind starts where a file of its kind was chosen last.
enum class FileKind { Pictures, Pages };

// The name a dialog for files of the kind starts with: a full path as it is; a file name, or
// none, in the folder last used for the kind, or the first time in the desktop's Pictures or
// Documents folder (the home folder where that is missing), never the program's own.
QString proposedPath(Services &services, FileKind kind, const QString &name = {});
// Keeps the chosen file's folder as the one the kind's next dialog starts in.
void rememberFolder(Services &services, FileKind kind, const QString &chosen);

// Gives the main window the size, place and maximised state it had when it was kept last.
void restorePlace(QWidget &mainWindow, Services &services);
// Keeps them for the next run: as the program ends, for a settings file is written under a lock
// that a run killed while it writes leaves behind, and the next writer waits half a minute.
void keepPlace(const QWidget &mainWindow, Services &services);

} // namespace ui
