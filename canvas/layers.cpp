// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers.h"

#include <algorithm>

Layers::Layers(size_t count)
    : m_layers(count)
{
}

void Layers::add(Layer &layer, const Stroke &stroke)
{
    const size_t index = layer.strokes.size();
    const auto [found, inserted] = layer.latest.try_emplace(stroke, index);
    if (!inserted) {
        layer.covered[found->second] = true;
        ++layer.coveredCount;
        found->second = index;
    }
    layer.strokes.push_back(stroke);
    layer.footprints.push_back(stroke.footprint());
    layer.covered.push_back(false);
}

// The covered strokes dropped once they are the most of the layer.
void Layers::compact(Layer &layer)
{
    constexpr size_t worthIt = 256;
    if (layer.coveredCount < worthIt || 2 * layer.coveredCount < layer.strokes.size())
        return;
    size_t kept = 0;
    for (size_t i = 0; i < layer.strokes.size(); ++i) {
        if (layer.covered[i])
            continue;
        layer.strokes[kept] = layer.strokes[i];
        layer.footprints[kept] = layer.footprints[i];
        layer.latest[layer.strokes[kept]] = kept;
        ++kept;
    }
    layer.strokes.resize(kept);
    layer.footprints.resize(kept);
    layer.covered.assign(kept, false);
    layer.coveredCount = 0;
}

void Layers::append(size_t layer, std::span<const Stroke> strokes)
{
    Layer &into = m_layers.at(layer);
    for (const Stroke &stroke : strokes)
        add(into, stroke);
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
    m_layers.at(layer) = Layer();
    append(layer, strokes);
    return changed;
}

void Layers::clear()
{
    for (Layer &layer : m_layers)
        layer = Layer();
}

bool Layers::othersHoldAny(size_t layer) const
{
    for (size_t i = 0; i < m_layers.size(); ++i)
        if (i != layer && m_layers[i].strokes.size() > m_layers[i].coveredCount)
            return true;
    return false;
}

bool Layers::holdsAbove(size_t layer) const
{
    for (size_t i = layer + 1; i < m_layers.size(); ++i)
        if (m_layers[i].strokes.size() > m_layers[i].coveredCount)
            return true;
    return false;
}

std::vector<Stroke> Layers::within(const QRectF &area) const
{
    std::vector<Stroke> shown;
    for (const Layer &layer : m_layers)
        for (size_t i = 0; i < layer.strokes.size(); ++i)
            if (!layer.covered[i] && (area.isNull() || layer.footprints[i].intersects(area)))
                shown.push_back(layer.strokes[i]);
    return shown;
}

std::vector<Stroke> Layers::of(size_t layer) const
{
    const Layer &from = m_layers.at(layer);
    std::vector<Stroke> shown;
    for (size_t i = 0; i < from.strokes.size(); ++i)
        if (!from.covered[i])
            shown.push_back(from.strokes[i]);
    return shown;
}
