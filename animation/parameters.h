// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "apparatus.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <variant>

// The teacher's three parameters of the run, as typed into their fields: each one's name, the values it may take
// so that the apparatus stays as drawn, its starting value and an example. The window asks check() for each
// field when Start is pressed; the run itself reads the fields (DetectorScan).
namespace parameters {

struct Parameter
{
    QStringView name;   // as its label reads
    double least = 0;   // the range, both ends included
    double most = 0;
    int start = 0;      // written at load, and again by "Výchozí hodnoty"
    double example = 0; // offered by the message
};

// The sum column (distance + sumColumnOffset) with the two arrows added there stays clear of the bars' base line;
// a distance below 0 means nothing to a class.
constexpr Parameter distance{u"Vzdálenost clony", 0,
                             apparatus::barX - 2 * apparatus::arrowLength - apparatus::sumColumnOffset, 200, 150};
static_assert(distance.least + apparatus::sumColumnOffset - 2 * apparatus::arrowLength >= apparatus::apertureX,
              "the sum column's arrows reach the aperture screen");

// 0 makes every arrow alike (all bars 160 px). Above 1.4 the phase difference turns by more than π between
// neighbouring detector points at the starting distance and spacing (the limit is 1.43): the eleven points alias.
constexpr Parameter frequency{u"Frekvence fotonů", 0, 1.4, 1, 0.5};

// Both holes, at axisY ∓ spacing / 2, stay on the screen line; the lower one has the less room. 0: they coincide.
constexpr Parameter spacing{u"Rozteč děr", 0, 2 * (apparatus::lineBottom - apparatus::axisY), 40, 80};
static_assert(apparatus::axisY - spacing.most / 2 >= apparatus::lineTop, "the upper hole leaves the screen line");

// The text read as a number in the locale, as the run reads it, and within the parameter's range: the value.
// Otherwise a Czech message that names the field, says what is wrong and gives the range and an example in the
// locale's notation. Pure: the same text and locale give the same answer.
std::variant<double, QString> check(const Parameter &parameter, const QString &text, const QLocale &locale = QLocale());

// A number in the locale's notation, as short as exact: "1,4" in Czech, "1.4" in English.
QString written(double value, const QLocale &locale = QLocale());

} // namespace parameters
