// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "apparatus.h"
#include "timeline.h"

#include <QLocale>
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
QString patternInWords(const std::vector<Timeline::PatternRow> &pattern, double axisY = apparatus::axisY);

// Each point's hits of the photons fired, and their total.
QString hitsInWords(const std::vector<size_t> &hits);

// What the step just drawn at position showed, with its point and its number within the point.
QString stepInWords(const Timeline &run, size_t position);

// That the run is paused, where, and the keys that go on.
QString pausedInWords(const Timeline &run, size_t position);

// "1 pixel", "3 pixely", "42 pixelů".
QString pixels(long length);

// "1 otvor", "3 otvory", "5 otvorů".
QString holesInWords(int holes);

// A run's set-up in one Czech clause, its numbers in the notation: the parameters, the holes, those covered (counted
// from the top) and whether the path is watched. For the table's line and the help.
QString setupInWords(const Setup &setup, const QLocale &notation);

// How the wavelength follows from the frequency, "2π / 0,15" at frequency 1, "2π / (0,15 × 0,5)" otherwise; empty at
// frequency 0, where the arrows do not turn.
QString wavelengthFormula(double frequency, const QLocale &notation);

// Numbers in the notation of the language in use: "0,15" in Czech and Slovak, "0.15" in English.
QLocale notation();
// A number as the parameter fields write it, in that notation.
QString number(double value);

} // namespace words
