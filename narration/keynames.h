// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// The names of the keys the program uses, as the menu, the help and the spoken words give them, in the language in
// use: the one place each language names them.
namespace keys {

// "Mezerník", "Šipka vpravo", "Page Down", "F2", "Ctrl+C".
QString name(const QKeySequence &keys);
// The first of a command's keys, as its menu item shows it; "" for none.
QString nameOfFirst(const QList<QKeySequence> &shortcuts);

} // namespace keys
