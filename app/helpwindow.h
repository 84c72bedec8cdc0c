// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palette.h"
#include "setup.h"

#include <QAction>
#include <QList>
#include <QWidget>

class Playback;
class QTextBrowser;

// Help in Czech, a small window of its own beside the main one: a legend of the picture, the physics of the run
// drawn last (its values and wavelength; anew when a run ends), and every key of the program, taken from the commands
// it is given.
class HelpWindow : public QWidget
{
public:
    // Its size at the main window's zoom 1, in logical pixels.
    static constexpr QSize baseSize{560, 600};

    HelpWindow(QWidget *mainWindow, const Playback &playback);

    // Shows the keys of these commands; an action's text is "name\tkeys", and those without keys are left out. The
    // legend shows the palette given.
    void setCommands(const QList<QAction *> &commands, const palette::Colours &colours = palette::standard);
    // As large as the main window's content, zoom times the size at 1.
    void setZoom(qreal zoom);
    // Shows it, at first beside the main window where the screen has room, else over its right part, and raises it.
    void showBeside();

private:
    void showText();

    QTextBrowser *m_text;
    const Playback &m_playback;
    QList<QAction *> m_commands;
    const palette::Colours *m_colours = &palette::standard;
    QFont m_baseFont;
    qreal m_zoom = 1;
    bool m_placed = false;
};

// The help's text, as HTML, for the set-up drawn (the starting one before any run), its legend in the palette given.
QString helpText(const QList<QAction *> &commands, const Setup &drawn = {},
                 const palette::Colours &colours = palette::standard);
