// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture, pixel for pixel, against the references in tests/golden: nothing is antialiased, so there is no
// tolerance. KESTROVA_UPDATE_GOLDEN=1 writes the references instead (scripts/golden.sh). On a mismatch the actual
// image and a difference image are written to golden-failures/ in the build folder.
#include "testsupport.h"

#include <QDir>
#include <QScreen>

#include <cmath>

namespace {
const QString referenceDir = QStringLiteral(KESTROVA_GOLDEN_DIR);
const QString failureDir = QStringLiteral(KESTROVA_GOLDEN_FAILURES_DIR);

const QList<double> defaultBars{109.04, 71.09, 13.59, 31.84, 159.97, 34.57, 12.48, 69.97, 108.45, 128.25, 138.61};
const QList<double> flatBars(11, 160);

constexpr int wholeRun = 0;
constexpr int stepsPerPoint = 82; // 81 animation steps, then the point's arrows, resultant and bar

// The picture once the given animation step (1 to 81) of a point (0, the lowest, to 10) is drawn.
int stepWait(int point, int step)
{
    return point * stepsPerPoint + step;
}

QList<double> barsFor(double distance, double frequency, double spacing)
{
    const std::vector<double> bars = expectedBars(distance, frequency, spacing);
    return {bars.begin(), bars.end()};
}

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

// The probability bars measured in the finished picture, lowest point first, in logical pixels: each runs
// right from its base line at x = 550 and is 3 pixels thick, with square ends.
QList<double> measuredBars(const QImage &image, double ratio)
{
    QList<double> bars;
    for (int point = 0; point <= 10; ++point) {
        const int row = int((500.94 - 40 * point + 0.6) * ratio); // inside the bar, clear of the axis
        int x = int(552 * ratio);
        while (x < image.width() && image.pixel(x, row) == qRgb(0, 0, 0))
            ++x;
        bars.append(x / ratio - 1.5 - 550);
    }
    return bars;
}

// Writes what differs: the actual picture, and a copy of it in grey with the differing pixels in red.
QString keepFailure(const QString &name, const QImage &actual, const QImage &expected)
{
    QDir().mkpath(failureDir);
    QImage difference = actual.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < difference.height(); ++y)
        for (int x = 0; x < difference.width(); ++x)
            if (y >= expected.height() || x >= expected.width() || actual.pixel(x, y) != expected.pixel(x, y))
                difference.setPixel(x, y, qRgb(255, 0, 0));
    const QString base = failureDir + QLatin1Char('/') + name;
    actual.save(base + QStringLiteral(".actual.png"));
    difference.save(base + QStringLiteral(".difference.png"));
    return base + QStringLiteral(".{actual,difference}.png");
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
        QTest::addColumn<QString>("field");   // set before the run, "" for none
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("wait");        // the picture at this position of the run; wholeRun: after it
        QTest::addColumn<QList<double>>("bars"); // of the finished picture, empty when not measured

        if (screenRatio() == 2) {
            QTest::newRow("finished, ratio 2") << "finished@2x" << "" << "" << wholeRun << defaultBars;
            return;
        }
        QTest::newRow("finished") << "finished" << "" << "" << wholeRun << defaultBars;
        QTest::newRow("frequency 0: every bar 160") << "frequency-0" << "nUr" << "0" << wholeRun << flatBars;
        QTest::newRow("distance 100: the sum column on the detector") << "distance-100" << "nVzdalenost" << "100"
                                                                      << wholeRun << QList<double>{};
        QTest::newRow("spacing 80") << "spacing-80" << "nRd" << "80" << wholeRun << barsFor(200, 1, 80);
        QTest::newRow("distance 50: the sum column left of the detector") << "distance-50" << "nVzdalenost" << "50"
                                                                          << wholeRun << barsFor(50, 1, 40);
        QTest::newRow("lowest point, first step") << "lowest-first-step" << "" << "" << stepWait(0, 1)
                                                  << QList<double>{};
        QTest::newRow("lowest point, last step") << "lowest-last-step" << "" << "" << stepWait(0, 81)
                                                 << QList<double>{};
        QTest::newRow("point beside the axis, halfway") << "axis-point-halfway" << "" << "" << stepWait(4, 41)
                                                        << QList<double>{};
#if defined(Q_OS_LINUX) // the fonts behind the controls are a Debian desktop's
        QTest::newRow("start-up window") << "window" << "" << "" << -1 << QList<double>{};
#endif
    }

    void picture()
    {
        QFETCH(QString, reference);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, wait);
        QFETCH(QList<double>, bars);

        ShownWindow shown(wait > 0);
        QImage actual;
        if (wait < 0) {
            QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
            actual = shown.window->grab().toImage();
        } else {
            if (!field.isEmpty())
                setFieldText(shown.window->findChild<QLineEdit *>(field), text);
            shown.start();
            QVERIFY(shown.errors.empty());
            if (wait > 0) {
                shown.window->playback().seek(size_t(wait));
                actual = shown.window->canvas->image().copy();
                shown.window->playback().finish();
            } else {
                actual = shown.window->canvas->image();
            }
        }
        QVERIFY(!actual.isNull());
        actual = comparable(actual);

        if (!bars.isEmpty()) {
            const QList<double> measured = measuredBars(actual, screenRatio());
            for (qsizetype i = 0; i < bars.size(); ++i)
                QVERIFY2(std::fabs(measured[i] - bars[i]) <= 1,
                         qPrintable(QStringLiteral("bar %1 is %2 px, not %3").arg(i).arg(measured[i]).arg(bars[i])));
        }

        matchReference(reference, actual);
    }

    void pattern_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("field"); // set before the run, "" for none
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("frequency");
        if (screenRatio() == 2) {
            QTest::newRow("pattern, ratio 2") << "pattern@2x" << "" << "" << 200.0 << 1.0;
            return;
        }
        QTest::newRow("pattern") << "pattern" << "" << "" << 200.0 << 1.0;
        QTest::newRow("pattern, frequency 0: flat at 160") << "pattern-frequency-0" << "nUr" << "0" << 200.0 << 0.0;
        QTest::newRow("pattern, distance 100") << "pattern-distance-100" << "nVzdalenost" << "100" << 100.0 << 1.0;
    }

    // The finished picture with the whole pattern; in it, the curve where the physics puts it, row by row.
    void pattern()
    {
        QFETCH(QString, reference);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(double, distance);
        QFETCH(double, frequency);
        ShownWindow shown;
        shown.window->commands.pattern->setChecked(true);
        if (!field.isEmpty())
            setFieldText(shown.window->findChild<QLineEdit *>(field), text);
        shown.start();
        const QImage actual = comparable(shown.window->canvas->image());
        const double ratio = screenRatio();
        const auto bar = [&](double y) {
            const double run = distance - 100, upper = std::hypot(run, 320.5 - y), lower = std::hypot(run, 360.5 - y);
            return 80 * (1 + std::cos(0.15 * frequency * (upper - lower)));
        };
        for (int row = 103; row < 511; row += 7) {
            const double fromPoint = std::fmod(std::fabs(row - 100.94), 40.0);
            if (fromPoint < 4 || fromPoint > 36 || std::fabs(row - 340.5) < 3)
                continue; // where a bar or the axis lies over it
            // A pixel row is crossed by the segment between the curve's rows halfway.
            const double x = 550 + (bar(row) + bar(row + 1)) / 2;
            bool found = false;
            for (int px = int((x - 1.5) * ratio); px <= int((x + 1.5) * ratio); ++px)
                found |= actual.pixel(px, int((row + 0.5) * ratio)) == qRgb(0, 0, 255);
            QVERIFY2(found, qPrintable(QStringLiteral("no curve near x = %1 in row %2").arg(x).arg(row)));
        }
        matchReference(reference, actual);
    }

private:
    // The picture against its reference, or written as it when KESTROVA_UPDATE_GOLDEN is set.
    void matchReference(const QString &reference, const QImage &actual)
    {
        const QString path = referenceDir + QLatin1Char('/') + reference + QStringLiteral(".png");
        if (qEnvironmentVariableIntValue("KESTROVA_UPDATE_GOLDEN")) {
            QVERIFY(QDir().mkpath(referenceDir));
            QVERIFY(actual.save(path));
            qInfo("wrote %s", qPrintable(path));
            return;
        }
        const QImage expected = comparable(QImage(path));
        QVERIFY2(!expected.isNull(), qPrintable(QStringLiteral("no reference %1").arg(path)));
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("differs from %1; see %2").arg(path, keepFailure(reference, actual, expected))));
    }
};

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
