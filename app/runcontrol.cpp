// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runcontrol.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

RunControl::RunControl(QWidget *window, QWidget *start, QScrollBar *slowDown, const Pacer &pacer,
                       std::function<bool(const QEvent &)> letThrough)
    : m_window(window)
    , m_start(start)
    , m_slowDown(slowDown)
    , m_letThrough(std::move(letThrough))
    , m_playback(pacer)
{
    connect(&m_playback, &Playback::ended, this, [this] { qApp->removeEventFilter(this); });
}

void RunControl::start(std::shared_ptr<const Timeline> run)
{
    // Whatever is held on the scroll bar (an arrow's auto-repeat, a dragged thumb) ends now, before the run.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_slowDown, &release);
    m_focusBeforeRun = QApplication::focusWidget();
    m_window->setFocus(); // the run's keys reach the window, not a text box
    m_speedOfTheRun = m_slowDown->value();
    qApp->installEventFilter(this);
    Q_EMIT begins();
    // A run that draws otherwise starts from a clear picture: its band would not cover all the last one drew.
    const Timeline *last = m_playback.run();
    const bool overLast = last && last->setup().drawsAlike(run->setup());
    m_playback.start(std::move(run), overLast);
}

void RunControl::pauseOrGoOn()
{
    if (m_playback.state() == Playback::State::Playing)
        m_playback.pause();
    else
        m_playback.resume();
}

void RunControl::seek(const std::function<size_t(const Timeline &, size_t)> &where)
{
    if (m_playback.running())
        m_playback.seek(where(*m_playback.run(), m_playback.position()));
}

void RunControl::stepForward()
{
    seek([](const Timeline &, size_t at) { return at + 1; });
}

void RunControl::stepBack()
{
    seek([](const Timeline &, size_t at) { return at > 0 ? at - 1 : 0; });
}

void RunControl::toPointEnd()
{
    seek([](const Timeline &run, size_t at) { return run.endOf(run.pointAt(at)); });
}

void RunControl::toPointBegin()
{
    seek([](const Timeline &run, size_t at) {
        const size_t point = run.pointAt(at);
        return at > run.beginOf(point) || point == 0 ? run.beginOf(point) : run.beginOf(point - 1);
    });
}

void RunControl::toBeginning()
{
    seek([](const Timeline &, size_t) { return size_t(0); });
}

bool RunControl::keepsSpeedOfRun()
{
    if (!m_playback.running())
        return false;
    const QSignalBlocker blocked(m_slowDown);
    m_slowDown->setValue(m_speedOfTheRun);
    return true;
}

void RunControl::restoreFocus()
{
    if (m_focusBeforeRun && m_focusBeforeRun->isVisible())
        m_focusBeforeRun->setFocus();
}

bool RunControl::eventFilter(QObject *watched, QEvent *event)
{
    return dropsDuringRun(watched, event) || QObject::eventFilter(watched, event);
}

bool RunControl::dropsDuringRun(QObject *watched, QEvent *event) const
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_letThrough(*event))
            return false;
        [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return m_playback.running() && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == m_window
               && !(watched == m_start && m_start->isEnabled()); // "Pokračovat"
    default:
        return false;
    }
}
