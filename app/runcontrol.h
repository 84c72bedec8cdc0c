// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QScrollBar;
class QWidget;

// Starts a recorded run, pauses it, steps through it and ends it, and holds the window's input while it lasts:
// keys, clicks and the wheel aimed at its controls are dropped, but for those letThrough passes and for Start while
// it is enabled ("Pokračovat"); the scroll bar keeps the slow-down the run began with. It tells what happened
// (begins, and Playback's stateChanged, moved and ended); the window answers.
class RunControl : public QObject
{
    Q_OBJECT
public:
    RunControl(QWidget *window, QWidget *start, QScrollBar *slowDown, const Pacer &pacer,
               std::function<bool(const QEvent &)> letThrough);

    Playback &playback() { return m_playback; }
    bool running() const { return m_playback.running(); }
    // The last run, which may be going on; null before the first.
    const Timeline *run() const { return m_playback.run(); }

    // Plays run over the last one's picture where it draws alike, else on a clear one.
    void start(std::shared_ptr<const Timeline> run);
    // Pauses a playing run, or lets a paused one go on.
    void pauseOrGoOn();
    void stepForward();
    void stepBack();
    // The end of the present point, its bar drawn.
    void toPointEnd();
    // The beginning of the point, or of the one before when already there.
    void toPointBegin();
    // The picture before the run.
    void toBeginning();
    void toEnd() { m_playback.finish(); }

    // During a run, a slow-down set from elsewhere (assistive technology) goes back to the run's; true then.
    bool keepsSpeedOfRun();
    // Gives the focus back to the control that had it when the run began, if it is still shown.
    void restoreFocus();

Q_SIGNALS:
    // Before the run's first step, with the input held.
    void begins();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void seek(const std::function<size_t(const Timeline &run, size_t position)> &where);
    bool dropsDuringRun(QObject *watched, QEvent *event) const;

    QWidget *m_window;
    QWidget *m_start;
    QScrollBar *m_slowDown;
    std::function<bool(const QEvent &)> m_letThrough;
    Playback m_playback;
    int m_speedOfTheRun = 1;            // the scroll bar's value while a run lasts
    QPointer<QWidget> m_focusBeforeRun; // given the focus back when the run ends
};
