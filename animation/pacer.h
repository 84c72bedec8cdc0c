// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <chrono>
#include <functional>

// Thrown out of Pacer::count() once the run has been cancelled (the window is closing).
struct RunCancelled
{
};

// Paces a run on a steady clock. The model counts (a step of the animation waits slow-down × 30000 counts);
// every count lasts countDuration of wall-clock time, measured against deadlines from the run's start, so
// drawing time never piles up into drift. Every 8 ms, waiting or not, the event loop gets a turn: the window
// repaints at a screen's pace, showing at each turn just the steps whose time has come, and a close request is
// seen. Between turns the thread sleeps; it never spins.
// Mouse, keyboard and wheel input is dropped while a run lasts, not queued, except what letThrough() accepts.
// All on the user-interface thread.
class Pacer : public QObject
{
public:
    static constexpr std::chrono::nanoseconds defaultCountDuration{100};

    // Zero switches the pacing off (tests and the benchmark): no waiting, though the event loop still gets turns.
    void setCountDuration(std::chrono::nanoseconds duration) { m_countDuration = duration; }
    std::chrono::nanoseconds countDuration() const { return m_countDuration; }

    // One run, for the lifetime of this object: the clock starts at zero and input is dropped until it ends.
    class Run
    {
    public:
        explicit Run(Pacer &pacer);
        ~Run();
        Run(const Run &) = delete;
        Run &operator=(const Run &) = delete;

    private:
        Pacer &m_pacer;
    };

    // Input that still reaches the window during a run: window commands that leave the run alone.
    void letThrough(std::function<bool(const QEvent &)> accepts) { m_letThrough = std::move(accepts); }

    bool isRunning() const { return m_running; }
    // Counts waited for so far in this run.
    double countsSoFar() const { return m_counts; }

    // Waits until the run's clock has reached every count so far, this one included, give or take the part
    // of a turn interval that no screen shows. A negative count waits nothing; a fractional one is rounded.
    // Throws RunCancelled after cancel().
    void count(double counts);

    // Ends the run at its next wait; the first wait of a later run starts afresh.
    void cancel() { m_cancelled = true; }

    // Called with the counts of every wait, before it is waited for; for tests and the benchmark.
    void setObserver(std::function<void(double counts)> observer) { m_observer = std::move(observer); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveEventLoopATurn();

    std::function<void(double)> m_observer;
    std::chrono::nanoseconds m_countDuration = defaultCountDuration;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastTurn;
    std::function<bool(const QEvent &)> m_letThrough;
    double m_counts = 0;
    bool m_running = false;
    bool m_cancelled = false;
};
