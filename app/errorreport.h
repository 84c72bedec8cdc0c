// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class RuntimeError;

// The program's handling of an uncaught run-time error: a message box with its number and text,
// then the application quits with a non-zero status.
void reportRuntimeErrorAndQuit(const RuntimeError &error, QWidget *parent = nullptr);

// Exit status of the program after a run-time error.
constexpr int runtimeErrorExitStatus = 1;
