// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointtable.h"

#include "apparatus.h"
#include "runwords.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <numbers>
#include <numeric>

using Column = PointTable::Column;

namespace {
int decimals(Column column)
{
    switch (column) {
    case Column::Point:
    case Column::Hits:
        return 0;
    case Column::PhaseDifference:
    case Column::BarShare:
    case Column::HitShare:
        return 1;
    case Column::PathDifferenceInWavelengths:
        return 3;
    default:
        return 2;
    }
}

// Without digit grouping, and never "-0,00".
QString written(double value, int decimals, QLocale notation)
{
    notation.setNumberOptions(QLocale::OmitGroupSeparator);
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return notation.toString(rounded == 0 ? 0.0 : rounded, 'f', decimals);
}

// An angle in degrees within [0, 360), as it is written to a tenth: 359,96° is 0,0°.
double degreesWithinTurn(double radians)
{
    double degrees = std::fmod(radians * 180 / std::numbers::pi, 360.0);
    if (degrees < 0)
        degrees += 360;
    return std::round(degrees * 10) / 10 >= 360 ? 0 : degrees;
}
} // namespace

void PointTable::setRun(const Timeline *run)
{
    beginResetModel();
    m_rows.clear();
    m_hits.clear();
    m_totalHits = 0;
    m_setup.reset();
    if (run) {
        m_setup = run->setup();
        for (const double y : run->pointY()) {
            PointPaths paths = pathsTo(*m_setup, y);
            const double bar = paths.bar(m_setup->watched);
            m_rows.push_back({apparatus::axisY - y, std::move(paths), bar});
        }
    }
    m_barSum = std::accumulate(m_rows.begin(), m_rows.end(), 0.0, [](double sum, const Row &row) { return sum + row.bar; });
    m_columns = columnsFor(false);
    endResetModel();
}

void PointTable::setHits(const std::vector<size_t> &hits)
{
    const std::vector<size_t> shown = hits.size() == m_rows.size() ? hits : std::vector<size_t>{};
    if (shown == m_hits)
        return;
    const bool had = !m_hits.empty();
    const bool has = !shown.empty();
    const int first = int(columnsFor(false).size());
    if (had && !has)
        beginRemoveColumns({}, first, first + 1);
    else if (!had && has)
        beginInsertColumns({}, first, first + 1);
    m_hits = shown;
    m_totalHits = std::accumulate(m_hits.begin(), m_hits.end(), size_t(0));
    m_columns = columnsFor(has);
    if (had && !has)
        endRemoveColumns();
    else if (!had && has)
        endInsertColumns();
    else
        Q_EMIT dataChanged(index(0, first), index(rowCount() - 1, first + 1), {Qt::DisplayRole});
}

std::vector<Column> PointTable::columnsFor(bool withHits) const
{
    std::vector<Column> columns{Column::Point, Column::Height};
    const int holes = m_setup ? m_setup->holes : 2;
    if (holes == 1)
        columns.push_back(Column::Path);
    else if (holes == 2)
        columns.insert(columns.end(), {Column::UpperPath, Column::LowerPath});
    else
        columns.push_back(Column::OpenPaths);
    columns.insert(columns.end(), {Column::PathDifference, Column::PathDifferenceInWavelengths, Column::PhaseDifference,
                                   Column::Sum, Column::Bar, Column::BarShare});
    if (withHits)
        columns.insert(columns.end(), {Column::Hits, Column::HitShare});
    return columns;
}

QString PointTable::summary(const QLocale &notation) const
{
    if (!m_setup)
        return QCoreApplication::translate("PointTable", "Tabulka ukáže hodnoty pokusu, až doběhne. Spusťte ho tlačítkem Start.");
    QString line = QCoreApplication::translate("PointTable", "Pokus: %1.").arg(words::setupInWords(*m_setup, notation)) + u' ';
    if (m_setup->frequency == 0)
        return line + QCoreApplication::translate("PointTable", "Při frekvenci 0 se šipky neotáčejí: vlnová délka je nekonečná a fáze nezávisí "
                                     "na délce dráhy.");
    return line + QCoreApplication::translate("PointTable", "Vlnová délka λ = %1 ≈ %2 px.")
                      .arg(words::wavelengthFormula(m_setup->frequency, notation),
                           written(wavelength(m_setup->frequency), 2, notation));
}

QString PointTable::shownTitle(Column column) const
{
    const bool twoHoles = m_setup ? m_setup->holes == 2 : true;
    switch (column) {
    case Column::Point: return QStringLiteral("Bod");
    case Column::Height: return QCoreApplication::translate("PointTable", "Výška nad\nosou (px)");
    case Column::Path: return QCoreApplication::translate("PointTable", "Dráha\notvorem (px)");
    case Column::UpperPath: return QCoreApplication::translate("PointTable", "Dráha horním\notvorem (px)");
    case Column::LowerPath: return QCoreApplication::translate("PointTable", "Dráha dolním\notvorem (px)");
    case Column::OpenPaths: return QCoreApplication::translate("PointTable", "Dráhy otevřenými\notvory shora (px)");
    case Column::PathDifference:
        return twoHoles ? QCoreApplication::translate("PointTable", "Δs = dolní −\nhorní (px)") : QCoreApplication::translate("PointTable", "Δs dvou horních\notevřených (px)");
    case Column::PathDifferenceInWavelengths: return QCoreApplication::translate("PointTable", "Δs\n(λ)");
    case Column::PhaseDifference: return QCoreApplication::translate("PointTable", "Fázový\nrozdíl (°)");
    case Column::Sum:
        return m_setup && m_setup->watched ? QCoreApplication::translate("PointTable", "√(Σ|šipka|²) (px),\nsčítají se pravděpodobnosti")
                                           : QCoreApplication::translate("PointTable", "|součet|\n(px)");
    case Column::Bar: return QCoreApplication::translate("PointTable", "Úsečka\n(px)");
    case Column::BarShare: return QCoreApplication::translate("PointTable", "Podíl\núsečky (%)");
    case Column::Hits: return QCoreApplication::translate("PointTable", "Dopady\nfotonů");
    case Column::HitShare: return QCoreApplication::translate("PointTable", "Podíl\ndopadů (%)");
    }
    return {};
}

QString PointTable::title(int column) const
{
    return shownTitle(m_columns[size_t(column)]).replace(u'\n', u' ');
}

std::optional<double> PointTable::number(const Row &row, size_t point, Column column) const
{
    const std::vector<PointPaths::Path> &paths = row.paths.paths;
    const auto through = [&paths](int hole) -> std::optional<double> {
        for (const PointPaths::Path &path : paths)
            if (path.hole == hole)
                return path.length;
        return std::nullopt;
    };
    const bool twoOpen = paths.size() >= 2;
    switch (column) {
    case Column::Point: return double(point + 1);
    case Column::Height: return row.height;
    case Column::Path:
    case Column::UpperPath: return through(1);
    case Column::LowerPath: return through(m_setup->holes);
    case Column::OpenPaths: return std::nullopt;
    case Column::PathDifference:
        return twoOpen ? std::optional(paths[1].length - paths[0].length) : std::nullopt;
    case Column::PathDifferenceInWavelengths:
        return twoOpen ? std::optional((paths[1].length - paths[0].length) / wavelength(m_setup->frequency)) : std::nullopt;
    case Column::PhaseDifference:
        return twoOpen ? std::optional(degreesWithinTurn(paths[1].phase - paths[0].phase)) : std::nullopt;
    case Column::Sum:
        return m_setup->watched ? std::sqrt(row.paths.watchedBar / interference::probabilityScale)
                                : std::hypot(row.paths.sum.x, row.paths.sum.y);
    case Column::Bar: return row.bar;
    case Column::BarShare: return m_barSum > 0 ? std::optional(100 * row.bar / m_barSum) : std::nullopt;
    case Column::Hits: return double(m_hits[point]);
    case Column::HitShare:
        return m_totalHits > 0 ? std::optional(100 * double(m_hits[point]) / double(m_totalHits)) : std::nullopt;
    }
    return std::nullopt;
}

QString PointTable::text(int row, int column, const QLocale &notation) const
{
    const Row &shown = m_rows[size_t(row)];
    const Column which = m_columns[size_t(column)];
    if (which == Column::OpenPaths) {
        QStringList lengths;
        for (const PointPaths::Path &path : shown.paths.paths)
            lengths << written(path.length, decimals(which), notation);
        return lengths.join(QStringLiteral("; "));
    }
    const std::optional<double> value = number(shown, size_t(row), which);
    return value ? written(*value, decimals(which), notation) : QString();
}

int PointTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PointTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant PointTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column(), QLocale());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant PointTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return shownTitle(m_columns[size_t(section)]);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return title(section);
    return {};
}
