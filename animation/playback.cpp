// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback.h"

#include <algorithm>
#include <span>
#include <unordered_map>

namespace {
constexpr size_t never = size_t(-1);
}

Playback::Playback(const Pacer &pacer)
    : m_pacer(pacer)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Playback::frame);
}

void Playback::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void Playback::start(std::shared_ptr<const Timeline> run, bool overPrevious)
{
    m_timer.stop();
    if (!overPrevious) {
        m_run = nullptr;
        m_before = nullptr;
        Q_EMIT shown({});
    }
    if (m_run) {
        m_before = std::move(m_run);
        Q_EMIT kept(m_before->strokes());
    }
    m_run = std::move(run);
    m_nextSameShape.clear();
    m_countsBefore.assign(1, 0);
    for (const Timeline::Step &step : m_run->steps())
        m_countsBefore.push_back(m_countsBefore.back() + Pacer::counted(step.counts));
    m_position = 0;
    m_clockStart = m_pacer.now();
    setState(State::Playing);
    if (!m_pacer.paced()) {
        finish();
        return;
    }
    frame();
}

Pacer::Clock::time_point Playback::dueAt(size_t position) const
{
    return m_clockStart + m_pacer.due(m_countsBefore[position]);
}

// Draws every step whose time has come; the run ends once the wait after its last step is over.
void Playback::frame()
{
    const auto now = m_pacer.now();
    size_t reached = m_position;
    while (reached < m_run->end() && dueAt(reached) <= now)
        ++reached;
    drawUpTo(reached);
    if (m_position == m_run->end() && dueAt(m_position) <= now) {
        end();
        return;
    }
    schedule(now);
}

// The next frame when the next step is due, but not before a screen could show another frame.
void Playback::schedule(Pacer::Clock::time_point now)
{
    const auto next = std::max(dueAt(m_position), now + frameInterval);
    m_timer.start(std::chrono::ceil<std::chrono::milliseconds>(next - now));
}

void Playback::drawUpTo(size_t position)
{
    if (position <= m_position)
        return;
    const std::vector<Stroke> &strokes = m_run->strokes();
    const size_t from = m_run->strokesAt(m_position);
    m_position = position;
    Q_EMIT drawn(std::span(strokes).subspan(from, m_run->strokesAt(position) - from));
}

void Playback::pause()
{
    if (m_state != State::Playing)
        return;
    m_timer.stop();
    setState(State::Paused);
}

void Playback::resume()
{
    if (m_state != State::Paused)
        return;
    const auto now = m_pacer.now();
    m_clockStart = now - m_pacer.due(m_countsBefore[m_position > 0 ? m_position - 1 : 0]);
    setState(State::Playing);
    schedule(now - frameInterval); // the next step as soon as it is due
}

void Playback::seek(size_t position)
{
    if (!running())
        return;
    pause();
    position = std::min(position, m_run->end());
    if (position >= m_position) {
        drawUpTo(position);
    } else {
        m_position = position;
        Q_EMIT shown(pictureAt(position));
    }
    Q_EMIT moved(m_position);
}

void Playback::finish()
{
    if (!running())
        return;
    m_timer.stop();
    drawUpTo(m_run->end());
    end();
}

void Playback::end()
{
    m_timer.stop();
    setState(State::Stopped);
    Q_EMIT ended();
}

std::vector<Stroke> Playback::pictureAt(size_t position)
{
    if (!m_run)
        return {};
    const std::vector<Stroke> empty;
    const std::vector<Stroke> &before = m_before ? m_before->strokes() : empty;
    const std::vector<Stroke> &now = m_run->strokes();
    const auto strokeAt = [&](size_t i) -> const Stroke & { return i < before.size() ? before[i] : now[i - before.size()]; };
    const size_t all = before.size() + now.size();
    if (m_nextSameShape.size() != all) {
        m_nextSameShape.assign(all, never);
        std::unordered_map<Stroke, size_t, ShapeHash, SameShape> later;
        for (size_t i = all; i-- > 0;) {
            const auto [found, inserted] = later.try_emplace(strokeAt(i), i);
            if (!inserted) {
                m_nextSameShape[i] = found->second;
                found->second = i;
            }
        }
    }
    const size_t end = before.size() + m_run->strokesAt(position);
    std::vector<Stroke> picture;
    for (size_t i = 0; i < end; ++i)
        if (m_nextSameShape[i] >= end)
            picture.push_back(strokeAt(i));
    return picture;
}
