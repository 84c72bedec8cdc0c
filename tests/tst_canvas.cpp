// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "runtimeerror.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <functional>

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
        for (int width = 1; width <= 5; ++width) {
            const QByteArray w = QByteArray::number(width);
            QTest::newRow("horizontal, width " + w) << width << false << QLineF(60, 340.5, 770, 340.5);
            QTest::newRow("steep fractional, width " + w) << width << false << QLineF(184.3, 355.42, 191.17, 346.29);
            QTest::newRow("shallow fractional, width " + w) << width << false << QLineF(320, 500.94, 337.1, 491.1);
            QTest::newRow("circle, width " + w) << width << true << QLineF(150, 320.5, 3, 0);
        }
    }

    void eraseByRedrawingRestoresEveryPixel()
    {
        QFETCH(int, width);
        QFETCH(bool, circle);
        QFETCH(QLineF, shape);
        Surface surface;
        surface.fillGrey();
        surface.canvas->Line(20, 0, 20, 600); // something underneath that the shape does not touch
        const QImage before = surface.canvas->image();

        surface.canvas->DrawWidth(width);
        const auto draw = [&](std::optional<Canvas::Colour> colour) {
            if (circle)
                surface.canvas->Circle(shape.x1(), shape.y1(), shape.x2(), colour);
            else
                surface.canvas->Line(shape.x1(), shape.y1(), shape.x2(), shape.y2(), colour);
        };
        draw(std::nullopt);
        QVERIFY(surface.canvas->image() != before);
        draw(grey);
        QCOMPARE(surface.canvas->image(), before);
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
