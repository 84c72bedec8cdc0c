// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palette.h"

#include <QRgb>

#include <utility>
#include <vector>

// A recolouring of the picture where strokes reach the canvas: each colour of one palette to the same colour of
// another; any other colour, the grey that erases among them, stays as it is.
class ColourMap
{
public:
    ColourMap() = default; // keeps every colour

    // From the colours of one palette to those of another.
    static ColourMap between(const palette::Colours &from, const palette::Colours &to);
    // The original's palette shown as the bright room's.
    static ColourMap brightRoom() { return between(palette::standard, palette::brightRoom); }

    QRgb operator()(QRgb colour) const;
    bool keepsAll() const { return m_pairs.empty(); }
    // The colours changed, each with what it becomes.
    const std::vector<std::pair<QRgb, QRgb>> &changes() const { return m_pairs; }

    bool operator==(const ColourMap &) const = default;

private:
    std::vector<std::pair<QRgb, QRgb>> m_pairs; // a dozen at most: looked up in order
};
