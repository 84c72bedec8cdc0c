// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class RuntimeError;

// Exit status of the program after a run-time error.
constexpr int runtimeErrorExitStatus = 1;

// A message box with the error's number and text.
void reportRuntimeError(const RuntimeError &error, QWidget *parent);

// The program's handling of an uncaught run-time error: reportRuntimeError(), then the application quits with
// runtimeErrorExitStatus.
void reportRuntimeErrorAndQuit(const RuntimeError &error, QWidget *parent = nullptr);
