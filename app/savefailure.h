// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be saved at fileName through file (a QSaveFile that failed to open, write or commit), as one
// Czech sentence for the teacher: a missing folder, a folder given as the name, a full disk (writeFailed: the data
// itself could not be written), no write permission (pointing to ownFolder, e.g. "Obrázky"), or a name that cannot
// be created. Called by every save of the program.
QString whyNotSaved(const QString &fileName, const QFileDevice &file, bool writeFailed, const QString &ownFolder);
