// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "language.h"

#include <QCommandLineParser>

#include <cstdlib>

namespace {
// Qt's own options, which QApplication takes off the command line; the first take a value.
const QStringList qtOptionsWithValue{
    QStringLiteral("platform"),    QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),      QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("display"),          QStringLiteral("geometry"),
    QStringLiteral("session"),     QStringLiteral("style"),              QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger"),
};
const QStringList qtSwitches{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                             QStringLiteral("dograb"), QStringLiteral("sync")};

QString wrong(const QString &czech, const QString &english)
{
    return QStringLiteral("kestrova: %1\nkestrova: %2\n").arg(czech, english);
}
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -platform as Qt writes it
    parser.setApplicationDescription(
        QStringLiteral("Kestrova: interference za otvory, zpomaleně. (Interference behind holes, slowed down.)"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Vypíše tuto nápovědu. (Prints this help.)"));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Vypíše verzi programu. (Prints the program's version.)"));
    const QCommandLineOption fullScreen(
        QStringLiteral("full-screen"),
        QStringLiteral("Otevře okno přes celou obrazovku, například na projektoru. (Opens the window full screen.)"));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Jazyk programu: %1. (The program's language.)").arg(language::codes().join(QStringLiteral(", "))),
        QStringLiteral("cs|en|sk"));
    parser.addOptions({help, version, fullScreen, languageOption});
    for (const QString &name : qtOptionsWithValue) {
        QCommandLineOption option(name, {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : qtSwitches) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine line;
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(version)) {
        line.run = false;
        line.output = parser.isSet(help) ? parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("kestrova"))
                                          : QStringLiteral("Kestrova %1\n").arg(QStringLiteral(KESTROVA_VERSION));
        return line;
    }
    line.run = false;
    line.exitStatus = EXIT_FAILURE;
    const QString more = QStringLiteral("Seznam voleb vypíše kestrova --help.");
    const QString moreEnglish = QStringLiteral("kestrova --help lists the options.");
    if (!parsed && !parser.unknownOptionNames().isEmpty()) {
        const QString unknown = parser.unknownOptionNames().constFirst();
        const QString name = (unknown.size() > 1 ? QStringLiteral("--") : QStringLiteral("-")) + unknown;
        line.error = wrong(QStringLiteral("neznámá volba „%1“. %2").arg(name, more),
                           QStringLiteral("unknown option '%1'. %2").arg(name, moreEnglish));
    } else if (!parsed) {
        line.error = wrong(QStringLiteral("chybná hodnota volby: %1 %2").arg(parser.errorText(), more),
                           QStringLiteral("bad value of an option: %1 %2").arg(parser.errorText(), moreEnglish));
    } else if (!parser.positionalArguments().isEmpty()) {
        const QString extra = parser.positionalArguments().constFirst();
        line.error = wrong(QStringLiteral("nečekaný argument „%1“; program nečte žádné soubory. %2").arg(extra, more),
                           QStringLiteral("unexpected argument '%1'; the program reads no files. %2").arg(extra, moreEnglish));
    } else if (parser.isSet(languageOption) && !language::codes().contains(parser.value(languageOption))) {
        const QString code = parser.value(languageOption), known = language::codes().join(QStringLiteral(", "));
        line.error = wrong(QStringLiteral("neznámý jazyk „%1“; program umí %2. %3").arg(code, known, more),
                           QStringLiteral("unknown language '%1'; the program speaks %2. %3").arg(code, known, moreEnglish));
    } else {
        line.run = true;
        line.exitStatus = EXIT_SUCCESS;
        line.fullScreen = parser.isSet(fullScreen);
        line.language = parser.value(languageOption);
    }
    return line;
}
