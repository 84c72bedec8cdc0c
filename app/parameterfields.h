// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "parameters.h"
#include "setup.h"

#include <QObject>

#include <array>

class QLabel;
class QLineEdit;
class QWidget;

// The teacher's parameters on the main window: the fields nVzdalenost, nUr and nRd with their labels, shown and
// hidden in place, editable while shown and no run plays; their starting values; the title's note while a value
// differs from them; and the check that Start asks for before a run. Shown, the labels lie above the drawing, so
// that a run's band leaves them readable; hidden, beneath it, as created. The window creates the controls and
// owns this; it changes nothing but these six controls and the window's title.
class ParameterFields : public QObject
{
    Q_OBJECT
public:
    struct Field
    {
        QLineEdit *box = nullptr;
        QLabel *label = nullptr;
        const parameters::Parameter *parameter = nullptr;
        double Setup::*value = nullptr; // where its value goes
    };

    // The window's title as it is now stays the start of its title.
    ParameterFields(QWidget *window, QWidget *drawing, const std::array<Field, 3> &fields);

    void setShown(bool shown);
    bool shown() const { return m_shown; }
    // While a run plays (paused included) the fields cannot be edited.
    void setRunning(bool running);
    void writeStartingValues();
    // Some field holds other than its starting value (a text that is no number included).
    bool changed() const;
    // Checks the fields top to bottom. At the first that fails: the fields are shown, its message is shown in a box,
    // the field gets the focus with its text selected, and the answer is false. Otherwise true, the values are
    // written into setup, and nothing else changes.
    bool readyForRun(Setup &setup);
    // The fields' texts now: "Parametry: vzdálenost clony 200, frekvence fotonů 1, rozteč děr 40."
    QString inWords() const;

Q_SIGNALS:
    void shownChanged(bool shown);
    void edited();

private:
    void update();

    QWidget *m_window;
    QWidget *m_drawing;
    std::array<Field, 3> m_fields;
    QString m_title;
    bool m_shown = false;
    bool m_running = false;
};
