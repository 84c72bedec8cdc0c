// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "savefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

QString whyNotSaved(const QString &fileName, const QFileDevice &file, bool writeFailed, const QString &ownFolder)
{
    const QFileInfo folder(QFileInfo(fileName).absolutePath());
    if (!folder.isDir())
        return QCoreApplication::translate("whyNotSaved", "Složka %1 neexistuje.").arg(QDir::toNativeSeparators(folder.filePath()));
    if (QFileInfo(fileName).isDir())
        return QCoreApplication::translate("whyNotSaved", "Tento název už je složka. Zvolte jméno souboru.");
    if (writeFailed || file.error() == QFileDevice::WriteError || file.error() == QFileDevice::ResourceError)
        return QCoreApplication::translate("whyNotSaved", "Zápis se nezdařil; na disku možná není dost místa.");
    if (!folder.isWritable() || file.errorString().contains(QLatin1String("ermission")))
        return QCoreApplication::translate("whyNotSaved", "Do složky %1 nemáte právo zapisovat. Zvolte jinou, například svou složku %2.")
            .arg(QDir::toNativeSeparators(folder.filePath()), ownFolder);
    return QCoreApplication::translate("whyNotSaved", "Soubor s tímto jménem nelze vytvořit. Zvolte jiné jméno nebo jinou složku.");
}
