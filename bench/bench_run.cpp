// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints "name: value" lines: the cost of recording and drawing a run against painting its strokes in one go, the
// accuracy of the pacing with a pause in the middle, memory over many runs (the parameters changing too), the cost
// of drawing the picture anew when the window grows to 1.8 times its size (a full-HD projector), and how soon a
// closed window ends the program.
// With --zoomed, for a real X server: the processor share of a paced run at 1:1 (also beside the previous run, F6) and
// at 1.8 and of a paused one, how long a step forward and back take to reach the screen at 1.8, and photons landing,
// also with the table open.
// Start-up: from the program's process starting to its window shown, offscreen, and its resident memory then; once
// with no settings and once with a settings file to read.
#include "canvas.h"
#include "fields.h"
#include "language.h"
#include "parameters.h"
#include "settings.h"
#include "spomalenaanimace.h"

#include <QApplication>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// Waits in the event loop without turning it otherwise: QTest::qWait wakes every few milliseconds.
void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void print(const char *name, double value)
{
    std::printf("%s: %.3f\n", name, value);
    std::fflush(stdout);
}

constexpr qreal projectorZoom = 1.8;
constexpr int mostHoles = int(parameters::holes.most);
const QSize projectorSize = SpomalenaAnimace::clientSize * projectorZoom; // 1458 × 1080

struct Bench
{
    SpomalenaAnimace window;
    Playback &playback = window.playback();

    Bench()
    {
        window.show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&window);
    }

    void resize(QSize size)
    {
        window.resize(size);
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&window);
        QTest::qWait(200);
    }

    // Starts a run; paced, plays it to its end on the event loop.
    double run(std::chrono::nanoseconds countDuration)
    {
        window.pacer().setCountDuration(countDuration);
        const auto start = Clock::now();
        window.cmdStart_Click();
        while (playback.running())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        return millisecondsSince(start);
    }

    // A paced run at the given slow-down, paused for a while in the middle, against its nominal length.
    double pacingRatio(int factor, int repetitions)
    {
        setFieldNumber(window.nSpomaleni, factor);
        const double nominalMs = (891.0 * factor * 30000 + 11 * 400) * 100 / 1e6;
        constexpr int pausedMs = 300;
        std::vector<double> ratios;
        for (int i = 0; i < repetitions; ++i) {
            QTimer::singleShot(int(nominalMs / 3), &window, [this] {
                playback.pause();
                QTimer::singleShot(pausedMs, &window, [this] { playback.resume(); });
            });
            ratios.push_back((run(Pacer::defaultCountDuration) - pausedMs) / nominalMs);
        }
        setFieldNumber(window.nSpomaleni, 1);
        return median(ratios);
    }

    // The processor's share of a paced run at slow-down 1, or of a run paused for a second: the median of a few,
    // since one share varies with what else the machine does.
    double cpuShare(bool paused)
    {
        std::vector<double> shares;
        for (int i = 0; i < 5; ++i) {
            if (paused) {
                window.pacer().setCountDuration(Pacer::defaultCountDuration);
                window.cmdStart_Click();
                playback.pause();
                idle(100);
            }
            const double cpuBefore = processCpuMilliseconds();
            const auto start = Clock::now();
            if (paused)
                idle(1000);
            else
                run(Pacer::defaultCountDuration);
            shares.push_back((processCpuMilliseconds() - cpuBefore) / millisecondsSince(start));
            playback.finish();
        }
        return median(shares);
    }

    // The processor's share of a paced run at slow-down 1 with the last finished run drawn beside it (F6), which is
    // left off again.
    double compareCpuShare()
    {
        run(std::chrono::nanoseconds(0)); // a finished run to compare the first with
        window.commands.compare->setChecked(true);
        const double share = cpuShare(false);
        window.commands.compare->setChecked(false);
        return playback.run()->previous() ? share : -1; // nothing compared: no figure
    }

    // The processor's share while photons land after a run with the whole pattern, for three seconds.
    double photonsCpuShare()
    {
        window.commands.pattern->setChecked(true);
        run(std::chrono::nanoseconds(0));
        window.commands.photons->trigger();
        const double cpuBefore = processCpuMilliseconds();
        const auto start = Clock::now();
        idle(3000);
        const double share = (processCpuMilliseconds() - cpuBefore) / millisecondsSince(start);
        window.commands.photons->trigger();
        window.commands.pattern->setChecked(false);
        return share;
    }

    // From a command to the picture repainted: the step is drawn, and the window is painted.
    double stepToScreenMs(QAction *command, size_t from)
    {
        std::vector<double> times;
        for (int i = 0; i < 9; ++i) {
            playback.seek(from);
            QCoreApplication::processEvents();
            const size_t before = playback.position();
            const auto start = Clock::now();
            command->trigger();
            QCoreApplication::processEvents();
            if (playback.position() == before)
                return -1; // nothing moved: no figure
            times.push_back(millisecondsSince(start));
        }
        return median(times);
    }
};

double timelineMegabytes(const Timeline &timeline)
{
    return double(timeline.strokes().capacity() * sizeof(Stroke) + timeline.steps().capacity() * sizeof(Timeline::Step))
           / (1024 * 1024);
}

// The same strokes painted straight into a raster in one painter session, at a zoom.
double floorMilliseconds(const std::vector<Stroke> &strokes, qreal zoom = 1)
{
    const auto start = Clock::now();
    QImage raster(SpomalenaAnimace::clientSize * zoom, QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(zoom);
    raster.fill(Qt::transparent);
    QPainter painter(&raster);
    const QRectF area(QPointF(0, 0), SpomalenaAnimace::clientSize);
    for (const Stroke &stroke : strokes)
        stroke.paint(painter, area);
    painter.end();
    return millisecondsSince(start);
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

// Closed while a run plays or is paused: how long until the event loop has ended.
double closeMilliseconds(Bench &bench, bool paused)
{
    bench.window.pacer().setCountDuration(Pacer::defaultCountDuration);
    bench.window.show();
    Clock::time_point closed;
    QTimer::singleShot(0, &bench.window, [&] {
        bench.window.cmdStart_Click();
        if (paused)
            bench.playback.pause();
        QTimer::singleShot(300, &bench.window, [&] {
            closed = Clock::now();
            bench.window.close();
        });
    });
    QApplication::exec();
    return millisecondsSince(closed);
}
}

// What the program does up to its window shown, in a process of its own; then says so with its resident memory.
int startAsTheProgram(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    if (QByteArray(argv[1]) == "--start-up-untranslated")
        language::useNone();
    else
        language::use(QStringLiteral("cs"));
    SpomalenaAnimace window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("shown %.2f\n", residentMegabytes());
    std::fflush(stdout);
    return 0;
}

struct StartUp
{
    std::vector<double> times;
    double resident = 0;
};

// Starts the program with settings from each folder in turn, so that whatever else the machine does falls on both;
// untranslated, with the language's translations left out.
std::vector<StartUp> startUps(const QStringList &folders, bool untranslated = false)
{
    std::vector<StartUp> results(size_t(folders.size()));
    for (int i = 0; i < 21 * folders.size(); ++i) {
        const QString &folder = folders[i % folders.size()];
        StartUp &result = results[size_t(i % folders.size())];
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
        child.setProcessEnvironment(environment);
        const auto start = Clock::now();
        child.start(QCoreApplication::applicationFilePath(),
                    {untranslated ? QStringLiteral("--start-up-untranslated") : QStringLiteral("--start-up")});
        while (!child.canReadLine() && child.waitForReadyRead(30000)) {
        }
        result.times.push_back(millisecondsSince(start));
        result.resident = child.readLine().mid(6).trimmed().toDouble();
        child.waitForFinished(30000);
    }
    return results;
}

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]).startsWith("--start-up"))
        return startAsTheProgram(argc, argv);
    QApplication app(argc, argv);
    const QTemporaryDir settingsFolder; // the bench's windows never read or write the user's settings
    settings::useFile(settingsFolder.filePath(QStringLiteral("Kestrova.conf")));
    Bench bench;
    constexpr int repetitions = 9;

    if (argc > 1 && QByteArray(argv[1]) == "--zoomed") {
        const QByteArray platform = QGuiApplication::platformName().toLatin1();
        print(("cpu_share_f1_" + platform).constData(), bench.cpuShare(false));
        print(("cpu_share_f1_compare_" + platform).constData(), bench.compareCpuShare());
        print(("cpu_share_paused_" + platform).constData(), bench.cpuShare(true));
        setFieldNumber(bench.window.nPocetOtvoru, mostHoles);
        print(("cpu_share_f1_8_holes_" + platform).constData(), bench.cpuShare(false));
        setFieldNumber(bench.window.nPocetOtvoru, 2);
        bench.resize(projectorSize);
        print(("cpu_share_f1_s1_8_" + platform).constData(), bench.cpuShare(false));
        print(("cpu_share_paused_s1_8_" + platform).constData(), bench.cpuShare(true));
        bench.window.pacer().setCountDuration(Pacer::defaultCountDuration);
        bench.window.cmdStart_Click();
        bench.playback.pause();
        const size_t end = bench.playback.run()->end();
        print("step_ms_s1_8", bench.stepToScreenMs(bench.window.commands.stepForward, end / 2));
        print("back_ms_s1_8", bench.stepToScreenMs(bench.window.commands.stepBack, end)); // the most to draw anew
        bench.playback.finish();
        setFieldNumber(bench.window.nPocetOtvoru, mostHoles);
        bench.window.cmdStart_Click();
        bench.playback.pause();
        print("step_ms_s1_8_8_holes", bench.stepToScreenMs(bench.window.commands.stepForward, end / 2));
        print("back_ms_s1_8_8_holes", bench.stepToScreenMs(bench.window.commands.stepBack, end));
        bench.playback.finish();
        setFieldNumber(bench.window.nPocetOtvoru, 2);
        print(("cpu_share_photons_s1_8_" + platform).constData(), bench.photonsCpuShare());
        bench.window.commands.table->trigger(); // the table beside, following the hits
        print(("cpu_share_photons_table_s1_8_" + platform).constData(), bench.photonsCpuShare());
        return 0;
    }

    {
        const QTemporaryDir none, remembered;
        QDir(remembered.path()).mkpath(QStringLiteral("Kestrova"));
        QFile file(remembered.filePath(QStringLiteral("Kestrova/Kestrova.conf")));
        if (file.open(QIODevice::WriteOnly))
            file.write("[General]\nlanguage=cs\nlastFolder=" + QDir::tempPath().toUtf8()
                       + "\n[switches]\npattern=true\nbrightRoom=true\n"
                         "[window]\ngeometry=@Rect(40 40 900 660)\nfullScreen=false\n");
        file.close();
        const std::vector<StartUp> starts = startUps({none.path(), remembered.path()});
        print("startup_ms", median(starts[0].times));
        print("startup_rss_mb", starts[0].resident);
        print("startup_ms_with_settings", median(starts[1].times));
        print("startup_rss_mb_with_settings", starts[1].resident);
        const std::vector<StartUp> untranslated = startUps({none.path()}, true);
        print("startup_ms_untranslated", median(untranslated[0].times));
        print("startup_rss_mb_untranslated", untranslated[0].resident);
    }

    bench.run(std::chrono::nanoseconds(0));
    const std::vector<Stroke> strokes = bench.playback.run()->strokes();
    std::vector<double> runs, floors;
    for (int i = 0; i < repetitions; ++i) {
        runs.push_back(bench.run(std::chrono::nanoseconds(0)));
        floors.push_back(floorMilliseconds(strokes));
    }
    const double runMs = median(runs), floorMs = median(floors);
    print("strokes_per_run", double(strokes.size()));
    print("run_ms_no_pacing", runMs);
    print("floor_ms", floorMs);
    print("run_vs_floor", runMs / floorMs);
    const Timeline &timeline = *bench.playback.run();
    print("timeline_mb", timelineMegabytes(timeline));

    // The most holes: every path's strokes grow with the paths, nothing else.
    setFieldNumber(bench.window.nPocetOtvoru, mostHoles);
    bench.run(std::chrono::nanoseconds(0));
    const Timeline &mostPaths = *bench.playback.run();
    print("strokes_per_run_8_holes", double(mostPaths.strokes().size()));
    print("timeline_mb_8_holes", timelineMegabytes(mostPaths));
    setFieldNumber(bench.window.nPocetOtvoru, 2);

    print("cpu_share_f1", bench.cpuShare(false));
    print("regrow_ms_s1_8", regrowMilliseconds(bench));
    std::vector<double> wholeRun;
    for (int i = 0; i < repetitions; ++i)
        wholeRun.push_back(floorMilliseconds(strokes, projectorZoom));
    print("redraw_all_strokes_of_a_run_ms_s1_8", median(wholeRun));

    print("pacing_ratio_f1_paused_300ms", bench.pacingRatio(1, 5));
    print("pacing_ratio_f10_paused_300ms", bench.pacingRatio(10, 3));

    const double rssBefore = residentMegabytes();
    for (int i = 0; i < 200; ++i)
        bench.run(std::chrono::nanoseconds(0));
    print("soak_runs", 200);
    print("soak_rss_growth_mb", residentMegabytes() - rssBefore);

    // As many through Start, the teacher's parameters changing between the runs, within their ranges.
    const double rssBeforeChanging = residentMegabytes();
    int changedRuns = 0;
    for (int i = 0; i < 200; ++i) {
        setFieldNumber(bench.window.nVzdalenost, 50 * (1 + i % 5));
        setFieldText(bench.window.nUr, QLocale().toString(i % 15 / 10.0));
        setFieldNumber(bench.window.nRd, 40 * (i % 9));
        const Timeline *before = bench.playback.run();
        bench.window.cmdStart->click();
        changedRuns += bench.playback.run() != before;
    }
    print("soak_changing_parameters_runs", changedRuns);
    print("soak_changing_parameters_rss_growth_mb", residentMegabytes() - rssBeforeChanging);

    print("close_ms_playing", closeMilliseconds(bench, false));
    print("close_ms_paused", closeMilliseconds(bench, true));
    return 0;
}
