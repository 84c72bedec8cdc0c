// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// numberFromText() on arbitrary text in a handful of locales. The first byte picks the locale, the rest is the
// text (UTF-8). Either a finite double comes back or run-time error 13 or 6 is thrown; anything else is a crash.
#include "fields.h"
#include "fuzzlocales.h"
#include "runtimeerror.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {
// The number, or nothing after run-time error 13 or 6.
std::optional<double> convert(const QString &text, const QLocale &locale)
{
    try {
        const double value = numberFromText(text, locale);
        if (!std::isfinite(value))
            __builtin_trap(); // a field value the run would compute with
        return value;
    } catch (const RuntimeError &e) {
        if (e.number() != RuntimeError::TypeMismatch && e.number() != RuntimeError::Overflow)
            __builtin_trap();
        return std::nullopt;
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = localeFor(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    convert(text, locale);

    // Whole numbers as the program writes them into its fields (plain ASCII digits) read back in every locale.
    if (size >= 5) {
        std::int32_t whole = 0;
        std::memcpy(&whole, data + 1, sizeof whole);
        const std::optional<double> read = convert(QString::number(whole), locale);
        if (!read || *read != double(whole))
            __builtin_trap();
    }
    return 0;
}
