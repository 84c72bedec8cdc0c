// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>

#include <utility>
#include <vector>

class ParameterFields;
class Photons;
class Playback;
class QAction;
class QMenu;
class QPoint;
class QWidget;

// Every command of the program, each with its keys where it has any: the window's actions, listed in this order
// by its context menu (right click, the Menu key, Shift+F10). Those that cannot act now are disabled. The window
// connects each to what it does.
struct Commands
{
    Q_DECLARE_TR_FUNCTIONS(SpomalenaAnimace)
public:
    QAction *start = nullptr;       // "Start"
    QAction *pause = nullptr;       // Space, Pause: pauses a run, or goes on
    QAction *stepForward = nullptr; // →
    QAction *stepBack = nullptr;    // ←
    QAction *pointEnd = nullptr;    // Page Down: the end of the present point, its bar drawn
    QAction *pointBegin = nullptr;  // Page Up: the beginning of the point, or of the one before
    QAction *home = nullptr;        // Home: the picture before the run
    QAction *end = nullptr;         // End: the run completed
    QAction *parameters = nullptr;     // F2: shows or hides the teacher's parameter fields
    QAction *startingValues = nullptr; // "Výchozí hodnoty": the parameters' starting values again
    QMenu *holes = nullptr;            // "Otvory": one checkable item per hole, from the top; checked is open
    QAction *pattern = nullptr;        // F3, on or off: the runs that follow draw the whole pattern too
    QAction *watched = nullptr;        // F7, on or off: the runs that follow watch the photon's path
    QAction *compare = nullptr;        // F6, on or off: the runs that follow show the previous finished run's
    QAction *photons = nullptr;        // F4, on or off: single photons after a run
    QAction *table = nullptr;          // F5: the last run's values in a table, in a window beside
    QAction *brightRoom = nullptr;     // F8, on or off: "Kontrastní barvy", the picture in palette::brightRoom
    QAction *copy = nullptr;           // Ctrl+C: the picture to the clipboard
    QAction *save = nullptr;           // Ctrl+S: the picture to a PNG file the teacher names
    QAction *fullScreen = nullptr;  // F11
    QAction *help = nullptr;        // F1
    QAction *resetSettings = nullptr; // "Obnovit výchozí nastavení": what is remembered, as at the first start
    QMenu *language = nullptr;      // "Jazyk / Language": Čeština, English, Slovenčina; at once, but during a run
    QAction *quit = nullptr;        // "KONEC"

    // Made as the window's actions, in the order above; the holes' items those of parameters, the state that of
    // playback, photons and parameters. A language is chosen here, and remembered.
    void create(QWidget *window, const Playback &playback, const Photons &photons, ParameterFields &parameters);
    // Their texts, with their first keys, in the language in use.
    void retranslate();
    // Enabled, checked and named as the run, the photons and the parameters now allow.
    void update();
    // The holes' items anew where their number changed, checked while open.
    void fillHolesMenu();
    // The context menu, at a point of the screen.
    void showMenu(const QPoint &globalPosition);

private:
    QAction *add(const char *text, const QList<QKeySequence> &shortcuts);
    void separator();

    QWidget *m_window = nullptr;
    const Playback *m_playback = nullptr;
    const Photons *m_photons = nullptr;
    ParameterFields *m_parameters = nullptr;
    std::vector<std::pair<QAction *, const char *>> m_texts; // each command's text in Czech, to translate
};
