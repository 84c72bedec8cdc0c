// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "errorreport.h"
#include "runtimeerror.h"

#include <QApplication>
#include <QWidget>

int runMainWindow(const std::function<std::unique_ptr<QWidget>()> &create)
{
    // The event loop is not running yet, so quitting it would do nothing: remember the error instead.
    bool failed = false;
    setRuntimeErrorHandler([&failed](const RuntimeError &error) {
        if (!failed)
            reportRuntimeError(error, nullptr);
        failed = true;
    });
    std::unique_ptr<QWidget> window;
    try {
        window = create();
    } catch (const RuntimeError &error) {
        handleRuntimeError(error);
    }
    if (failed || !window) {
        setRuntimeErrorHandler({});
        return runtimeErrorExitStatus;
    }

    QWidget *const shown = window.get();
    setRuntimeErrorHandler([shown](const RuntimeError &error) { reportRuntimeErrorAndQuit(error, shown); });
    window->show();
    const int status = QApplication::exec();
    setRuntimeErrorHandler({});
    return status;
}
