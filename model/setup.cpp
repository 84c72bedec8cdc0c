// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup.h"

bool Setup::isOpen(int hole) const
{
    return hole >= 1 && hole <= holes && (size_t(hole) > covered.size() || !covered[size_t(hole - 1)]);
}

int Setup::openHoles() const
{
    int open = 0;
    for (int hole = 1; hole <= holes; ++hole)
        open += isOpen(hole);
    return open;
}

bool Setup::isStartingLesson() const
{
    const Setup start;
    return distance == start.distance && frequency == start.frequency && spacing == start.spacing
           && holes == start.holes && openHoles() == holes && watched == start.watched;
}

bool Setup::drawsAlike(const Setup &other) const
{
    if (distance != other.distance || frequency != other.frequency || spacing != other.spacing || holes != other.holes
        || watched != other.watched)
        return false;
    for (int hole = 1; hole <= holes; ++hole)
        if (isOpen(hole) != other.isOpen(hole))
            return false;
    return true;
}
