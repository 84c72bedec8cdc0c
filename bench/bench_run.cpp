// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints "name: value" lines: the cost of a run against painting the same operations in one go,
// the accuracy of the pacing, the processor share of a paced run, memory over many runs, and the cost of drawing
// the picture anew when the window grows to 1.8 times its size (a full-HD projector).
// With --zoomed, only the processor share of a paced run at 1:1 and at 1.8, for a real X server.
#include "canvas.h"
#include "fields.h"
#include "spomalenaanimace.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double processCpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double residentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

void print(const char *name, double value)
{
    std::printf("%s: %.3f\n", name, value);
    std::fflush(stdout);
}

struct Bench
{
    SpomalenaAnimace window;

    Bench()
    {
        window.show();
        QCoreApplication::processEvents();
    }

    double run(std::chrono::nanoseconds countDuration)
    {
        window.pacer().setCountDuration(countDuration);
        const auto start = Clock::now();
        window.cmdStart_Click();
        QCoreApplication::processEvents();
        return millisecondsSince(start);
    }

    // A paced run at the given slow-down, measured against its nominal length.
    double pacingRatio(int factor, int repetitions)
    {
        setFieldNumber(window.nSpomaleni, factor);
        const double nominalMs = (891.0 * factor * 30000 + 11 * 400) * 100 / 1e6;
        std::vector<double> ratios;
        for (int i = 0; i < repetitions; ++i)
            ratios.push_back(run(Pacer::defaultCountDuration) / nominalMs);
        setFieldNumber(window.nSpomaleni, 1);
        return median(ratios);
    }
};

constexpr qreal projectorZoom = 1.8;
const QSize projectorSize = SpomalenaAnimace::clientSize * projectorZoom; // 1458 × 1080

// The same operations painted straight into a raster in one painter session, at a zoom.
double floorMilliseconds(const std::vector<CanvasOp> &ops, qreal zoom = 1)
{
    const auto start = Clock::now();
    QImage raster(SpomalenaAnimace::clientSize * zoom, QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(zoom);
    raster.fill(Qt::transparent);
    QPainter painter(&raster);
    CanvasPainter state;
    const QRectF area(QPointF(0, 0), SpomalenaAnimace::clientSize);
    for (const CanvasOp &op : ops)
        state.apply(painter, op, area);
    painter.end();
    return millisecondsSince(start);
}
}

// The processor's share of a paced run at slow-down 1, with the window at the given size: the median of a few
// runs, since one run's share varies with what else the machine does.
double cpuShareAt(Bench &bench, QSize size)
{
    bench.window.resize(size);
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&bench.window);
    QTest::qWait(200);
    std::vector<double> shares;
    for (int i = 0; i < 5; ++i) {
        const double cpuBefore = processCpuMilliseconds();
        const double wall = bench.run(Pacer::defaultCountDuration);
        shares.push_back((processCpuMilliseconds() - cpuBefore) / wall);
    }
    return median(shares);
}

// The window grown to the projector's size after a whole run, until its picture is drawn anew.
double regrowMilliseconds(Bench &bench)
{
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        bench.window.resize(SpomalenaAnimace::clientSize);
        bench.window.canvas->image();
        const auto start = Clock::now();
        bench.window.resize(projectorSize);
        bench.window.canvas->image();
        times.push_back(millisecondsSince(start));
    }
    bench.window.resize(SpomalenaAnimace::clientSize);
    return median(times);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Bench bench;
    constexpr int repetitions = 9;

    if (argc > 1 && QByteArray(argv[1]) == "--zoomed") {
        const QByteArray platform = QGuiApplication::platformName().toLatin1();
        print(("cpu_share_f1_" + platform).constData(), cpuShareAt(bench, SpomalenaAnimace::clientSize));
        print(("cpu_share_f1_s1_8_" + platform).constData(), cpuShareAt(bench, projectorSize));
        return 0;
    }

    std::vector<CanvasOp> ops;
    bench.window.canvas->setRecorder(&ops);
    bench.run(std::chrono::nanoseconds(0));
    bench.window.canvas->setRecorder(nullptr);

    std::vector<double> runs, floors;
    for (int i = 0; i < repetitions; ++i) {
        runs.push_back(bench.run(std::chrono::nanoseconds(0)));
        floors.push_back(floorMilliseconds(ops));
    }
    const double runMs = median(runs), floorMs = median(floors);
    print("canvas_ops_per_run", double(ops.size()));
    print("run_ms_no_pacing", runMs);
    print("floor_ms", floorMs);
    print("run_vs_floor", runMs / floorMs);

    const double cpuBefore = processCpuMilliseconds();
    const double wallF1 = bench.run(Pacer::defaultCountDuration);
    print("cpu_share_f1", (processCpuMilliseconds() - cpuBefore) / wallF1);

    print("canvas_ops_kept_after_run", double(bench.window.canvas->history().entries().size()));
    print("regrow_ms_s1_8", regrowMilliseconds(bench));
    std::vector<double> wholeRun;
    for (int i = 0; i < repetitions; ++i)
        wholeRun.push_back(floorMilliseconds(ops, projectorZoom));
    print("redraw_all_ops_of_a_run_ms_s1_8", median(wholeRun));

    print("pacing_ratio_f1", bench.pacingRatio(1, 5));
    print("pacing_ratio_f10", bench.pacingRatio(10, 3));

    const double rssBefore = residentMegabytes();
    for (int i = 0; i < 200; ++i)
        bench.run(std::chrono::nanoseconds(0));
    print("soak_runs", 200);
    print("soak_rss_growth_mb", residentMegabytes() - rssBefore);
    return 0;
}
