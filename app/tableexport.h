// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>

class PointTable;

// The table taken out of the program: to the clipboard as text a spreadsheet pastes into cells, and to a CSV file
// that a double click opens in the spreadsheet of the system's locale. Called by the table window.
namespace tableexport {

// Tab-separated lines, the columns' titles first, then the given rows (all when empty) in the program's notation;
// only the given columns (all when empty). Lines end with a newline.
QString tabSeparated(const PointTable &table, QList<int> rows = {}, QList<int> columns = {});

// What a spreadsheet of the locale expects: where its decimal mark is a comma, semicolons between fields and decimal
// commas; otherwise commas and decimal points.
struct CsvDialect
{
    QChar separator = u',';
    QChar decimalMark = u'.';
    static CsvDialect of(const QLocale &locale);
};

// One field: as it is, or in quotes, its quotes doubled, when it holds the separator, a quote or a line break.
QString csvField(const QString &text, QChar separator);

// The whole table as a CSV file for a spreadsheet of the locale: UTF-8 with a byte-order mark, a line of titles,
// lines ending in CR LF, numbers without grouping in the dialect's decimal mark.
QByteArray csv(const PointTable &table, const QLocale &locale);

} // namespace tableexport
