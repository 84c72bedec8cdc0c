// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "photons.h"

#include "canvas.h"
#include "palette.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
const QRgb markColour = FormDrawing::resolve(palette::photonMark).rgb();
const QRgb tallyColour = FormDrawing::resolve(palette::photonTally).rgb();
constexpr double scatter = 6;               // pixels above or below the point a mark may land
constexpr double markLength = 3;
constexpr double tallyBelowBar = 3;         // the bar is 3 pixels wide; the tally runs just under it
}

size_t pointFor(const std::vector<double> &bars, double uniform)
{
    const double sum = std::accumulate(bars.begin(), bars.end(), 0.0);
    double reach = uniform * sum;
    for (size_t point = 0; point < bars.size(); ++point) {
        if (reach < bars[point])
            return point;
        reach -= bars[point];
    }
    // Rounding left a sliver past the last bar: the last point with any.
    const auto last = std::find_if(bars.rbegin(), bars.rend(), [](double bar) { return bar > 0; });
    return last == bars.rend() ? 0 : size_t(bars.rend() - last) - 1;
}

Photons::Photons(Canvas &canvas, quint32 seed)
    : m_canvas(canvas)
    , m_random(seed)
{
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        fire();
        m_canvas.flush();
    });
}

void Photons::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void Photons::start(const std::vector<double> &bars, const Geometry &geometry)
{
    clear();
    m_bars = bars;
    m_barSum = std::accumulate(bars.begin(), bars.end(), 0.0);
    m_geometry = geometry;
    m_hits.assign(bars.size(), 0);
    m_drawnTallies.assign(bars.size(), std::nullopt);
    if (m_barSum <= 0)
        return; // no photon lands anywhere
    m_timer.start();
    setState(State::Firing);
}

void Photons::pause()
{
    if (m_state != State::Firing)
        return;
    m_timer.stop();
    drawTallies();
    setState(State::Paused);
}

void Photons::resume()
{
    if (m_state != State::Paused)
        return;
    m_timer.start();
    setState(State::Firing);
}

void Photons::stop()
{
    m_timer.stop();
    if (m_state != State::Stopped)
        drawTallies();
    setState(State::Stopped);
}

void Photons::clear()
{
    stop();
    QRectF drawn;
    for (const Stroke &mark : m_marks)
        drawn |= mark.footprint();
    for (const std::optional<Stroke> &drawnTally : m_drawnTallies)
        if (drawnTally)
            drawn |= drawnTally->footprint();
    m_marks.clear();
    m_drawnTallies.assign(m_drawnTallies.size(), std::nullopt);
    m_hits.assign(m_hits.size(), 0);
    m_total = 0;
    if (!drawn.isNull())
        m_canvas.redrawWithin(drawn); // the picture without them
}

double Photons::tallyLength(size_t point) const
{
    return m_total == 0 ? 0 : double(m_hits[point]) / double(m_total) * m_barSum;
}

Stroke Photons::tally(size_t point) const
{
    const float y = float(m_geometry.pointY[point] + tallyBelowBar);
    return {.colour = tallyColour, .x1 = float(m_geometry.barX), .y1 = y,
            .x2 = float(m_geometry.barX + tallyLength(point)), .y2 = y};
}

size_t Photons::land()
{
    const size_t point = pointFor(m_bars, std::uniform_real_distribution<double>(0, 1)(m_random));
    const double x = std::uniform_real_distribution<double>(m_geometry.stripLeft, m_geometry.stripRight)(m_random);
    const double y = m_geometry.pointY[point] + std::uniform_real_distribution<double>(-scatter, scatter)(m_random);
    m_marks.push_back({.width = 2, .colour = markColour, .x1 = float(x), .y1 = float(y - markLength / 2),
                       .x2 = float(x), .y2 = float(y + markLength / 2)});
    ++m_hits[point];
    ++m_total;
    return point;
}

size_t Photons::fire()
{
    const size_t point = land();
    m_canvas.draw(m_marks.back());
    if (Clock::now() - m_talliesDrawn >= tallyInterval)
        drawTallies();
    return point;
}

// A tally is taken away where it was and drawn where it is when a pixel centre lies between its two ends: as hits
// add up, most tallies move by less than a pixel.
void Photons::drawTallies()
{
    const double scale = m_canvas.deviceScale(), halfPixel = 0.5 * scale; // a one-pixel line reaches past its end
    for (size_t i = 0; i < m_hits.size(); ++i) {
        const std::optional<Stroke> was = m_drawnTallies[i];
        m_drawnTallies[i] = m_hits[i] > 0 ? std::optional(tally(i)) : std::nullopt;
        if (was == m_drawnTallies[i])
            continue;
        if (was && m_drawnTallies[i]) {
            const double from = std::min(was->x2, m_drawnTallies[i]->x2) * scale;
            const double to = std::max(was->x2, m_drawnTallies[i]->x2) * scale;
            if (std::floor(to + halfPixel - 0.5) < std::ceil(from + halfPixel - 0.5))
                continue; // the same pixels
        }
        m_canvas.redrawWithin((was ? was->footprint() : QRectF()) | (m_drawnTallies[i] ? m_drawnTallies[i]->footprint() : QRectF()));
    }
    m_talliesDrawn = Clock::now();
}

void Photons::redraw(const QRectF &area) const
{
    for (const Stroke &mark : m_marks)
        if (mark.footprint().intersects(area))
            m_canvas.draw(mark);
    for (const std::optional<Stroke> &drawnTally : m_drawnTallies)
        if (drawnTally && drawnTally->footprint().intersects(area))
            m_canvas.draw(*drawnTally);
}
