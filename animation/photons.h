// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stroke.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>
#include <random>
#include <vector>

// Which point a number drawn uniformly from [0, 1) picks: each point with a share proportional to its bar.
size_t pointFor(const std::vector<double> &bars, double uniform);

// Single photons after a run, one by one on a timer: each lands at one of the run's points at random, with a
// probability proportional to the point's bar. A hit is a short mark in the strip left of the bars, at its point's
// height with a little scatter; each point's tally is a thin line just below its bar, (its hits / all hits) × (the
// sum of the bars) long, so that it tends to the bar. Not part of any run: the window clears them when a run begins.
// It draws nothing itself: it hands on each mark (landed) and the tallies whenever they change (tallied).
class Photons : public QObject
{
    Q_OBJECT
public:
    enum class State { Stopped, Firing, Paused };
    static constexpr std::chrono::milliseconds interval{30}; // a hundred hits in three seconds
    // The tallies follow the hits at most this often while photons fly, and at once when they pause or stop.
    static constexpr std::chrono::milliseconds tallyInterval{100};

    // Where they land, in canvas pixels: the strip's ends, the bars' base line and each point's y, lowest first.
    struct Geometry
    {
        double stripLeft = 0;
        double stripRight = 0;
        double barX = 0;
        std::vector<double> pointY;
    };

    explicit Photons(quint32 seed);

    // Begins firing at these bars, lowest point first.
    void start(const std::vector<double> &bars, const Geometry &geometry);
    void pause();
    void resume();
    // No more photons; what has landed stays.
    void stop();
    // Nothing landed any more (cleared).
    void clear();
    // One photon lands: its point is picked, its mark made and its hit counted. Returns its point.
    size_t land();
    // One photon lands and is handed on: its mark, and the tallies as they now are unless they were handed on less
    // than tallyInterval ago. Returns its point.
    size_t fire();

    State state() const { return m_state; }
    const std::vector<size_t> &hits() const { return m_hits; }
    const std::vector<Stroke> &marks() const { return m_marks; }
    size_t total() const { return m_total; }
    double tallyLength(size_t point) const;
    // The tally of a point as it is now, if the point has any hits.
    Stroke tally(size_t point) const;

Q_SIGNALS:
    void stateChanged(Photons::State state);
    void landed(const Stroke &mark);
    // The tallies as they are now, of the points with any hits.
    void tallied(const std::vector<Stroke> &tallies);
    // No marks and no tallies any more.
    void cleared();

private:
    using Clock = std::chrono::steady_clock;
    void setState(State state);
    void drawTallies();

    std::mt19937 m_random;
    std::vector<double> m_bars;
    double m_barSum = 0;
    Geometry m_geometry;
    std::vector<Stroke> m_marks;
    std::vector<size_t> m_hits;
    std::vector<Stroke> m_drawnTallies; // as last handed on
    Clock::time_point m_talliesDrawn;
    size_t m_total = 0;
    State m_state = State::Stopped;
    QTimer m_timer;
};
