// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

#include <cfloat>
#include <cmath>
#include <numeric>
#include <tuple>

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

using Action = std::function<void(SpomalenaAnimace &)>;

QAccessibleInterface *accessible(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control);
}

void pressAccessibly(QWidget *control)
{
    accessible(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

QPoint rightArrow(const QScrollBar *bar)
{
    return QPoint(bar->width() - 5, bar->height() / 2);
}

// The waits of a run: 81 animation steps of slowDown × 30000 counts at each of the eleven points, each point
// followed by a pause of 400; slowDownAt gives the factor of each step, counted from 1.
std::vector<double> expectedWaits(const std::function<double(int step)> &slowDownAt)
{
    std::vector<double> waits;
    int step = 0;
    for (int point = 0; point <= 10; ++point) {
        for (int q = 20; q <= 100; ++q)
            waits.push_back(slowDownAt(++step) * 30000);
        waits.push_back(400);
    }
    return waits;
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

    void resizeDuringARunKeepsItsPicture_data()
    {
        QTest::addColumn<QList<QSize>>("sizes"); // the window's sizes in turn, one at each turn of the event loop
        QTest::newRow("to 1.8") << QList<QSize>{{1458, 1080}};
        QTest::newRow("to 1.25") << QList<QSize>{{1100, 750}};
        QTest::newRow("to 2.4, then back to 1:1") << QList<QSize>{{1944, 1440}, {810, 600}};
        QTest::newRow("to 1.8 on a wide screen, then 1.25") << QList<QSize>{{1920, 1080}, {1100, 750}};
    }

    // The run goes on as if nothing happened, and ends in exactly the picture of a run at the last size.
    void resizeDuringARunKeepsItsPicture()
    {
        QFETCH(QList<QSize>, sizes);
        QImage expected;
        std::vector<CanvasOp> expectedOps;
        {
            ShownWindow undisturbed;
            undisturbed.window->resize(sizes.last());
            undisturbed.start();
            expected = undisturbed.window->canvas->image();
            expectedOps = undisturbed.ops;
        }
        ShownWindow shown;
        shown.window->pacer().setCountDuration(std::chrono::nanoseconds(4)); // a run of a tenth of a second: several turns
        std::vector<size_t> drawnAtResize;
        QTimer resizer;
        connect(&resizer, &QTimer::timeout, [&] {
            if (shown.window->pacer().isRunning() && drawnAtResize.size() < size_t(sizes.size())) {
                drawnAtResize.push_back(shown.ops.size());
                shown.window->resize(sizes[qsizetype(drawnAtResize.size() - 1)]);
            }
        });
        resizer.start(0);
        shown.start();
        resizer.stop();
        QCOMPARE(drawnAtResize.size(), size_t(sizes.size()));
        for (const size_t drawn : drawnAtResize)
            QVERIFY(drawn > 130 && drawn < expectedOps.size() - 100); // after the apparatus, before the last point
        QVERIFY(shown.errors.empty());
        QCOMPARE(shown.window->q, 101.0);
        QVERIFY(shown.window->nZdroj->isVisible());
        QVERIFY(shown.ops == expectedOps);
        QCOMPARE(shown.window->canvas->image(), expected);
    }

    // F11 and Esc change the window during a run; every other key stays ignored.
    void fullScreenKeysDuringARun()
    {
        ShownWindow shown;
        QScrollBar *bar = shown.window->HScroll1;
        bool wentFullScreen = false;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(shown.window->pacer().isRunning());
            QTest::keyClick(shown.window->cmdStart, Qt::Key_F11);
            wentFullScreen = shown.window->isFullScreen();
            QTest::keyClick(shown.window->cmdStart, Qt::Key_Space);
            bar->setFocus();
            QTest::keyClick(bar, Qt::Key_End);
            QTest::keyClick(bar, Qt::Key_Escape);
            QVERIFY(shown.window->pacer().isRunning());
        });
        shown.start();
        QVERIFY(wentFullScreen);
        QVERIFY(!shown.window->isFullScreen());
        QCOMPARE(bar->value(), 1);
        QCOMPARE(shown.window->nSpomaleni->text(), QStringLiteral("1"));
        QCOMPARE(std::count_if(shown.ops.begin(), shown.ops.end(),
                               [](const CanvasOp &op) { return op.kind == CanvasOp::ScaleMode; }),
                 1);
        QCOMPARE(shown.window->q, 101.0);
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
        QTest::newRow("slow-down whose total overflows") << "nSpomaleni" << "1e303" << 0;
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

    void motionTwins_data()
    {
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<double>("hole");
        QTest::addColumn<QList<float>>("previous"); // the marker of step 19: base, then tip
        QTest::addColumn<QList<float>>("current");  // and of step 20
        const QList<float> lower40{182.3f, 387.1836f, 192.1870f, 388.6824f}, lower40now{184, 388.5880f, 188.0808f, 397.7175f};
        const QList<float> upper40{182.3f, 354.7836f, 192.1870f, 356.2824f}, upper40now{184, 356.5880f, 188.0808f, 365.7175f};
        const QList<float> axis{182.3f, 370.9836f, 192.1870f, 372.4824f}, axisNow{184, 372.5880f, 188.0808f, 381.7175f};
        QTest::newRow("lower") << false << "40" << 360.5 << lower40 << lower40now;
        QTest::newRow("upper") << true << "40" << 320.5 << upper40 << upper40now;
        QTest::newRow("lower, no spacing: on the axis") << false << "0" << 340.5 << axis << axisNow;
        QTest::newRow("upper, no spacing: on the axis") << true << "0" << 340.5 << axis << axisNow;
        QTest::newRow("upper, negative spacing: below the axis") << true << "-40" << 360.5 << lower40 << lower40now;
    }

    void motionTwins()
    {
        QFETCH(bool, upper);
        QFETCH(QString, spacing);
        QFETCH(double, hole);
        QFETCH(QList<float>, previous);
        QFETCH(QList<float>, current);
        ShownWindow shown;
        SpomalenaAnimace &w = *shown.window;
        setFieldText(w.nRd, spacing);
        w.canvas->ScaleMode(3);
        w.canvas->DrawWidth(5);
        shown.ops.clear();
        const double apertureX = 150, axisY = 340.5, detectorX = 320, detectorY = 500.94, q = 20;
        (w.*(upper ? &SpomalenaAnimace::PohybHorni : &SpomalenaAnimace::PohybDolni))(apertureX, axisY, detectorX, detectorY, q);

        QCOMPARE(w.Z, hole);
        QCOMPARE(w.canvas->drawWidth(), 2);
        QCOMPARE(QList<double>({apertureX, axisY, detectorX, detectorY, q}), QList<double>({150, 340.5, 320, 500.94, 20}));
        QCOMPARE(shown.ops.size(), size_t(4));
        QCOMPARE(shown.ops[0], (CanvasOp{.kind = CanvasOp::DrawWidth, .value = 2}));
        const auto segment = [](const CanvasOp &op) { return QList<float>{op.x1, op.y1, op.x2, op.y2}; };
        const auto near = [](const QList<float> &a, const QList<float> &b) {
            for (qsizetype i = 0; i < a.size(); ++i)
                if (std::fabs(a[i] - b[i]) > 1e-3)
                    return false;
            return true;
        };
        // Erase the marker of the step before, draw this step's, and erase the old one again.
        for (const size_t erase : {1, 3}) {
            QVERIFY2(near(segment(shown.ops[erase]), previous), qPrintable(QString::number(erase)));
            QCOMPARE(shown.ops[erase].flags, 6);
            QCOMPARE(shown.ops[erase].colour, 0x00C0C0C0u);
        }
        QVERIFY(near(segment(shown.ops[2]), current));
        QCOMPARE(shown.ops[2].flags, upper ? 4 : 6);
        QCOMPARE(shown.ops[2].colour, upper ? 0u : 0x80000009u);
    }

    void pacingModel_data()
    {
        QTest::addColumn<QString>("slowDown");
        QTest::addColumn<int>("changedAtWait"); // the text is changed to 10 during this wait; 0: never
        QTest::addColumn<std::vector<double>>("waits");
        QTest::newRow("factor 1") << "1" << 0 << expectedWaits([](int) { return 1; });
        QTest::newRow("factor 10") << "10" << 0 << expectedWaits([](int) { return 10; });
        QTest::newRow("read again at every step") << "1" << 5 << expectedWaits([](int step) { return step <= 5 ? 1 : 10; });
    }

    void pacingModel()
    {
        QFETCH(QString, slowDown);
        QFETCH(int, changedAtWait);
        QFETCH(std::vector<double>, waits);
        ShownWindow shown;
        setFieldText(shown.window->nSpomaleni, slowDown);
        shown.atWait = [&](int wait) {
            if (wait == changedAtWait)
                setFieldText(shown.window->nSpomaleni, QStringLiteral("10"));
        };
        shown.start();
        QCOMPARE(shown.waits, waits);
        QCOMPARE(shown.window->pacer().countsSoFar(), std::accumulate(waits.begin(), waits.end(), 0.0));
        if (!changedAtWait)
            QCOMPARE(shown.window->pacer().countsSoFar(), 891 * slowDown.toDouble() * 30000 + 11 * 400);
    }

    // Colours that look alike on the screen (the two erase colours are both light grey) differ in what is drawn.
    void eachPointsArrowsAndMarks()
    {
        ShownWindow shown;
        shown.start();
        using Mark = std::tuple<CanvasOp::Kind, int, quint32>; // kind, flags or width, colour
        const auto marks = [&](size_t from, size_t to) {
            QList<Mark> result;
            for (size_t i = from; i < to; ++i) {
                const CanvasOp &op = shown.ops[i];
                result.append({op.kind, op.kind == CanvasOp::DrawWidth ? op.value : op.flags, op.colour});
            }
            return result;
        };
        const QList<Mark> afterAnimation{
            {CanvasOp::DrawWidth, 1, 0}, {CanvasOp::Line, 4, 0}, {CanvasOp::DrawWidth, 2, 0},    // the last step's axis
            {CanvasOp::Line, 6, 0x80000009}, {CanvasOp::Line, 6, 0x80000009}, {CanvasOp::Line, 6, 0x8000000F}, // lower
            {CanvasOp::Line, 4, 0}, {CanvasOp::Line, 4, 0}, {CanvasOp::Line, 6, 0x00C0C0C0}};    // upper
        const QList<Mark> afterPause{{CanvasOp::DrawWidth, 1, 0}, {CanvasOp::Line, 4, 0}, {CanvasOp::Line, 6, 0x0000FF00},
                                     {CanvasOp::DrawWidth, 3, 0}, {CanvasOp::Line, 4, 0}, {CanvasOp::DrawWidth, 1, 0}};
        for (int point = 0; point <= 10; ++point) {
            const size_t lastStep = shown.drawnAtWait[point * 82 + 80], pause = shown.drawnAtWait[point * 82 + 81];
            QCOMPARE(marks(lastStep, pause), afterAnimation);
            QCOMPARE(marks(pause, pause + afterPause.size()), afterPause);
        }
    }

    void startRefusesToRunTwice_data()
    {
        QTest::addColumn<Action>("during");
        QTest::newRow("Start's handler entered again") << Action([](SpomalenaAnimace &w) { Q_EMIT w.cmdStart->clicked(); });
        QTest::newRow("assistive press on Start") << Action([](SpomalenaAnimace &w) { pressAccessibly(w.cmdStart); });
        QTest::newRow("assistive press on KONEC") << Action([](SpomalenaAnimace &w) { pressAccessibly(w.cmdKonec); });
    }

    void startRefusesToRunTwice()
    {
        QFETCH(Action, during);
        ShownWindow shown;
        shown.atWait = [&](int wait) {
            if (wait == 1) {
                during(*shown.window);
                QTest::qWait(300); // an animated click comes 100 ms after the press
            }
        };
        shown.start();
        shown.atWait = nullptr;
        QTest::qWait(300);
        QCOMPARE(shown.runs(), 1);
        QCOMPARE(shown.waits.size(), size_t(11 * 82));
        QVERIFY(shown.window->isVisible());
        QVERIFY(shown.window->nClona->isVisible());
        QVERIFY(shown.window->cmdStart->isEnabled());
        QCOMPARE(QApplication::focusWidget(), shown.window->cmdStart);
    }

    void speedStaysDuringARun_data()
    {
        QTest::addColumn<Action>("before");
        QTest::addColumn<Action>("during");
        QTest::addColumn<int>("speed"); // of the whole run, and the scroll bar's value after it
        const Action nothing = [](SpomalenaAnimace &) {};
        QTest::newRow("scroll-bar arrow held into the run")
            << Action([](SpomalenaAnimace &w) { QTest::mousePress(w.HScroll1, Qt::LeftButton, {}, rightArrow(w.HScroll1)); })
            << Action([](SpomalenaAnimace &) { QTest::qWait(800); }) << 2;
        QTest::newRow("assistive technology sets the scroll bar")
            << nothing << Action([](SpomalenaAnimace &w) { accessible(w.HScroll1)->valueInterface()->setCurrentValue(7); })
            << 1;
        QTest::newRow("assistive press on a speed option")
            << nothing << Action([](SpomalenaAnimace &w) { pressAccessibly(w.opPomalá); QTest::qWait(300); }) << 1;
        QTest::newRow("keys and wheel on the scroll bar")
            << Action([](SpomalenaAnimace &w) { w.HScroll1->setFocus(); })
            << Action([](SpomalenaAnimace &w) {
                   QTest::keyClick(w.HScroll1, Qt::Key_End);
                   QWheelEvent wheel(QPointF(60, 8), w.HScroll1->mapToGlobal(QPointF(60, 8)), {}, QPoint(0, -120),
                                     Qt::NoButton, {}, Qt::NoScrollPhase, false);
                   QCoreApplication::sendEvent(w.HScroll1, &wheel);
               })
            << 1;
    }

    void speedStaysDuringARun()
    {
        QFETCH(Action, before);
        QFETCH(Action, during);
        QFETCH(int, speed);
        ShownWindow shown;
        SpomalenaAnimace &w = *shown.window;
        before(w);
        shown.atWait = [&](int wait) {
            if (wait == 1)
                during(w);
        };
        shown.startByKey();
        shown.atWait = nullptr;
        QCOMPARE(shown.waits, expectedWaits([&](int) { return speed; }));
        QTest::qWait(300); // nothing goes on repeating afterwards
        QCOMPARE(w.HScroll1->value(), speed);
        QCOMPARE(w.nSpomaleni->text(), QString::number(speed));
        QVERIFY(w.opRychla->isChecked());
        QVERIFY(!w.HScroll1->isSliderDown());
    }

    void pacerCounts_data()
    {
        QTest::addColumn<QList<double>>("counts");
        QTest::addColumn<double>("total");
        QTest::newRow("whole") << QList<double>{30000, 30000, 400} << 60400.0;
        QTest::newRow("negative waits nothing") << QList<double>{-30000, 400} << 400.0;
        QTest::newRow("fractions are rounded") << QList<double>{0.4, 0.6, 1.5} << 3.0;
        QTest::newRow("zero") << QList<double>{0, 0} << 0.0;
        QTest::newRow("beyond a double: nothing is due unpaced") << QList<double>{DBL_MAX, DBL_MAX} << qInf();
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
