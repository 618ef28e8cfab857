// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/picture_states.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

// Room around the caption while the size follows it, in pixels on each side.
constexpr int PaddingAcross = 12;
constexpr int PaddingDown = 7;
// How far the mouse-over face goes towards white and the mouse-down face towards black.
constexpr double StatePart = 0.2;

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// What a state's file name adds to the name chosen.
std::string nameEnd(PictureState state)
{
    switch (state) {
    case PictureState::Over:
        return "-over";
    case PictureState::Down:
        return "-down";
    case PictureState::Default:
        break;
    }
    return {};
}

} // namespace

std::vector<PictureState> StatesOf(PictureKind kind)
{
    if (kind == PictureKind::Rollover)
        return {PictureState::Default, PictureState::Over};
    return {PictureState::Default, PictureState::Over, PictureState::Down};
}

std::string StateName(PictureState state)
{
    switch (state) {
    case PictureState::Over:
        return "mouse-over";
    case PictureState::Down:
        return "mouse-down";
    case PictureState::Default:
        break;
    }
    return "default";
}

Rgb Mix(Rgb colour, Rgb toward, double part)
{
    const auto channel = [part](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * part));
    };
    return {channel(colour.red, toward.red), channel(colour.green, toward.green), channel(colour.blue, toward.blue)};
}

Rgb FaceOf(PictureState state, Rgb face)
{
    switch (state) {
    case PictureState::Over:
        return Mix(face, {255, 255, 255}, StatePart);
    case PictureState::Down:
        return Mix(face, {0, 0, 0}, StatePart);
    case PictureState::Default:
        break;
    }
    return face;
}

PixelSize FollowingSize(PixelSize caption)
{
    return {caption.width + 2 * PaddingAcross, caption.height + 2 * PaddingDown};
}

bool CaptionFits(PixelSize caption, PixelSize picture)
{
    // The mouse-down caption moves one pixel right and down.
    constexpr int Edge = BorderWidth + BevelWidth;
    return caption.width + 2 * Edge + 1 <= picture.width && caption.height + 2 * Edge + 1 <= picture.height;
}

std::optional<MadeFiles> MadeFileNames(const std::string &chosen, PictureKind kind, const std::string &format)
{
    const std::size_t nameStart = chosen.rfind('/') + 1; // 0 when it has no folder
    std::string stem = chosen;
    // "name." would give "name..png".
    const auto dropPoints = [&stem, nameStart] {
        while (stem.size() > nameStart && stem.back() == '.')
            stem.pop_back();
    };
    dropPoints();
    std::string suffix = "." + format;
    const std::string other = format == "webp" ? ".png" : ".webp";
    const std::string lower = lowerCase(stem.substr(nameStart));
    std::size_t typed = 0;
    if (lower.ends_with(suffix)) {
        typed = suffix.size();
        suffix = stem.substr(stem.size() - typed);
    } else if (lower.ends_with(other)) {
        typed = other.size(); // as the dialog proposed it before its filter was changed
    }
    stem.resize(stem.size() - typed);
    dropPoints();
    if (stem.size() == nameStart || stem[nameStart] == '.')
        return std::nullopt;
    MadeFiles files{{}, {}, format};
    for (const PictureState state : StatesOf(kind)) {
        const std::string name = stem + nameEnd(state);
        files.single.push_back(name + suffix);
        files.twice.push_back(name + "@2x");
        files.twice.back() += suffix;
    }
    return files;
}

std::string ProposedFileName(const std::string &caption, PictureKind kind)
{
    std::string name;
    bool gap = false;
    for (const unsigned char c : caption) {
        if (name.size() >= LongestProposedName)
            break;
        if (std::isalnum(c) && c < 128) {
            if (gap && !name.empty())
                name += '-';
            name += static_cast<char>(std::tolower(c));
            gap = false;
        } else {
            gap = true;
        }
    }
    // A '-' added last may take the name past the most.
    name.resize(std::min(name.size(), LongestProposedName));
    if (!name.empty() && name.back() == '-')
        name.pop_back();
    if (name.empty())
        name = kind == PictureKind::Button ? "button" : "rollover";
    return name + ".png";
}

std::optional<std::string> ColourHint(const std::string &field, const std::string &answer)
{
    if (ReadCssColour(answer, true))
        return std::nullopt;
    return "The " + field + " colour \u201C" + answer +
           "\u201D is not a colour name or a #rrggbb colour; the pictures keep the last colour that was one.";
}

std::optional<std::string> ContrastHint(Rgb text, Rgb face, PictureKind kind)
{
    PictureState worst = PictureState::Default;
    double lowest = ContrastRatio(text, face);
    for (const PictureState state : StatesOf(kind)) {
        if (const double ratio = ContrastRatio(text, FaceOf(state, face)); ratio < lowest) {
            lowest = ratio;
            worst = state;
        }
    }
    if (lowest >= MinimumTextContrast)
        return std::nullopt;
    return "The caption's contrast with the face of the " + StateName(worst) + " picture is only " +
           ContrastRatioText(lowest) + ":1; text needs 4.5:1 to read well.";
}

std::optional<std::string> FitHint(PixelSize caption, PixelSize picture)
{
    if (CaptionFits(caption, picture))
        return std::nullopt;
    return "The caption needs " + std::to_string(caption.width) + "\u00D7" + std::to_string(caption.height) +
           " pixels and does not fit within the border of the " + std::to_string(picture.width) + "\u00D7" +
           std::to_string(picture.height) + " picture.";
}

std::optional<std::string> CaptionLengthHint(int characters)
{
    if (characters < LongestCaption)
        return std::nullopt;
    return "A caption takes at most " + std::to_string(LongestCaption) + " characters; the rest is left out.";
}
