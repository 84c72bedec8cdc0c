// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formdrawing.h"
#include "timeline.h"

#include <memory>

class QLineEdit;

// The run behind "Start": draws the apparatus, then takes eleven detector points from the bottom up; at each it
// moves the photon along both paths, draws each path's phase arrow at the point and head to tail in the sum
// column, their green resultant and the probability bar. The run is recorded in one pass, as a timeline of
// strokes and the pacing's waits, and handed to play(). The main window inherits it and names the fields the
// run reads. A field that is not a number or an arithmetic fault raises a RuntimeError before anything is played.
class DetectorScan
{
public:
    virtual ~DetectorScan() = default;

    double q = 0; // the animation step: 20..100 while a point animates, 101 after it; kept between runs
    double Z = 0; // y of the hole of the path moved last; kept between runs

    // The runs that follow also draw the whole pattern (Průběh): each pixel row's bar as a curve right of the bar
    // base line, and the level without interference.
    bool showPattern = false;

    // The click handler of "Start": records the whole run, then plays it.
    void cmdStart_Click();

    // One animation step along the upper (lower) path: erases the marker of step q − 1, draws that of step q,
    // and leaves Z at the path's hole and the line width at 2. The arguments are only read.
    void PohybHorni(const double &apertureX, const double &axisY, const double &detectorX, const double &detectorY,
                    const double &q);
    void PohybDolni(const double &apertureX, const double &axisY, const double &detectorX, const double &detectorY,
                    const double &q);

protected:
    // Receives each run as soon as it has been recorded.
    virtual void play(std::shared_ptr<const Timeline> run) = 0;

    // The fields the run reads; the window fills this in as it creates them.
    struct Fields
    {
        const QLineEdit *nVzdalenost = nullptr; // aperture distance
        const QLineEdit *nUr = nullptr;         // photon frequency
        const QLineEdit *nRd = nullptr;         // hole spacing
        const QLineEdit *nSpomaleni = nullptr;  // slow-down factor
    };
    Fields run;

private:
    enum class Hole { Upper = -1, Lower = 1 };
    void pohyb(Hole hole, const double &apertureX, const double &axisY, const double &detectorX,
               const double &detectorY, const double &q);
    double holeHalfSpacing() const;
    double barAt(double pathRun, double baseAngle, double rowY) const;

    FormDrawing *m_canvas = nullptr; // while a run is being recorded
};
