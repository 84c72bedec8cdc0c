// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

class QWidget;

// Creates the main window, shows it and runs the event loop; returns the exit status. A run-time error raised
// while the window is being created (its load handler included) is reported, and the program ends with
// runtimeErrorExitStatus before the window shows; a later one is reported and quits the event loop.
int runMainWindow(const std::function<std::unique_ptr<QWidget>()> &create);
