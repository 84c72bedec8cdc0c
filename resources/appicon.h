// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon in every size drawn for it (the PNGs under :/icons), for the window and the task bar.
QIcon kestrovaIcon();
