// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "detectorscan.h"

#include <QPointer>
#include <QWidget>

#include <array>

#include <memory>

class Canvas;
class ScaledLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The program's one window: its 23 controls, the drawing canvas, and the handlers. The run behind "Start"
// (cmdStart_Click, PohybHorni, PohybDolni, q and Z) comes from DetectorScan. Form_Load runs at construction.
// It opens at clientSize and can be made larger, maximised or full screen (F11), its content scaled to fit.
class SpomalenaAnimace : public QWidget, public DetectorScan
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
    void closeEvent(QCloseEvent *event) override;
    // Enter and Return on a focused Start or KONEC press it.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // While a run lasts the controls that have handlers are disabled; a screen reader learns that the window is
    // busy, and afterwards the result in words.
    void runBegins() override;
    void runEnds(bool completed) override;

private:
    // "Start": the run, unless one is going on.
    void runFromStart();
    // The controls with handlers: Start, KONEC, the scroll bar and the frame of the speed options.
    std::array<QWidget *, 4> handledControls() const;
    void createControls();
    void arrangeTabOrder();
    void connectHandlers();
    void describeForAssistiveTechnology();
    void pressButtonsWithEnter();

    int m_speedOfTheRun = 1;           // the scroll bar's value while a run lasts
    QPointer<QWidget> m_focusBeforeRun; // given the focus back when the run ends
    std::unique_ptr<ScaledLayout> m_layout;
};
