// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the run draws the apparatus, in canvas pixels (y grows downwards). The run draws with these, and the
// teacher's parameters take their ranges from them.
namespace apparatus {

constexpr double canvasBottom = 581; // the background band is laid upward from here
constexpr double canvasRight = 800;  // right end of the band
constexpr double bottomMargin = 70;
constexpr double lineTop = 100;                            // the vertical lines run from lineBottom up to here
constexpr double lineBottom = canvasBottom - bottomMargin; // 511
constexpr double axisY = 50 + canvasBottom / 2;            // 340.5: the source on it, the holes either side of it

constexpr double sourceX = 80;
constexpr double apertureX = 150; // the aperture screen and both holes
constexpr double detectorX = 320; // where both paths end
constexpr double barX = 550;      // the base line of the probability bars
// The axis ends here. Each animation step draws it again from axisRedrawnFrom, right of the source's ring, where the
// photons' markers cross it.
constexpr double axisRight = canvasRight - 30;
constexpr double axisRedrawnFrom = sourceX + 20;
// The sum column lies at the aperture distance plus this; the path's horizontal leg is its distance from detectorX.
constexpr double sumColumnOffset = detectorX - 100;

// All holes' phase arrows end to end: each path's arrow is chainLength / holes long, so that the sum of arrows in
// step, and the longest bar, is the same at any number of holes (20 px at two).
constexpr double chainLength = 40;
constexpr double pointSpacing = 40; // between detector points
constexpr double lowestPointAbove = 10.06; // the lowest detector point above lineBottom
// y of detector point i, 0 the lowest.
constexpr double pointY(double point)
{
    return lineBottom - lowestPointAbove - pointSpacing * point;
}
// The previous run's bar, when compared with, runs this far above each bar, 2 px wide: clear of the bar (3 px wide)
// and of the photons' tally just under it.
constexpr double previousBarAbove = 4;

} // namespace apparatus
