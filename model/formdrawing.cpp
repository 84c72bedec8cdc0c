// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formdrawing.h"

#include "palette.h"
#include "runtimeerror.h"

namespace {
constexpr int twips = 1;
constexpr int pixelScale = 3;
constexpr double twipsPerPixel = 15;
}

void FormDrawing::ScaleMode(int mode)
{
    if (mode != twips && mode != pixelScale)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    m_scaleMode = mode;
    m_unitsPerPixel = mode == pixelScale ? 1 : twipsPerPixel;
}

void FormDrawing::DrawWidth(int width)
{
    if (width < 1)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    m_width = width;
}

// Coordinates reach the canvas in single precision, as the caller hands them over.
float FormDrawing::pixels(double units) const
{
    return float(double(toSingle(units)) / m_unitsPerPixel);
}

QRgb FormDrawing::colourOf(std::optional<Colour> colour)
{
    return (colour ? resolve(*colour) : foreground()).rgba();
}

void FormDrawing::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour)
{
    const QRgb rgb = colourOf(colour);
    m_strokes.push_back({.shape = Stroke::Shape::Segment,
                         .width = m_width,
                         .colour = rgb,
                         .x1 = pixels(x1),
                         .y1 = pixels(y1),
                         .x2 = pixels(x2),
                         .y2 = pixels(y2)});
}

void FormDrawing::Circle(double x, double y, double radius, std::optional<Colour> colour)
{
    const QRgb rgb = colourOf(colour);
    m_strokes.push_back({.shape = Stroke::Shape::Ring,
                         .width = m_width,
                         .colour = rgb,
                         .x1 = pixels(x),
                         .y1 = pixels(y),
                         .radius = pixels(radius)});
}

QColor FormDrawing::resolve(Colour colour)
{
    if (colour & systemColourFlag) {
        switch (colour) {
        case captionText:
            return resolve(palette::white);
        case buttonFace:
            return resolve(palette::grey);
        default:
            throw RuntimeError(RuntimeError::InvalidPropertyValue);
        }
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QColor FormDrawing::foreground()
{
    return resolve(palette::black);
}
