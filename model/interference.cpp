// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference.h"

#include "runtimeerror.h"

#include <cmath>

namespace interference {

double pathLength(double pathRun, double holeY, double detectorY)
{
    const double rise = holeY - detectorY;
    return checked(std::sqrt(checked(pathRun * pathRun) + checked(rise * rise)));
}

double phase(double baseAngle, double frequency, double pathLength)
{
    return checked(baseAngle + phaseFactor * checked(frequency * pathLength));
}

Vector arrow(double length, double angle)
{
    return {checked(length * std::cos(angle)), checked(-(length * std::sin(angle)))};
}

double probability(double sumX, double sumY)
{
    return checked(checked(sumY * sumY + sumX * sumX) * probabilityScale);
}

double withoutInterference(double arrowLength, int paths)
{
    return checked(paths * probability(arrowLength, 0));
}

double holeOffset(int hole, int holes, double spacing)
{
    return checked((hole - (holes + 1) / 2.0) * spacing);
}

double arrowLengthFor(int holes)
{
    return apparatus::chainLength / holes;
}

Segment marker(Vector hole, Vector detector, double t)
{
    const Vector base{hole.x + ((detector.x - hole.x) * t) / pathDivisions,
                      hole.y + ((detector.y - hole.y) * t) / pathDivisions};
    const double angle = turnPerStep * t;
    return {base, {base.x + markerLength * std::cos(angle), base.y + markerLength * std::sin(angle)}};
}

} // namespace interference
