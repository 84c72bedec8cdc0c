// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Single photons after a run: where they land, how their tallies grow towards the bars, and what the picture and a
// screen reader show of them.
#include "testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QPainter>

#include <numeric>

namespace {
// The picture a run leaves, with the photons' marks and tallies painted over it, drawn here afresh.
QImage expectedPicture(SpomalenaAnimace &window)
{
    const QImage &shown = window.canvas->image();
    QImage raster(shown.size(), QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(shown.devicePixelRatio());
    raster.fill(Qt::transparent);
    QPainter painter(&raster);
    const QRectF area(QPointF(0, 0), SpomalenaAnimace::clientSize);
    for (const Stroke &stroke : window.playback().run()->strokes())
        stroke.paint(painter, area);
    for (const Stroke &mark : window.photons().marks())
        mark.paint(painter, area);
    for (size_t point = 0; point < window.photons().hits().size(); ++point)
        if (window.photons().hits()[point] > 0)
            window.photons().tally(point).paint(painter, area);
    return raster;
}
}

class TestPhotons : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void pointFor_data()
    {
        QTest::addColumn<QList<double>>("bars");
        QTest::addColumn<double>("uniform");
        QTest::addColumn<int>("point");
        const QList<double> bars{10, 0, 30};
        QTest::newRow("the first share") << bars << 0.0 << 0;
        QTest::newRow("just below the first share's end") << bars << 0.2499 << 0;
        QTest::newRow("a point without a bar is never picked") << bars << 0.25 << 2;
        QTest::newRow("the last share's end") << bars << 0.999999 << 2;
        QTest::newRow("rounding past the end: the last point with a bar") << QList<double>{5, 5, 0} << 1.0 << 1;
    }

    void pointFor()
    {
        QFETCH(QList<double>, bars);
        QFETCH(double, uniform);
        QFETCH(int, point);
        QCOMPARE(int(::pointFor({bars.begin(), bars.end()}, uniform)), point);
    }

    // With a fixed seed and 100,000 photons, each point gets its bar's share of them, to within 0.005.
    void sharesTendToTheBars()
    {
        const std::vector<double> bars = expectedBars(200, 1, 40);
        const double sum = std::accumulate(bars.begin(), bars.end(), 0.0);
        Photons photons(2026);
        photons.start(bars, {465, 545, 550, std::vector<double>(bars.size(), 300)});
        photons.stop();
        constexpr int fired = 100000;
        for (int i = 0; i < fired; ++i)
            photons.land();
        for (size_t point = 0; point < bars.size(); ++point) {
            const double share = double(photons.hits()[point]) / fired;
            QVERIFY2(std::fabs(share - bars[point] / sum) <= 0.005,
                     qPrintable(QStringLiteral("point %1: %2, bar's share %3").arg(point).arg(share).arg(bars[point] / sum)));
        }
    }

    void firedAfterARun_data()
    {
        QTest::addColumn<bool>("pattern");
        QTest::addColumn<qreal>("zoom");
        QTest::newRow("over the bars") << false << 1.0;
        QTest::newRow("over the whole pattern, whose curve the tallies cross") << true << 1.0;
        QTest::newRow("zoomed while they land") << true << 1.8;
    }

    // Marks in the free strip beside their points, and tallies drawn anew as they shrink and grow: paused, the
    // picture is the run's with the marks and the tallies of now over it, nothing left of the tallies before.
    void firedAfterARun()
    {
        QFETCH(bool, pattern);
        QFETCH(qreal, zoom);
        ShownWindow shown;
        SpomalenaAnimace &w = *shown.window;
        w.commands.pattern->setChecked(pattern);
        QVERIFY(!w.commands.photons->isEnabled());
        shown.start();
        QTest::keyClick(&w, Qt::Key_F4);
        QCOMPARE(w.photons().state(), Photons::State::Firing);
        for (int i = 0; i < 60; ++i)
            w.photons().fire();
        w.resize(SpomalenaAnimace::clientSize * zoom);
        for (int i = 0; i < 60; ++i)
            w.photons().fire();
        QTest::keyClick(&w, Qt::Key_Space); // paused: the tallies as the hits are
        QCOMPARE(w.canvas->image(), expectedPicture(w));

        const Timeline &run = *w.playback().run();
        for (const Stroke &mark : w.photons().marks()) {
            QVERIFY(mark.x1 > run.freeLeft() && mark.x1 < run.barX());
            const auto nearest = std::min_element(run.pointY().begin(), run.pointY().end(), [&](double a, double b) {
                return std::fabs(a - mark.y1) < std::fabs(b - mark.y1);
            });
            QVERIFY(std::fabs(*nearest - (mark.y1 + mark.y2) / 2) <= 6);
        }
        QTest::keyClick(&w, Qt::Key_F4);
        QCOMPARE(w.photons().state(), Photons::State::Stopped);
        QCOMPARE(w.canvas->image(), expectedPicture(w)); // what has landed stays
    }

    // Space pauses them and lets them go on; F4 stops them, and a screen reader hears each point's hits; a new run
    // clears them. During a run F4 does nothing.
    void pausedStoppedAndCleared()
    {
        ShownWindow shown(true);
        SpomalenaAnimace &w = *shown.window;
        shown.start();
        QTest::keyClick(&w, Qt::Key_F4);
        QCOMPARE(w.photons().state(), Photons::State::Stopped);
        w.playback().finish();
        const QImage finished = w.canvas->image().copy();
        QTest::keyClick(&w, Qt::Key_F4);
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(w.photons().state(), Photons::State::Paused);
        const size_t fired = w.photons().total();
        QTest::qWait(3 * Photons::interval.count());
        QCOMPARE(w.photons().total(), fired);
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(w.photons().state(), Photons::State::Firing);
        QTRY_VERIFY(w.photons().total() >= fired + 3);
        QTest::keyClick(&w, Qt::Key_F4);
        QCOMPARE(w.photons().state(), Photons::State::Stopped);
        const QString heard = QAccessible::queryAccessibleInterface(w.cmdStart)->text(QAccessible::Description);
        QVERIFY2(heard.contains(QStringLiteral("bod 11: %1").arg(w.photons().hits().back())), qPrintable(heard));
        QVERIFY(heard.contains(QString::number(w.photons().total())));

        shown.start();
        w.playback().finish();
        QCOMPARE(w.photons().total(), size_t(0));
        QCOMPARE(w.canvas->image(), finished);
    }
};

QTEST_MAIN(TestPhotons)
#include "tst_photons.moc"
