// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// What the program remembers between runs, kept by QSettings in the platform's own place for the organisation and
// application "Kestrova": the registry key HKEY_CURRENT_USER\Software\Kestrova\Kestrova on Windows,
// ~/.config/Kestrova/Kestrova.conf on Linux ($XDG_CONFIG_HOME/Kestrova/Kestrova.conf where that is set).
// Every value read is checked: one missing, damaged or of the wrong kind reads as at the first start. A place that
// cannot be written leaves the program working, with one line on stderr the first time.
namespace settings {

// From now on kept in this INI file instead, as the tests keep theirs; empty for the platform's place again.
void useFile(const QString &fileName);
// Where they are kept: the file, or the registry key on Windows.
QString location();

// A switch of the window, by its key; off unless remembered on.
bool switchOn(const QString &key);
void setSwitch(const QString &key, bool on);

// The window's geometry when not full screen, if remembered, at least least large and showing on some screen.
std::optional<QRect> windowGeometry(QSize least);
void setWindowGeometry(const QRect &geometry);
bool fullScreen();
void setFullScreen(bool on);

// The folder last saved to, while it is still a folder; empty when there is none. Every save dialog starts there.
QString lastFolder();
// Remembers the folder of a file just saved.
void rememberFolderOf(const QString &fileName);

// The program's language: empty for Czech, or one of languages.
inline const QStringList languages{QStringLiteral("cs"), QStringLiteral("en"), QStringLiteral("sk")};
QString language();
void setLanguage(const QString &code);

// Everything forgotten: the next start is as the first.
void forgetAll();

} // namespace settings
