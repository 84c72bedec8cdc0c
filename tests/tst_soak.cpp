// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QImage>
#include <QPainter>

namespace {
// Runs in a row; KESTROVA_SOAK_RUNS lowers it where a run is slow (the sanitizer build).
int soakRuns()
{
    bool ok = false;
    const int runs = qEnvironmentVariableIntValue("KESTROVA_SOAK_RUNS", &ok);
    return ok && runs > 1 ? runs : 200;
}
}

// Many runs in one process: each leaves exactly the picture of the first, with the same drawing behind it, and
// the drawing behind it the same.
class TestSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void consecutiveRunsLeaveTheSamePicture()
    {
        ShownWindow shown;
        shown.start();
        QVERIFY(shown.errors.empty());
        const QImage first = shown.window->canvas->image();
        const std::vector<Stroke> firstStrokes = shown.run().strokes();
        QVERIFY(firstStrokes.size() > 1000);

        const int runs = soakRuns();
        for (int run = 2; run <= runs; ++run) {
            shown.start();
            QVERIFY2(shown.errors.empty(), qPrintable(QStringLiteral("run %1 raised an error").arg(run)));
            QVERIFY2(!shown.window->playback().running(), qPrintable(QStringLiteral("run %1 did not end").arg(run)));
            QVERIFY2(shown.run().strokes() == firstStrokes, qPrintable(QStringLiteral("run %1 drew differently").arg(run)));
            QVERIFY2(shown.window->canvas->image() == first,
                     qPrintable(QStringLiteral("run %1 left a different picture").arg(run)));
        }
        QVERIFY(shown.window->isVisible());

        // Zoomed now, it shows what one run draws at that zoom.
        constexpr qreal zoom = 1.8;
        const qreal scale = zoom * shown.window->devicePixelRatioF();
        QImage oneRun((QSizeF(SpomalenaAnimace::clientSize) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        oneRun.setDevicePixelRatio(scale);
        oneRun.fill(Qt::transparent);
        QPainter painter(&oneRun);
        for (const Stroke &stroke : firstStrokes)
            stroke.paint(painter, QRectF(QPointF(0, 0), SpomalenaAnimace::clientSize));
        painter.end();
        shown.window->resize(SpomalenaAnimace::clientSize * zoom);
        QCOMPARE(shown.window->canvas->image(), oneRun);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
