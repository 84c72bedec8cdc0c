// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "fields.h"
#include "runtimeerror.h"
#include "spomalenaanimace.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A window as the program shows it, with the pacing off, its canvas operations recorded and
// run-time errors collected instead of reported.
struct ShownWindow
{
    std::unique_ptr<SpomalenaAnimace> window = std::make_unique<SpomalenaAnimace>();
    std::vector<CanvasOp> ops;
    std::vector<int> errors;
    std::vector<double> waits;           // the counts of every wait of the pacing
    std::vector<size_t> drawnAtWait;     // how many operations had been drawn at each wait
    std::function<void(int wait)> atWait; // runs during each wait, numbered from 1

    ShownWindow()
    {
        window->pacer().setCountDuration(std::chrono::nanoseconds(0));
        window->pacer().setObserver([this](double counts) {
            waits.push_back(counts);
            drawnAtWait.push_back(ops.size());
            if (atWait)
                atWait(int(waits.size()));
        });
        window->canvas->setRecorder(&ops);
        setRuntimeErrorHandler([this](const RuntimeError &error) { errors.push_back(error.number()); });
        window->show();
        window->activateWindow();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
    }
    ~ShownWindow() { setRuntimeErrorHandler({}); }

    // Presses "Start" as a user would and returns when the run is over.
    void start() { QTest::mouseClick(window->cmdStart, Qt::LeftButton); }
    // Presses "Start" from the keyboard, leaving the mouse as it is.
    void startByKey()
    {
        window->cmdStart->setFocus();
        QTest::keyClick(window->cmdStart, Qt::Key_Space);
    }
    // How many runs have drawn so far.
    qsizetype runs() const
    {
        return std::count_if(ops.begin(), ops.end(), [](const CanvasOp &op) { return op.kind == CanvasOp::ScaleMode; });
    }

    // Runs the application's event loop as the program does, doing first what is given, and returns its
    // exit status; 99 if it has not ended within ten seconds.
    int exec(const std::function<void()> &first)
    {
        QTimer::singleShot(0, window.get(), first);
        QTimer::singleShot(10000, window.get(), [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }
};

inline QRgb pixel(const Canvas &canvas, double x, double y)
{
    const qreal ratio = canvas.image().devicePixelRatio();
    return canvas.image().pixel(int(x * ratio), int(y * ratio));
}
