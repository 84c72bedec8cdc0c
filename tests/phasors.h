// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <complex>
#include <vector>

// The bars as the physics gives them, computed apart from the program: each open path through hole k of N (1 at the
// top, at y = 340.5 + (k − (N + 1) / 2) × spacing) is a phasor (40 / N) e^{iφ}, φ = 0.15 × frequency × its length
// to the detector row, its horizontal leg the distance − 100; the bar is 0.1 |Σ|², or 0.1 Σ |phasor|² when the path
// is watched.
struct Phasors
{
    double distance = 200;
    double frequency = 1;
    double spacing = 40;
    int holes = 2;
    std::vector<bool> covered; // from the top
    bool watched = false;

    double bar(double y) const
    {
        std::complex<double> sum;
        double each = 0;
        for (int k = 1; k <= holes; ++k) {
            if (k <= int(covered.size()) && covered[size_t(k - 1)])
                continue;
            const double holeY = 340.5 + (k - (holes + 1) / 2.0) * spacing;
            const auto phasor = std::polar(40.0 / holes, 0.15 * frequency * std::hypot(distance - 100, holeY - y));
            sum += phasor;
            each += std::norm(phasor);
        }
        return 0.1 * (watched ? each : std::norm(sum));
    }

    // At the eleven detector points, the lowest first.
    std::vector<double> bars() const
    {
        std::vector<double> all;
        for (int point = 0; point <= 10; ++point)
            all.push_back(bar(500.94 - 40 * point));
        return all;
    }
};
