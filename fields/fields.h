// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class QLineEdit;

// A field's text as a double, by the rules of the given locale (its decimal separator and digit grouping).
// Run-time error 13 when the text is not a number (the empty text included), 6 when it is too large for a double.
double numberFromText(const QString &text, const QLocale &locale = QLocale());

// The field's text read as a number in the user's locale; read anew at every call.
double fieldValue(const QLineEdit *field);

// Writes a whole number as plain digits ("1", "40", "-3") and shows the text from its first character.
void setFieldNumber(QLineEdit *field, int value);

// Sets the text and shows it from its first character, not scrolled to its end.
void setFieldText(QLineEdit *field, const QString &text);
