// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pacer.h"

#include <vector>

class Canvas;
class QLineEdit;

// The run behind "Start": draws the apparatus, then takes eleven detector points from the bottom up; at each it
// moves the photon along both paths, draws each path's phase arrow at the point and head to tail in the sum
// column, their green resultant and the probability bar. The main window inherits it and names the controls
// the run reads and reveals. Runs on the user-interface thread; a field that is not a number or an arithmetic
// fault raises a RuntimeError, a close request during a run ends it with RunCancelled.
class DetectorScan
{
public:
    virtual ~DetectorScan() = default;

    double q = 0; // the animation step: 20..100 while a point animates, 101 after it; kept between runs
    double Z = 0; // y of the hole of the path moved last; kept between runs

    // The click handler of "Start": the whole run, returning when it is done.
    void cmdStart_Click();

    // One animation step along the upper (lower) path: erases the marker of step q − 1, draws that of step q,
    // and leaves Z at the path's hole and the line width at 2. The arguments are only read.
    void PohybHorni(const double &apertureX, const double &axisY, const double &detectorX, const double &detectorY,
                    const double &q);
    void PohybDolni(const double &apertureX, const double &axisY, const double &detectorX, const double &detectorY,
                    const double &q);

    Pacer &pacer() { return m_pacer; }

    // The probability of each detector point drawn in the last run, lowest point first: the bar lengths in pixels
    // exactly as drawn. Emptied when a run begins.
    const std::vector<double> &probabilities() const { return m_probabilities; }

protected:
    // Called as a run begins, before its pacing (and the dropping of input) starts, and once it has ended, however
    // it ends, after the pacing; completed when all eleven points are drawn and the captions shown. Neither may throw.
    virtual void runBegins() {}
    virtual void runEnds([[maybe_unused]] bool completed) {}

    // The controls the run uses; the window fills this in as it creates them.
    struct Controls
    {
        Canvas *canvas = nullptr;
        const QLineEdit *nVzdalenost = nullptr; // aperture distance
        const QLineEdit *nUr = nullptr;         // photon frequency
        const QLineEdit *nRd = nullptr;         // hole spacing
        const QLineEdit *nSpomaleni = nullptr;  // slow-down factor
        QLineEdit *captions[5] = {};            // revealed in this order at the end of a run
    };
    Controls run;

private:
    enum class Hole { Upper = -1, Lower = 1 };
    void pohyb(Hole hole, const double &apertureX, const double &axisY, const double &detectorX,
               const double &detectorY, const double &q);
    double holeHalfSpacing() const;
    class Notice;

    Pacer m_pacer;
    std::vector<double> m_probabilities;
};
