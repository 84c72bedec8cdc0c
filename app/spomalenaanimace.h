// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "detectorscan.h"
#include "palette.h"
#include "pacer.h"
#include "photons.h"
#include "playback.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class Canvas;
class HelpWindow;
class ParameterFields;
class ScaledLayout;
class TableWindow;
class WindowMemory;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QMenu;
class QScrollBar;

// The program's one window: its 23 controls, the drawing canvas, and the handlers. "Start" (cmdStart_Click) checks
// the fields, has the run of their values recorded (recordRun) and plays it; while a run lasts the teacher can
// pause it and step through it. Form_Load runs at construction.
// It opens at clientSize and can be made larger, maximised or full screen (F11), its content scaled to fit.
// F2 shows the teacher's parameter fields, which Start checks before a run (ParameterFields).
class SpomalenaAnimace : public QWidget
{
    Q_OBJECT
public:
    // The layout's client area in logical pixels, the window's size at start and its least: the whole drawing
    // reaches x = 800 and y = 581.
    static constexpr QSize clientSize{810, 600};

    explicit SpomalenaAnimace(QWidget *parent = nullptr);
    ~SpomalenaAnimace() override;

    // The controls, in the order of their numbers.
    QGroupBox *frmAnimace = nullptr;
    QRadioButton *opPomalá = nullptr;
    QRadioButton *opPomalší = nullptr;
    QRadioButton *opRychla = nullptr;
    QLineEdit *nSpomaleni = nullptr;
    QLineEdit *nAdresa = nullptr;
    QLineEdit *nZdroj = nullptr;
    QLineEdit *nPravděpodob = nullptr;
    QLineEdit *nSoučet = nullptr;
    QLineEdit *nStínítko = nullptr;
    QLineEdit *nClona = nullptr;
    QPushButton *cmdKonec = nullptr;
    QPushButton *cmdStart = nullptr;
    QLineEdit *nVzdalenost = nullptr;
    QLineEdit *nUr = nullptr;
    QLineEdit *nRd = nullptr;
    QLineEdit *nPocetFotonu = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *labTitul = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *labFrekvence = nullptr;
    QLabel *labRoztec = nullptr;
    QScrollBar *HScroll1 = nullptr;

    Canvas *canvas = nullptr;
    QLineEdit *nBezInterference = nullptr; // names the level without interference, after a run with the pattern
    QLineEdit *nPredtim = nullptr;         // what the run compared with differed in, after a run that compared
    QLabel *labOtvory = nullptr;           // "Počet otvorů", shown with the parameters
    QLineEdit *nPocetOtvoru = nullptr;     // the number of holes, shown with the parameters

    // Every command of the program, each with its keys where it has any: the window's actions, listed in this
    // order by its context menu (right click, the Menu key, Shift+F10). Those that cannot act now are disabled.
    struct Commands
    {
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
        QAction *copy = nullptr;           // Ctrl+C: picture() to the clipboard
        QAction *save = nullptr;           // Ctrl+S: picture() to a PNG file the teacher names
        QAction *fullScreen = nullptr;  // F11
        QAction *help = nullptr;        // F1
        QAction *resetSettings = nullptr; // "Obnovit výchozí nastavení": what is remembered, as at the first start
        QMenu *language = nullptr;      // "Jazyk / Language": Čeština, English, Slovenčina; at once, but during a run
        QAction *quit = nullptr;        // "KONEC"
    };
    Commands commands;

    Pacer &pacer() { return m_pacer; }
    ParameterFields &parameterFields() { return *m_parameters; }
    Playback &playback() { return *m_playback; }
    Photons &photons() { return *m_photons; }
    // The bar of each point of the last run, lowest first, as drawn; empty before the first.
    std::vector<double> probabilities() const;

    // The picture as the window shows it at zoom 1: the drawing on the window's grey, with the title and the
    // captions, without the buttons and the scroll bar; 810 × 600 times the screen's pixel ratio, whatever the zoom.
    QImage picture();
    // Saves picture() as PNG; when that fails, a Czech message says why, and false is returned.
    bool savePicture(const QString &fileName);
    // Asks for a file name, with one suggested, and saves there; a playing run is paused first.
    void savePictureAs();
    // Shows the help, pausing a playing run; the help grows with the window.
    void showHelp();
    // The palette the picture is shown in now.
    const palette::Colours &colours() const;

    // The click handler of "Start": the fields checked, the run of their values recorded, then played.
    void cmdStart_Click();

    // Writes the starting values of the parameter fields and selects "Rychlá".
    void Form_Load();

    // Write the slow-down factor into nSpomaleni: the scroll bar's value, or 1, 5 and 10 for the options.
    void HScroll1_Change();
    void opRychla_Click();
    void opPomalší_Click();
    void opPomalá_Click();

    // Ends the program: closes the window, which quits the application with status 0.
    void cmdKonec_Click();

protected:
    // Enter and Return on a focused Start or KONEC press it. While a run lasts, the keys and clicks that would
    // reach its controls are dropped, but for the run's commands, the window's own and "Pokračovat".
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // A click on a hole of the drawing covers it or opens it again.
    void mousePressEvent(QMouseEvent *event) override;

private:
    void play(std::shared_ptr<const Timeline> run);
    // "Start": the run, unless one is going on; "Pokračovat" while one is paused.
    void runFromStart();
    // While a run lasts the controls that have handlers are disabled, but Start while it is paused; a screen
    // reader learns whether the window is busy, and afterwards the result in words.
    void runBegins();
    void runPausedOrGoesOn(Playback::State state);
    void runEnds();
    void firePhotons(bool on);
    void showColours();
    void photonsStopOrGoOn(Photons::State state);
    void createCommands();
    void updateCommands();
    QAction *addCommand(const char *text, const QList<QKeySequence> &shortcuts);
    std::vector<std::pair<QAction *, const char *>> m_commandTexts; // each command's text in Czech, to translate
    // Every text in the language in use.
    void retranslate();
    void setCaption(QLineEdit *caption, const QString &text);
    void setFittedFont(QWidget *control, const QFont &font);
    void showCommands(const QPoint &globalPosition);
    bool dropsDuringRun(QObject *watched, QEvent *event) const;
    void setStartText(const QString &text);
    void describeSlowDown();
    // The controls with handlers: Start, KONEC, the scroll bar and the frame of the speed options.
    std::array<QWidget *, 4> handledControls() const;
    void createControls();
    void arrangeTabOrder();
    void connectHandlers();
    // The drawing in words with the parameters in the fields, which are those of the run drawn, if any.
    QString resultInWords() const;
    void describeDrawing(const QString &result = {});
    void pressButtonsWithEnter();

    int m_speedOfTheRun = 1;           // the scroll bar's value while a run lasts
    QPointer<QWidget> m_focusBeforeRun; // given the focus back when the run ends
    QFont m_startFont;                  // Start's own, at scale 1
    const QFont m_titleFont = boldTimes(14.25); // the title's and the hint's, at scale 1, as large as they may be
    const QFont m_hintFont = boldTimes(15.75);
    static QFont boldTimes(qreal points);
    Pacer m_pacer;
    std::unique_ptr<Playback> m_playback;
    std::unique_ptr<Photons> m_photons;
    std::unique_ptr<ParameterFields> m_parameters;
    std::unique_ptr<ScaledLayout> m_layout;
    HelpWindow *m_help = nullptr; // made when first shown
    TableWindow *m_table = nullptr; // made when first shown
    WindowMemory *m_memory = nullptr; // the window's child
    // Where the holes' covers now differ from the last run's drawing: its hole rings in the other colour.
    std::vector<Stroke> m_holeMarks;
    void showHoleCovers();
    void fillHolesMenu();
    // The hole of the last run's drawing at a point of the window; 0 for none.
    int holeAt(QPoint position) const;
};
