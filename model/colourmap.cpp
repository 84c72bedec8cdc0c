// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourmap.h"

#include <algorithm>

ColourMap ColourMap::between(const palette::Colours &from, const palette::Colours &to)
{
    ColourMap map;
    const auto add = [&map](palette::Colour a, palette::Colour b) {
        const QRgb was = FormDrawing::colourOf(a), becomes = FormDrawing::colourOf(b);
        const bool known = std::any_of(map.m_pairs.begin(), map.m_pairs.end(),
                                       [was](const auto &change) { return change.first == was; });
        if (was != becomes && !known)
            map.m_pairs.emplace_back(was, becomes);
    };
    add(from.topPath, to.topPath);
    add(from.bottomPath, to.bottomPath);
    for (size_t i = 0; i < from.pathsBetween.size(); ++i)
        add(from.pathsBetween[i], to.pathsBetween[i]);
    add(from.sum, to.sum);
    add(from.pattern, to.pattern);
    add(from.noInterference, to.noInterference);
    add(from.photonMark, to.photonMark);
    add(from.photonTally, to.photonTally);
    add(from.previous, to.previous);
    return map;
}

QRgb ColourMap::operator()(QRgb colour) const
{
    for (const auto &[was, becomes] : m_pairs)
        if (was == colour)
            return becomes;
    return colour;
}
