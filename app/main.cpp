// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "commandline.h"
#include "language.h"
#include "settings.h"
#include "spomalenaanimace.h"
#include "startup.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// Qt aborts when it cannot reach a display; say so plainly instead. Windows always has its desktop.
bool displayMissing()
{
#ifdef Q_OS_WIN
    return false;
#else
    const auto unset = [](const char *name) { return qEnvironmentVariableIsEmpty(name); };
    return unset("QT_QPA_PLATFORM") && unset("DISPLAY") && unset("WAYLAND_DISPLAY");
#endif
}

QtMessageHandler qtMessageHandler = nullptr;

// Qt's fatal message while the application is being set up means that no platform plugin could be
// loaded or connect to the display: name the packages and end with a failure status instead of aborting.
void endWhenNoPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (qtMessageHandler)
        qtMessageHandler(type, context, message);
    if (type != QtFatalMsg)
        return;
    std::fputs("kestrova: nepodařilo se načíst žádný zásuvný modul platformy Qt, okno nelze otevřít.\n"
               "kestrova: Pro Wayland nainstalujte balíček qt6-wayland (apt install qt6-wayland);"
               " pro X11 je potřeba balíček libqt6gui6 a dosažitelný displej v proměnné DISPLAY.\n"
               "kestrova: no Qt platform plugin could be loaded, so no window can be opened.\n"
               "kestrova: For Wayland install the package qt6-wayland (apt install qt6-wayland);"
               " for X11 the package libqt6gui6 and a display reachable through DISPLAY are needed.\n",
               stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}
}

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(arguments);
    std::fputs(line.output.toLocal8Bit().constData(), stdout);
    std::fputs(line.error.toLocal8Bit().constData(), stderr);
    if (!line.run)
        return line.exitStatus;

    if (displayMissing()) {
        std::fputs("kestrova: není k dispozici žádný displej (DISPLAY ani WAYLAND_DISPLAY nejsou nastaveny).\n"
                   "kestrova: no display available (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    qtMessageHandler = qInstallMessageHandler(endWhenNoPlatform);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationVersion(QStringLiteral(KESTROVA_VERSION));
    QApplication::setWindowIcon(kestrovaIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.kestrova.Kestrova")); // the menu entry, for Wayland
    // The language given for this start, else the one last chosen, else Czech.
    const QString chosen = !line.language.isEmpty() ? line.language : settings::language();
    language::use(chosen.isEmpty() ? language::codes().constFirst() : chosen);

    return runMainWindow([&line] {
        auto window = std::make_unique<SpomalenaAnimace>();
        if (line.fullScreen)
            window->setWindowState(window->windowState() | Qt::WindowFullScreen);
        return window;
    });
}
