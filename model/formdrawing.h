// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stroke.h"

#include <QColor>

#include <optional>
#include <vector>

// The drawing operations of the main window as the run calls them: ScaleMode, DrawWidth, Line and Circle. Each
// Line or Circle becomes one stroke in canvas pixels, with the width in force and its colour resolved, appended
// to the strokes it is given. A width or scale set stays set for every later call.
class FormDrawing
{
public:
    // 0x00BBGGRR, or 0x80000000 plus a system colour index (9 and 15 are known).
    using Colour = quint32;
    static constexpr Colour systemColourFlag = 0x80000000;
    static constexpr Colour captionText = systemColourFlag | 9; // COLOR_CAPTIONTEXT
    static constexpr Colour buttonFace = systemColourFlag | 15; // COLOR_BTNFACE

    explicit FormDrawing(std::vector<Stroke> &strokes)
        : m_strokes(strokes)
    {
    }

    // 1 twips (15 per pixel), 3 pixels; anything else is run-time error 380. Starts at twips.
    void ScaleMode(int mode);
    // Width in pixels of all later lines and circles, 1 or more; anything else is run-time error 380.
    void DrawWidth(int width);
    // A segment between two points; without a colour it is drawn in the foreground colour (black).
    // Run-time error 6 for a coordinate beyond single precision, 380 for an unknown system colour.
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = std::nullopt);
    // A circle outline, never filled.
    void Circle(double x, double y, double radius, std::optional<Colour> colour = std::nullopt);

    int drawWidth() const { return m_width; }
    int scaleMode() const { return m_scaleMode; }

    // Foreground black, captionText white and buttonFace light grey, as in the classic desktop scheme; the values
    // are palette.h's.
    // Run-time error 380 for an unknown system colour.
    static QColor resolve(Colour colour);
    static QColor foreground();
    // As a stroke gets it: none is the foreground.
    static QRgb colourOf(std::optional<Colour> colour);

private:
    float pixels(double units) const;

    std::vector<Stroke> &m_strokes;
    int m_scaleMode = 1;
    double m_unitsPerPixel = 15;
    int m_width = 1;
};
