// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runwords.h"

#include "interference.h"
#include "parameters.h"
#include "timeline.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
// "5", "3 a 7", "1, 6 a 11": point numbers counted from 1.
QString pointList(const std::vector<size_t> &points)
{
    QString list;
    for (size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            list += i + 1 == points.size() ? QStringLiteral(" a ") : QStringLiteral(", ");
        list += QString::number(points[i] + 1);
    }
    return list;
}

std::vector<long> rounded(const std::vector<double> &probabilities)
{
    std::vector<long> lengths;
    for (const double probability : probabilities)
        lengths.push_back(std::lround(probability));
    return lengths;
}

// The longest bars, and the bars shorter than both their neighbours; on the lengths as they are spoken.
struct Extrema
{
    std::vector<size_t> maxima;
    std::vector<size_t> minima;
};

Extrema extrema(const std::vector<long> &lengths)
{
    Extrema found;
    if (lengths.empty() || std::all_of(lengths.begin(), lengths.end(), [&](long l) { return l == lengths.front(); }))
        return found;
    const long longest = *std::max_element(lengths.begin(), lengths.end());
    for (size_t i = 0; i < lengths.size(); ++i) {
        if (lengths[i] == longest)
            found.maxima.push_back(i);
        else if (i > 0 && i + 1 < lengths.size() && lengths[i] < lengths[i - 1] && lengths[i] < lengths[i + 1])
            found.minima.push_back(i);
    }
    return found;
}

bool contains(const std::vector<size_t> &points, size_t point)
{
    return std::find(points.begin(), points.end(), point) != points.end();
}

// "Bod 3 z 11": the point of a position's last step drawn, counted from 1.
QString pointOf(const Timeline &run, size_t point)
{
    return QStringLiteral("Bod %1 z %2").arg(point + 1).arg(run.points());
}
} // namespace

namespace words {

QString resultInWords(const std::vector<double> &probabilities, const std::vector<double> &previous)
{
    const std::vector<long> lengths = rounded(probabilities);
    const Extrema found = extrema(lengths);
    QStringList sentences{QStringLiteral("Výsledek v bodech detektoru odspodu nahoru, délka úsečky pravděpodobnosti "
                                         "v pixelech:")};
    for (size_t i = 0; i < lengths.size(); ++i) {
        QString sentence = QStringLiteral("Bod %1: %2").arg(i + 1).arg(pixels(lengths[i]));
        if (contains(found.maxima, i))
            sentence += QStringLiteral(", maximum");
        else if (contains(found.minima, i))
            sentence += QStringLiteral(", minimum");
        if (i < previous.size())
            sentence += QStringLiteral(", předtím ") + pixels(std::lround(previous[i]));
        sentences << sentence + u'.';
    }
    const QString extremaSentence = extremaInWords(probabilities);
    sentences << (extremaSentence.isEmpty() ? QStringLiteral("Všechny úsečky jsou stejně dlouhé.") : extremaSentence);
    return sentences.join(u' ');
}

QString differencesInWords(const Setup &before, const Setup &now)
{
    QStringList differ;
    const auto number = [&](double then, double today, const char *name) {
        if (then != today)
            differ << QString::fromUtf8(name) + u' ' + parameters::written(then);
    };
    number(before.distance, now.distance, "vzdálenost");
    number(before.frequency, now.frequency, "frekvence");
    number(before.spacing, now.spacing, "rozteč");
    if (before.holes != now.holes)
        differ << QStringLiteral("otvorů %1").arg(before.holes);
    QStringList covered;
    bool coversDiffer = before.holes != now.holes;
    for (int hole = 1; hole <= before.holes; ++hole) {
        if (!before.isOpen(hole))
            covered << QString::number(hole);
        coversDiffer |= before.isOpen(hole) != now.isOpen(hole);
    }
    if (coversDiffer && !(covered.isEmpty() && before.holes != now.holes))
        differ << (covered.isEmpty() ? QStringLiteral("žádný otvor zakrytý") : QStringLiteral("zakryté %1").arg(covered.join(QStringLiteral(", "))));
    if (before.watched != now.watched)
        differ << (before.watched ? QStringLiteral("trasa sledována") : QStringLiteral("trasa nesledována"));
    return differ.isEmpty() ? QStringLiteral("předtím: stejné hodnoty") : QStringLiteral("předtím: ") + differ.join(QStringLiteral(", "));
}

QString extremaInWords(const std::vector<double> &probabilities)
{
    const Extrema found = extrema(rounded(probabilities));
    if (found.maxima.empty())
        return {};
    QString sentence = found.maxima.size() == 1 ? QStringLiteral("Maximum je v bodě ") : QStringLiteral("Maxima jsou v bodech ");
    sentence += pointList(found.maxima);
    if (found.minima.size() == 1)
        sentence += QStringLiteral(", minimum v bodě ") + pointList(found.minima);
    else if (!found.minima.empty())
        sentence += QStringLiteral(", minima v bodech ") + pointList(found.minima);
    return sentence + u'.';
}

namespace {
// "na ose", "62 pixelů nad osou", "1 pixel pod osou".
QString height(double y, double axisY)
{
    const long away = std::lround(std::fabs(axisY - y));
    if (away == 0)
        return QStringLiteral("na ose");
    return words::pixels(away) + (y < axisY ? QStringLiteral(" nad osou") : QStringLiteral(" pod osou"));
}

QString heights(const std::vector<double> &ys, double axisY)
{
    QStringList all;
    for (const double y : ys)
        all << height(y, axisY);
    return all.size() < 2 ? all.join(QString()) : all.mid(0, all.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" a ") + all.last();
}
}

QString patternInWords(const std::vector<Timeline::PatternRow> &pattern, double axisY)
{
    std::vector<Timeline::PatternRow> rows = pattern;
    std::sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.y > b.y; }); // bottom up
    // Rows alike once rounded to a tenth of a pixel are one level; a level above both neighbours is a maximum.
    struct Level
    {
        double first, last, bar;
    };
    std::vector<Level> levels;
    for (const auto &row : rows) {
        const double bar = std::round(row.bar * 10) / 10;
        if (!levels.empty() && levels.back().bar == bar)
            levels.back().last = row.y;
        else
            levels.push_back({row.y, row.y, bar});
    }
    std::vector<double> maxima, minima;
    for (size_t i = 1; i + 1 < levels.size(); ++i) {
        const Level &level = levels[i];
        const double middle = (level.first + level.last) / 2;
        if (level.bar > levels[i - 1].bar && level.bar > levels[i + 1].bar)
            maxima.push_back(middle);
        else if (level.bar < levels[i - 1].bar && level.bar < levels[i + 1].bar)
            minima.push_back(middle);
    }
    if (maxima.empty() && minima.empty())
        return QStringLiteral("Průběh je po celém detektoru stejný.");
    QString sentence = QStringLiteral("Průběh:");
    if (!maxima.empty())
        sentence += (maxima.size() == 1 ? QStringLiteral(" maximum ") : QStringLiteral(" maxima ")) + heights(maxima, axisY);
    if (!minima.empty())
        sentence += (maxima.empty() ? QString() : QStringLiteral(";"))
                    + (minima.size() == 1 ? QStringLiteral(" minimum ") : QStringLiteral(" minima ")) + heights(minima, axisY);
    return sentence + u'.';
}

QString hitsInWords(const std::vector<size_t> &hits)
{
    size_t total = 0;
    QStringList points;
    for (size_t i = 0; i < hits.size(); ++i) {
        total += hits[i];
        points << QStringLiteral("bod %1: %2").arg(i + 1).arg(hits[i]);
    }
    const QString landed = total == 1 ? QStringLiteral("Dopadl 1 foton") : total >= 2 && total <= 4 ? QStringLiteral("Dopadly %1 fotony").arg(total)
                                                                                              : QStringLiteral("Dopadlo %1 fotonů").arg(total);
    return landed + QStringLiteral("; ") + points.join(QStringLiteral(", ")) + u'.';
}

namespace {
// The run's open paths: "obou tras" and "po obou trasách" at two.
QString ofThePaths(const Timeline &run)
{
    const int open = run.setup().openHoles();
    return open == 1 ? QStringLiteral("jediné trasy") : open == 2 ? QStringLiteral("obou tras") : QStringLiteral("všech %1 tras").arg(open);
}

QString alongThePaths(const Timeline &run)
{
    const int open = run.setup().openHoles();
    return open == 1 ? QStringLiteral("po jediné trase") : open == 2 ? QStringLiteral("po obou trasách")
                                                                     : QStringLiteral("po všech %1 trasách").arg(open);
}
}

QString stepInWords(const Timeline &run, size_t position)
{
    if (position == 0)
        return QStringLiteral("Začátek: obrázek před spuštěním animace.");
    const size_t step = position - 1; // the one just drawn
    const size_t point = run.pointAt(step);
    const size_t first = run.beginOf(point), count = run.endOf(point) - first, within = step - first;
    QString what;
    const QString bar = pixels(std::lround(run.probabilities().at(point)));
    if (within + 1 == count)
        what = run.setup().watched
                   ? QStringLiteral("šipky %1 a úsečka pravděpodobnosti, součet pravděpodobností tras, %2.").arg(ofThePaths(run), bar)
                   : QStringLiteral("šipky %1, jejich součet a úsečka pravděpodobnosti, %2.").arg(ofThePaths(run), bar);
    else if (within == 0)
        what = QStringLiteral("šipky fáze na otvorech, trasy od zdroje a foton na začátku %1.").arg(ofThePaths(run));
    else if (within + 2 == count)
        what = QStringLiteral("foton doletěl %1 do bodu detektoru.").arg(alongThePaths(run));
    else
        what = QStringLiteral("foton postoupil %1.").arg(alongThePaths(run));
    return QStringLiteral("%1, krok %2 z %3: %4").arg(pointOf(run, point)).arg(within + 1).arg(count).arg(what);
}

QString pausedInWords(const Timeline &run, size_t position)
{
    const QString where = position == 0 ? QStringLiteral("na začátku") : position >= run.end() ? QStringLiteral("na konci")
        : QStringLiteral("v bodě %1 z %2").arg(run.pointAt(position - 1) + 1).arg(run.points());
    return QStringLiteral("Animace pozastavena %1. Pokračovat: mezerník nebo Enter. Šipka vpravo a vlevo o krok "
                          "vpřed a zpět, Page Down a Page Up na konec a na začátek bodu, Home na začátek, End na konec.")
        .arg(where);
}

QString pixels(long length)
{
    const char *noun = length == 1 ? "pixel" : length >= 2 && length <= 4 ? "pixely" : "pixelů";
    return QString::number(length) + u' ' + QString::fromUtf8(noun);
}

QString holesInWords(int holes)
{
    const char *noun = holes == 1 ? "otvor" : holes >= 2 && holes <= 4 ? "otvory" : "otvorů";
    return QString::number(holes) + u' ' + QString::fromUtf8(noun);
}

QString setupInWords(const Setup &setup, const QLocale &notation)
{
    using parameters::written;
    QString words = QStringLiteral("vzdálenost clony %1 px, frekvence fotonů %2, rozteč děr %3 px, %4")
                        .arg(written(setup.distance, notation), written(setup.frequency, notation),
                             written(setup.spacing, notation), holesInWords(setup.holes));
    QStringList covered;
    for (int hole = 1; hole <= setup.holes; ++hole)
        if (!setup.isOpen(hole))
            covered << QString::number(hole);
    if (!covered.isEmpty())
        words += (covered.size() == 1 ? QStringLiteral(" (zakrytý %1 shora)") : QStringLiteral(" (zakryté %1 shora)"))
                     .arg(covered.join(QStringLiteral(", ")));
    if (setup.watched)
        words += QStringLiteral(", trasa fotonu sledována");
    return words;
}

QString wavelengthFormula(double frequency, const QLocale &notation)
{
    if (frequency == 0)
        return {};
    const QString factor = parameters::written(interference::phaseFactor, notation);
    return frequency == 1 ? QStringLiteral("2π / %1").arg(factor)
                          : QStringLiteral("2π / (%1 × %2)").arg(factor, parameters::written(frequency, notation));
}

} // namespace words
