// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's command line, read before any display is needed: --help and --version, --full-screen, --language,
// and Qt's own
// options (-platform, -style and the like), which are left to QApplication.
struct CommandLine
{
    // Whether the program goes on to its window, and if not, with what status it ends.
    bool run = true;
    int exitStatus = 0;
    QString output; // for stdout: the help or the version
    QString error;  // for stderr: what was wrong, in Czech and English

    bool fullScreen = false; // --full-screen: for a projector's shortcut
    QString language;        // --language cs|en|sk for this start; empty when not given

    // The arguments as main() has them, the program's name first.
    static CommandLine parse(const QStringList &arguments);
};
