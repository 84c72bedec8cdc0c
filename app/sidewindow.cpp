// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sidewindow.h"

#include <QWidget>

void followZoom(QWidget &window, QWidget &content, const QFont &baseFont, qreal from, qreal to)
{
    const QSize size = (QSizeF(window.size()) * (to / from)).toSize();
    QFont font = baseFont;
    font.setPointSizeF(baseFont.pointSizeF() * to);
    content.setFont(font);
    window.resize(size);
}
