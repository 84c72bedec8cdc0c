// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"

#include "apparatus.h"
#include "parameters.h"

#include <algorithm>
#include <cmath>

namespace captions {

QRect sumCaption(double sumColumnX)
{
    constexpr int gap = 4;   // between captions of a row
    constexpr int inside = 8; // how far in from the caption's ends the column must stand
    const int column = int(std::lround(sumColumnX));
    // As far left of the column as the original caption is of the column at the starting distance.
    const int startingColumn = int(parameters::distance.start + apparatus::sumColumnOffset);
    const int leftOfColumn = column - (startingColumn - soucet.left());
    const int least = detektor.right() + 1 + gap;
    const int most = pravdepodobnost.left() - gap - soucet.width();
    const int slid = std::clamp(leftOfColumn, least, most);
    if (column >= slid + inside && column <= slid + soucet.width() - inside)
        return soucet.translated(slid - soucet.left(), 0);
    const int secondRow = std::max(detektor.bottom(), clona.bottom()) + 1 + gap;
    return {std::max(0, leftOfColumn), secondRow, soucet.width(), soucet.height()};
}

} // namespace captions
