// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stroke.h"

#include <QRectF>

#include <span>
#include <vector>

// The strokes a picture shows, in layers painted bottom up (layer 0 first). Within a layer a stroke covers every
// pixel of an earlier one of the same shape, which is dropped now and then (compact): a layer holds no more than
// about twice as many strokes as shapes, however often they are drawn over, as a run erases by drawing again in grey.
// Appending costs no more than copying the strokes, so that playing a run pays nothing for it.
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
    // The layer holds these now, nothing compared.
    void assign(size_t layer, std::span<const Stroke> strokes);
    // Whether any layer other than this one holds a stroke.
    bool othersHoldAny(size_t layer) const;
    // Whether any layer above this one holds a stroke.
    bool holdsAbove(size_t layer) const;
    // The strokes that reach within area, bottom up, painted in this order giving the picture; a null area is
    // everywhere.
    std::vector<Stroke> within(const QRectF &area = QRectF()) const;
    // The strokes shown of one layer, in order, none covered by a later one.
    std::vector<Stroke> of(size_t layer) const;

private:
    struct Layer
    {
        std::vector<Stroke> strokes;    // in order, with some covered since, until compacted
        std::vector<QRectF> footprints; // of the first strokes, made when asked for
        size_t compacted = 0;           // how many strokes the last compaction left
    };
    // The covered strokes dropped.
    static void compact(Layer &layer);
    static void measure(Layer &layer);
    mutable std::vector<Layer> m_layers;
};
