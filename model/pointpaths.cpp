// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointpaths.h"

#include "runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

using namespace interference;

double holeY(const Setup &setup, int hole)
{
    return checked(apparatus::axisY + holeOffset(hole, setup.holes, setup.spacing));
}

PointPaths pathsTo(const Setup &setup, double detectorY)
{
    // The horizontal leg: from the detector to the sum column, as the run measures it.
    const double pathRun = checked(setup.distance + apparatus::sumColumnOffset - apparatus::detectorX);
    const double arrowLength = arrowLengthFor(setup.holes);
    PointPaths point;
    for (int hole = setup.holes; hole >= 1; --hole) { // added from the bottom up, as the run adds them
        if (!setup.isOpen(hole))
            continue;
        const double length = pathLength(pathRun, holeY(setup, hole), detectorY);
        const double angle = phase(baseAngle, setup.frequency, length);
        const Vector pathArrow = arrow(arrowLength, angle);
        point.sum = {checked(point.sum.x + pathArrow.x), checked(point.sum.y + pathArrow.y)};
        point.watchedBar = checked(point.watchedBar + probability(pathArrow.x, pathArrow.y));
        point.paths.push_back({hole, length, angle, pathArrow});
    }
    std::reverse(point.paths.begin(), point.paths.end());
    return point;
}

double wavelength(double frequency)
{
    const double turn = phaseFactor * frequency;
    return turn == 0 ? std::numeric_limits<double>::infinity() : 2 * std::numbers::pi / std::abs(turn);
}
