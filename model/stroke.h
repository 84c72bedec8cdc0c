// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QRgb>

#include <cstddef>

class QPainter;

// One stroke of a drawing, in canvas pixels (origin top left, y downwards): a straight segment with square ends
// or a ring (a circle's outline, never filled), its width in whole pixels and an opaque colour. Nothing is
// antialiased, so painting the same shape again, in any colour, covers exactly the same pixels.
struct Stroke
{
    enum class Shape : quint8 { Segment, Ring };

    Shape shape = Shape::Segment;
    int width = 1;            // pixels, 1 or more
    QRgb colour = 0xFF000000; // opaque
    float x1 = 0, y1 = 0;     // segment: first end; ring: centre
    float x2 = 0, y2 = 0;     // segment: second end
    float radius = 0;         // ring

    bool operator==(const Stroke &) const = default;
    // Everything but the colour: what decides which pixels it paints.
    bool sameShape(const Stroke &other) const;

    // A rectangle holding every pixel centre the stroke can paint, with a margin.
    QRectF footprint() const;

    // Paints it within area (canvas pixels; the painter's transform maps them to device pixels). Coordinates
    // too far outside the area to rasterise exactly are cut first. Returns false when nothing could show.
    bool paint(QPainter &painter, const QRectF &area) const;
};

// A hash of the shape alone: strokes of the same shape hash alike.
size_t qHash(const Stroke &stroke, size_t seed = 0);

// For maps keyed by a stroke's shape, whatever its colour.
struct SameShape
{
    bool operator()(const Stroke &a, const Stroke &b) const { return a.sameShape(b); }
};
struct ShapeHash
{
    size_t operator()(const Stroke &stroke) const { return qHash(stroke); }
};
