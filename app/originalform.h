// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QRect>

#include <array>

class Canvas;
class ScaledLayout;
class Timeline;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// The original's form: its 23 controls where and as they were, the few added beside them, their texts in the
// language in use, and the handlers that only write its fields. The window builds it (createForm) and connects it.
class OriginalForm
{
    Q_DECLARE_TR_FUNCTIONS(SpomalenaAnimace)
public:
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

    // Write the slow-down factor into nSpomaleni: the scroll bar's value, or 1, 5 and 10 for the options.
    void HScroll1_Change();
    void opRychla_Click();
    void opPomalší_Click();
    void opPomalá_Click();

protected:
    // The controls on window, bottom of the stack first, in the tab order of their indices; the canvas with this
    // many layers. Enter and Return on a focused Start or KONEC press it.
    void createForm(QWidget *window, size_t canvasLayers);
    // From now on fonts are set through the window's layout, which scales them.
    void setScaledLayout(ScaledLayout *layout) { m_layout = layout; }
    // Every text of the form in the language in use, for the last run if any; Start's "Pokračovat" while it is
    // paused.
    void retranslateForm(const Timeline *lastRun, bool paused);
    void setStartText(const QString &text);
    // The captions of the drawing where the run drew them; the level without interference and the comparison's
    // where the run has them.
    void showCaptionsOf(const Timeline &run);
    void hideRunCaptions();
    // The controls with handlers: Start, KONEC, the scroll bar and the frame of the speed options.
    std::array<QWidget *, 4> handledControls() const;

private:
    void setCaption(QLineEdit *caption, const QString &text);
    void setFittedFont(QWidget *control, const QFont &font);
    qreal scale() const;
    void arrangeTabOrder();

    ScaledLayout *m_layout = nullptr;
    QFont m_startFont;                         // Start's own, at scale 1
    QFont m_titleFont, m_hintFont;             // the title's and the hint's, at scale 1, as large as they may be
};
