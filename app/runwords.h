// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

class Timeline;

// What a run drew, in Czech sentences for a screen reader.
namespace words {

// The eleven probabilities of a run in Czech words, lowest point first: one sentence per point with its number
// and its bar length in whole pixels, where the maximum and the minima are marked, then where they are.
QString resultInWords(const std::vector<double> &probabilities);

// One sentence: where the maximum and the minima are; empty when all bars are alike.
QString extremaInWords(const std::vector<double> &probabilities);

// What the step just drawn at position showed, with its point and its number within the point.
QString stepInWords(const Timeline &run, size_t position);

// That the run is paused, where, and the keys that go on.
QString pausedInWords(const Timeline &run, size_t position);

} // namespace words
