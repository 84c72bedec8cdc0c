// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QDirIterator>
#include <QImageReader>

QIcon kestrovaIcon()
{
    QIcon icon;
    // One file per size, :/icons/<N>x<N>/kestrova.png; the reader gives each file's size without decoding it.
    QDirIterator files(QStringLiteral(":/icons"), {QStringLiteral("kestrova.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        icon.addFile(path, QImageReader(path).size());
    }
    return icon;
}
