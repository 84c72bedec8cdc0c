// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameters.h"

#include "fields.h"
#include "runtimeerror.h"

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
    const QString name = parameter.name.toString();
    const auto outOfRange = [&] { return QStringLiteral("„%1“ v poli „%2“ je mimo rozsah.").arg(quoted(typed), name); };
    QString problem;
    try {
        const double value = numberFromText(text, locale);
        if (value >= parameter.least && value <= parameter.most)
            return value;
        problem = outOfRange();
    } catch (const RuntimeError &error) {
        if (error.number() == RuntimeError::Overflow) {
            problem = outOfRange();
        } else if (typed.isEmpty()) {
            problem = QStringLiteral("Pole „%1“ je prázdné.").arg(name);
        } else {
            problem = QStringLiteral("„%1“ v poli „%2“ není číslo.").arg(quoted(typed), name);
            if (foreignDecimalSeparator(typed, locale))
                problem += QStringLiteral(" Desetinnou část oddělte znakem „%1“.").arg(locale.decimalPoint());
        }
    }
    return problem + QStringLiteral(" Zadejte číslo od %1 do %2, například %3.")
                         .arg(written(parameter.least, locale), written(parameter.most, locale),
                              written(parameter.example, locale));
}

QString written(double value, const QLocale &locale)
{
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace parameters
