// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs at the device pixel ratio that QT_SCALE_FACTOR sets: the raster stays at device resolution,
// erasing stays exact, and the picture scales with the ratio, and again with the window's zoom.
#include "testsupport.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Canvas::Colour grey = 0x00C0C0C0;
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

    void erasingStaysExact_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<bool>("zoomedBetween"); // drawn at 1:1, erased after the window grew
        const auto rows = [](qreal zoom, bool between, std::initializer_list<int> widths) {
            const QString at = zoom == 1 ? QString() : QStringLiteral(", zoom %1%2").arg(zoom).arg(between ? " after drawing" : "");
            for (const int width : widths) {
                QTest::newRow(qPrintable(QStringLiteral("marker, width %1%2").arg(width).arg(at)))
                    << width << QLineF(184.3, 355.42, 191.17, 346.29) << zoom << between;
                QTest::newRow(qPrintable(QStringLiteral("arrow, width %1%2").arg(width).arg(at)))
                    << width << QLineF(320, 500.94, 300.12, 503.03) << zoom << between;
            }
        };
        rows(1, false, {1, 2, 3, 4, 5});
        for (const qreal zoom : {1.25, 1.8, 2.4})
            for (const bool between : {false, true})
                rows(zoom, between, {1, 2, 5});
    }

    void erasingStaysExact()
    {
        QFETCH(int, width);
        QFETCH(QLineF, line);
        QFETCH(qreal, zoom);
        QFETCH(bool, zoomedBetween);
        const auto band = [](Canvas &canvas) {
            canvas.ScaleMode(3);
            canvas.DrawWidth(4);
            for (int y = 581; y > 80; y -= 2)
                canvas.Line(50, y, 800, y, grey);
        };
        QImage before;
        {
            ShownWindow untouched;
            zoomWindow(untouched, zoom);
            band(*untouched.window->canvas);
            before = untouched.window->canvas->image();
        }
        ShownWindow shown;
        if (!zoomedBetween)
            zoomWindow(shown, zoom);
        Canvas &canvas = *shown.window->canvas;
        band(canvas);
        canvas.DrawWidth(width);
        canvas.Line(line.x1(), line.y1(), line.x2(), line.y2());
        if (zoomedBetween)
            zoomWindow(shown, zoom);
        QCOMPARE(canvas.image().devicePixelRatio(), zoom * expectedRatio());
        QVERIFY(canvas.image() != before);
        canvas.Line(line.x1(), line.y1(), line.x2(), line.y2(), grey);
        QCOMPARE(canvas.image(), before);
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
        const auto resultant = std::find_if(shown.ops.begin(), shown.ops.end(),
                                            [](const CanvasOp &op) { return op.colour == 0x0000FF00; });
        QVERIFY(resultant != shown.ops.end());
        QCOMPARE(at((resultant->x1 + resultant->x2) / 2, (resultant->y1 + resultant->y2) / 2), qRgb(0, 255, 0));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_hidpi.moc"
