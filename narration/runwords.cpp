// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runwords.h"

#include "interference.h"
#include "keynames.h"
#include "language.h"
#include "parameters.h"
#include "timeline.h"

#include <QCoreApplication>
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
            list += i + 1 == points.size() ? QCoreApplication::translate("words", " a ") : QStringLiteral(", ");
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
    return QCoreApplication::translate("words", "Bod %1 z %2").arg(point + 1).arg(run.points());
}
} // namespace

namespace words {

QString resultInWords(const std::vector<double> &probabilities, const std::vector<double> &previous)
{
    const std::vector<long> lengths = rounded(probabilities);
    const Extrema found = extrema(lengths);
    QStringList sentences{QCoreApplication::translate("words", "Výsledek v bodech detektoru odspodu nahoru, délka úsečky pravděpodobnosti "
                                         "v pixelech:")};
    for (size_t i = 0; i < lengths.size(); ++i) {
        QString sentence = QCoreApplication::translate("words", "Bod %1: %2").arg(i + 1).arg(pixels(lengths[i]));
        if (contains(found.maxima, i))
            sentence += QCoreApplication::translate("words", ", maximum");
        else if (contains(found.minima, i))
            sentence += QCoreApplication::translate("words", ", minimum");
        if (i < previous.size())
            sentence += QCoreApplication::translate("words", ", předtím %1").arg(pixels(std::lround(previous[i])));
        sentences << sentence + u'.';
    }
    const QString extremaSentence = extremaInWords(probabilities);
    sentences << (extremaSentence.isEmpty() ? QCoreApplication::translate("words", "Všechny úsečky jsou stejně dlouhé.") : extremaSentence);
    return sentences.join(u' ');
}

QString differencesInWords(const Setup &before, const Setup &now)
{
    QStringList differ;
    if (before.distance != now.distance)
        differ << QCoreApplication::translate("words", "vzdálenost %1").arg(parameters::written(before.distance));
    if (before.frequency != now.frequency)
        differ << QCoreApplication::translate("words", "frekvence %1").arg(parameters::written(before.frequency));
    if (before.spacing != now.spacing)
        differ << QCoreApplication::translate("words", "rozteč %1").arg(parameters::written(before.spacing));
    if (before.holes != now.holes)
        differ << QCoreApplication::translate("words", "otvorů %1").arg(before.holes);
    QStringList covered;
    bool coversDiffer = before.holes != now.holes;
    for (int hole = 1; hole <= before.holes; ++hole) {
        if (!before.isOpen(hole))
            covered << QString::number(hole);
        coversDiffer |= before.isOpen(hole) != now.isOpen(hole);
    }
    if (coversDiffer && !(covered.isEmpty() && before.holes != now.holes))
        differ << (covered.isEmpty() ? QCoreApplication::translate("words", "žádný otvor zakrytý")
                                     : QCoreApplication::translate("words", "zakryté %1").arg(covered.join(QStringLiteral(", "))));
    if (before.watched != now.watched)
        differ << (before.watched ? QCoreApplication::translate("words", "trasa sledována")
                                  : QCoreApplication::translate("words", "trasa nesledována"));
    return differ.isEmpty() ? QCoreApplication::translate("words", "předtím: stejné hodnoty")
                            : QCoreApplication::translate("words", "předtím: %1").arg(differ.join(QStringLiteral(", ")));
}

QString extremaInWords(const std::vector<double> &probabilities)
{
    const Extrema found = extrema(rounded(probabilities));
    if (found.maxima.empty())
        return {};
    QString sentence = QCoreApplication::translate("words", "Maxima jsou v bodech %1", nullptr, int(found.maxima.size()))
                           .arg(pointList(found.maxima));
    if (!found.minima.empty())
        sentence += QCoreApplication::translate("words", ", minima v bodech %1", nullptr, int(found.minima.size()))
                        .arg(pointList(found.minima));
    return sentence + u'.';
}

namespace {
// "na ose", "62 pixelů nad osou", "1 pixel pod osou".
QString height(double y, double axisY)
{
    const long away = std::lround(std::fabs(axisY - y));
    if (away == 0)
        return QCoreApplication::translate("words", "na ose");
    return (y < axisY ? QCoreApplication::translate("words", "%1 nad osou") : QCoreApplication::translate("words", "%1 pod osou"))
        .arg(words::pixels(away));
}

QString heights(const std::vector<double> &ys, double axisY)
{
    QStringList all;
    for (const double y : ys)
        all << height(y, axisY);
    return all.size() < 2 ? all.join(QString()) : all.mid(0, all.size() - 1).join(QStringLiteral(", ")) + QCoreApplication::translate("words", " a ") + all.last();
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
        return QCoreApplication::translate("words", "Průběh je po celém detektoru stejný.");
    QStringList parts;
    if (!maxima.empty())
        parts << QCoreApplication::translate("words", "maxima %1", nullptr, int(maxima.size())).arg(heights(maxima, axisY));
    if (!minima.empty())
        parts << QCoreApplication::translate("words", "minima %1", nullptr, int(minima.size())).arg(heights(minima, axisY));
    return QCoreApplication::translate("words", "Průběh: %1.").arg(parts.join(QStringLiteral("; ")));
}

QString hitsInWords(const std::vector<size_t> &hits)
{
    size_t total = 0;
    QStringList points;
    for (size_t i = 0; i < hits.size(); ++i) {
        total += hits[i];
        points << QCoreApplication::translate("words", "bod %1: %2").arg(i + 1).arg(hits[i]);
    }
    const QString landed = QCoreApplication::translate("words", "Dopadlo %n fotonů", nullptr, int(total));
    return landed + QStringLiteral("; ") + points.join(QStringLiteral(", ")) + u'.';
}

namespace {
// The run's open paths: "obou tras" and "po obou trasách" at two.
QString ofThePaths(const Timeline &run)
{
    const int open = run.setup().openHoles();
    return open == 1 ? QCoreApplication::translate("words", "jediné trasy")
           : open == 2 ? QCoreApplication::translate("words", "obou tras")
                       : QCoreApplication::translate("words", "všech %1 tras").arg(open);
}

QString alongThePaths(const Timeline &run)
{
    const int open = run.setup().openHoles();
    return open == 1 ? QCoreApplication::translate("words", "po jediné trase")
           : open == 2 ? QCoreApplication::translate("words", "po obou trasách")
                       : QCoreApplication::translate("words", "po všech %1 trasách").arg(open);
}
}

QString stepInWords(const Timeline &run, size_t position)
{
    if (position == 0)
        return QCoreApplication::translate("words", "Začátek: obrázek před spuštěním animace.");
    const size_t step = position - 1; // the one just drawn
    const size_t point = run.pointAt(step);
    const size_t first = run.beginOf(point), count = run.endOf(point) - first, within = step - first;
    QString what;
    const QString bar = pixels(std::lround(run.probabilities().at(point)));
    if (within + 1 == count)
        what = run.setup().watched
                   ? QCoreApplication::translate("words", "šipky %1 a úsečka pravděpodobnosti, součet pravděpodobností tras, %2.")
                         .arg(ofThePaths(run), bar)
                   : QCoreApplication::translate("words", "šipky %1, jejich součet a úsečka pravděpodobnosti, %2.").arg(ofThePaths(run), bar);
    else if (within == 0)
        what = QCoreApplication::translate("words", "šipky fáze na otvorech, trasy od zdroje a foton na začátku %1.").arg(ofThePaths(run));
    else if (within + 2 == count)
        what = QCoreApplication::translate("words", "foton doletěl %1 do bodu detektoru.").arg(alongThePaths(run));
    else
        what = QCoreApplication::translate("words", "foton postoupil %1.").arg(alongThePaths(run));
    return QCoreApplication::translate("words", "%1, krok %2 z %3: %4").arg(pointOf(run, point)).arg(within + 1).arg(count).arg(what);
}

QString pausedInWords(const Timeline &run, size_t position)
{
    const QString where = position == 0 ? QCoreApplication::translate("words", "na začátku")
        : position >= run.end()          ? QCoreApplication::translate("words", "na konci")
                                         : QCoreApplication::translate("words", "v bodě %1 z %2").arg(run.pointAt(position - 1) + 1).arg(run.points());
    return QCoreApplication::translate("words", "Animace pozastavena %1. Pokračovat: %2 nebo %3. %4 a %5 o krok vpřed a zpět, "
                                                "%6 a %7 na konec a na začátek bodu, %8 na začátek, %9 na konec.")
        .arg(where, keys::name(Qt::Key_Space), keys::name(Qt::Key_Return), keys::name(Qt::Key_Right),
             keys::name(Qt::Key_Left), keys::name(Qt::Key_PageDown), keys::name(Qt::Key_PageUp), keys::name(Qt::Key_Home),
             keys::name(Qt::Key_End));
}

QString pixels(long length)
{
    return QCoreApplication::translate("words", "%n pixelů", nullptr, int(length));
}

QString holesInWords(int holes)
{
    return QCoreApplication::translate("words", "%n otvorů", nullptr, holes);
}

QString setupInWords(const Setup &setup, const QLocale &notation)
{
    using parameters::written;
    QString words = QCoreApplication::translate("words", "vzdálenost clony %1 px, frekvence fotonů %2, rozteč děr %3 px, %4")
                        .arg(written(setup.distance, notation), written(setup.frequency, notation),
                             written(setup.spacing, notation), holesInWords(setup.holes));
    QStringList covered;
    for (int hole = 1; hole <= setup.holes; ++hole)
        if (!setup.isOpen(hole))
            covered << QString::number(hole);
    if (!covered.isEmpty())
        words += QCoreApplication::translate("words", " (zakryté %1 shora)", nullptr, int(covered.size()))
                     .arg(covered.join(QStringLiteral(", ")));
    if (setup.watched)
        words += QCoreApplication::translate("words", ", trasa fotonu sledována");
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

QLocale notation()
{
    return QLocale(language::current().isEmpty() ? QStringLiteral("cs") : language::current());
}

QString number(double value)
{
    return parameters::written(value, notation());
}

} // namespace words
