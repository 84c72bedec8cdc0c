// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formdrawing.h"

#include <QtGlobal>

#include <array>
#include <optional>

// The colours the run draws with, as FormDrawing takes them (0x00BBGGRR, a system colour, or none for the
// foreground, black).
namespace palette {

using Colour = std::optional<FormDrawing::Colour>;

constexpr FormDrawing::Colour black = 0x00000000; // the foreground: what draws without a colour
constexpr FormDrawing::Colour white = 0x00FFFFFF; // the caption text's, as the classic scheme has it
constexpr FormDrawing::Colour grey = 0x00C0C0C0;  // the window's background, used to erase; the button face's too
constexpr FormDrawing::Colour fieldGreen = 0x00C0FFC0;  // the teacher's parameter fields
constexpr FormDrawing::Colour fieldOrange = 0x00C0E0FF; // the field of the number of photons
constexpr FormDrawing::Colour buttonFace = FormDrawing::buttonFace; // the grey
constexpr Colour topPath = std::nullopt;                            // the foreground: black
constexpr Colour bottomPath = FormDrawing::captionText;             // white
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
constexpr std::array<const char *, 6> pathsBetweenNames{QT_TRANSLATE_NOOP("palette", "purpurová"), QT_TRANSLATE_NOOP("palette", "modrozelená"), QT_TRANSLATE_NOOP("palette", "hnědá"),
     QT_TRANSLATE_NOOP("palette", "žlutá"), QT_TRANSLATE_NOOP("palette", "fialová"), QT_TRANSLATE_NOOP("palette", "růžová")};

// One palette of the picture: every colour a run draws with but the grey it erases with.
struct Colours
{
    Colour topPath;
    Colour bottomPath;
    std::array<FormDrawing::Colour, 6> pathsBetween;
    FormDrawing::Colour sum;
    FormDrawing::Colour pattern;
    FormDrawing::Colour noInterference;
    FormDrawing::Colour photonMark;
    FormDrawing::Colour photonTally;
    std::array<const char *, 6> pathsBetweenNames;
    FormDrawing::Colour previous;
};

// The original's palette, the one the run records its strokes in.
constexpr Colours standard{topPath, bottomPath, pathsBetween, sum, pattern, noInterference,
                           photonMark, photonTally, pathsBetweenNames, previous};

// For a bright room ("Kontrastní barvy", F8): every colour at least 3 : 1 against the grey, and the paths told apart
// by protan and deutan viewers too. Black, the blue curve and the dark red marks reach it already.
constexpr Colours brightRoom{
    .topPath = topPath,        // black, 11.5 : 1
    .bottomPath = 0x00AA6622,  // blue #2266AA, 3.3 : 1
    .pathsBetween = {
        0x00772299, // purple #992277, 4.1 : 1
        0x00556611, // teal #116655, 3.8 : 1
        0x00113366, // brown #663311, 5.6 : 1
        0x00006666, // olive #666600, 3.3 : 1
        0x00660033, // violet #330066, 8.7 : 1
        0x005522BB, // raspberry #BB2255, 3.3 : 1
    },
    .sum = 0x00006400,            // green #006400, 4.1 : 1
    .pattern = pattern,           // blue #0000FF, 4.7 : 1
    .noInterference = 0x00595959, // dark grey #595959, 3.9 : 1
    .photonMark = photonMark,     // dark red #B00000, 4.1 : 1
    .photonTally = 0x000044A8,    // dark orange #A84400, 3.3 : 1
    .pathsBetweenNames = {pathsBetweenNames[0], pathsBetweenNames[1], pathsBetweenNames[2],
                          QT_TRANSLATE_NOOP("palette", "olivová"), pathsBetweenNames[4],
                          QT_TRANSLATE_NOOP("palette", "malinová")},
    .previous = 0x008B3D48,       // dark slate blue #483D8B, 5.0 : 1
};

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
