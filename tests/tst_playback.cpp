// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's pace: a run paused, stepped either way and ended by keys, what a screen reader hears meanwhile,
// and what input does during a run.
#include "testsupport.h"

#include <QAccessible>
#include <QRadioButton>
#include <QScrollBar>

namespace {
constexpr size_t stepsPerPoint = 82, runEnd = 11 * stepsPerPoint;

using Action = std::function<void(SpomalenaAnimace &)>;

// A paced run, paused at once: its first step is drawn, nothing else moves until a key or a seek. A clock given
// paces it from the start.
struct PausedRun : ShownWindow
{
    explicit PausedRun(size_t at = 1, std::function<Pacer::Clock::time_point()> clock = {})
        : ShownWindow(true)
    {
        if (clock)
            window->pacer().setClock(std::move(clock));
        start();
        QTest::keyClick(window.get(), Qt::Key_Space);
        window->playback().seek(at);
    }
    ~PausedRun() { window->playback().finish(); }
    size_t position() const { return window->playback().position(); }
};
}

class TestPlayback : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void keys_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("→ one step forward") << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("← one step back") << 2 << int(Qt::Key_Left) << 1;
        QTest::newRow("← at the beginning stays") << 0 << int(Qt::Key_Left) << 0;
        QTest::newRow("→ at the end stays") << int(runEnd) << int(Qt::Key_Right) << int(runEnd);
        QTest::newRow("Page Down: the lowest point finished") << 1 << int(Qt::Key_PageDown) << 82;
        QTest::newRow("Page Down from the beginning") << 0 << int(Qt::Key_PageDown) << 82;
        QTest::newRow("Page Down at a point's end: the next one's") << 82 << int(Qt::Key_PageDown) << 164;
        QTest::newRow("Page Down in the last point: the end") << 901 << int(Qt::Key_PageDown) << int(runEnd);
        QTest::newRow("Page Up within a point: its beginning") << 100 << int(Qt::Key_PageUp) << 82;
        QTest::newRow("Page Up at a beginning: the previous point's") << 82 << int(Qt::Key_PageUp) << 0;
        QTest::newRow("Page Up at the end: the last point's beginning") << int(runEnd) << int(Qt::Key_PageUp) << 820;
        QTest::newRow("Page Up at the very beginning stays") << 0 << int(Qt::Key_PageUp) << 0;
        QTest::newRow("Home") << 500 << int(Qt::Key_Home) << 0;
    }

    void keys()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        PausedRun run{size_t(from)};
        QTest::keyClick(run.window.get(), Qt::Key(key));
        QCOMPARE(run.position(), size_t(to));
        QCOMPARE(run.window->playback().state(), Playback::State::Paused);
        QVERIFY(!run.window->nClona->isVisible());
    }

    void stepBackShowsWhatPlayingShowed_data()
    {
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("then");
        for (const qreal zoom : {1.0, 1.8, 2.4}) {
            const QByteArray z = " at zoom " + QByteArray::number(zoom);
            QTest::newRow("the first step, back from the third point" + z) << zoom << 1 << 200;
            QTest::newRow("halfway through the lowest point" + z) << zoom << 41 << 42;
            QTest::newRow("a point finished, back from the end" + z) << zoom << 82 << int(runEnd);
            QTest::newRow("the last point's animation done" + z) << zoom << 900 << 901;
        }
        QTest::newRow("before the run: nothing") << 1.8 << 0 << 300;
    }

    // Forward the picture is drawn step by step as playing draws it; back, it is drawn anew from what was recorded.
    void stepBackShowsWhatPlayingShowed()
    {
        QFETCH(qreal, zoom);
        QFETCH(int, at);
        QFETCH(int, then);
        PausedRun run(0);
        run.window->resize(SpomalenaAnimace::clientSize * zoom);
        QCOMPARE(run.window->canvas->zoom(), zoom);
        for (int step = 0; step < at; ++step)
            run.window->playback().seek(run.position() + 1);
        const QImage played = run.window->canvas->image().copy();
        run.window->playback().seek(size_t(then));
        QVERIFY(run.window->canvas->image() != played);
        run.window->playback().seek(size_t(at));
        QCOMPARE(run.window->canvas->image(), played);
    }

    // A step key while playing pauses first, and Pause does; paused, Start reads "Pokračovat". Home shows the
    // picture before the run, the one the run before left; End completes the run as playing to its end does: the
    // picture, the captions, the controls and the focus.
    void pauseHomeAndEnd()
    {
        ShownWindow shown(true);
        SpomalenaAnimace &w = *shown.window;
        shown.start();
        w.playback().finish();
        const QImage finished = w.canvas->image().copy();
        shown.start();
        QCOMPARE(w.playback().state(), Playback::State::Playing);
        const size_t at = w.playback().position();
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.playback().state(), Playback::State::Paused);
        QCOMPARE(w.playback().position(), at + 1);
        QCOMPARE(w.cmdStart->text(), QStringLiteral("Pokračovat"));
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(w.playback().state(), Playback::State::Playing);
        QTest::keyClick(&w, Qt::Key_Pause);
        QCOMPARE(w.playback().state(), Playback::State::Paused);
        QVERIFY(w.canvas->image() != finished);
        QTest::keyClick(&w, Qt::Key_Home);
        QCOMPARE(w.canvas->image(), finished);
        QTest::keyClick(&w, Qt::Key_End);
        QCOMPARE(w.playback().state(), Playback::State::Stopped);
        QCOMPARE(w.canvas->image(), finished);
        QCOMPARE(w.cmdStart->text(), QStringLiteral("Start"));
        for (QWidget *control : std::initializer_list<QWidget *>{w.cmdStart, w.cmdKonec, w.HScroll1})
            QVERIFY(control->isEnabled());
        QVERIFY(w.nZdroj->isVisible());
        QCOMPARE(QApplication::focusWidget(), w.cmdStart);
        QVERIFY(QAccessible::queryAccessibleInterface(w.cmdStart)->text(QAccessible::Description).startsWith(QStringLiteral("Animace doběhla.")));
    }

    void resumingRestartsTheClock_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<double>("wait"); // counts the last step drawn waits before the next
        QTest::newRow("at the beginning: the first step at once") << 0 << 0.0;
        QTest::newRow("after the first step") << 1 << 30000.0;
        QTest::newRow("halfway through the lowest point") << 41 << 30000.0;
        QTest::newRow("after a point's bar: its short pause") << 82 << 400.0;
    }

    // Paused, the run stands however long: nothing is drawn. Resumed, it goes on from where it stood, as if the
    // pause had not been: the next step after the last one's wait, neither sooner nor a wait later.
    void resumingRestartsTheClock()
    {
        QFETCH(int, at);
        QFETCH(double, wait);
        Pacer::Clock::time_point now = Pacer::Clock::now();
        PausedRun run(size_t(at), [&now] { return now; });
        SpomalenaAnimace &w = *run.window;
        const QImage paused = w.canvas->image().copy();
        now += std::chrono::minutes(1);
        QTimer later; // while the clock stands no frame is scheduled more than a frame ahead: any comes before this
        later.setSingleShot(true);
        later.setTimerType(Qt::PreciseTimer);
        later.start(4 * Playback::frameInterval);
        QTRY_VERIFY(!later.isActive());
        QCOMPARE(run.position(), size_t(at));
        QCOMPARE(w.canvas->image(), paused);

        w.cmdStart->click(); // "Pokračovat"
        QCOMPARE(w.playback().state(), Playback::State::Playing);
        if (wait > 0) {
            QTest::qWait(3 * Playback::frameInterval.count());
            QCOMPARE(run.position(), size_t(at));
        }
        now += w.pacer().due(wait);
        QTRY_COMPARE(run.position(), size_t(at) + 1);
        now += std::chrono::minutes(1);
        QTRY_COMPARE(w.playback().state(), Playback::State::Stopped);
        QVERIFY(w.nZdroj->isVisible());
    }

    // Busy while playing only; paused, Start reads "Pokračovat" and says so; each step is told.
    void screenReaders()
    {
        ShownWindow shown(true);
        SpomalenaAnimace &w = *shown.window;
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(&w);
        QAccessibleInterface *start = QAccessible::queryAccessibleInterface(w.cmdStart);
        shown.start();
        QVERIFY(frame->state().busy);
        QTest::keyClick(&w, Qt::Key_Space);
        QVERIFY(!frame->state().busy);
        QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Start"));
        QVERIFY(start->text(QAccessible::Description).startsWith(QStringLiteral("Animace pozastavena")));
        QCOMPARE(QApplication::focusWidget(), w.cmdStart);
        QTest::keyClick(&w, Qt::Key_PageDown);
        QCOMPARE(start->text(QAccessible::Description),
                 QStringLiteral("Bod 1 z 11, krok 82 z 82: šipky obou tras, jejich součet a úsečka pravděpodobnosti, 109 pixelů."));
        QTest::keyClick(&w, Qt::Key_Right);
        QVERIFY(start->text(QAccessible::Description).startsWith(QStringLiteral("Bod 2 z 11, krok 1 z 82: ")));
        QTest::keyClick(&w, Qt::Key_Space);
        QVERIFY(frame->state().busy);
        w.playback().finish();
        QVERIFY(!frame->state().busy);
    }

    void inputDuringARun_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<Action>("input");
        const auto clickArrow = [](SpomalenaAnimace &w) {
            QTest::mouseClick(w.HScroll1, Qt::LeftButton, {}, QPoint(w.HScroll1->width() - 5, w.HScroll1->height() / 2));
        };
        for (const bool paused : {false, true}) {
            const QByteArray when = paused ? ", paused" : ", playing";
            QTest::newRow("a click on KONEC" + when) << paused << Action([](SpomalenaAnimace &w) { QTest::mouseClick(w.cmdKonec, Qt::LeftButton); });
            QTest::newRow("a click on the scroll bar" + when) << paused << Action(clickArrow);
            QTest::newRow("keys on the scroll bar" + when) << paused << Action([](SpomalenaAnimace &w) {
                w.HScroll1->setFocus();
                QTest::keyClick(w.HScroll1, Qt::Key_Plus);
                QTest::keyClick(w.HScroll1, Qt::Key_Up);
            });
            QTest::newRow("the wheel on the scroll bar" + when) << paused << Action([](SpomalenaAnimace &w) {
                QWheelEvent wheel(QPointF(60, 8), w.HScroll1->mapToGlobal(QPointF(60, 8)), {}, QPoint(0, -120),
                                  Qt::NoButton, {}, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(w.HScroll1, &wheel);
            });
            QTest::newRow("an assistive value on the scroll bar" + when) << paused << Action([](SpomalenaAnimace &w) {
                QAccessible::queryAccessibleInterface(w.HScroll1)->valueInterface()->setCurrentValue(7);
            });
            QTest::newRow("an assistive press on a speed option" + when) << paused << Action([](SpomalenaAnimace &w) {
                QAccessible::queryAccessibleInterface(w.opPomalá)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QTest::qWait(300);
            });
            QTest::newRow("typing into a caption" + when) << paused << Action([](SpomalenaAnimace &w) {
                QTest::mouseClick(w.nAdresa, Qt::LeftButton);
                QTest::keyClicks(w.nAdresa, QStringLiteral("xyz"));
            });
        }
        QTest::newRow("Start's handler entered again") << false << Action([](SpomalenaAnimace &w) { Q_EMIT w.cmdStart->clicked(); });
    }

    // Nothing but the run's own keys changes anything during a run: not the speed, not the program's end, not a
    // second run, not the captions.
    void inputDuringARun()
    {
        QFETCH(bool, paused);
        QFETCH(Action, input);
        ShownWindow shown(true);
        SpomalenaAnimace &w = *shown.window;
        shown.start();
        if (paused)
            QTest::keyClick(&w, Qt::Key_Space);
        const Timeline *run = w.playback().run();
        input(w);
        QCoreApplication::processEvents();
        QVERIFY(w.isVisible());
        QVERIFY(w.playback().running());
        QCOMPARE(w.playback().run(), run);
        QCOMPARE(w.HScroll1->value(), 1);
        QCOMPARE(w.nSpomaleni->text(), QStringLiteral("1"));
        QCOMPARE(w.nAdresa->text(), QStringLiteral("kestrova.example"));
        w.playback().finish();
    }

    // A close request while paused ends the program (while playing: the black box).
    void closingWhilePausedEndsTheProgram()
    {
        ShownWindow shown(true);
        const int status = shown.exec([&] {
            shown.start();
            QTest::keyClick(shown.window.get(), Qt::Key_Space);
            QTimer::singleShot(50, shown.window.get(), [&] { shown.window->close(); });
        });
        QCOMPARE(status, 0);
        QVERIFY(!shown.window->isVisible());
        QVERIFY(shown.errors.empty());
    }

    void resizeDuringARun_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("to 1.8") << QSize(1458, 1080);
        QTest::newRow("to 1.25 on a wide screen") << QSize(1400, 750);
    }

    // Grown mid-run, the picture is the one a run at that size shows at that step, and at its end.
    void resizeDuringARun()
    {
        QFETCH(QSize, size);
        QImage expectedAt, expectedEnd;
        {
            PausedRun undisturbed(0);
            undisturbed.window->resize(size);
            undisturbed.window->playback().seek(300);
            expectedAt = undisturbed.window->canvas->image().copy();
            undisturbed.window->playback().finish();
            expectedEnd = undisturbed.window->canvas->image().copy();
        }
        PausedRun run(300);
        run.window->resize(size);
        QCOMPARE(run.window->canvas->image(), expectedAt);
        run.window->playback().finish();
        QCOMPARE(run.window->canvas->image(), expectedEnd);
    }

    // Grown as a second run begins over the first, before it has drawn a stroke: the first run's picture, grown.
    void resizeAsASecondRunBegins()
    {
        const QSize size(1458, 1080);
        QImage expected;
        {
            PausedRun first(0);
            first.window->playback().finish();
            first.window->resize(size);
            expected = first.window->canvas->image().copy();
        }
        PausedRun run(0);
        run.window->playback().finish();
        run.start();
        QTest::keyClick(run.window.get(), Qt::Key_Space);
        run.window->playback().seek(0);
        run.window->resize(size);
        QCOMPARE(run.window->canvas->image(), expected);
    }
};

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
