// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The caption boxes that name parts of the picture, in the window's pixels at scale 1, as the original placed them.
namespace captions {

constexpr QRect clona{136, 64, 41, 17};           // "Clona "
constexpr QRect detektor{280, 64, 57, 17};        // "Detektor"
constexpr QRect soucet{400, 64, 113, 19};         // "Součet radiusvektorů", over the sum column at the start
constexpr QRect pravdepodobnost{544, 64, 169, 25}; // "Pravděpodobnost dopadu"
constexpr QRect zdroj{56, 312, 65, 17};           // "Zdroj fotonu"
// "bez interference", under the level without interference and centred on it; at the starting set-up it is 80 px
// right of the bars' base line.
constexpr QRect bezInterference{590, 514, 80, 17};
// What the run compared with differed in, under the bars and below "bez interference" wherever that stands.
constexpr QRect predtim{450, 536, 260, 17};

// The caption of the sum column at x (canvas pixels): 20 px left of the column, as at the starting distance. Where
// that would reach the caption beside it on its row, it slides along the row, 4 px clear of that caption, as long as
// the column stays under it; where it cannot, it drops to a row of its own just below, again 20 px left of it.
QRect sumCaption(double sumColumnX);

} // namespace captions
