// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "photons.h"

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

Photons::Photons(quint32 seed)
    : m_random(seed)
{
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &Photons::fire);
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
    const bool any = !m_marks.empty();
    m_marks.clear();
    m_drawnTallies.clear();
    m_hits.assign(m_hits.size(), 0);
    m_total = 0;
    if (any)
        Q_EMIT cleared();
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
    Q_EMIT landed(m_marks.back());
    if (Clock::now() - m_talliesDrawn >= tallyInterval)
        drawTallies();
    return point;
}

void Photons::drawTallies()
{
    std::vector<Stroke> tallies;
    for (size_t i = 0; i < m_hits.size(); ++i)
        if (m_hits[i] > 0)
            tallies.push_back(tally(i));
    m_talliesDrawn = Clock::now();
    if (tallies == m_drawnTallies)
        return;
    m_drawnTallies = std::move(tallies);
    Q_EMIT tallied(m_drawnTallies);
}
