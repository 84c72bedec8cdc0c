// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timeline.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;

// What a screen reader says of the window: the accessible names and descriptions of its controls and of the
// drawing, and the sentences that follow a run as it begins, pauses, steps, ends and as photons land. Start
// carries the run's news, since it has the focus while a run is paused. The window tells it what happened.
class Narration
{
    Q_DECLARE_TR_FUNCTIONS(SpomalenaAnimace)
public:
    // The controls it speaks through; parametersInWords gives the values in the parameter fields in words.
    struct Controls
    {
        QWidget *window = nullptr;
        QWidget *start = nullptr;
        QWidget *quit = nullptr;
        QScrollBar *slowDown = nullptr;
        QWidget *address = nullptr;
        QLabel *title = nullptr;
        QLabel *hint = nullptr;
        std::vector<QLineEdit *> captions;
        QWidget *drawing = nullptr;
    };
    Narration(Controls controls, std::function<QString()> parametersInWords);

    // Every name and description in the language in use; lastRun is the run drawn, if any, and running whether it
    // is still going on.
    void retranslate(const Timeline *lastRun, bool running);
    // The drawing with the parameters in the fields and without a result: before the first run, and during one.
    void describeDrawing(const QString &result = {});
    // The slow-down and what it means, for the tooltip and for assistive technology.
    void describeSlowDown();

    void runBegins();
    // Start's description only: the window is not busy once Start has the focus.
    void runPaused(const Timeline &run, size_t position);
    void runGoesOn();
    void setBusy(bool busy);
    void runMoved(const Timeline &run, size_t position);
    void runEnds(const Timeline &run);

    void photonsFiring(const QString &photonsKey);
    void photonsPaused(const QString &photonsKey);
    void photonsStopped(const Timeline &run, const std::vector<size_t> &hits);

    // The run's bars in words, and its whole pattern's where it has one.
    static QString resultInWords(const Timeline &run);

private:
    void describeStart(const QString &text);
    Controls m_controls;
    std::function<QString()> m_parametersInWords;
};
