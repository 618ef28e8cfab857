// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// The four rules of the button preview, over the window's picture fields. Each rule may
// take a new key into shownpic and answers the path of the picture to load, or nothing
// when it leaves the preview alone. Keys are compared as exact, case-sensitive texts: the
// default picture's key is its full path, the other two pictures' keys their file names.
namespace button {

// The mouse moves over the preview.
std::optional<std::string> PreviewOver(bool overSwitchedOff, const std::string &overfile, const std::string &overpath,
                                       std::string &shownpic);

// A mouse button (any) is pressed on the preview.
std::optional<std::string> PreviewDown(const std::string &downfile, const std::string &downpath, std::string &shownpic);

// The mouse button pressed on the preview comes up over it: the button is still hovered, so the
// mouse-over picture shows, or the default where there is none (or the mouse-over is switched
// off).
std::optional<std::string> PreviewUpStillOver(bool overSwitchedOff, const std::string &overfile,
                                              const std::string &overpath, const std::string &defpath,
                                              std::string &shownpic);

// The mouse moves over the window's background, the preview's frame or a picker button:
// the default picture again, whatever is shown.
std::optional<std::string> PreviewRestore(const std::string &defpath, std::string &shownpic);

// The mouse moves over the preview's frame, outside the preview. While the mouse-over picture
// shows and the pointer is still inside the area the default picture covers in the preview,
// the pointer left the preview only because the picture shrank under it: the mouse-over
// picture stays, or the two would take turns at every move. Elsewhere the frame restores.
std::optional<std::string> PreviewFrameMove(bool insideDefaultArea, const std::string &overfile,
                                            const std::string &defpath, std::string &shownpic);

} // namespace button
