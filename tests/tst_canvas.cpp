// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing operations as strokes, and the canvas they are drawn on: exact erasing, crisp zooming, and
// repainting only what changed.
#include "canvas.h"
#include "formdrawing.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <functional>
#include <set>
#include <unordered_set>
#include <span>

namespace {
constexpr FormDrawing::Colour grey = 0x00C0C0C0;

// A window-sized surface with a canvas on it, drawn on through the form's operations in pixel mode. The canvas
// is handed every stroke as it is made, and keeps what it needs to draw its picture anew.
struct Surface
{
    QWidget window;
    Canvas *canvas;
    std::vector<Stroke> strokes;
    FormDrawing form{strokes};
    size_t drawn = 0;

    explicit Surface(qreal zoom = 1)
    {
        window.resize(810, 600);
        canvas = new Canvas(&window);
        canvas->setZoom(zoom);
        form.ScaleMode(3);
    }

    void sync()
    {
        const size_t before = drawn;
        drawn = strokes.size();
        canvas->draw(std::span<const Stroke>(strokes).subspan(before));
    }

    // A grey background band, the way the run lays it, and a black line on it that later shapes do not touch.
    void fillGrey()
    {
        form.DrawWidth(4);
        for (int y = 1; y < 600; y += 2)
            form.Line(0, y, 810, y, grey);
        form.Line(20, 0, 20, 600);
        sync();
    }

    const QImage &image()
    {
        sync();
        return canvas->image();
    }
    QRgb at(int x, int y) { return image().pixel(x, y); }
};
}

// Strokes drawn over a layer, or shown as the layer's alone.
struct LayerOp
{
    size_t layer = 0;
    bool show = false;
    QList<Stroke> strokes;
};
Q_DECLARE_METATYPE(LayerOp)

class TestCanvas : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eraseByRedrawingRestoresEveryPixel_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("circle");
        QTest::addColumn<QLineF>("shape");
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<bool>("zoomedBetween"); // drawn at 1:1, erased after the zoom
        const std::pair<const char *, QLineF> shapes[] = {{"steep fractional", QLineF(184.3, 355.42, 191.17, 346.29)},
                                                           {"shallow fractional", QLineF(320, 500.94, 337.1, 491.1)},
                                                           {"circle", QLineF(150, 320.5, 3, 0)},
                                                           {"horizontal", QLineF(60, 340.5, 770, 340.5)}};
        for (const qreal zoom : {1.0, 1.25, 1.8, 2.4})
            for (const int width : zoom == 1 ? QList<int>{1, 2, 3, 4, 5} : QList<int>{1, 2, 5})
                for (const bool between : zoom == 1 ? QList<bool>{false} : QList<bool>{false, true})
                    for (const auto &[name, shape] : std::span(shapes, zoom == 1 ? 4 : 3))
                        QTest::addRow("%s, zoom %g%s, width %d", name, zoom, between ? " after drawing" : "", width)
                            << width << (name == shapes[2].first) << shape << zoom << between;
    }

    void eraseByRedrawingRestoresEveryPixel()
    {
        QFETCH(int, width);
        QFETCH(bool, circle);
        QFETCH(QLineF, shape);
        QFETCH(qreal, zoom);
        QFETCH(bool, zoomedBetween);
        Surface surface(zoomedBetween ? 1.0 : zoom);
        surface.fillGrey();
        Surface untouched(zoom);
        untouched.fillGrey();
        const QImage before = untouched.image();

        surface.form.DrawWidth(width);
        const auto draw = [&](std::optional<FormDrawing::Colour> colour) {
            if (circle)
                surface.form.Circle(shape.x1(), shape.y1(), shape.x2(), colour);
            else
                surface.form.Line(shape.x1(), shape.y1(), shape.x2(), shape.y2(), colour);
        };
        draw(std::nullopt);
        surface.sync();
        surface.canvas->setZoom(zoom);
        QVERIFY(surface.image() != before);
        draw(grey);
        QCOMPARE(surface.image(), before);
    }

    void zoomedDrawingIsDrawnAnewNotStretched_data()
    {
        QTest::addColumn<qreal>("zoom");
        for (const qreal zoom : {1.0, 1.25, 1.8, 2.4})
            QTest::newRow(QByteArray::number(zoom)) << zoom;
    }

    // Drawn at 1:1 and then zoomed, the raster is what drawing at that zoom gives, every pixel in a colour drawn;
    // drawn anew within any area, it is what drawing it all gives, to the pixel.
    void zoomedDrawingIsDrawnAnewNotStretched()
    {
        QFETCH(qreal, zoom);
        const auto draw = [](Surface &surface) {
            FormDrawing &form = surface.form;
            surface.fillGrey();
            form.DrawWidth(3);
            form.Line(150, 511, 150, 100);
            for (double y = 100.94; y < 500; y += 40)
                form.Line(550, y, 620, y);
            form.DrawWidth(5);
            form.Circle(150, 320.5, 3, grey);
            form.DrawWidth(1);
            form.Line(60, 340.5, 770, 340.5);
            for (double y = 100; y < 500; ++y) // a curve of one-pixel segments, as the whole pattern is
                form.Line(600 + 60 * std::sin(y / 17), y, 600 + 60 * std::sin((y + 1) / 17), y + 1, 0x00FF0000);
            form.DrawWidth(2);
            form.Line(320, 500.94, 337.1, 491.1, 0x80000009);
            form.Line(420, 460.94, 401.3, 470.2, 0x0000FF00);
            surface.sync();
        };
        Surface zoomedAfter;
        draw(zoomedAfter);
        zoomedAfter.canvas->setZoom(zoom);
        Surface zoomedBefore(zoom);
        draw(zoomedBefore);

        const QImage raster = zoomedAfter.image().copy();
        const qreal scale = zoom * zoomedAfter.canvas->devicePixelRatioF();
        QCOMPARE(raster.size(), QSize(int(std::ceil(810 * scale - 1e-6)), int(std::ceil(600 * scale - 1e-6))));
        QCOMPARE(raster.devicePixelRatio(), scale);
        QCOMPARE(raster, zoomedBefore.image());
        const std::set<QRgb> drawn{0, qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0xC0, 0xC0, 0xC0), qRgb(0, 255, 0),
                                   qRgb(0, 0, 255)};
        for (int y = 0; y < raster.height(); ++y)
            for (int x = 0; x < raster.width(); ++x)
                if (!drawn.contains(raster.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("blended pixel %1 at %2, %3").arg(raster.pixel(x, y), 0, 16).arg(x).arg(y)));
        for (double y = 99.5; y < 500; y += 13.7)
            zoomedAfter.canvas->redrawWithin(QRectF(547.5, y, 170.3, 5));
        QCOMPARE(zoomedAfter.canvas->image(), raster);
    }

    // Layers painted bottom up, whatever the order they were drawn in, each shown anew or drawn over on its own,
    // and the picture the same once remade at another zoom. The expected picture paints each layer's every stroke
    // as drawn, none dropped.
    void layersStackAsDrawn_data()
    {
        QTest::addColumn<QList<LayerOp>>("ops");
        const auto line = [](float x1, float y1, float x2, float y2, QRgb colour, int width = 2) {
            return Stroke{.width = width, .colour = colour, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2};
        };
        const QRgb black = qRgb(0, 0, 0), red = qRgb(0xB0, 0, 0), greyBand = qRgb(0xC0, 0xC0, 0xC0);
        const Stroke axis = line(100, 340.5, 700, 340.5, black, 1);
        const Stroke mark = line(300, 330, 300, 350, red);
        QTest::newRow("a band drawn beneath marks leaves them on top")
            << QList<LayerOp>{{0, false, {axis}}, {1, false, {mark}}, {0, false, {line(50, 341, 750, 341, greyBand, 30)}}};
        QTest::newRow("a layer shown empty gives back what lay beneath")
            << QList<LayerOp>{{0, false, {axis}}, {1, false, {line(250, 340, 350, 340, red, 9)}}, {1, true, {}}};
        QTest::newRow("a layer shown anew with one stroke longer")
            << QList<LayerOp>{{0, false, {axis}},
                              {2, true, {line(550, 300, 600, 300, red, 1), line(550, 320, 580, 320, red, 1)}},
                              {2, true, {line(550, 300, 600, 300, red, 1), line(550, 320, 640, 320, red, 1)}}};
        QTest::newRow("the bottom layer shown anew, the others empty")
            << QList<LayerOp>{{0, false, {axis, line(100, 100, 200, 200, red)}}, {0, true, {line(400, 400, 500, 420, black)}}};
        QList<Stroke> redrawn;
        for (int i = 0; i < 400; ++i) // drawn and erased, as a marker moves: most of them covered
            redrawn << line(200 + i % 7, 200, 260, 260, i % 2 ? greyBand : black, 3);
        redrawn << line(200, 260, 260, 200, black, 3);
        QTest::newRow("drawn over hundreds of times beneath a mark, then over again")
            << QList<LayerOp>{{1, false, {line(230, 220, 230, 240, red)}}, {0, false, redrawn.mid(0, 300)}, {0, false, redrawn.mid(300)}};
    }

    void layersStackAsDrawn()
    {
        QFETCH(QList<LayerOp>, ops);
        QWidget window;
        window.resize(810, 600);
        auto *canvas = new Canvas(&window, 3);
        std::vector<std::vector<Stroke>> layers(3);
        for (const LayerOp &op : ops) {
            const std::vector<Stroke> strokes(op.strokes.begin(), op.strokes.end());
            if (op.show)
                canvas->show(op.layer, strokes);
            else
                canvas->draw(strokes, op.layer);
            if (op.show)
                layers[op.layer].clear();
            layers[op.layer].insert(layers[op.layer].end(), strokes.begin(), strokes.end());
        }
        using Shapes = std::unordered_set<Stroke, ShapeHash, SameShape>;
        for (size_t layer = 0; layer < layers.size(); ++layer) // one stroke shown of each shape, before drawing anew
            QCOMPARE(canvas->layers().of(layer).size(), Shapes(layers[layer].begin(), layers[layer].end()).size());
        for (const qreal zoom : {1.0, 1.6}) {
            canvas->setZoom(zoom);
            const QImage &shown = canvas->image();
            QImage expected(shown.size(), shown.format());
            expected.setDevicePixelRatio(shown.devicePixelRatio());
            expected.fill(Qt::transparent);
            QPainter painter(&expected);
            for (const std::vector<Stroke> &layer : layers)
                for (const Stroke &stroke : layer)
                    stroke.paint(painter, QRectF(0, 0, 810, 600));
            painter.end();
            QVERIFY2(shown == expected, qPrintable(QStringLiteral("zoom %1").arg(zoom)));
        }

    }

    void onePixelAxisLinesMatchThePainter_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::newRow("axis") << QLineF(100, 340.5, 770, 340.5);
        QTest::newRow("on a pixel edge") << QLineF(60, 340, 770, 340);
        QTest::newRow("fractional ends") << QLineF(99.7, 100.94, 550.3, 100.94);
        QTest::newRow("right to left") << QLineF(550, 460.94, 420, 460.94);
        QTest::newRow("vertical") << QLineF(320, 511, 320, 100);
        QTest::newRow("vertical, fractional") << QLineF(420.5, 100.2, 420.5, 510.8);
        QTest::newRow("a point") << QLineF(550, 300.94, 550, 300.94);
    }

    void onePixelAxisLinesMatchThePainter()
    {
        QFETCH(QLineF, line);
        Surface surface;
        surface.form.DrawWidth(1);
        surface.form.Line(line.x1(), line.y1(), line.x2(), line.y2());
        QImage expected(surface.image().size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap));
        if (line.p1() == line.p2())
            painter.drawPoint(line.p1());
        else
            painter.drawLine(line);
        painter.end();
        QCOMPARE(surface.image(), expected);
    }

    void repaintsWhatChanged_data()
    {
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<QList<QLineF>>("before");
        QTest::addColumn<QList<QLineF>>("drawing");
        QTest::addColumn<QRectF>("within"); // canvas pixels: what is asked to repaint lies within this,
        QTest::addColumn<QList<QPointF>>("points"); // and holds these
        const QLineF axis(100, 340.5, 770, 340.5);
        QTest::newRow("a short line") << 1.0 << QList<QLineF>{} << QList<QLineF>{{300, 300, 310, 305}}
                                      << QRectF(295, 295, 20, 15) << QList<QPointF>{{300, 300}, {305, 302.5}, {310, 305}};
        for (const qreal zoom : {1.0, 1.8})
            QTest::addRow("the axis again, as each step draws it, and a point: only the point, zoom %g", zoom)
                << zoom << QList{axis} << QList{axis, QLineF(300, 200, 300.5, 200)} << QRectF(295, 195, 10, 10)
                << QList<QPointF>{{300.2, 200}};
        QTest::newRow("the same colour over itself: nothing") << 1.0 << QList{axis} << QList{axis} << QRectF() << QList<QPointF>{};
        QList<QLineF> marks;
        QList<QPointF> centres;
        for (int i = 0; i < 60; ++i) {
            centres << QPointF((i * 137) % 760 + 24, (i * 59) % 540 + 22.5);
            marks << QLineF(centres.back() - QPointF(4, 2.5), centres.back() + QPointF(4, 2.5));
        }
        QTest::newRow("sixty scattered marks: every one") << 1.0 << QList<QLineF>{} << marks << QRectF(0, 0, 810, 600) << centres;
    }

    // What the canvas itself asks the window system to repaint, whatever the window system repaints of its own.
    void repaintsWhatChanged()
    {
        QFETCH(qreal, zoom);
        QFETCH(QList<QLineF>, before);
        QFETCH(QList<QLineF>, drawing);
        QFETCH(QRectF, within);
        QFETCH(QList<QPointF>, points);
        Surface surface(zoom);
        surface.form.DrawWidth(2);
        for (const QLineF &line : before)
            surface.form.Line(line.x1(), line.y1(), line.x2(), line.y2());
        surface.image();
        surface.canvas->flush();
        for (const QLineF &line : drawing)
            surface.form.Line(line.x1(), line.y1(), line.x2(), line.y2());
        surface.sync();
        const QRegion asked = surface.canvas->flush();
        const QRect allowed = QRectF(within.topLeft() * zoom, within.size() * zoom).toAlignedRect();
        QVERIFY2(allowed.contains(asked.boundingRect()) || asked.isEmpty(), "repainted more than what changed");
        QCOMPARE(asked.isEmpty(), within.isEmpty());
        for (const QPointF &point : points)
            QVERIFY(asked.contains((point * zoom).toPoint()));
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
