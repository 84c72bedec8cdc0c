// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pacer.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <cmath>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;

// During a run the event loop gets a turn this often: about as often as a fast screen refreshes, so every
// frame shows the latest step, a close request or an exposure is handled at once, and no time goes into
// painting steps that no screen could show.
constexpr std::chrono::milliseconds turnInterval{8};
// However absurd the slow-down, a run's clock reaches no further than a day from its start.
constexpr std::chrono::duration<double, std::nano> longestRun = std::chrono::hours(24);

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}
}

Pacer::Run::Run(Pacer &pacer)
    : m_pacer(pacer)
{
    m_pacer.m_start = Clock::now();
    m_pacer.m_counts = 0;
    m_pacer.m_lastTurn = m_pacer.m_start - turnInterval;
    m_pacer.m_running = true;
    m_pacer.m_cancelled = false;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(&m_pacer);
}

Pacer::Run::~Run()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(&m_pacer);
    m_pacer.m_running = false;
}

void Pacer::count(double counts)
{
    if (m_observer)
        m_observer(counts);
    if (counts > 0)
        m_counts += std::round(counts);
    // Without pacing nothing is due, however many counts (even infinitely many) have piled up.
    const std::chrono::duration<double, std::nano> due(m_countDuration.count() == 0 ? 0 : m_counts * m_countDuration.count());
    const auto deadline = m_start + std::chrono::duration_cast<Clock::duration>(due < longestRun ? due : longestRun);
    // Only the turns show the drawing, so a wait ends as soon as the next turn would come after its deadline:
    // every turn then shows exactly the steps that are due, and the thread sleeps once per turn, not per step.
    while (!m_cancelled) {
        if (Clock::now() - m_lastTurn >= turnInterval) {
            giveEventLoopATurn();
            continue;
        }
        const auto nextTurn = m_lastTurn + turnInterval;
        if (deadline <= nextTurn)
            break;
        std::this_thread::sleep_until(nextTurn);
    }
    if (m_cancelled)
        throw RunCancelled{};
}

void Pacer::giveEventLoopATurn()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    m_lastTurn = Clock::now();
}

bool Pacer::eventFilter(QObject *watched, QEvent *event)
{
    if (m_running && isUserInput(event->type()) && !(m_letThrough && m_letThrough(*event)))
        return true;
    return QObject::eventFilter(watched, event);
}
