// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// parameters::check() on arbitrary text. The first byte picks the locale and the parameter, the rest is the text
// (UTF-8). A value accepted outside its parameter's range, a refusal without words, or a whole number within the
// range refused, is a crash.
#include "fuzzlocales.h"
#include "parameters.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
const parameters::Parameter *const checked[] = {&parameters::distance, &parameters::frequency, &parameters::spacing};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = localeFor(data[0]);
    const parameters::Parameter &parameter = *checked[data[0] / fuzzedLocaleCount % std::size(checked)];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const auto read = parameters::check(parameter, text, locale);
    if (const double *value = std::get_if<double>(&read)) {
        if (!(*value >= parameter.least && *value <= parameter.most))
            __builtin_trap();
    } else if (std::get<QString>(read).isEmpty()) {
        __builtin_trap();
    }

    // A whole number within the range, as the program writes it, is accepted as itself in every locale.
    if (size >= 5) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, data + 1, sizeof bits);
        const int whole = int(bits % std::uint32_t(std::floor(parameter.most) + 1));
        const auto wholeRead = parameters::check(parameter, QString::number(whole), locale);
        const double *value = std::get_if<double>(&wholeRead);
        if (!value || *value != whole)
            __builtin_trap();
    }
    return 0;
}
