// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pointtable.h"

#include <QAction>
#include <QGridLayout>
#include <QLocale>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class Photons;
class Playback;

// The last finished run as a table (F5), in a window of its own beside the main one that leaves it usable: a line
// with the run's values and wavelength, the table (PointTable), and buttons that copy it and save it as CSV. It
// follows the main window: a new table when a run ends, the photons' hits at most every Photons::tallyInterval while
// they fly, and its size and font with the main window's zoom.
class TableWindow : public QWidget
{
public:
    // Its size at the main window's zoom 1, in logical pixels.
    static constexpr QSize baseSize{860, 380};

    // Beside mainWindow, whose content is laid out for layoutSize, with the runs of playback and the photons.
    TableWindow(QWidget &mainWindow, QSize layoutSize, const Playback &playback, const Photons &photons);

    // Shows it, at first beside the main window where the screen has room, and raises it with the table focused.
    void showBeside();
    // As large as the main window's content, zoom times the size at 1.
    void setZoom(qreal zoom);

    // The selected cells, or the whole table when none are, to the clipboard as tab-separated text with titles.
    void copy();
    // Writes the table as CSV for a spreadsheet of the locale; when that fails, a Czech message says why, nothing is
    // left half-written and false is returned.
    bool saveCsv(const QString &fileName, const QLocale &locale = QLocale::system());
    // Asks for a file name, with one suggested in the Documents folder, and saves there; asks again after a failure.
    void saveCsvAs();

    const PointTable &table() const { return m_table; }
    QTableView *view() const { return m_view; }

protected:
    void changeEvent(QEvent *event) override;
    // The main window's resizes, for the zoom.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate(); // every text, in the language in use
    // The last finished run, none while one plays; its hits as they are.
    void showRun();
    void showHits();
    void fitColumns();

    QWidget &m_main;
    const QSize m_layoutSize;
    const Playback &m_playback;
    const Photons &m_photons;
    PointTable m_table;
    QGridLayout m_layout{this};
    QLabel *m_summary;
    QTableView *m_view;
    QPushButton *m_copyButton;
    QPushButton *m_saveButton;
    QAction m_copy;
    QTimer m_hitsTimer;
    QFont m_baseFont;
    qreal m_zoom = 1;
    bool m_placed = false;
};
