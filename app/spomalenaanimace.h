// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands.h"
#include "originalform.h"
#include "pacer.h"
#include "palette.h"
#include "photons.h"
#include "playback.h"

#include <QWidget>

#include <memory>

class HelpWindow;
class Narration;
class ParameterFields;
class PictureFeed;
class RunControl;
class ScaledLayout;
class TableWindow;
class WindowMemory;

// The program's one window. It assembles the rooms and connects them: the original's form (OriginalForm, its
// controls and their handlers), the run's control (RunControl), the commands and their menu (Commands), what the
// canvas shows (PictureFeed), the screen reader's words (Narration), the picture's export (PictureExport), the
// parameter fields, the layout that scales it, the help and the table beside it, and what is remembered.
// "Start" (cmdStart_Click) checks the fields, has the run of their values recorded (recordRun) and plays it.
// Form_Load runs at construction. It opens at clientSize and can be made larger, maximised or full screen (F11).
class SpomalenaAnimace : public QWidget, public OriginalForm
{
    Q_OBJECT
public:
    // The layout's client area in logical pixels, the window's size at start and its least: the whole drawing
    // reaches x = 800 and y = 581.
    static constexpr QSize clientSize{810, 600};

    explicit SpomalenaAnimace(QWidget *parent = nullptr);
    ~SpomalenaAnimace() override;

    Commands commands;

    Pacer &pacer() { return m_pacer; }
    ParameterFields &parameterFields() { return *m_parameters; }
    Playback &playback();
    Photons &photons() { return *m_photons; }
    // The bar of each point of the last run, lowest first, as drawn; empty before the first.
    std::vector<double> probabilities() const;

    // The picture as the window shows it at zoom 1: the drawing on the window's grey, with the title and the
    // captions, without the buttons and the scroll bar; 810 × 600 times the screen's pixel ratio, whatever the zoom.
    QImage picture();
    // Saves picture() as PNG; when that fails, a Czech message says why, and false is returned.
    bool savePicture(const QString &fileName);
    // Shows the help, pausing a playing run; the help grows with the window.
    void showHelp();
    // The palette the picture is shown in now.
    const palette::Colours &colours() const;

    // The click handler of "Start": the fields checked, the run of their values recorded, then played.
    void cmdStart_Click();
    // Writes the starting values of the parameter fields and selects "Rychlá".
    void Form_Load();
    // Ends the program: closes the window, which quits the application with status 0.
    void cmdKonec_Click();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // A click on a hole of the drawing covers it or opens it again.
    void mousePressEvent(QMouseEvent *event) override;

private:
    void connectHandlers();
    void connectCommands();
    // Every text in the language in use.
    void retranslate();
    // "Start": the run, unless one is going on; "Pokračovat" while one is paused.
    void runFromStart();
    // While a run lasts the controls that have handlers are disabled, but Start while it is paused.
    void runBegins();
    void runPausedOrGoesOn(Playback::State state);
    void runEnds();
    void photonsStopOrGoOn(Photons::State state);
    void showColours();

    Pacer m_pacer;
    std::unique_ptr<RunControl> m_run;
    std::unique_ptr<Photons> m_photons;
    std::unique_ptr<ParameterFields> m_parameters;
    std::unique_ptr<PictureFeed> m_feed;
    std::unique_ptr<Narration> m_narration;
    std::unique_ptr<ScaledLayout> m_layout;
    HelpWindow *m_help = nullptr;     // made when first shown
    TableWindow *m_table = nullptr;   // made when first shown
    WindowMemory *m_memory = nullptr; // the window's child
};
