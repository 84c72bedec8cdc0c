// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formdrawing.h"

#include <array>
#include <optional>

// The colours the run draws with, as FormDrawing takes them (0x00BBGGRR, a system colour, or none for the
// foreground, black).
namespace palette {

using Colour = std::optional<FormDrawing::Colour>;

constexpr FormDrawing::Colour grey = 0x00C0C0C0; // the window's background, used to erase
constexpr FormDrawing::Colour buttonFace = FormDrawing::systemColourFlag | 15; // COLOR_BTNFACE, grey too
constexpr Colour topPath = std::nullopt;                                         // the foreground: black
constexpr Colour bottomPath = FormDrawing::systemColourFlag | 9;                // COLOR_CAPTIONTEXT: white
// The paths between the top and the bottom one, from the top, where there are more than two holes; none of them
// is a colour of anything else in the picture.
constexpr std::array<FormDrawing::Colour, 6> pathsBetween{
    0x00FF00FF, // magenta
    0x00808000, // teal
    0x00004080, // brown
    0x0000FFFF, // yellow
    0x00FF0080, // violet
    0x00C080FF, // pink
};
constexpr FormDrawing::Colour sum = 0x0000FF00;            // green: the resultant
constexpr FormDrawing::Colour pattern = 0x00FF0000;        // blue: the whole pattern
constexpr FormDrawing::Colour noInterference = 0x00707070; // dark grey: the level without interference
constexpr FormDrawing::Colour previous = 0x00CD5A6A;       // slate blue: the previous run's bars and curve
constexpr FormDrawing::Colour photonMark = 0x000000B0;     // dark red: where a single photon landed
constexpr FormDrawing::Colour photonTally = 0x00008CFF;    // orange: a point's share of the photons

// The Czech names of pathsBetween, for the help's legend.
constexpr std::array<const char *, 6> pathsBetweenNames{"purpurová", "modrozelená", "hnědá", "žlutá", "fialová", "růžová"};

// The colour of hole k's path among n (hole 1 is the top one): black at the top, white at the bottom.
inline Colour path(int hole, int holes)
{
    if (hole <= 1)
        return topPath;
    if (hole >= holes)
        return bottomPath;
    return pathsBetween[size_t(hole - 2) % pathsBetween.size()];
}

} // namespace palette
