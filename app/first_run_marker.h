// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The one-line file hasran.txt that tells whether the welcome window has been closed once.
// It lives in the application's folder; where that folder cannot be written (a system-wide
// install) it goes to the user's own data folder, and is looked for there too.
class FirstRunMarker final {
public:
    FirstRunMarker(QString applicationFolder, QString userFolder);

    // The marker of the installed program.
    static FirstRunMarker forApplication();

    // True when the first line of a marker is exactly "Yes".
    bool saysYes() const;
    // Writes "Yes" and CR LF; a failed write never stops the application.
    void write() const;

    QString applicationPath() const;
    QString userPath() const;

private:
    QString m_applicationFolder;
    QString m_userFolder;
};
