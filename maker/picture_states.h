// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/css_colours.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The rules of the picture maker that need no window: which pictures a rollover or a button
// gets, the face of each, the size that follows the caption, the names of the files written
// and what the hints say. Standard library only (text library).

enum class PictureKind { Rollover, Button };
enum class PictureState { Default, Over, Down };

// The states a kind gets, in the order its pictures are named: default, mouse-over and, for a
// button, mouse-down.
std::vector<PictureState> StatesOf(PictureKind kind);
// The state as the hints name it: "default", "mouse-over", "mouse-down".
std::string StateName(PictureState state);

// The face of a state: the mouse-over face lighter, the mouse-down face darker.
Rgb FaceOf(PictureState state, Rgb face);
// The colour a part of the way, from 0 to 1, towards another.
Rgb Mix(Rgb colour, Rgb toward, double part);

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize &) const = default;
};

inline constexpr PixelSize BadgeSize{88, 31};
// The one-pixel border and the bevel inside it, in pixels at 1x.
inline constexpr int BorderWidth = 1;
inline constexpr int BevelWidth = 2;

// The picture's size while it follows the caption: the caption's pixels and room around them.
PixelSize FollowingSize(PixelSize caption);
// Whether the caption fits within the border and the bevel, moved as on the mouse-down picture.
bool CaptionFits(PixelSize caption, PixelSize picture);

// The files a save writes for the name the user chose, in the format ("png" or "webp") of the
// filter chosen with it: for each state, the picture at 1x and the one at twice the pixels. The
// format's suffix stays as typed, the other format's is replaced by it, and any other name gets it
// after it, so that the suffix says what the file holds. Points at the end of the name, before the
// suffix or without one, are dropped. None for a name that starts with a point (".png"), which
// would make hidden files.
struct MadeFiles {
    std::vector<std::string> single; // name.png, name-over.png, name-down.png
    std::vector<std::string> twice;  // name@2x.png, name-over@2x.png, name-down@2x.png
    std::string format;              // "png" or "webp"
};
std::optional<MadeFiles> MadeFileNames(const std::string &chosen, PictureKind kind, const std::string &format);

// The most characters a caption takes: more than a button of the largest size shows.
inline constexpr int LongestCaption = 200;
// The most characters of the name the save dialog proposes, before its suffix.
inline constexpr std::size_t LongestProposedName = 60;

// The name the save dialog proposes: the caption in lower-case letters and digits, a '-' for each
// run of anything else, cut after LongestProposedName characters, and .png; "button.png" or
// "rollover.png" for a caption without any.
std::string ProposedFileName(const std::string &caption, PictureKind kind);

// A hint that the answer to a colour box (field: "text", "face" or "border") is no CSS colour.
std::optional<std::string> ColourHint(const std::string &field, const std::string &answer);
// A hint that the caption reads badly on the face of one of the kind's states: the lowest ratio.
std::optional<std::string> ContrastHint(Rgb text, Rgb face, PictureKind kind);
// A hint that the caption does not fit the picture.
std::optional<std::string> FitHint(PixelSize caption, PixelSize picture);
// A hint that the caption, of that many characters, is as long as a caption can be.
std::optional<std::string> CaptionLengthHint(int characters);
