// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <iterator>

// The locales the fuzz targets read numbers in: decimal comma, grouping by dot, space, apostrophe or no-break
// space, Arabic and Persian digits, U+2212 for minus (Swedish), Indian grouping.
inline const QLocale fuzzedLocales[] = {
    QLocale::c(),          QLocale(QStringLiteral("cs_CZ")), QLocale(QStringLiteral("en_US")),
    QLocale(QStringLiteral("de_DE")), QLocale(QStringLiteral("fr_FR")), QLocale(QStringLiteral("ar_EG")),
    QLocale(QStringLiteral("fa_IR")), QLocale(QStringLiteral("de_CH")), QLocale(QStringLiteral("sv_SE")),
    QLocale(QStringLiteral("hi_IN")),
};
constexpr std::size_t fuzzedLocaleCount = std::size(fuzzedLocales);

// The locale an input's first byte picks.
inline const QLocale &localeFor(std::uint8_t selector)
{
    return fuzzedLocales[selector % fuzzedLocaleCount];
}
