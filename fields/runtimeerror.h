// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <functional>

// A run-time error of the program, raised by a control or drawing operation or by checked arithmetic.
// Nothing in the program catches it except guarded(), which hands it to the error handler.
class RuntimeError : public std::exception
{
public:
    enum Number { Overflow = 6, TypeMismatch = 13, InvalidPropertyValue = 380 };

    explicit RuntimeError(Number number);

    Number number() const { return m_number; }
    QString text() const;    // the error's Czech name, e.g. "Neshoda typů"
    QString message() const; // "Chyba za běhu 13: Neshoda typů"
    const char *what() const noexcept override { return m_what.constData(); }

private:
    Number m_number;
    QByteArray m_what;
};

// The value itself; run-time error 6 when it is infinite or not a number.
double checked(double value);

// The value in single precision, as coordinates are handed to the canvas; run-time error 6 when it does not fit.
float toSingle(double value);

// Receives every run-time error that reaches guarded(). The program reports it and exits; tests record it.
using RuntimeErrorHandler = std::function<void(const RuntimeError &)>;
void setRuntimeErrorHandler(RuntimeErrorHandler handler);
void handleRuntimeError(const RuntimeError &error);

// Runs an event handler; a run-time error it raises goes to the error handler instead of the event loop.
template<class Handler>
void guarded(Handler &&handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        handleRuntimeError(error);
    }
}
