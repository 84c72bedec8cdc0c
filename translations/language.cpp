// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace language {

namespace {
std::unique_ptr<QTranslator> program;
std::unique_ptr<QTranslator> qt;
QString inUse;
bool anyChosen = false;

void removeInstalled()
{
    for (const auto *translator : {program.get(), qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(const_cast<QTranslator *>(translator));
    program.reset();
    qt.reset();
}

// A translator of the file built in at :/translations, or none where there is no such file.
std::unique_ptr<QTranslator> loaded(const QString &name)
{
    auto translator = std::make_unique<QTranslator>();
    if (!QFile::exists(QStringLiteral(":/translations/%1.qm").arg(name))
        || !translator->load(name, QStringLiteral(":/translations")))
        return nullptr;
    return translator;
}
}

const QStringList &codes()
{
    static const QStringList all{QStringLiteral("cs"), QStringLiteral("en"), QStringLiteral("sk")};
    return all;
}

QString nameOf(const QString &code)
{
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    if (code == QLatin1String("sk"))
        return QStringLiteral("Slovenčina");
    return QStringLiteral("Čeština");
}

bool use(const QString &code)
{
    if (!codes().contains(code))
        return false;
    removeInstalled();
    program = loaded(QStringLiteral("kestrova_") + code);
    qt = loaded(QStringLiteral("qtbase_") + code);
    for (QTranslator *translator : {qt.get(), program.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
    inUse = code;
    anyChosen = true;
    return true;
}

void useNone()
{
    removeInstalled();
    inUse.clear();
    anyChosen = true;
}

bool chosen()
{
    return anyChosen;
}

QString current()
{
    return inUse;
}

} // namespace language
