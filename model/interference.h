// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "apparatus.h"

// The physics of one detector point, in canvas pixels (y grows downwards) and radians.
// Every result is checked: an overflow or an invalid operation is run-time error 6.
namespace interference {

constexpr double phaseFactor = 0.15;     // radians of phase per pixel of path, at frequency 1
constexpr double probabilityScale = 0.1; // bar pixels per squared pixel of the resultant
constexpr double markerLength = 10;      // the photon marker's hand, pixels
constexpr double pathDivisions = 100;    // at step t the marker is t / 100 of the way along its path
constexpr double turnPerStep = 1;        // the marker turns one radian per step
constexpr double baseAngle = 10;         // every path's arrow starts at this phase at its hole

struct Vector
{
    double x = 0;
    double y = 0;
};

struct Segment
{
    Vector from;
    Vector to;
};

// Length of the path from a hole at holeY to the detector point at detectorY, pathRun across.
double pathLength(double pathRun, double holeY, double detectorY);

// Phase of a path's arrow: baseAngle + phaseFactor × (frequency × pathLength).
double phase(double baseAngle, double frequency, double pathLength);

// An arrow of the given length and angle on the screen: along (cos, −sin), turning counter-clockwise as it grows.
Vector arrow(double length, double angle);

// Length in pixels of the probability bar for the resultant (sumX, sumY): probabilityScale × its squared length.
double probability(double sumX, double sumY);

// The bar without interference, or when the path is watched: each open path's probability added, not its arrow;
// paths arrows of the given length. 80 px at two open holes.
double withoutInterference(double arrowLength, int paths);

// Where hole k of n lies from the axis (y downwards; hole 1 is the top one): (k − (n + 1) / 2) × spacing, so
// ∓ spacing / 2 at two holes.
double holeOffset(int hole, int holes, double spacing);

// A path's arrow with n holes in the screen: chainLength / n, 20 px at two.
double arrowLengthFor(int holes);

// The photon marker at step t on the path from hole to detector: its base t / 100 of the way along,
// its hand markerLength long at t radians, turning clockwise on the screen.
Segment marker(Vector hole, Vector detector, double t);

} // namespace interference
