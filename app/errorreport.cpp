// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorreport.h"

#include "runtimeerror.h"

#include <QCoreApplication>
#include <QMessageBox>

void reportRuntimeError(const RuntimeError &error, QWidget *parent)
{
    QMessageBox::critical(parent, QStringLiteral("Kestrova"), error.message());
}

void reportRuntimeErrorAndQuit(const RuntimeError &error, QWidget *parent)
{
    reportRuntimeError(error, parent);
    QCoreApplication::exit(runtimeErrorExitStatus);
}
