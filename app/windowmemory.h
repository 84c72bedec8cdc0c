// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spomalenaanimace.h"

#include <QObject>

#include <array>

// Brings back the window's switches, geometry and full screen from the settings when it is made, before it shows,
// and keeps them there: a switch when it changes, the geometry when the window closes. The lesson's set-up and the
// slow-down are never remembered.
class WindowMemory : public QObject
{
public:
    // A switch remembered: its key in the settings and its command, a checkable one.
    struct Switch
    {
        const char *key;
        QAction *SpomalenaAnimace::Commands::*command;
    };
    // Every switch remembered.
    static constexpr std::array switches{
        Switch{"pattern", &SpomalenaAnimace::Commands::pattern},
        Switch{"brightRoom", &SpomalenaAnimace::Commands::brightRoom},
        Switch{"compare", &SpomalenaAnimace::Commands::compare},
    };

    // The window's commands exist already.
    explicit WindowMemory(SpomalenaAnimace &window);

    // Back to the first start: the switches off, not full screen, 810 × 600, the folder forgotten.
    void reset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SpomalenaAnimace &m_window;
};
