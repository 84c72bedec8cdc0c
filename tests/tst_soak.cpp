// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

namespace {
// Runs in a row; KESTROVA_SOAK_RUNS lowers it where a run is slow (the sanitizer build).
int soakRuns()
{
    bool ok = false;
    const int runs = qEnvironmentVariableIntValue("KESTROVA_SOAK_RUNS", &ok);
    return ok && runs > 1 ? runs : 200;
}
}

// Many runs in one process: each draws what the first drew and leaves exactly its picture.
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
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
