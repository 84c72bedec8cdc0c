// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameters.h"

#include "fields.h"
#include "runtimeerror.h"

#include <cmath>

namespace parameters {

namespace {
// What was typed, cut short for the message: a pasted page stays out of it.
QString quoted(const QString &typed)
{
    constexpr qsizetype longest = 20;
    if (typed.size() <= longest)
        return typed;
    const qsizetype cut = typed.at(longest - 1).isHighSurrogate() ? longest - 1 : longest; // a character kept whole
    return typed.left(cut) + u'…';
}

// A point or a comma that is not the locale's decimal separator: the likeliest slip.
bool foreignDecimalSeparator(const QString &typed, const QLocale &locale)
{
    for (const QChar separator : {u'.', u','})
        if (typed.contains(separator) && locale.decimalPoint() != QString(separator))
            return true;
    return false;
}
}

std::variant<double, QString> check(const Parameter &parameter, const QString &text, const QLocale &locale)
{
    const QString typed = text.trimmed();
    const QString name = nameOf(parameter);
    const auto outOfRange = [&] { return QCoreApplication::translate("parameters", "Hodnota „%1“ v poli „%2“ je mimo rozsah.").arg(quoted(typed), name); };
    QString problem;
    try {
        const double value = numberFromText(text, locale);
        if (value >= parameter.least && value <= parameter.most && (!parameter.whole || value == std::floor(value)))
            return value;
        problem = value >= parameter.least && value <= parameter.most
                      ? QCoreApplication::translate("parameters", "Hodnota „%1“ v poli „%2“ není celé číslo.").arg(quoted(typed), name)
                      : outOfRange();
    } catch (const RuntimeError &error) {
        if (error.number() == RuntimeError::Overflow) {
            problem = outOfRange();
        } else if (typed.isEmpty()) {
            problem = QCoreApplication::translate("parameters", "Pole „%1“ je prázdné.").arg(name);
        } else {
            problem = QCoreApplication::translate("parameters", "Hodnota „%1“ v poli „%2“ není číslo.").arg(quoted(typed), name);
            if (foreignDecimalSeparator(typed, locale))
                problem += u' ' + (locale.decimalPoint() == QLatin1String(",") ? QCoreApplication::translate("parameters", "Desetinná místa oddělte čárkou.")
                                                                               : QCoreApplication::translate("parameters", "Desetinná místa oddělte tečkou."));
        }
    }
    return problem + u' ' + QCoreApplication::translate("parameters", "Zadejte číslo od %1 do %2, například %3.")
                         .arg(written(parameter.least, locale), written(parameter.most, locale),
                              written(parameter.example, locale));
}

QString nameOf(const Parameter &parameter)
{
    return QCoreApplication::translate("parameters", parameter.name);
}

double largestSpacing(int holeCount)
{
    return holeCount > 1 ? std::floor(spacing.most / (holeCount - 1) * 100) / 100 : spacing.most;
}

std::optional<QString> checkHoles(int holeCount, double spacingValue, const QLocale &locale)
{
    if (holeCount <= 1 || spacingValue <= largestSpacing(holeCount))
        return std::nullopt;
    return QCoreApplication::translate("parameters", "Pole „%1“ a „%2“ spolu nesouhlasí: při počtu otvorů %3 a rozteči %4 se otvory na clonu nevejdou. "
              "Při tomto počtu zadejte rozteč nejvýše %5, nebo zmenšete počet otvorů.")
        .arg(nameOf(holes), nameOf(spacing), QString::number(holeCount), written(spacingValue, locale),
             written(largestSpacing(holeCount), locale));
}

QString written(double value, const QLocale &locale)
{
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace parameters
