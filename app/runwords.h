// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timeline.h"

#include <QString>

#include <vector>

// What a run drew, in Czech sentences for a screen reader.
namespace words {

// The eleven probabilities of a run in Czech words, lowest point first: one sentence per point with its number
// and its bar length in whole pixels, where the maximum and the minima are marked, then where they are.
// With the previous run's bars to compare with, each point also gives its previous bar.
QString resultInWords(const std::vector<double> &probabilities, const std::vector<double> &previous = {});

// What the run compared with differed in, for the caption by the bars: "předtím: rozteč 40", or that nothing did.
QString differencesInWords(const Setup &before, const Setup &now);

// One sentence: where the maximum and the minima are; empty when all bars are alike.
QString extremaInWords(const std::vector<double> &probabilities);

// The whole pattern's maxima and minima, as heights on the detector from its axis; the axis at axisY.
QString patternInWords(const std::vector<Timeline::PatternRow> &pattern, double axisY = 340.5);

// Each point's hits of the photons fired, and their total.
QString hitsInWords(const std::vector<size_t> &hits);

// What the step just drawn at position showed, with its point and its number within the point.
QString stepInWords(const Timeline &run, size_t position);

// That the run is paused, where, and the keys that go on.
QString pausedInWords(const Timeline &run, size_t position);

} // namespace words
