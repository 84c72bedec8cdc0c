// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// parameters::check() on arbitrary text, and parameters::checkHoles() on a number of holes with a spacing. The first
// byte picks the locale and the parameter, the rest is the text (UTF-8). Each of these is a crash:
// - a value accepted outside its parameter's range, or with a fraction where the parameter takes whole numbers;
// - a refusal without words or without the field's name;
// - a whole number within the range refused; a fraction within the range of a whole-number parameter refused for
//   anything but not being whole;
// - a pair of holes and spacing accepted although (holes − 1) × spacing does not fit on the screen line;
// - a pair refused although its spacing is at most the largest the refusal states, a refusal that does not name
//   both fields, or one that states anything but the largest fitting spacing rounded down to hundredths.
// The spacings paired are the one read from the text when it passes, and one on the field's hundredths taken from
// the bytes; each with every number of holes.
#include "fuzzlocales.h"
#include "parameters.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {
const parameters::Parameter *const checked[] = {&parameters::distance, &parameters::frequency, &parameters::spacing,
                                                &parameters::holes};

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool namesField(const QString &message, const parameters::Parameter &parameter)
{
    return message.contains(parameter.name);
}

// What the screen line holds, as the program computes it.
bool fits(int holeCount, double spacing)
{
    return (holeCount - 1) * spacing <= parameters::spacing.most;
}

// The largest spacing that fits that many holes, rounded down to hundredths, worked out in whole hundredths.
double largestInHundredths(int holeCount)
{
    if (holeCount <= 1)
        return parameters::spacing.most;
    const long long most = std::llround(parameters::spacing.most * 100);
    return double(most / (holeCount - 1)) / 100;
}

void checkPair(int holeCount, double spacing, const QLocale &locale)
{
    const double largest = largestInHundredths(holeCount);
    require(parameters::largestSpacing(holeCount) == largest);
    require(fits(holeCount, largest));
    require(!parameters::checkHoles(holeCount, largest, locale));

    const std::optional<QString> refusal = parameters::checkHoles(holeCount, spacing, locale);
    if (!refusal) {
        require(fits(holeCount, spacing));
        return;
    }
    require(spacing > largest);
    require(namesField(*refusal, parameters::holes) && namesField(*refusal, parameters::spacing));
    require(refusal->contains(parameters::written(largest, locale)));
}

void checkPairs(double spacing, const QLocale &locale)
{
    for (auto holeCount = int(parameters::holes.least); holeCount <= int(parameters::holes.most); ++holeCount)
        checkPair(holeCount, spacing, locale);
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = localeFor(data[0]);
    const parameters::Parameter &parameter = *checked[data[0] / fuzzedLocaleCount % std::size(checked)];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const auto read = parameters::check(parameter, text, locale);
    const double *value = std::get_if<double>(&read);
    if (value) {
        require(*value >= parameter.least && *value <= parameter.most);
        require(!parameter.whole || *value == std::floor(*value));
    } else {
        const QString &message = std::get<QString>(read);
        require(!message.isEmpty() && namesField(message, parameter));
    }

    if (value && &parameter == &parameters::spacing)
        checkPairs(*value, locale);

    if (size >= 5) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, data + 1, sizeof bits);
        const auto least = int(std::ceil(parameter.least));
        const auto most = int(std::floor(parameter.most));

        // A whole number within the range, as the program writes it, is accepted as itself in every locale.
        const int whole = least + int(bits % std::uint32_t(most - least + 1));
        const auto wholeRead = parameters::check(parameter, QString::number(whole), locale);
        const double *wholeValue = std::get_if<double>(&wholeRead);
        require(wholeValue && *wholeValue == whole);

        // A number of hundredths within the range, in the locale's notation, is refused only for its fraction.
        if (parameter.whole && most > least) {
            const double fraction = least + int(bits % std::uint32_t(most - least)) + (1 + (bits >> 16) % 99) / 100.0;
            const auto fractionRead = parameters::check(parameter, parameters::written(fraction, locale), locale);
            const QString *message = std::get_if<QString>(&fractionRead);
            require(message && namesField(*message, parameter) && message->contains(u"není celé číslo"));
        }

        // A spacing as the field shows it, to the hundredth.
        const auto hundredths = std::uint32_t(std::llround(parameters::spacing.most * 100));
        checkPairs((bits % (hundredths + 1)) / 100.0, locale);
    }
    return 0;
}
