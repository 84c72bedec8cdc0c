// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "parameters.h"
#include "setup.h"

#include <QObject>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

// The lesson's set-up on the main window: the fields nVzdalenost, nUr, nRd and nPocetOtvoru with their labels,
// shown and hidden in place, editable while shown and no run plays; which holes are covered and whether the path is
// watched; their starting values; the title's note while any of them differs; and the check that Start asks for
// before a run. Shown, the labels lie above the drawing, so that a run's band leaves them readable; hidden, beneath
// it, as created. The window creates the controls and owns this; it changes nothing but these controls and the
// window's title.
class ParameterFields : public QObject
{
    Q_OBJECT
public:
    struct Field
    {
        QLineEdit *box = nullptr;
        QLabel *label = nullptr;
        const parameters::Parameter *parameter = nullptr;
        void (*store)(Setup &setup, double value) = nullptr; // where its checked value goes
    };

    // The field of parameters::holes sets how many holes there are to cover. retranslate() gives the texts.
    ParameterFields(QWidget *window, QWidget *drawing, const std::array<Field, 4> &fields);

    // The labels, names and descriptions in the language in use, and the window's title, whose note follows.
    void retranslate(const QString &title);

    void setShown(bool shown);
    bool shown() const { return m_shown; }
    // While a run plays (paused included) the set-up cannot be changed.
    void setRunning(bool running);
    bool running() const { return m_running; }
    // The starting set-up: the fields' starting values, every hole open, nothing watched.
    void writeStartingValues();
    // Some part of the set-up is not the starting one (a text that is no number included).
    bool changed() const;
    // Checks the fields top to bottom, then the holes with their spacing. At the first that fails: the fields are
    // shown, its message is shown in a box, the field gets the focus with its text selected, and the answer is false.
    // Otherwise true, the set-up is written into setup, and nothing else changes.
    bool readyForRun(Setup &setup);
    // The set-up now: "Parametry: vzdálenost clony 200, frekvence fotonů 1, rozteč děr 40.", then the holes, the
    // covered ones and watching where they are not the starting ones.
    QString inWords() const;

    // The number of holes the holes field holds, or the last it held that could be read.
    int holes() const { return m_holes; }
    bool isOpen(int hole) const; // 1 is the top one
    // An open hole that is not the last one open.
    bool canCover(int hole) const;
    // Covers or opens a hole, unless a run plays or it is the last open one.
    void setOpen(int hole, bool open);
    bool watched() const { return m_watched; }
    void setWatched(bool watched);

Q_SIGNALS:
    void shownChanged(bool shown);
    void edited();
    // The number of holes, a cover or watching changed.
    void holesChanged();

private:
    void update();
    void readHoles();

    QWidget *m_window;
    QWidget *m_drawing;
    std::array<Field, 4> m_fields;
    QString m_title;
    bool m_shown = false;
    bool m_running = false;
    int m_holes = parameters::holes.start;
    std::vector<bool> m_covered = std::vector<bool>(size_t(parameters::holes.start), false);
    bool m_watched = false;
};
