// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture, pixel for pixel, against the references in tests/golden: nothing is antialiased, so there is no
// tolerance. KESTROVA_UPDATE_GOLDEN=1 writes the references instead (scripts/golden.sh). On a mismatch the picture
// drawn is written to golden-failures/ in the build folder (ImageMagick's compare shows the difference).
#include "phasors.h"
#include "testsupport.h"

#include <QMenu>

#include <QDir>
#include <QScreen>

#include <cmath>

namespace {
const QString referenceDir = QStringLiteral(KESTROVA_GOLDEN_DIR);
const QString failureDir = QStringLiteral(KESTROVA_GOLDEN_FAILURES_DIR);

constexpr int wholeRun = 0;
constexpr int stepsPerPoint = 82; // 81 animation steps, then the point's arrows, resultant and bar

double screenRatio()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

QImage comparable(const QImage &image)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    result.setDevicePixelRatio(1);
    return result;
}

// The bars measured in the finished picture, lowest point first, in logical pixels: each runs right from its base
// line at x = 550 and is 3 pixels thick, with square ends. They keep a remade reference honest.
std::vector<double> measuredBars(const QImage &image, double ratio)
{
    std::vector<double> bars;
    for (int point = 0; point <= 10; ++point) {
        const int row = int((500.94 - 40 * point + 0.6) * ratio); // inside the bar, clear of the axis
        int x = int(552 * ratio);
        while (x < image.width() && image.pixel(x, row) == qRgb(0, 0, 0))
            ++x;
        bars.push_back(x / ratio - 1.5 - 550);
    }
    return bars;
}
}

class TestGolden : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void picture_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QStringList>("changes"); // before the run: "field=text", "cover=hole" or "watch"
        QTest::addColumn<bool>("pattern"); // Průběh on
        QTest::addColumn<int>("wait");     // the picture at this position of the run; wholeRun: after it
        QTest::addColumn<std::vector<double>>("bars"); // of the finished picture, empty when not measured
        QTest::addColumn<int>("runs"); // in a row, in one process: each leaves the same picture
        QTest::addColumn<bool>("back"); // the position reached by a step back from the end, not by playing on
        QTest::addColumn<std::vector<double>>("previous"); // the compared run's bars, measured; empty when not

        const auto row = [](const char *reference, QStringList changes = {}, bool pattern = false,
                            int wait = wholeRun, std::vector<double> bars = {}, int runs = 1, bool back = false,
                            std::vector<double> previous = {}) {
            const QString tag = QString::fromLatin1(reference) + (back ? QStringLiteral(", stepped back to") : QString());
            QTest::newRow(qPrintable(tag)) << QString::fromLatin1(reference) << changes << pattern << wait << bars << runs
                                     << back << previous;
        };
        if (screenRatio() == 2) {
            row("finished@2x", {}, false, wholeRun, startingBars());
            row("pattern@2x", {}, true);
            return;
        }
        row("finished", {}, false, wholeRun, startingBars(), 50);
        row("frequency-0", {"nUr=0"}, false, wholeRun, std::vector<double>(11, 160));
        row("distance-100", {"nVzdalenost=100"});            // the sum column on the detector
        row("spacing-80", {"nRd=80"});
        row("distance-50", {"nVzdalenost=50"});              // the sum column left of the detector
        row("lowest-first-step", {}, false, 1);
        row("lowest-last-step", {}, false, 81);
        row("axis-point-halfway", {}, false, 4 * stepsPerPoint + 41);
        row("pattern", {}, true);
        row("pattern-frequency-0", {"nUr=0"}, true);
        row("pattern-distance-100", {"nVzdalenost=100"}, true);
        // Other holes: one, three, the most (eight, at the starting spacing), a covered one, a watched path.
        row("one-hole", {"nPocetOtvoru=1"}, false, wholeRun, Phasors{.holes = 1}.bars());
        row("three-holes", {"nPocetOtvoru=3"}, true, wholeRun, Phasors{.holes = 3}.bars());
        row("eight-holes", {"nPocetOtvoru=8"}, true, wholeRun, Phasors{.holes = 8}.bars());
        row("upper-hole-covered", {"cover=1"}, false, wholeRun, Phasors{.covered = {true}}.bars());
        row("watched", {"watch"}, true, wholeRun, Phasors{.watched = true}.bars());
        row("watched-three-holes-lowest-last-step", {"nPocetOtvoru=3", "watch"}, false, 81);
        // Compared with the run before: spacing 40, then 80, with the curves; mid-run, played to and stepped back to.
        const std::vector<double> spacing40 = Phasors{}.bars();
        row("compared-spacing-80", {"run", "compare", "nRd=80"}, false, wholeRun, Phasors{.spacing = 80}.bars(), 1,
            false, spacing40);
        row("compared-spacing-80-midway", {"run", "compare", "nRd=80"}, false, 6 * stepsPerPoint + 41, {}, 1, false,
            spacing40);
        row("compared-spacing-80-midway", {"run", "compare", "nRd=80"}, false, 6 * stepsPerPoint + 41, {}, 1, true,
            spacing40);
        row("compared-spacing-80-curves", {"run", "compare", "nRd=80"}, true);
        // After a run at the starting distance the picture is as if there had been none: nothing of the run before
        // stays outside the band.
        QTest::newRow("distance-50, after a run at 200") << QStringLiteral("distance-50") << QStringList{"run", "nVzdalenost=50"}
                                                         << false << wholeRun << std::vector<double>{} << 1 << false
                                                         << std::vector<double>{};
#if defined(Q_OS_LINUX) // the fonts behind the controls are a Debian desktop's
        row("window", {}, false, -1);
#endif
    }

    void picture()
    {
        QFETCH(QString, reference);
        QFETCH(QStringList, changes);
        QFETCH(bool, pattern);
        QFETCH(int, wait);
        QFETCH(std::vector<double>, bars);
        QFETCH(int, runs);
        QFETCH(bool, back);
        QFETCH(std::vector<double>, previous);

        ShownWindow shown(wait > 0);
        QImage actual;
        if (wait < 0) { // the window at start-up
            QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
            actual = shown.window->grab().toImage();
        } else {
            shown.window->commands.pattern->setChecked(pattern);
            for (const QString &change : changes)
                shown.change(change);
            for (int run = 0; run < runs; ++run)
                shown.start();
            QVERIFY(shown.errors.empty());
            if (back)
                shown.window->playback().seek(shown.run().end());
            if (wait > 0)
                shown.window->playback().seek(size_t(wait));
            actual = shown.window->canvas->image().copy();
            shown.window->playback().finish();
        }
        actual = comparable(actual);

        const std::vector<double> measured = measuredBars(actual, screenRatio());
        for (size_t i = 0; i < bars.size(); ++i)
            QVERIFY2(std::fabs(measured[i] - bars[i]) <= 1,
                     qPrintable(QStringLiteral("bar %1 is %2 px, not %3").arg(i).arg(measured[i]).arg(bars[i])));

        // The compared run's bars, 2 px wide, 4 px above each bar, in their own colour, to the left of anything
        // drawn over them.
        for (size_t i = 0; i < previous.size(); ++i) {
            const double ratio = screenRatio();
            const int row = int((500.94 - 40 * double(i) - 4 + 0.5) * ratio);
            const QRgb colour = actual.pixel(int(553 * ratio), row);
            int x = int(553 * ratio);
            while (x < actual.width() && actual.pixel(x, row) == colour)
                ++x;
            const double length = x / ratio - 1 - 550;
            if (previous[i] >= 4) // a shorter one may hide behind the base line
                QVERIFY2(colour == qRgb(0x6A, 0x5A, 0xCD) && std::fabs(length - previous[i]) <= 1.5,
                         qPrintable(QStringLiteral("previous bar %1 is %2 px, not %3").arg(i).arg(length).arg(previous[i])));
        }

        const QString path = referenceDir + QLatin1Char('/') + reference + QStringLiteral(".png");
        if (qEnvironmentVariableIntValue("KESTROVA_UPDATE_GOLDEN")) {
            QVERIFY(QDir().mkpath(referenceDir));
            QVERIFY(actual.save(path));
            qInfo("wrote %s", qPrintable(path));
            return;
        }
        const QImage expected = comparable(QImage(path));
        QVERIFY2(!expected.isNull(), qPrintable(QStringLiteral("no reference %1").arg(path)));
        if (actual != expected) {
            QDir().mkpath(failureDir);
            actual.save(failureDir + QLatin1Char('/') + reference + QStringLiteral(".png"));
            QFAIL(qPrintable(QStringLiteral("differs from %1; the picture drawn is in %2").arg(path, failureDir)));
        }
    }
};

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
