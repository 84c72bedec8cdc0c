// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's languages: Czech, its own and the first start's, English and Slovak. Each comes with Qt's own
// translation where Debian ships one, so that dialog buttons and the file dialog speak it too; all are built in.
namespace language {

// "cs", "en", "sk".
const QStringList &codes();
// The language's own name, as its menu item reads: "Čeština", "English", "Slovenčina".
QString nameOf(const QString &code);
// Installs the language's translations in place of those before; every widget then gets a LanguageChange event.
// False for a code not in codes(), which changes nothing.
bool use(const QString &code);
// The language in use; "" before the first use() and after useNone().
QString current();
// No translation at all: the texts as the sources have them, Czech without its plural forms. For measuring what the
// translations cost.
void useNone();
// Whether use() or useNone() has been called: the main window chooses Czech otherwise.
bool chosen();

} // namespace language
