// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline.h"

#include <algorithm>

void Timeline::wait(double counts)
{
    m_steps.push_back({m_strokes.size(), counts});
}

void Timeline::beginPoint()
{
    m_pointBegins.push_back(m_steps.size());
}

size_t Timeline::pointAt(size_t position) const
{
    if (end() == 0)
        return 0;
    const auto after = std::upper_bound(m_pointBegins.begin(), m_pointBegins.end(), std::min(position, end() - 1));
    return after == m_pointBegins.begin() ? 0 : size_t(after - m_pointBegins.begin()) - 1;
}
