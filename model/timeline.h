// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup.h"
#include "stroke.h"

#include <cstddef>
#include <optional>
#include <vector>

// A run as data: its set-up, every stroke it draws, in order, cut into steps at the pacing's waits, and where each detector
// point begins. A position is a count of steps drawn, from 0 (nothing of the run) to steps().size() (all of it).
class Timeline
{
public:
    // The whole pattern: the bar of a pixel row of the detector.
    struct PatternRow
    {
        double y = 0;
        double bar = 0;
        bool operator==(const PatternRow &) const = default;
    };
    // What a finished run leaves to compare the next one with: its bars, its pattern (empty when it drew none) and
    // its set-up. Values only, so that no run keeps the one before alive.
    struct Result
    {
        std::vector<double> bars;
        std::vector<PatternRow> pattern;
        Setup setup;
    };

    // A run of this set-up, drawn beside the result of the run before when there is one to compare with.
    explicit Timeline(const Setup &setup = {}, std::optional<Result> previous = std::nullopt)
        : m_setup(setup)
        , m_previous(std::move(previous))
    {
    }
    const Setup &setup() const { return m_setup; }
    const std::optional<Result> &previous() const { return m_previous; }
    // This run's result, once recorded.
    Result result() const { return {m_probabilities, m_pattern, m_setup}; }

    struct Step
    {
        size_t strokesEnd = 0; // the strokes of steps up to and including this one
        double counts = 0;     // the pacing's wait after it, as the run asked for it
    };

    // Recording. Strokes are appended to strokes(); wait() ends the step that holds those not yet in one,
    // beginPoint() marks where the next step begins a detector point.
    std::vector<Stroke> &strokes() { return m_strokes; }
    void wait(double counts);
    void beginPoint();
    // The bar of each point, lowest first, in pixels exactly as drawn, and the point's y.
    void addProbability(double detectorY, double bar)
    {
        m_pointY.push_back(detectorY);
        m_probabilities.push_back(bar);
    }
    // Where the bars begin, and the strip left of them that nothing is drawn in (canvas pixels).
    void setBarBase(double barX, double freeLeft)
    {
        m_barX = barX;
        m_freeLeft = freeLeft;
    }
    // The whole pattern, each pixel row in the order drawn; empty when it is not drawn.
    void addPatternRow(double y, double bar) { m_pattern.push_back({y, bar}); }

    const std::vector<Stroke> &strokes() const { return m_strokes; }
    const std::vector<Step> &steps() const { return m_steps; }
    const std::vector<double> &probabilities() const { return m_probabilities; }
    const std::vector<double> &pointY() const { return m_pointY; }
    double barX() const { return m_barX; }
    double freeLeft() const { return m_freeLeft; }
    const std::vector<PatternRow> &pattern() const { return m_pattern; }
    size_t points() const { return m_pointBegins.size(); }
    size_t end() const { return m_steps.size(); }

    // Strokes drawn at a position.
    size_t strokesAt(size_t position) const { return position == 0 ? 0 : m_steps[position - 1].strokesEnd; }
    // The point whose step comes next at a position (the last point at the end), and the position where it begins.
    size_t pointAt(size_t position) const;
    size_t beginOf(size_t point) const { return point < points() ? m_pointBegins[point] : end(); }
    // The end of a point: where its last step has been drawn.
    size_t endOf(size_t point) const { return beginOf(point + 1); }

private:
    Setup m_setup;
    std::optional<Result> m_previous;
    std::vector<Stroke> m_strokes;
    std::vector<Step> m_steps;
    std::vector<size_t> m_pointBegins;
    std::vector<double> m_probabilities;
    std::vector<double> m_pointY;
    std::vector<PatternRow> m_pattern;
    double m_barX = 0;
    double m_freeLeft = 0;
};
