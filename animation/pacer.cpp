// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pacer.h"

#include <cmath>

namespace {
constexpr std::chrono::duration<double, std::nano> longestRun = std::chrono::hours(24);
}

double Pacer::counted(double counts)
{
    return counts > 0 ? std::round(counts) : 0;
}

Pacer::Clock::duration Pacer::due(double totalCounts) const
{
    // Without pacing nothing is due, however many counts (even infinitely many) have piled up.
    const std::chrono::duration<double, std::nano> due(paced() ? totalCounts * double(m_countDuration.count()) : 0);
    return std::chrono::duration_cast<Clock::duration>(due < longestRun ? due : longestRun);
}
