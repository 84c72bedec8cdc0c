// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "errorreport.h"
#include "runtimeerror.h"
#include "spomalenaanimace.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// Qt aborts when it cannot reach a display; say so plainly instead.
bool displayMissing()
{
    const auto unset = [](const char *name) { return qEnvironmentVariableIsEmpty(name); };
    return unset("QT_QPA_PLATFORM") && unset("DISPLAY") && unset("WAYLAND_DISPLAY");
}
}

int main(int argc, char *argv[])
{
    if (displayMissing()) {
        std::fputs("kestrova: není k dispozici žádný displej (DISPLAY ani WAYLAND_DISPLAY nejsou nastaveny).\n"
                   "kestrova: no display available (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(kestrovaIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.kestrova.Kestrova")); // the menu entry, for Wayland

    return runMainWindow([] { return std::make_unique<SpomalenaAnimace>(); });
}
