// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefeed.h"

#include "canvas.h"
#include "detectorscan.h"
#include "parameterfields.h"
#include "photons.h"
#include "playback.h"

#include <QLineF>

PictureFeed::PictureFeed(Canvas &canvas, const Playback &playback, Photons &photons, const ParameterFields &parameters)
    : m_canvas(canvas)
    , m_playback(playback)
    , m_photons(photons)
    , m_parameters(parameters)
{
    const auto show = [this](Layer layer, std::span<const Stroke> strokes) {
        m_canvas.show(layer, strokes);
        m_canvas.flush();
    };
    connect(&playback, &Playback::drawn, this, [this](std::span<const Stroke> strokes) {
        m_canvas.draw(strokes, runs);
        m_canvas.flush();
    });
    connect(&playback, &Playback::kept, this, [this](std::span<const Stroke> picture) { m_canvas.keep(runs, picture); });
    connect(&playback, &Playback::shown, this, [show](const std::vector<Stroke> &picture) { show(runs, picture); });
    connect(&photons, &Photons::landed, this, [this](const Stroke &mark) {
        m_canvas.draw(mark, photonMarks);
        m_canvas.flush();
    });
    connect(&photons, &Photons::tallied, this, [show](const std::vector<Stroke> &tallies) { show(photonTallies, tallies); });
    connect(&photons, &Photons::cleared, this, [show] {
        show(photonMarks, {});
        show(photonTallies, {});
    });
}

void PictureFeed::showHoleCovers()
{
    std::vector<Stroke> marks;
    const Timeline *run = m_playback.run();
    if (run && !m_parameters.running() && run->setup().holes == m_parameters.holes())
        for (int hole = 1; hole <= run->setup().holes; ++hole)
            if (run->setup().isOpen(hole) != m_parameters.isOpen(hole))
                marks.push_back(holeRing(run->setup(), hole, m_parameters.isOpen(hole)));
    m_canvas.show(holeCovers, marks);
    m_canvas.flush();
}

int PictureFeed::holeAt(QPoint position) const
{
    constexpr double reach = 6; // pixels of the drawing around a hole's centre
    const Timeline *run = m_playback.run();
    if (!run || run->setup().holes != m_parameters.holes())
        return 0;
    const QPointF at = QPointF(position - m_canvas.pos()) / m_canvas.zoom();
    int nearest = 0;
    double nearestDistance = reach;
    for (int hole = 1; hole <= run->setup().holes; ++hole) {
        const Stroke ring = holeRing(run->setup(), hole, true);
        const double distance = QLineF(at, QPointF(ring.x1, ring.y1)).length();
        if (distance <= nearestDistance) {
            nearest = hole;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void PictureFeed::firePhotons(bool on)
{
    if (!on || m_playback.running() || !m_playback.run()) {
        m_photons.stop();
        return;
    }
    const Timeline &run = *m_playback.run();
    // In the free strip left of the bars; where the sum column leaves none, just left of the base line.
    constexpr double margin = 5, narrowest = 10;
    const double right = run.barX() - margin;
    const double left = std::min(run.freeLeft() + margin, right - narrowest);
    m_photons.start(run.probabilities(), {left, right, run.barX(), run.pointY()});
}
