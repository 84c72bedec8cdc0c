// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

namespace {
constexpr Canvas::Colour grey = 0x00C0C0C0;
constexpr Canvas::Colour lowerPath = 0x80000009;
constexpr QRgb greyPixel = 0xFFC0C0C0;

// Bar lengths of the eleven points, lowest first, with the starting parameters.
const QList<double> defaultBars{109.04, 71.09, 13.59, 31.84, 159.97, 34.57, 12.48, 69.97, 108.45, 128.25, 138.61};

double detectorY(int pointIndex)
{
    return 500.94 - 40 * pointIndex;
}

// Each recorded operation with the line width in force for it.
std::vector<std::pair<CanvasOp, int>> withWidths(const std::vector<CanvasOp> &ops)
{
    std::vector<std::pair<CanvasOp, int>> result;
    int width = 1;
    for (const CanvasOp &op : ops) {
        if (op.kind == CanvasOp::DrawWidth)
            width = op.value;
        result.emplace_back(op, width);
    }
    return result;
}

bool isLine(const CanvasOp &op)
{
    return op.kind == CanvasOp::Line;
}

QList<double> barLengths(const std::vector<CanvasOp> &ops)
{
    QList<double> bars;
    for (const auto &[op, width] : withWidths(ops))
        if (isLine(op) && width == 3 && op.flags == 4 && op.x1 == 550 && op.y1 == op.y2)
            bars.append(op.x2 - 550);
    return bars;
}

// Two arrows of length 20 whose phases differ by Δ add up to a squared length of 800 (1 + cos Δ).
QList<double> expectedBars(double distance, double frequency, double spacing)
{
    QList<double> bars;
    for (int point = 0; point <= 10; ++point) {
        const double run = distance - 100;
        const double upper = std::hypot(run, 340.5 - spacing / 2 - detectorY(point));
        const double lower = std::hypot(run, 340.5 + spacing / 2 - detectorY(point));
        bars.append(0.1 * 800 * (1 + std::cos(0.15 * frequency * (upper - lower))));
    }
    return bars;
}

void compareBars(const QList<double> &actual, const QList<double> &expected, double tolerance)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i)
        QVERIFY2(std::fabs(actual[i] - expected[i]) <= tolerance,
                 qPrintable(QStringLiteral("bar %1: %2, expected %3").arg(i).arg(actual[i]).arg(expected[i])));
}

double distanceToSegment(QPointF p, const CanvasOp &op)
{
    const QPointF a(op.x1, op.y1), b(op.x2, op.y2), ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// Records the order in which widgets are shown, and how far the drawing had got by then.
struct ShowSpy : QObject
{
    const std::vector<CanvasOp> *ops = nullptr;
    QStringList order;
    std::vector<size_t> drawnBefore;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            order << watched->objectName();
            drawnBefore.push_back(ops->size());
        }
        return false;
    }
};
}

class TestRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void apparatus()
    {
        ShownWindow shown;
        shown.start();
        const std::vector<CanvasOp> &ops = shown.ops;
        QVERIFY(ops.size() > 130);
        QCOMPARE(ops[0], (CanvasOp{.kind = CanvasOp::ScaleMode, .value = 3}));
        QCOMPARE(ops[1], (CanvasOp{.kind = CanvasOp::DrawWidth, .value = 4}));
        for (int i = 0; i < 125; ++i) {
            const CanvasOp &band = ops[2 + i];
            QCOMPARE(band, (CanvasOp{.kind = CanvasOp::Line, .flags = 6, .x1 = 50, .y1 = float(579 - 4 * i), .x2 = 800,
                                     .y2 = float(579 - 4 * i), .colour = grey}));
        }
        QList<QPointF> holes;
        for (const auto &[op, width] : withWidths(ops))
            if (op.kind == CanvasOp::Circle && op.radius == 3 && op.colour == grey && width == 5)
                holes << QPointF(op.x1, op.y1);
        QCOMPARE(holes, (QList<QPointF>{{150, 320.5}, {150, 360.5}}));
    }

    void firstMarkersAFifthOfTheWay()
    {
        ShownWindow shown;
        shown.start();
        const auto isMarker = [](const CanvasOp &op) { return isLine(op) && op.x1 > 150 && op.x1 < 320; };
        const auto lower = std::find_if(shown.ops.begin(), shown.ops.end(),
                                        [&](const CanvasOp &op) { return isMarker(op) && op.colour == lowerPath; });
        const auto upper = std::find_if(shown.ops.begin(), shown.ops.end(),
                                        [&](const CanvasOp &op) { return isMarker(op) && op.flags == 4; });
        QVERIFY(lower != shown.ops.end() && upper != shown.ops.end());
        QCOMPARE(lower->x1, 184.0f);
        QCOMPARE(lower->y1, float(360.5 + (500.94 - 360.5) * 20 / 100));
        QCOMPARE(upper->x1, 184.0f);
        QCOMPARE(upper->y1, float(320.5 + (500.94 - 320.5) * 20 / 100));
        QVERIFY(lower < upper); // the lower path moves first
    }

    void barsAndWindowVariables()
    {
        ShownWindow shown;
        shown.start();
        compareBars(barLengths(shown.ops), defaultBars, 0.01);
        QCOMPARE(shown.window->q, 101.0);
        QCOMPARE(shown.window->Z, 320.5);
        QVERIFY(shown.errors.empty());
    }

    void captionsShownInOrderAtTheEnd()
    {
        ShownWindow shown;
        ShowSpy spy;
        spy.ops = &shown.ops;
        for (QLineEdit *caption : {shown.window->nZdroj, shown.window->nPravděpodob, shown.window->nSoučet,
                                   shown.window->nStínítko, shown.window->nClona})
            caption->installEventFilter(&spy);
        shown.start();
        QCOMPARE(spy.order, (QStringList{"nClona", "nStínítko", "nSoučet", "nPravděpodob", "nZdroj"}));
        for (const size_t drawn : spy.drawnBefore)
            QCOMPARE(drawn, shown.ops.size());
        shown.start(); // a second run changes nothing: they stay shown
        QVERIFY(shown.window->nZdroj->isVisible());
    }

    void parameters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<double>("holeZ");
        QTest::newRow("starting values") << "nUr" << "1" << 200.0 << 1.0 << 40.0 << 320.5;
        QTest::newRow("frequency 0: every bar 160") << "nUr" << "0" << 200.0 << 0.0 << 40.0 << 320.5;
        QTest::newRow("frequency 2") << "nUr" << "2" << 200.0 << 2.0 << 40.0 << 320.5;
        QTest::newRow("distance 100: sum column on the detector") << "nVzdalenost" << "100" << 100.0 << 1.0 << 40.0 << 320.5;
        QTest::newRow("distance 50 mirrors 150") << "nVzdalenost" << "50" << 150.0 << 1.0 << 40.0 << 320.5;
        QTest::newRow("spacing 0: the paths coincide") << "nRd" << "0" << 200.0 << 1.0 << 0.0 << 340.5;
        QTest::newRow("negative spacing swaps the holes") << "nRd" << "-40" << 200.0 << 1.0 << -40.0 << 360.5;
    }

    void parameters()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(double, distance);
        QFETCH(double, frequency);
        QFETCH(double, spacing);
        QFETCH(double, holeZ);
        ShownWindow shown;
        setFieldText(shown.window->findChild<QLineEdit *>(field), text);
        shown.start();
        QVERIFY(shown.errors.empty());
        compareBars(barLengths(shown.ops), expectedBars(distance, frequency, spacing), 1e-3);
        QCOMPARE(shown.window->Z, holeZ);

        const double sumColumnX = fieldValue(shown.window->nVzdalenost) + 220;
        int resultants = 0;
        for (const CanvasOp &op : shown.ops)
            if (isLine(op) && op.colour == 0x0000FF00) {
                QCOMPARE(op.x1, float(sumColumnX));
                ++resultants;
            }
        QCOMPARE(resultants, 11);
    }

    void resultInTheDrawingsDescription_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<QString>("extrema");
        QTest::newRow("starting values") << "nUr" << "1" << 200.0 << 1.0 << "Maximum je v bodě 5, minima v bodech 3 a 7.";
        QTest::newRow("frequency 2") << "nUr" << "2" << 200.0 << 2.0 << "Maximum je v bodě 5, minima v bodech 2, 4, 6 a 8.";
        QTest::newRow("frequency 0: all alike") << "nUr" << "0" << 200.0 << 0.0 << "Všechny úsečky jsou stejně dlouhé.";
        QTest::newRow("distance 100: no minimum") << "nVzdalenost" << "100" << 100.0 << 1.0 << "Maximum je v bodě 5.";
    }

    // One sentence per point, lowest first, with the length of the bar the run drew, in whole pixels.
    void resultInTheDrawingsDescription()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(double, distance);
        QFETCH(double, frequency);
        QFETCH(QString, extrema);
        ShownWindow shown;
        setFieldText(shown.window->findChild<QLineEdit *>(field), text);
        QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(shown.window->canvas);
        const QString before = drawing->text(QAccessible::Description);
        QVERIFY(!before.contains(QStringLiteral("Bod ")));
        shown.start();
        shown.ops.clear();
        shown.start(); // the second run's result replaces the first's
        const QString description = drawing->text(QAccessible::Description);
        QVERIFY(description.startsWith(before));

        static const QRegularExpression sentence(QStringLiteral("Bod (\\d+): (\\d+) (pixel|pixely|pixelů)(, maximum|, minimum)?\\."));
        QList<int> points;
        QList<long> lengths;
        for (const QRegularExpressionMatch &match : sentence.globalMatch(description)) {
            points << match.captured(1).toInt();
            lengths << match.captured(2).toLong();
        }
        QCOMPARE(points, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        const QList<double> drawn = barLengths(shown.ops);
        const QList<double> expected = expectedBars(distance, frequency, 40);
        QCOMPARE(drawn.size(), 11);
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(lengths[i], std::lround(drawn[i]));
            QCOMPARE(lengths[i], std::lround(expected[i]));
        }
        QVERIFY2(description.endsWith(extrema), qPrintable(description));
    }

    void twoRunsLeaveIdenticalPictures()
    {
        ShownWindow shown;
        shown.start();
        const QImage first = shown.window->canvas->image();
        shown.start();
        QCOMPARE(shown.window->canvas->image(), first);
    }

    void markerAtEachPointIsErased()
    {
        ShownWindow shown;
        shown.start();
        const Canvas &canvas = *shown.window->canvas;
        for (int point = 0; point <= 10; ++point) {
            const double y = detectorY(point);
            std::vector<CanvasOp> arrowsHere;
            for (const CanvasOp &op : shown.ops)
                if (isLine(op) && op.x1 == 320 && op.y1 == float(y) && std::fabs(std::hypot(op.x2 - op.x1, op.y2 - op.y1) - 20) < 0.01)
                    arrowsHere.push_back(op);
            QCOMPARE(arrowsHere.size(), size_t(2));
            int checked = 0;
            for (double along = 3; along <= 9; along += 0.5) {
                const QPointF p(320 + along * std::cos(100.0), y + along * std::sin(100.0));
                const bool nearArrow = std::any_of(arrowsHere.begin(), arrowsHere.end(),
                                                   [&](const CanvasOp &op) { return distanceToSegment(p, op) < 2.5; });
                if (nearArrow || std::fabs(p.x() - 320) < 2)
                    continue;
                QCOMPARE(pixel(canvas, p.x(), p.y()), greyPixel);
                ++checked;
            }
            QVERIFY2(checked > 0 || point == 4, "no pixel of the marker left to check");
        }
    }

    void hintIsCoveredByTheBand()
    {
        ShownWindow shown;
        const QRect hint = shown.window->Label2->geometry().adjusted(0, 0, -75, 0); // clear of the detector and its arrows
        const auto darkPixels = [&] {
            const QImage screen = shown.window->grab(hint).toImage();
            int dark = 0;
            for (int y = 0; y < screen.height(); ++y)
                for (int x = 0; x < screen.width(); ++x)
                    dark += qGray(screen.pixel(x, y)) < 100;
            return dark;
        };
        QVERIFY(darkPixels() > 50);
        shown.start();
        QCOMPARE(darkPixels(), 0);
        QVERIFY(shown.window->labTitul->isVisible());
    }

    void inputDuringARunIsIgnored()
    {
        ShownWindow shown;
        QScrollBar *bar = shown.window->HScroll1;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(shown.window->pacer().isRunning());
            QTest::mouseClick(shown.window->cmdStart, Qt::LeftButton);
            QTest::mouseClick(shown.window->cmdKonec, Qt::LeftButton);
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 5, bar->height() / 2));
            QTest::keyClick(shown.window->cmdStart, Qt::Key_Space);
            bar->setFocus();
            QTest::keyClick(bar, Qt::Key_End);
        });
        shown.start();
        QCoreApplication::processEvents();
        QVERIFY(shown.window->isVisible());
        QCOMPARE(bar->value(), 1);
        QCOMPARE(shown.window->nSpomaleni->text(), QStringLiteral("1"));
        const auto runs = std::count_if(shown.ops.begin(), shown.ops.end(),
                                        [](const CanvasOp &op) { return op.kind == CanvasOp::ScaleMode; });
        QCOMPARE(runs, 1);
        // Input reaches the window again once the run is over.
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(shown.window->nSpomaleni->text(), QStringLiteral("10"));
    }

    void closeRequestEndsARun()
    {
        ShownWindow shown;
        size_t drawnAtClose = 0;
        const int status = shown.exec([&] {
            QTimer::singleShot(0, shown.window.get(), [&] {
                drawnAtClose = shown.ops.size();
                shown.window->close();
            });
            shown.start();
        });
        QCOMPARE(status, 0);
        QVERIFY(!shown.window->isVisible());
        QVERIFY(drawnAtClose > 0);
        QVERIFY(shown.ops.size() - drawnAtClose < 10);
        QVERIFY(!shown.window->nClona->isVisible());
        QVERIFY(!shown.window->pacer().isRunning());
        QVERIFY(shown.errors.empty());
    }

    void badFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error"); // 0: the run completes
        QTest::newRow("distance empty") << "nVzdalenost" << "" << 13;
        QTest::newRow("distance a word") << "nVzdalenost" << "daleko" << 13;
        QTest::newRow("spacing empty") << "nRd" << "" << 13;
        QTest::newRow("spacing decimal comma in C locale") << "nRd" << "4,5" << 13;
        QTest::newRow("frequency a word") << "nUr" << "x" << 13;
        QTest::newRow("slow-down empty") << "nSpomaleni" << "" << 13;
        QTest::newRow("absurd spacing") << "nRd" << "1e300" << 6;
        QTest::newRow("spacing beyond single precision") << "nRd" << "1e39" << 6;
        QTest::newRow("absurd distance") << "nVzdalenost" << "1e308" << 6;
        QTest::newRow("absurd frequency") << "nUr" << "1e308" << 6;
        QTest::newRow("absurd slow-down") << "nSpomaleni" << "1e305" << 6;
        QTest::newRow("negative slow-down waits nothing") << "nSpomaleni" << "-1" << 0;
        QTest::newRow("fractional slow-down") << "nSpomaleni" << "0.5" << 0;
        QTest::newRow("large spacing draws off the area") << "nRd" << "1e30" << 0;
    }

    void badFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, error);
        ShownWindow shown;
        setFieldText(shown.window->findChild<QLineEdit *>(field), text);
        shown.start();
        QCOMPARE(shown.errors, error ? std::vector<int>{error} : std::vector<int>{});
        QCOMPARE(shown.window->nClona->isVisible(), error == 0);
        QVERIFY(!shown.window->pacer().isRunning());
    }

    void pacerCounts_data()
    {
        QTest::addColumn<QList<double>>("counts");
        QTest::addColumn<double>("total");
        QTest::newRow("whole") << QList<double>{30000, 30000, 400} << 60400.0;
        QTest::newRow("negative waits nothing") << QList<double>{-30000, 400} << 400.0;
        QTest::newRow("fractions are rounded") << QList<double>{0.4, 0.6, 1.5} << 3.0;
        QTest::newRow("zero") << QList<double>{0, 0} << 0.0;
    }

    void pacerCounts()
    {
        QFETCH(QList<double>, counts);
        QFETCH(double, total);
        Pacer pacer;
        pacer.setCountDuration(std::chrono::nanoseconds(0));
        const Pacer::Run run(pacer);
        for (const double c : counts)
            pacer.count(c);
        QCOMPARE(pacer.countsSoFar(), total);
    }
};

QTEST_MAIN(TestRun)
#include "tst_run.moc"
