// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pacer.h"
#include "timeline.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <span>
#include <vector>

// Plays a recorded run at the pacing's deadlines, on a timer of the user-interface thread: each frame hands on the
// strokes of the steps whose time has come (drawn), at most once a screen's frame. Pausing stops the timer;
// seeking moves the position either way, a step back handing on the whole picture anew (shown) from the run
// before and the strokes recorded, exactly as playing had shown it. It draws nothing itself.
class Playback : public QObject
{
    Q_OBJECT
public:
    enum class State { Stopped, Playing, Paused };
    static constexpr std::chrono::milliseconds frameInterval{16};

    explicit Playback(const Pacer &pacer);

    // Plays run from its beginning, over the picture the previous run left (nothing before the first), or on a
    // clear picture. Unpaced, the whole run is drawn and ended at once.
    void start(std::shared_ptr<const Timeline> run, bool overPrevious = true);
    void pause();
    // Goes on from the position, with the clock restarted there: the next step comes after the last one's wait.
    void resume();
    // Shows the picture at position (clamped to the run's end), pausing a playing run first.
    void seek(size_t position);
    // Draws what is left and ends the run.
    void finish();

    State state() const { return m_state; }
    bool running() const { return m_state != State::Stopped; }
    size_t position() const { return m_position; }
    // The run playing or played last; null before the first.
    const Timeline *run() const { return m_run.get(); }

Q_SIGNALS:
    // Strokes to draw over the picture, once a frame at most.
    void drawn(std::span<const Stroke> strokes);
    // The picture is these strokes alone now.
    void shown(const std::vector<Stroke> &picture);
    // The picture shown is these strokes as they are, nothing to draw: as a run begins over the last one, which
    // covered every pixel the runs before it drew.
    void kept(std::span<const Stroke> picture);
    void stateChanged(Playback::State state);
    // After a seek, at the position reached.
    void moved(size_t position);
    // The run has been drawn to its end and its last wait is over (or finish() was called); state() is Stopped.
    void ended();

private:
    void setState(State state);
    void frame();
    void schedule(Pacer::Clock::time_point now);
    void drawUpTo(size_t position);
    void end();
    Pacer::Clock::time_point dueAt(size_t position) const;
    // The strokes that make the picture at position: same-shaped strokes painted later cover every pixel of the
    // earlier ones, which are left out.
    std::vector<Stroke> pictureAt(size_t position);

    const Pacer &m_pacer;
    std::shared_ptr<const Timeline> m_before; // the run before, whole
    std::shared_ptr<const Timeline> m_run;
    std::vector<double> m_countsBefore; // per position: counts waited before its step is drawn
    std::vector<size_t> m_nextSameShape; // per stroke of the previous run and then this one; empty until needed
    size_t m_position = 0;
    State m_state = State::Stopped;
    Pacer::Clock::time_point m_clockStart;
    QTimer m_timer;
};
