// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields.h"

#include "runtimeerror.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {
// A number in the locale's notation whose exponent is too small for a double: it reads as zero.
bool isUnderflow(const QString &text, const QLocale &locale)
{
    const QString point = QRegularExpression::escape(locale.decimalPoint());
    const QRegularExpression pattern(QStringLiteral("^[+-]?(\\d+(%1\\d*)?|%1\\d+)[eE]-\\d+$").arg(point));
    return pattern.match(text).hasMatch();
}


// Plain digits, with a minus sign perhaps: what the program itself writes, and the same in every locale.
std::optional<double> plainWholeNumber(QStringView text)
{
    constexpr qsizetype longest = 15; // exact in a double
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > longest)
        return std::nullopt;
    double value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}
}

double numberFromText(const QString &text, const QLocale &locale)
{
    if (const auto whole = plainWholeNumber(text))
        return *whole;
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (ok && std::isfinite(value))
        return value;
    if (!ok && std::isinf(value))
        throw RuntimeError(RuntimeError::Overflow);
    if (!ok && value == 0 && isUnderflow(trimmed, locale))
        return 0;
    // Includes "inf" and "nan", which QLocale accepts but are no numbers to a teacher.
    throw RuntimeError(RuntimeError::TypeMismatch);
}

double fieldValue(const QLineEdit *field)
{
    return numberFromText(field->text());
}

void setFieldNumber(QLineEdit *field, int value)
{
    setFieldText(field, QString::number(value));
}

void setFieldText(QLineEdit *field, const QString &text)
{
    field->setText(text);
    field->setCursorPosition(0);
}
