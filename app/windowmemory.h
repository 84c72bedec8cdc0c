// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands.h"

#include <QObject>
#include <QSize>

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
        QAction *Commands::*command;
    };
    // Every switch remembered.
    static constexpr std::array switches{
        Switch{"pattern", &Commands::pattern},
        Switch{"brightRoom", &Commands::brightRoom},
        Switch{"compare", &Commands::compare},
    };

    // The window's commands exist already; reset() gives the window its least size, which it has now.
    WindowMemory(QWidget &window, Commands &commands);

    // Back to the first start: the switches off, not full screen, 810 × 600, the folder forgotten.
    void reset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    Commands &m_commands;
    const QSize m_firstSize;
};
