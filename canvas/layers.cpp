// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers.h"

#include <algorithm>
#include <unordered_set>

Layers::Layers(size_t count)
    : m_layers(count)
{
}

// From the last stroke back, the first of each shape is the one shown.
void Layers::compact(Layer &layer)
{
    std::unordered_set<Stroke, ShapeHash, SameShape> later;
    std::vector<Stroke> shown;
    for (auto stroke = layer.strokes.rbegin(); stroke != layer.strokes.rend(); ++stroke)
        if (later.insert(*stroke).second)
            shown.push_back(*stroke);
    std::reverse(shown.begin(), shown.end());
    layer.strokes = std::move(shown);
    layer.footprints.clear();
    layer.compacted = layer.strokes.size();
}

void Layers::measure(Layer &layer)
{
    for (size_t i = layer.footprints.size(); i < layer.strokes.size(); ++i)
        layer.footprints.push_back(layer.strokes[i].footprint());
}

void Layers::append(size_t layer, std::span<const Stroke> strokes)
{
    constexpr size_t worthCompacting = 65536; // 2 MB: a layer whose strokes are not all shown anew
    Layer &into = m_layers.at(layer);
    into.strokes.insert(into.strokes.end(), strokes.begin(), strokes.end());
    if (into.strokes.size() > 2 * into.compacted + worthCompacting)
        compact(into);
}

QRectF Layers::replace(size_t layer, std::span<const Stroke> strokes)
{
    const std::vector<Stroke> was = of(layer);
    QRectF changed;
    constexpr size_t fewToCompare = 64;
    const auto reach = [&changed](std::span<const Stroke> these) {
        for (const Stroke &stroke : these)
            changed |= stroke.footprint();
    };
    if (was.size() <= fewToCompare && strokes.size() <= fewToCompare) {
        const auto missingFrom = [&changed](std::span<const Stroke> these, std::span<const Stroke> those) {
            for (const Stroke &stroke : these)
                if (std::find(those.begin(), those.end(), stroke) == those.end())
                    changed |= stroke.footprint();
        };
        missingFrom(was, strokes);
        missingFrom(strokes, was);
        if (changed.isNull() && !std::equal(was.begin(), was.end(), strokes.begin(), strokes.end()))
            reach(strokes); // the same, reordered
    } else {
        reach(was);
        reach(strokes);
    }
    assign(layer, strokes);
    return changed;
}

void Layers::assign(size_t layer, std::span<const Stroke> strokes)
{
    m_layers.at(layer) = Layer();
    append(layer, strokes);
}

void Layers::clear()
{
    for (Layer &layer : m_layers)
        layer = Layer();
}

bool Layers::othersHoldAny(size_t layer) const
{
    for (size_t i = 0; i < m_layers.size(); ++i)
        if (i != layer && !m_layers[i].strokes.empty())
            return true;
    return false;
}

bool Layers::holdsAbove(size_t layer) const
{
    for (size_t i = layer + 1; i < m_layers.size(); ++i)
        if (!m_layers[i].strokes.empty())
            return true;
    return false;
}

std::vector<Stroke> Layers::within(const QRectF &area) const
{
    std::vector<Stroke> shown;
    for (Layer &layer : m_layers) {
        if (layer.strokes.size() > 2 * layer.compacted)
            compact(layer);
        if (area.isNull()) {
            shown.insert(shown.end(), layer.strokes.begin(), layer.strokes.end());
            continue;
        }
        measure(layer);
        for (size_t i = 0; i < layer.strokes.size(); ++i)
            if (layer.footprints[i].intersects(area))
                shown.push_back(layer.strokes[i]);
    }
    return shown;
}

std::vector<Stroke> Layers::of(size_t layer) const
{
    Layer &from = m_layers.at(layer);
    if (from.strokes.size() > from.compacted)
        compact(from);
    return from.strokes;
}
