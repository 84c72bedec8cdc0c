// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "parameters.h"

#include <vector>

// The lesson's set-up of one run, as the window checked it when Start was pressed: everything the recorder reads.
// The starting values are the original's: two open holes, nothing watched, the pattern off, the fastest pace.
struct Setup
{
    double distance = parameters::distance.start;   // aperture distance, the field's value
    double frequency = parameters::frequency.start; // photon frequency
    double spacing = parameters::spacing.start;     // between neighbouring holes, pixels
    int holes = parameters::holes.start;            // in the aperture screen, covered or not
    std::vector<bool> covered;                      // per hole, the top one first; a hole past its end is open
    bool watched = false;                           // a detector at the holes tells the path: probabilities add
    bool pattern = false;                           // the whole pattern too (Průběh)
    double slowDown = 1;                            // an animation step waits slowDown × 30000 counts

    // Hole 1 is the top one, holes the bottom one.
    bool isOpen(int hole) const;
    int openHoles() const;
    // The set-up's parameters, holes, covers and watching are the starting ones (the pattern and pace aside).
    bool isStartingLesson() const;

    // Draws the same apparatus, paths and bars as other: all but the pattern and the pace alike. A run over the
    // picture of a run that draws otherwise would leave what that one drew outside the band.
    bool drawsAlike(const Setup &other) const;

    bool operator==(const Setup &) const = default;
};
