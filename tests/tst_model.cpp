// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The model without a window: a run recorded from a set-up, its bars against a sum of complex phasors computed here,
// the strokes that show the holes, paths and sums, its waits, and the check of the holes with their spacing.
#include "detectorscan.h"
#include "fields.h"
#include "interference.h"
#include "parameters.h"
#include "phasors.h"

#include <QTest>

#include <numbers>

namespace {
constexpr QRgb black = 0xFF000000, white = 0xFFFFFFFF, grey = 0xFFC0C0C0, green = 0xFF00FF00;

Setup setupOf(double distance, double frequency, double spacing, int holes = 2, std::vector<bool> covered = {},
              bool watched = false)
{
    Setup setup;
    setup.distance = distance;
    setup.frequency = frequency;
    setup.spacing = spacing;
    setup.holes = holes;
    setup.covered = std::move(covered);
    setup.watched = watched;
    return setup;
}

// The bars of a set-up as the phasors computed apart give them.
std::vector<double> phasorBars(const Setup &s)
{
    return Phasors{s.distance, s.frequency, s.spacing, s.holes, s.covered, s.watched}.bars();
}

std::vector<Stroke> strokesOf(const Timeline &run, size_t step)
{
    return {run.strokes().begin() + ptrdiff_t(run.strokesAt(step)), run.strokes().begin() + ptrdiff_t(run.strokesAt(step + 1))};
}

double length(const Stroke &s)
{
    return std::hypot(double(s.x2) - s.x1, double(s.y2) - s.y1);
}
}

Q_DECLARE_METATYPE(Setup)

class TestModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bars_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("starting values") << Setup();
        QTest::newRow("frequency 0: every bar 160") << setupOf(200, 0, 40);
        QTest::newRow("distance 50") << setupOf(50, 1, 40);
        QTest::newRow("spacing 80") << setupOf(200, 1, 80);
        QTest::newRow("one hole: 160 everywhere") << setupOf(200, 1, 40, 1);
        QTest::newRow("the upper of two covered: 40 everywhere") << setupOf(200, 1, 40, 2, {true});
        QTest::newRow("the lower of two covered") << setupOf(200, 1, 40, 2, {false, true});
        QTest::newRow("three holes") << setupOf(200, 1, 40, 3);
        QTest::newRow("three holes, the middle covered") << setupOf(200, 1, 40, 3, {false, true});
        QTest::newRow("eight holes at their largest spacing") << setupOf(200, 1, 48.71, 8);
        QTest::newRow("eight close holes: one wide slit") << setupOf(120, 0.7, 6, 8);
        QTest::newRow("watched: 80 everywhere") << setupOf(200, 1, 40, 2, {}, true);
        QTest::newRow("watched, three holes, one covered") << setupOf(200, 1, 40, 3, {true}, true);
    }

    // The bars of the recording against the phasors summed here; the bars drawn, 3 px wide from x = 550, alike.
    void bars()
    {
        QFETCH(Setup, setup);
        const auto run = recordRun(setup);
        const std::vector<double> expected = phasorBars(setup);
        QCOMPARE(run->probabilities().size(), expected.size());
        std::vector<double> drawn;
        for (const Stroke &s : run->strokes())
            if (s.width == 3 && s.colour == black && s.x1 == 550 && s.y1 == s.y2)
                drawn.push_back(s.x2 - 550.0);
        QCOMPARE(drawn.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            QVERIFY2(std::fabs(run->probabilities()[i] - expected[i]) < 1e-9,
                     qPrintable(QStringLiteral("bar %1: %2, expected %3").arg(i).arg(run->probabilities()[i]).arg(expected[i])));
            QVERIFY(std::fabs(drawn[i] - expected[i]) < 1e-4);
        }
    }

    void holes_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<std::vector<double>>("openY"); // the cut holes, from the top
        QTest::addColumn<std::vector<double>>("closedY");
        QTest::addColumn<std::vector<QRgb>>("colours"); // of the open paths, from the top
        QTest::newRow("two") << Setup() << std::vector<double>{320.5, 360.5} << std::vector<double>{}
                             << std::vector<QRgb>{black, white};
        QTest::newRow("one") << setupOf(200, 1, 40, 1) << std::vector<double>{340.5} << std::vector<double>{}
                             << std::vector<QRgb>{black};
        QTest::newRow("three, the top covered") << setupOf(200, 1, 30, 3, {true}) << std::vector<double>{340.5, 370.5}
                                                << std::vector<double>{310.5} << std::vector<QRgb>{0xFFFF00FF, white};
        QTest::newRow("four") << setupOf(200, 1, 20, 4) << std::vector<double>{310.5, 330.5, 350.5, 370.5}
                              << std::vector<double>{} << std::vector<QRgb>{black, 0xFFFF00FF, 0xFF008080, white};
    }

    // Where the holes are cut and closed, and each open path's arrow at its hole (40 / N long), its leg from the source
    // and its photon in every animation step, in its own colour; a covered hole's path has none of them.
    void holes()
    {
        QFETCH(Setup, setup);
        QFETCH(std::vector<double>, openY);
        QFETCH(std::vector<double>, closedY);
        QFETCH(std::vector<QRgb>, colours);
        const auto run = recordRun(setup);
        std::vector<double> cut, closed;
        for (const Stroke &s : strokesOf(*run, 0))
            if (s.shape == Stroke::Shape::Ring && s.radius == 3 && s.width == 5)
                (s.colour == grey ? cut : closed).push_back(s.y1);
        QCOMPARE(cut, openY);
        QCOMPARE(closed, closedY);

        const size_t begin = run->beginOf(5); // a later point: the apparatus is behind it
        std::vector<QRgb> holeArrows, legs, markers;
        for (const Stroke &s : strokesOf(*run, begin)) {
            if (s.width != 2)
                continue;
            if (s.x1 == 150 && std::fabs(length(s) - 40.0 / setup.holes) < 1e-3)
                holeArrows.push_back(s.colour);
            else if (s.x1 == 80 && s.x2 == 150)
                legs.push_back(s.colour);
            else if (s.colour != grey && std::fabs(length(s) - 10) < 1e-3)
                markers.push_back(s.colour);
        }
        QCOMPARE(holeArrows, colours);
        QCOMPARE(legs, colours);
        std::reverse(markers.begin(), markers.end()); // they move from the bottom up
        QCOMPARE(markers, colours);
    }

    void sumColumn_data()
    {
        QTest::addColumn<bool>("watched");
        QTest::newRow("added head to tail, with their green sum") << false;
        QTest::newRow("watched: each from the column's point, no sum") << true;
    }

    void sumColumn()
    {
        QFETCH(bool, watched);
        const auto run = recordRun(setupOf(200, 1, 40, 3, {}, watched));
        const size_t last = run->endOf(0) - 1;
        std::vector<Stroke> arrows;
        int sums = 0;
        for (const Stroke &s : strokesOf(*run, last)) {
            sums += s.colour == green;
            if (s.width == 2 && std::fabs(length(s) - 40.0 / 3) < 1e-3 && s.x1 > 360)
                arrows.push_back(s);
        }
        QCOMPARE(arrows.size(), size_t(3));
        QCOMPARE(sums, watched ? 0 : 1);
        for (size_t i = 0; i < arrows.size(); ++i) {
            const QPointF from(arrows[i].x1, arrows[i].y1);
            const QPointF expected = watched || i == 0 ? QPointF(420, float(500.94)) : QPointF(arrows[i - 1].x2, arrows[i - 1].y2);
            QVERIFY2(QLineF(from, expected).length() < 1e-3, qPrintable(QStringLiteral("arrow %1").arg(i)));
        }
    }

    void waits_data()
    {
        QTest::addColumn<double>("slowDown");
        QTest::addColumn<int>("holes");
        QTest::newRow("factor 1") << 1.0 << 2;
        QTest::newRow("factor 10") << 10.0 << 2;
        QTest::newRow("a fractional one is kept, to be rounded when paced") << 0.5 << 2;
        QTest::newRow("as many steps at eight holes") << 1.0 << 8;
    }

    // At each point 81 animation steps of slow-down × 30000 counts, then the point's pause of 400 after its last
    // step, which ends with its bar.
    void waits()
    {
        QFETCH(double, slowDown);
        QFETCH(int, holes);
        Setup setup = setupOf(200, 1, 40, holes);
        setup.slowDown = slowDown;
        const auto run = recordRun(setup);
        QCOMPARE(run->points(), size_t(11));
        QCOMPARE(run->steps().size(), size_t(11 * 82));
        for (size_t i = 0; i < run->steps().size(); ++i)
            QCOMPARE(run->steps()[i].counts, i % 82 == 81 ? 400.0 : slowDown * 30000);
    }

    void holesWithTheirSpacing_data()
    {
        QTest::addColumn<int>("holes");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<QString>("largest"); // in the refusal, in Czech notation; "" when they fit
        QTest::newRow("two at the largest spacing") << 2 << 341.0 << "";
        QTest::newRow("one hole, any spacing") << 1 << 341.0 << "";
        QTest::newRow("three at exactly half") << 3 << 170.5 << "";
        QTest::newRow("three just over") << 3 << 170.51 << "170,5";
        QTest::newRow("eight: rounded down to hundredths") << 8 << 48.72 << "48,71";
        QTest::newRow("eight at that") << 8 << 48.71 << "";
        QTest::newRow("four: 113.67 would not fit") << 4 << 113.67 << "113,66";
    }

    // A pair that does not fit is refused in words that name both fields and give the largest spacing.
    void holesWithTheirSpacing()
    {
        QFETCH(int, holes);
        QFETCH(double, spacing);
        QFETCH(QString, largest);
        const QLocale czech(QLocale::Czech, QLocale::Czechia);
        const std::optional<QString> refusal = parameters::checkHoles(holes, spacing, czech);
        QCOMPARE(refusal.has_value(), !largest.isEmpty());
        if (!refusal)
            return;
        for (const QString &named : {QStringLiteral("„Počet otvorů“"), QStringLiteral("„Rozteč děr“"), u' ' + largest + u','})
            QVERIFY2(refusal->contains(named), qPrintable(*refusal));
        QVERIFY((holes - 1) * numberFromText(largest, czech) <= 341);
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
