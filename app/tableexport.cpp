// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableexport.h"

#include "pointtable.h"

#include <QStringList>

namespace tableexport {

namespace {
QList<int> all(int count)
{
    QList<int> indices;
    for (int i = 0; i < count; ++i)
        indices << i;
    return indices;
}

// The titles, then a line per row, each cell given by cell(row, column) and passed through field.
template<class Cell, class Field>
QString lines(const PointTable &table, const QList<int> &rows, const QList<int> &columns, QChar separator,
              const QString &end, Cell cell, Field field)
{
    QStringList line;
    for (const int column : columns)
        line << field(table.title(column));
    QString text = line.join(separator) + end;
    for (const int row : rows) {
        line.clear();
        for (const int column : columns)
            line << field(cell(row, column));
        text += line.join(separator) + end;
    }
    return text;
}
} // namespace

QString tabSeparated(const PointTable &table, QList<int> rows, QList<int> columns)
{
    if (rows.isEmpty())
        rows = all(table.rowCount());
    if (columns.isEmpty())
        columns = all(table.columnCount());
    const QLocale notation;
    return lines(table, rows, columns, u'\t', QStringLiteral("\n"),
                 [&](int row, int column) { return table.text(row, column, notation); },
                 [](const QString &text) { return text; });
}

CsvDialect CsvDialect::of(const QLocale &locale)
{
    if (locale.decimalPoint() == QStringLiteral(","))
        return {u';', u','};
    return {};
}

QString csvField(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QByteArray csv(const PointTable &table, const QLocale &locale)
{
    const CsvDialect dialect = CsvDialect::of(locale);
    // Written as C writes numbers, ASCII minus and point, the point then turned into the dialect's mark.
    const QLocale plain = QLocale::c();
    const QString text = lines(
        table, all(table.rowCount()), all(table.columnCount()), dialect.separator, QStringLiteral("\r\n"),
        [&](int row, int column) { return table.text(row, column, plain).replace(u'.', dialect.decimalMark); },
        [&](const QString &field) { return csvField(field, dialect.separator); });
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace tableexport
