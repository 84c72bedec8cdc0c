// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtimeerror.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

RuntimeError::RuntimeError(Number number)
    : m_number(number)
    , m_what(message().toUtf8())
{
}

QString RuntimeError::text() const
{
    switch (m_number) {
    case Overflow:
        return QCoreApplication::translate("RuntimeError", "Přetečení");
    case TypeMismatch:
        return QCoreApplication::translate("RuntimeError", "Neshoda typů");
    case InvalidPropertyValue:
        return QCoreApplication::translate("RuntimeError", "Neplatná hodnota vlastnosti");
    }
    return {};
}

QString RuntimeError::message() const
{
    return QCoreApplication::translate("RuntimeError", "Chyba za běhu %1: %2").arg(int(m_number)).arg(text());
}

double checked(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Overflow);
    return value;
}

float toSingle(double value)
{
    if (!(std::fabs(value) <= double(std::numeric_limits<float>::max())))
        throw RuntimeError(RuntimeError::Overflow);
    return float(value);
}

namespace {
RuntimeErrorHandler &errorHandler()
{
    static RuntimeErrorHandler handler;
    return handler;
}
}

void setRuntimeErrorHandler(RuntimeErrorHandler handler)
{
    errorHandler() = std::move(handler);
}

void handleRuntimeError(const RuntimeError &error)
{
    if (errorHandler())
        errorHandler()(error);
    else
        std::terminate();
}
