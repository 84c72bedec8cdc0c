// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>

// The pacing of a run, in one place. The run asks for waits in counts (an animation step waits slow-down × 30000
// counts); every count lasts countDuration of wall-clock time, so a run takes as long on every machine.
class Pacer
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds defaultCountDuration{100};

    // Zero switches the pacing off (tests and the benchmark): nothing is ever due later than now.
    void setCountDuration(std::chrono::nanoseconds duration) { m_countDuration = duration; }
    std::chrono::nanoseconds countDuration() const { return m_countDuration; }
    bool paced() const { return m_countDuration.count() > 0; }

    // The steady clock, unless tests set one of their own.
    void setClock(std::function<Clock::time_point()> clock) { m_clock = std::move(clock); }
    Clock::time_point now() const { return m_clock ? m_clock() : Clock::now(); }

    // The counts a wait really waits: a negative wait none, a fractional one rounded.
    static double counted(double counts);

    // How long after a run's start a total of counts has passed. However absurd the total, no run's clock goes
    // beyond a day.
    Clock::duration due(double totalCounts) const;

private:
    std::chrono::nanoseconds m_countDuration = defaultCountDuration;
    std::function<Clock::time_point()> m_clock;
};
