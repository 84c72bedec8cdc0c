// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs at the device pixel ratio that QT_SCALE_FACTOR sets: the raster stays at device resolution, and the
// picture scales with the ratio, and again with the window's zoom.
#include "testsupport.h"

#include <algorithm>
#include <cmath>

namespace {
const double bars[] = {109.04, 71.09, 13.59, 31.84, 159.97, 34.57, 12.48, 69.97, 108.45, 128.25, 138.61};

double expectedRatio()
{
    bool ok = false;
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? ratio : 1.0;
}

// Length in device pixels of the black run that starts at the device pixel (x, y) and goes right.
int blackRunFrom(const QImage &image, int x, int y)
{
    int length = 0;
    while (x + length < image.width() && image.pixel(x + length, y) == qRgb(0, 0, 0))
        ++length;
    return length;
}

// The window made zoom times its size, as a teacher maximises it.
void zoomWindow(ShownWindow &shown, qreal zoom)
{
    shown.window->resize((QSizeF(SpomalenaAnimace::clientSize) * zoom).toSize());
    QCOMPARE(shown.window->canvas->zoom(), zoom);
}
}

class TestHighDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void rasterAtDeviceResolution()
    {
        ShownWindow shown;
        const double ratio = expectedRatio();
        QCOMPARE(shown.window->devicePixelRatioF(), ratio);
        QCOMPARE(shown.window->size(), SpomalenaAnimace::clientSize);
        const QImage &raster = shown.window->canvas->image();
        QCOMPARE(raster.devicePixelRatio(), ratio);
        QCOMPARE(raster.size(), (QSizeF(SpomalenaAnimace::clientSize) * ratio).toSize());
    }

    void picturesScale_data()
    {
        QTest::addColumn<qreal>("zoom");
        QTest::newRow("1:1") << 1.0;
        QTest::newRow("zoom 1.8") << 1.8;
    }

    void picturesScale()
    {
        QFETCH(qreal, zoom);
        ShownWindow shown;
        zoomWindow(shown, zoom);
        shown.start();
        const double ratio = expectedRatio() * zoom;
        const double tolerance = zoom == 1 ? 2 * ratio + 1 : 3 * expectedRatio();
        const QImage &raster = shown.window->canvas->image();
        for (int point = 0; point <= 10; ++point) {
            const int y = int((501.94 - 40 * point) * ratio); // a row of the 3-pixel bar clear of the axis
            // The bar's whole run, its square ends (half its width each) taken off.
            int start = int(551 * ratio);
            while (start > 0 && raster.pixel(start - 1, y) == qRgb(0, 0, 0))
                --start;
            const double length = blackRunFrom(raster, start, y) - 3 * ratio;
            QVERIFY2(std::fabs(length - bars[point] * ratio) <= tolerance,
                     qPrintable(QStringLiteral("bar %1: %2 device pixels, expected %3").arg(point).arg(length).arg(bars[point] * ratio)));
        }
        // The upper path's leg from the source in black, the lower one's in white, a resultant in green.
        const auto at = [&](double x, double y) { return raster.pixel(int(x * ratio), int(y * ratio)); };
        QCOMPARE(at(115, 340.5 - 0.5 * (340.5 - 320.5)), qRgb(0, 0, 0));
        QCOMPARE(at(115, 340.5 + 0.5 * (360.5 - 340.5)), qRgb(255, 255, 255));
        const std::vector<Stroke> &strokes = shown.run().strokes();
        const auto resultant = std::find_if(strokes.begin(), strokes.end(), [](const Stroke &s) { return s.colour == 0xFF00FF00; });
        QVERIFY(resultant != strokes.end());
        QCOMPARE(at((resultant->x1 + resultant->x2) / 2, (resultant->y1 + resultant->y2) / 2), qRgb(0, 255, 0));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_hidpi.moc"
