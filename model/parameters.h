// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "apparatus.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

// The teacher's parameters of the run, as typed into their fields: each one's name, the values it may take so that
// the apparatus stays as drawn, its starting value and an example. The window asks check() for each field, and
// checkHoles() for the holes with their spacing, when Start is pressed, and hands the values to the recorder.
namespace parameters {

struct Parameter
{
    const char *name = ""; // as its label reads, in Czech; nameOf() translates it
    double least = 0;   // the range, both ends included
    double most = 0;
    int start = 0;      // written at load, and again by "Výchozí hodnoty"
    double example = 0; // offered by the message
    bool whole = false; // only whole numbers
};

// The sum column (distance + sumColumnOffset) with all arrows added there (chainLength) stays clear of the bars' base line;
// a distance below 0 means nothing to a class.
inline constexpr Parameter distance{QT_TRANSLATE_NOOP("parameters", "Vzdálenost clony"), 0,
                             apparatus::barX - apparatus::chainLength - apparatus::sumColumnOffset, 200, 150};
static_assert(distance.least + apparatus::sumColumnOffset - apparatus::chainLength >= apparatus::apertureX,
              "the sum column's arrows reach the aperture screen");

// 0 makes every arrow alike (all bars 160 px). Above 1.4 the phase difference turns by more than π between
// neighbouring detector points at the starting distance and spacing (the limit is 1.43): the eleven points alias.
// With more holes the limit is the same, since neighbouring paths differ as they do at two holes and the main
// maxima stand where they stand at two. But N holes put N − 2 weaker maxima between two main ones, 1 / N of their
// spacing apart, which eleven points cannot follow: the curve (Průběh) shows them.
inline constexpr Parameter frequency{QT_TRANSLATE_NOOP("parameters", "Frekvence fotonů"), 0, 1.4, 1, 0.5};

// Two holes, at axisY ∓ spacing / 2, stay on the screen line; the lower one has the less room. 0: they coincide.
// More holes span (holes − 1) × spacing, which must fit into the same length (checkHoles).
inline constexpr Parameter spacing{QT_TRANSLATE_NOOP("parameters", "Rozteč děr"), 0, 2 * (apparatus::lineBottom - apparatus::axisY), 40, 80};
static_assert(apparatus::axisY - spacing.most / 2 >= apparatus::lineTop, "the upper hole leaves the screen line");

// Each path's arrow is chainLength / N long (interference.h), so that N arrows in step still make the longest bar.
// At 8 holes it is 5 px, two and a half times its 2-px width: the least at which a student still reads where an
// arrow points. Eight holes at the starting spacing, 280 px end to end, fit on the screen line.
inline constexpr Parameter holes{QT_TRANSLATE_NOOP("parameters", "Počet otvorů"), 1, 8, 2, 3, true};
static_assert(apparatus::chainLength / holes.most >= 2.5 * 2, "the arrows of the most holes are too short to read");
static_assert((holes.most - 1) * spacing.start <= spacing.most, "the most holes do not fit at the starting spacing");

// The parameter's name in the language in use.
QString nameOf(const Parameter &parameter);

// The text read as a number in the locale, as the run reads it, and within the parameter's range: the value.
// Otherwise a Czech message that names the field, says what is wrong and gives the range and an example in the
// locale's notation. Pure: the same text and locale give the same answer.
std::variant<double, QString> check(const Parameter &parameter, const QString &text, const QLocale &locale = QLocale());

// The holes and their spacing together: (holes − 1) × spacing must fit on the screen line, spacing.most.
double largestSpacing(int holeCount);
// Nothing when they fit; otherwise a Czech message that names both fields and gives the largest spacing for that
// number of holes, rounded down to the hundredths the field shows.
std::optional<QString> checkHoles(int holeCount, double spacing, const QLocale &locale = QLocale());

// A number in the locale's notation, as short as exact: "1,4" in Czech, "1.4" in English.
QString written(double value, const QLocale &locale = QLocale());

} // namespace parameters
