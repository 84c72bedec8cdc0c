// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "runtimeerror.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <functional>
#include <set>

namespace {
constexpr Canvas::Colour grey = 0x00C0C0C0;

// A window-sized surface with a canvas on it, in pixel mode.
struct Surface
{
    QWidget window;
    Canvas *canvas;

    Surface()
    {
        window.resize(810, 600);
        canvas = new Canvas(&window);
        canvas->ScaleMode(3);
    }

    explicit Surface(qreal zoom)
        : Surface()
    {
        canvas->setZoom(zoom);
    }

    // A grey background band, the way the run lays it, under everything drawn afterwards.
    void fillGrey()
    {
        canvas->DrawWidth(4);
        for (int y = 1; y < 600; y += 2)
            canvas->Line(0, y, 810, y, grey);
    }

    QRgb at(int x, int y) const { return canvas->image().pixel(x, y); }
};

// Collects what the canvas repaints from now on.
struct PaintSpy : QObject
{
    QRegion painted;

    explicit PaintSpy(Canvas *canvas)
    {
        QCoreApplication::processEvents();
        canvas->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// The operations painted afresh into a raster at the given device scale, with nothing forgotten.
QImage replayed(const std::vector<CanvasOp> &ops, qreal scale)
{
    QImage raster(int(std::ceil(810 * scale - 1e-6)), int(std::ceil(600 * scale - 1e-6)),
                  QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(scale);
    raster.fill(Qt::transparent);
    QPainter painter(&raster);
    CanvasPainter state;
    for (const CanvasOp &op : ops)
        state.apply(painter, op, QRectF(0, 0, 810, 600));
    return raster;
}

using Drawing = std::function<void(Canvas &)>;

// Counts the pixels of a colour in a column, near a horizontal line.
int thicknessAt(const Surface &surface, int x, int fromY, int toY, QRgb colour)
{
    int count = 0;
    for (int y = fromY; y <= toY; ++y)
        count += surface.at(x, y) == colour;
    return count;
}
}

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
        for (int width = 1; width <= 5; ++width) {
            const QByteArray w = QByteArray::number(width);
            QTest::newRow("horizontal, width " + w) << width << false << QLineF(60, 340.5, 770, 340.5) << 1.0 << false;
            QTest::newRow("steep fractional, width " + w)
                << width << false << QLineF(184.3, 355.42, 191.17, 346.29) << 1.0 << false;
            QTest::newRow("shallow fractional, width " + w)
                << width << false << QLineF(320, 500.94, 337.1, 491.1) << 1.0 << false;
            QTest::newRow("circle, width " + w) << width << true << QLineF(150, 320.5, 3, 0) << 1.0 << false;
        }
        for (const qreal zoom : {1.25, 1.8, 2.4})
            for (const int width : {1, 2, 5})
                for (const bool between : {false, true}) {
                    const QByteArray name = "zoom " + QByteArray::number(zoom) + (between ? " after drawing" : "")
                                            + ", width " + QByteArray::number(width);
                    QTest::newRow("steep fractional, " + name)
                        << width << false << QLineF(184.3, 355.42, 191.17, 346.29) << zoom << between;
                    QTest::newRow("shallow fractional, " + name)
                        << width << false << QLineF(320, 500.94, 337.1, 491.1) << zoom << between;
                    QTest::newRow("circle, " + name) << width << true << QLineF(150, 320.5, 3, 0) << zoom << between;
                }
    }

    void eraseByRedrawingRestoresEveryPixel()
    {
        QFETCH(int, width);
        QFETCH(bool, circle);
        QFETCH(QLineF, shape);
        QFETCH(qreal, zoom);
        QFETCH(bool, zoomedBetween);
        const auto underneath = [](Surface &surface) {
            surface.fillGrey();
            surface.canvas->Line(20, 0, 20, 600); // something underneath that the shape does not touch
        };
        Surface surface(zoomedBetween ? 1.0 : zoom);
        underneath(surface);
        Surface untouched(zoom);
        underneath(untouched);
        const QImage before = untouched.canvas->image();

        surface.canvas->DrawWidth(width);
        const auto draw = [&](std::optional<Canvas::Colour> colour) {
            if (circle)
                surface.canvas->Circle(shape.x1(), shape.y1(), shape.x2(), colour);
            else
                surface.canvas->Line(shape.x1(), shape.y1(), shape.x2(), shape.y2(), colour);
        };
        draw(std::nullopt);
        surface.canvas->setZoom(zoom);
        QVERIFY(surface.canvas->image() != before);
        draw(grey);
        QCOMPARE(surface.canvas->image(), before);
    }

    void zoomedDrawingIsDrawnAnewNotStretched_data()
    {
        QTest::addColumn<qreal>("zoom");
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.8") << 1.8;
        QTest::newRow("2.4") << 2.4;
    }

    // Drawn at 1:1 and then zoomed, the raster is what drawing at that zoom gives, every pixel in a colour drawn.
    void zoomedDrawingIsDrawnAnewNotStretched()
    {
        QFETCH(qreal, zoom);
        const auto draw = [](Canvas &canvas) {
            canvas.DrawWidth(3);
            canvas.Line(150, 511, 150, 100);
            canvas.DrawWidth(5);
            canvas.Circle(150, 320.5, 3, grey);
            canvas.DrawWidth(1);
            canvas.Line(60, 340.5, 770, 340.5);
            canvas.DrawWidth(2);
            canvas.Line(320, 500.94, 337.1, 491.1, 0x80000009);
            canvas.Line(420, 460.94, 401.3, 470.2, 0x0000FF00);
        };
        Surface zoomedAfter;
        draw(*zoomedAfter.canvas);
        zoomedAfter.canvas->setZoom(zoom);
        Surface zoomedBefore(zoom);
        draw(*zoomedBefore.canvas);

        const QImage &raster = zoomedAfter.canvas->image();
        QCOMPARE(raster.size(), QSize(int(std::ceil(810 * zoom)), int(std::ceil(600 * zoom))));
        QCOMPARE(raster.devicePixelRatio(), zoom);
        QCOMPARE(raster, zoomedBefore.canvas->image());
        const std::set<QRgb> drawn{0, qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0xC0, 0xC0, 0xC0), qRgb(0, 255, 0)};
        for (int y = 0; y < raster.height(); ++y)
            for (int x = 0; x < raster.width(); ++x)
                if (!drawn.contains(raster.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("blended pixel %1 at %2, %3").arg(raster.pixel(x, y), 0, 16).arg(x).arg(y)));
    }

    void forgetsOnlyWhatIsPaintedOver_data()
    {
        QTest::addColumn<Drawing>("drawing");
        QTest::addColumn<int>("kept"); // after the last operation
        const auto band = [](Canvas &c, double left, double right) {
            c.DrawWidth(4);
            for (double y = 579; y >= 83; y -= 4)
                c.Line(left, y, right, y, grey);
        };
        const auto picture = [](Canvas &c) {
            c.DrawWidth(3);
            c.Line(150, 511, 150, 100);
            c.Circle(80, 340.5, 5);
            c.DrawWidth(2);
            c.Line(184.3, 355.42, 191.17, 346.29, 0x80000009);
        };
        QTest::newRow("a band over a picture") << Drawing([=](Canvas &c) {
            picture(c);
            band(c, 50, 800);
        }) << 125;
        QTest::newRow("a second band over the first") << Drawing([=](Canvas &c) {
            band(c, 50, 800);
            picture(c);
            band(c, 50, 800);
        }) << 125;
        QTest::newRow("a band that leaves the circle's edge") << Drawing([=](Canvas &c) {
            picture(c);
            band(c, 77, 800); // the circle reaches left to x = 73.5
        }) << 126;
        QTest::newRow("a line across the band's edge") << Drawing([=](Canvas &c) {
            c.DrawWidth(2);
            c.Line(60, 75, 200, 90);
            band(c, 50, 800); // the band's top is at y = 81
        }) << 126;
        QTest::newRow("a mark just below a wide bar drawn later") << Drawing([](Canvas &c) {
            c.DrawWidth(1);
            c.Line(200, 303, 260, 303); // the bar covers y 297.5 to 302.5
            c.DrawWidth(5);
            c.Line(100, 300, 400, 300);
        }) << 2;
        QTest::newRow("the same shape again, in another colour") << Drawing([](Canvas &c) {
            c.DrawWidth(2);
            c.Line(184.3, 355.42, 191.17, 346.29);
            c.Line(300, 300, 310, 307);
            c.Line(184.3, 355.42, 191.17, 346.29, grey);
        }) << 2;
        QTest::newRow("the same line at another width") << Drawing([](Canvas &c) {
            c.DrawWidth(3);
            c.Line(184.3, 355.42, 191.17, 346.29);
            c.DrawWidth(2);
            c.Line(184.3, 355.42, 191.17, 346.29, grey);
        }) << 2;
        QTest::newRow("the same line in twips") << Drawing([](Canvas &c) {
            c.Line(150, 150, 300, 150);
            c.ScaleMode(1);
            c.Line(150, 150, 300, 150);
        }) << 2;
        QTest::newRow("diagonal strokes cover nothing") << Drawing([](Canvas &c) {
            c.DrawWidth(2);
            c.Line(300, 300, 310, 307);
            c.DrawWidth(5);
            for (double x = 250; x < 350; x += 3)
                c.Line(x, 250, x + 100, 350.5, grey);
        }) << 35;
        QTest::newRow("wholly outside the area") << Drawing([](Canvas &c) {
            c.DrawWidth(5);
            c.Line(-100, -100, -10, -40);
            c.Circle(900, 300, 20);
        }) << 0;
    }

    // What is kept, replayed at any zoom, gives exactly the raster of every operation replayed.
    void forgetsOnlyWhatIsPaintedOver()
    {
        QFETCH(Drawing, drawing);
        QFETCH(int, kept);
        Surface surface;
        std::vector<CanvasOp> ops{{.kind = CanvasOp::ScaleMode, .value = 3}};
        surface.canvas->setRecorder(&ops);
        drawing(*surface.canvas);
        surface.canvas->setRecorder(nullptr);

        CanvasHistory history(QRectF(0, 0, 810, 600));
        CanvasPainter settings;
        for (const CanvasOp &op : ops) {
            if (op.kind == CanvasOp::Line || op.kind == CanvasOp::Circle)
                history.add(op, settings);
            else
                settings.track(op);
        }
        history.forgetPaintedOver();
        QCOMPARE(int(history.entries().size()), kept);
        for (const qreal zoom : {1.0, 1.25, 1.8, 2.4, 4.8}) {
            QImage raster(int(std::ceil(810 * zoom - 1e-6)), int(std::ceil(600 * zoom - 1e-6)),
                          QImage::Format_ARGB32_Premultiplied);
            raster.setDevicePixelRatio(zoom);
            raster.fill(Qt::transparent);
            QPainter painter(&raster);
            history.replay(painter);
            painter.end();
            QVERIFY2(raster == replayed(ops, zoom), qPrintable(QStringLiteral("zoom %1").arg(zoom)));
        }
    }

    void colours_data()
    {
        QTest::addColumn<std::optional<Canvas::Colour>>("colour");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("foreground") << std::optional<Canvas::Colour>() << QColor(Qt::black);
        QTest::newRow("caption text, system 9") << std::optional<Canvas::Colour>(0x80000009) << QColor(Qt::white);
        QTest::newRow("button face, system 15") << std::optional<Canvas::Colour>(0x8000000F) << QColor(0xC0, 0xC0, 0xC0);
        QTest::newRow("green") << std::optional<Canvas::Colour>(0x0000FF00) << QColor(0, 255, 0);
        QTest::newRow("BGR order: red") << std::optional<Canvas::Colour>(0x000000FF) << QColor(255, 0, 0);
        QTest::newRow("BGR order: blue") << std::optional<Canvas::Colour>(0x00FF0000) << QColor(0, 0, 255);
    }

    void colours()
    {
        QFETCH(std::optional<Canvas::Colour>, colour);
        QFETCH(QColor, expected);
        Surface surface;
        surface.canvas->DrawWidth(3);
        surface.canvas->Line(10, 20, 60, 20, colour);
        surface.canvas->Circle(200, 200, 20, colour);
        QCOMPARE(QColor(surface.at(35, 20)), expected);
        QCOMPARE(QColor(surface.at(220, 200)), expected);
        QCOMPARE(qAlpha(surface.at(200, 200)), 0); // never filled
    }

    void widthStaysInForce()
    {
        Surface surface;
        surface.canvas->DrawWidth(5);
        surface.canvas->Line(10, 100, 300, 100);
        surface.canvas->Circle(400, 400, 30);
        surface.canvas->Line(10, 200, 300, 200);
        QCOMPARE(surface.canvas->drawWidth(), 5);
        QCOMPARE(thicknessAt(surface, 150, 90, 110, qRgb(0, 0, 0)), 5);
        QCOMPARE(thicknessAt(surface, 150, 190, 210, qRgb(0, 0, 0)), 5);
        surface.canvas->DrawWidth(1);
        surface.canvas->Line(10, 300, 300, 300);
        QCOMPARE(thicknessAt(surface, 150, 290, 310, qRgb(0, 0, 0)), 1);
    }

    void twipsUntilPixelMode()
    {
        QWidget window;
        window.resize(810, 600);
        Canvas canvas(&window);
        canvas.Line(1500, 1500, 3000, 1500); // twips: (100, 100) to (200, 100)
        for (const int x : {100, 150, 199})
            QCOMPARE(canvas.image().pixel(x, 100), qRgb(0, 0, 0));
        for (const int x : {98, 202})
            QCOMPARE(qAlpha(canvas.image().pixel(x, 100)), 0);
    }

    void clipsOutsideTheArea_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<QPoint>("inside");
        QTest::newRow("crossing the whole area") << QLineF(-1000, -1000, 2000, 2000) << QPoint(300, 300);
        QTest::newRow("absurdly long") << QLineF(-1e30, 250, 1e30, 250) << QPoint(400, 250);
        QTest::newRow("absurd far end") << QLineF(150, 320.5, 320, 5e29) << QPoint(150, 321);
        QTest::newRow("wholly outside") << QLineF(-500, -500, -100, -10) << QPoint(-1, -1);
    }

    void clipsOutsideTheArea()
    {
        QFETCH(QLineF, line);
        QFETCH(QPoint, inside);
        Surface surface;
        surface.canvas->DrawWidth(2);
        surface.canvas->Line(line.x1(), line.y1(), line.x2(), line.y2());
        surface.canvas->Circle(-1e20, 300, 3);
        QCOMPARE(surface.canvas->image().size(), QSize(810, 600));
        if (inside.x() >= 0)
            QCOMPARE(surface.at(inside.x(), inside.y()), qRgb(0, 0, 0));
        else
            QCOMPARE(surface.canvas->image(), Surface().canvas->image());
    }

    void invalidOperationsRaise_data()
    {
        QTest::addColumn<std::function<void(Canvas &)>>("operation");
        QTest::addColumn<int>("error");
        QTest::newRow("width 0") << std::function<void(Canvas &)>([](Canvas &c) { c.DrawWidth(0); }) << 380;
        QTest::newRow("scale mode 2") << std::function<void(Canvas &)>([](Canvas &c) { c.ScaleMode(2); }) << 380;
        QTest::newRow("unknown system colour")
            << std::function<void(Canvas &)>([](Canvas &c) { c.Line(0, 0, 1, 1, 0x80000063); }) << 380;
        QTest::newRow("coordinate beyond single precision")
            << std::function<void(Canvas &)>([](Canvas &c) { c.Line(0, 0, 1e39, 1); }) << 6;
        QTest::newRow("infinite radius")
            << std::function<void(Canvas &)>([](Canvas &c) { c.Circle(0, 0, qInf()); }) << 6;
        QTest::newRow("not a number")
            << std::function<void(Canvas &)>([](Canvas &c) { c.Line(qQNaN(), 0, 1, 1); }) << 6;
    }

    void invalidOperationsRaise()
    {
        QFETCH(std::function<void(Canvas &)>, operation);
        QFETCH(int, error);
        Surface surface;
        const QImage before = surface.canvas->image();
        try {
            operation(*surface.canvas);
            QFAIL("no run-time error");
        } catch (const RuntimeError &raised) {
            QCOMPARE(int(raised.number()), error);
        }
        QCOMPARE(surface.canvas->image(), before);
    }

    void repaintsOnlyWhatWasTouched()
    {
        Surface surface;
        surface.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface.window));
        PaintSpy spy(surface.canvas);
        QRegion &painted = spy.painted;

        surface.canvas->DrawWidth(2);
        surface.canvas->Line(300, 300, 310, 305);
        QTRY_VERIFY(!painted.isEmpty());
        QVERIFY2(QRect(290, 290, 30, 30).contains(painted.boundingRect()), "repainted more than the line");
    }

    // The axis drawn again over itself, as a run does at every step, changes no pixel and costs no repaint.
    void redrawingWhatIsThereRepaintsNothing()
    {
        Surface surface(1.8);
        surface.window.resize(1458, 1080);
        surface.canvas->setGeometry(0, 0, 1458, 1080);
        surface.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface.window));
        surface.canvas->Line(100, 340.5, 770, 340.5);
        QTest::qWait(50);
        PaintSpy spy(surface.canvas);
        surface.canvas->Line(100, 340.5, 770, 340.5);
        surface.canvas->Line(300, 200, 300.5, 200); // and a point that does change
        QTRY_VERIFY(!spy.painted.isEmpty());
        QTest::qWait(50);
        QVERIFY2(spy.painted.boundingRect().width() < 20, "repainted the unchanged axis");
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
        surface.canvas->DrawWidth(1);
        surface.canvas->Line(line.x1(), line.y1(), line.x2(), line.y2());
        QImage expected(surface.canvas->image().size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap));
        if (line.p1() == line.p2())
            painter.drawPoint(line.p1());
        else
            painter.drawLine(line);
        painter.end();
        QCOMPARE(surface.canvas->image(), expected);
    }

    void repaintsCoverEverythingDrawnBetweenPaints()
    {
        Surface surface;
        surface.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface.window));
        PaintSpy spy(surface.canvas);
        QRegion &painted = spy.painted;

        // Far more small drawings than the canvas keeps rectangles for, scattered, with no paint between.
        surface.canvas->DrawWidth(2);
        QRegion drawn;
        for (int i = 0; i < 60; ++i) {
            const QPointF from((i * 137) % 760 + 20, (i * 59) % 540 + 20);
            surface.canvas->Line(from.x(), from.y(), from.x() + 8, from.y() + 5);
            drawn += QRect(from.toPoint(), QSize(9, 6));
        }
        QTRY_VERIFY(!painted.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(drawn.subtracted(painted), QRegion());
    }

    void survivesBeingHiddenAndShown()
    {
        Surface surface;
        surface.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface.window));
        surface.canvas->DrawWidth(3);
        surface.canvas->Line(50, 50, 400, 300, 0x0000FF00);
        const QImage drawn = surface.canvas->image();
        surface.window.showMinimized();
        surface.window.hide();
        surface.window.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&surface.window));
        QCOMPARE(surface.canvas->image(), drawn);
        // What the window system shows again: the line, in green, along its whole length.
        QTRY_VERIFY([&] {
            const QImage shown = surface.window.screen()->grabWindow(surface.window.winId()).toImage();
            for (double t = 0.05; t < 1; t += 0.05)
                if (QColor(shown.pixel(int(50 + 350 * t), int(50 + 250 * t))) != QColor(0, 255, 0))
                    return false;
            return shown.size() == QSize(810, 600);
        }());
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
