// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pointpaths.h"
#include "timeline.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <optional>
#include <vector>

// The last finished run as a table: one row per detector point, point 1 (the lowest) first. The paths' columns follow
// the number of holes: one at one hole, the upper and the lower at two, a list of the open ones from the top at more.
// Δs and the phase difference are those of the top two open paths (at two holes the lower's length minus the upper's),
// empty where only one is open. The photons' hits and share are two more columns once photons have flown.
// Numbers are shown in the program's notation without digit grouping; the window sets the run and the hits.
class PointTable : public QAbstractTableModel
{
public:
    enum class Column {
        Point,
        Height,           // above the axis, px
        Path,             // at one hole, px
        UpperPath,        // at two holes, px
        LowerPath,
        OpenPaths,        // at more holes: the open paths' lengths from the top, px
        PathDifference,   // px
        PathDifferenceInWavelengths,
        PhaseDifference,  // degrees, 0 to 360
        Sum,              // |sum of the arrows|, or √(Σ|arrow|²) when the path is watched, px
        Bar,              // px
        BarShare,         // of all the bars, %
        Hits,
        HitShare,         // of all the hits, %
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The run to show, as recorded; nullptr for none. Its hits start empty.
    void setRun(const Timeline *run);
    // The hits of photons at the run's points, lowest first; empty when none have flown.
    void setHits(const std::vector<size_t> &hits);
    const std::optional<Setup> &setup() const { return m_setup; }

    // The run's values and its wavelength in one Czech line; what to do when there is no run yet.
    QString summary(const QLocale &notation = QLocale()) const;
    Column column(int index) const { return m_columns[size_t(index)]; }
    // A column's title on one line, with its unit.
    QString title(int column) const;
    // A cell as text in the notation; empty where it does not apply.
    QString text(int row, int column, const QLocale &notation) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        double height = 0;
        PointPaths paths;
        double bar = 0;
    };
    std::vector<Column> columnsFor(bool withHits) const;
    std::optional<double> number(const Row &row, size_t point, Column column) const;
    // The title with a line break where the header shows one.
    QString shownTitle(Column column) const;

    std::optional<Setup> m_setup;
    std::vector<Row> m_rows;
    double m_barSum = 0;
    std::vector<size_t> m_hits;
    size_t m_totalHits = 0;
    std::vector<Column> m_columns = columnsFor(false);
};
