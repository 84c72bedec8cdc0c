// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stroke.h"

#include <QRectF>

#include <span>
#include <unordered_map>
#include <vector>

// The strokes a picture shows, in layers painted bottom up (layer 0 first). Within a layer a stroke covers every
// pixel of an earlier one of the same shape, which is dropped: a layer holds no more strokes than shapes, however
// often they are drawn over, as a run erases by drawing again in grey.
class Layers
{
public:
    explicit Layers(size_t count);

    size_t count() const { return m_layers.size(); }
    // The strokes drawn over the layer's, in order.
    void append(size_t layer, std::span<const Stroke> strokes);
    // The layer holds these now. Returns the area (canvas pixels) where the layer may show otherwise: that of the
    // strokes gone or new where both are few, else everywhere either reached.
    QRectF replace(size_t layer, std::span<const Stroke> strokes);
    void clear();
    // Whether any layer other than this one holds a stroke.
    bool othersHoldAny(size_t layer) const;
    // Whether any layer above this one holds a stroke.
    bool holdsAbove(size_t layer) const;
    // The strokes shown that reach within area, bottom up; a null area is everywhere.
    std::vector<Stroke> within(const QRectF &area = QRectF()) const;
    // The strokes shown of one layer, in order.
    std::vector<Stroke> of(size_t layer) const;

private:
    struct Layer
    {
        std::vector<Stroke> strokes;  // with those covered since, until compacted
        std::vector<QRectF> footprints;
        std::vector<bool> covered;
        size_t coveredCount = 0;
        std::unordered_map<Stroke, size_t, ShapeHash, SameShape> latest; // per shape, the index of its stroke shown
    };
    static void compact(Layer &layer);
    static void add(Layer &layer, const Stroke &stroke);
    std::vector<Layer> m_layers;
};
