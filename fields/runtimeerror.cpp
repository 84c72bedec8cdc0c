// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtimeerror.h"

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
        return QStringLiteral("Přetečení");
    case TypeMismatch:
        return QStringLiteral("Neshoda typů");
    case InvalidPropertyValue:
        return QStringLiteral("Neplatná hodnota vlastnosti");
    }
    return {};
}

QString RuntimeError::message() const
{
    return QStringLiteral("Chyba za běhu %1: %2").arg(int(m_number)).arg(text());
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
