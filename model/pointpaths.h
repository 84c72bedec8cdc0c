// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interference.h"
#include "setup.h"

#include <vector>

// The open paths of a set-up to one detector point, as the run adds them there: each path's length and arrow, their
// sum and, for a watched path, the sum of their probabilities. Canvas pixels; hole 1 is the top one.
struct PointPaths
{
    struct Path
    {
        int hole = 0;
        double length = 0;         // from the hole to the detector point, pixels
        double phase = 0;          // radians
        interference::Vector arrow;
    };
    std::vector<Path> paths;   // the open ones, top to bottom
    interference::Vector sum;  // every open arrow added, the bottom one first
    double watchedBar = 0;     // each open path's probability added

    // The bar drawn at the point: the probability of the sum, or the probabilities added when the path is watched.
    double bar(bool watched) const { return watched ? watchedBar : interference::probability(sum.x, sum.y); }
};

// y of hole k of the set-up (1 at the top), canvas pixels.
double holeY(const Setup &setup, int hole);

// The paths to the detector point at detectorY (or any row of the detector). Raises a RuntimeError on overflow.
PointPaths pathsTo(const Setup &setup, double detectorY);

// The arrows' wavelength at a frequency, 2π / (phaseFactor × frequency) pixels; infinite at 0, where they do not turn.
double wavelength(double frequency);
