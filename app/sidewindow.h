// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QtGlobal>

class QWidget;

// A window beside the main one (the help, the table) grown with the main window's zoom, from one zoom to another:
// its size by their ratio, the font of content baseFont (its font at zoom 1) times the new zoom.
void followZoom(QWidget &window, QWidget &content, const QFont &baseFont, qreal from, qreal to);
