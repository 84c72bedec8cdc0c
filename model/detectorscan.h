// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formdrawing.h"
#include "setup.h"
#include "timeline.h"

#include <memory>

// The run behind "Start", recorded from a checked set-up: it draws the apparatus, then takes eleven detector points
// from the bottom up; at each it moves the photon along every open path at once, draws each path's phase arrow at
// the point and in the sum column (head to tail, or each from the column's point when the path is watched), their
// green resultant and the probability bar. The run is recorded in one pass, as a timeline of strokes and the
// pacing's waits. It reads nothing but its set-up; an arithmetic fault raises a RuntimeError.
class DetectorScan
{
public:
    // previous: the result of the run to compare with, drawn right after the band; none draws none.
    explicit DetectorScan(const Setup &setup, std::optional<Timeline::Result> previous = std::nullopt)
        : m_setup(setup)
        , m_previous(std::move(previous))
    {
    }

    // Records the whole run.
    std::shared_ptr<Timeline> record();

    double q = 0; // the animation step: 20..100 while a point animates, 101 after it
    double Z = 0; // y of the hole of the path moved last

    // One animation step along the top (bottom) path: erases the marker of step q − 1, draws that of step q, and
    // leaves Z at the path's hole and the line width at 2. The arguments are only read. At two holes these are
    // the upper and the lower path, and the run moves the lower photon first.
    void PohybHorni(const double &apertureX, const double &axisY, const double &detectorX, const double &detectorY,
                    const double &q);
    void PohybDolni(const double &apertureX, const double &axisY, const double &detectorX, const double &detectorY,
                    const double &q);
    // The same along the path through hole k (1 at the top).
    void Pohyb(int hole, const double &apertureX, const double &axisY, const double &detectorX,
               const double &detectorY, const double &q);

private:
    double holeY(int hole) const;
    // The bar a detector row at rowY would get, the open paths added as at a point (pathsTo).
    double barAt(double rowY) const;

    void drawPrevious(FormDrawing &canvas) const;

    const Setup m_setup;
    const std::optional<Timeline::Result> m_previous;
    FormDrawing *m_canvas = nullptr; // while the run is being recorded
};

// The ring that shows hole k (1 at the top) of a set-up on the screen line: in the window's grey, cut out of the
// line, when open; in the line's black when covered. The two cover the same pixels.
Stroke holeRing(const Setup &setup, int hole, bool open);

// The run of a set-up, beside the result of the run before when given, as recorded by a DetectorScan of its own.
std::shared_ptr<const Timeline> recordRun(const Setup &setup, std::optional<Timeline::Result> previous = std::nullopt);
