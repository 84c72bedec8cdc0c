// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <cstdio>
#include <memory>

namespace {
const QString organisation = QStringLiteral("Kestrova");
const QString application = QStringLiteral("Kestrova");

const QString geometryKey = QStringLiteral("window/geometry");
const QString fullScreenKey = QStringLiteral("window/fullScreen");
const QString folderKey = QStringLiteral("lastFolder");
const QString languageKey = QStringLiteral("language");

QString &fileInUse()
{
    static QString fileName;
    return fileName;
}

std::unique_ptr<QSettings> store()
{
    if (!fileInUse().isEmpty())
        return std::make_unique<QSettings>(fileInUse(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organisation, application);
}

// The value under key, or nothing when the settings cannot be read or hold none.
QVariant read(const QString &key)
{
    const auto settings = store();
    if (settings->status() != QSettings::NoError)
        return {};
    return settings->value(key);
}

// Said once: the program goes on without remembering.
void cannotWrite(const QSettings &settings)
{
    static bool said = false;
    if (std::exchange(said, true))
        return;
    const QByteArray where = QDir::toNativeSeparators(settings.fileName()).toLocal8Bit();
    std::fprintf(stderr, "kestrova: nastavení nelze uložit do %s (the settings cannot be saved there).\n", where.constData());
    std::fflush(stderr);
}

// Written whole or not at all: QSettings replaces the file in one step.
void write(const QString &key, const QVariant &value)
{
    const auto settings = store();
    if (settings->status() == QSettings::FormatError) // damaged: begun afresh
        settings->clear();
    if (value.isValid())
        settings->setValue(key, value);
    else
        settings->remove(key);
    settings->sync();
    if (settings->status() == QSettings::AccessError)
        cannotWrite(*settings);
}

// A bool as QSettings keeps one: natively, or as the text an INI file holds.
bool isTrue(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    return value.metaType().id() == QMetaType::QString && value.toString() == QLatin1String("true");
}

bool onSomeScreen(const QRect &geometry)
{
    constexpr int leastShown = 64; // pixels each way: enough to take hold of
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&geometry](const QScreen *screen) {
        const QRect shown = screen->availableGeometry() & geometry;
        return shown.width() >= leastShown && shown.height() >= leastShown;
    });
}
}

namespace settings {

void useFile(const QString &fileName)
{
    fileInUse() = fileName;
}

QString location()
{
    return store()->fileName();
}

bool switchOn(const QString &key)
{
    return isTrue(read(QStringLiteral("switches/") + key));
}

void setSwitch(const QString &key, bool on)
{
    write(QStringLiteral("switches/") + key, on);
}

std::optional<QRect> windowGeometry(QSize least)
{
    constexpr int largest = 16384;
    const QVariant value = read(geometryKey);
    if (value.metaType().id() != QMetaType::QRect)
        return std::nullopt;
    const QRect geometry = value.toRect();
    if (geometry.width() < least.width() || geometry.height() < least.height() || geometry.width() > largest
        || geometry.height() > largest || !onSomeScreen(geometry))
        return std::nullopt;
    return geometry;
}

void setWindowGeometry(const QRect &geometry)
{
    write(geometryKey, geometry);
}

bool fullScreen()
{
    return isTrue(read(fullScreenKey));
}

void setFullScreen(bool on)
{
    write(fullScreenKey, on);
}

QString lastFolder()
{
    const QVariant value = read(folderKey);
    if (value.metaType().id() != QMetaType::QString)
        return {};
    const QString folder = value.toString();
    return !folder.isEmpty() && QFileInfo(folder).isAbsolute() && QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolderOf(const QString &fileName)
{
    write(folderKey, QFileInfo(fileName).absolutePath());
}

QString language()
{
    const QVariant value = read(languageKey);
    const QString code = value.metaType().id() == QMetaType::QString ? value.toString() : QString();
    return languages.contains(code) ? code : QString();
}

void setLanguage(const QString &code)
{
    write(languageKey, languages.contains(code) ? QVariant(code) : QVariant());
}

void forgetAll()
{
    const auto settings = store();
    settings->clear();
    settings->sync();
    if (settings->status() == QSettings::AccessError)
        cannotWrite(*settings);
}

} // namespace settings
