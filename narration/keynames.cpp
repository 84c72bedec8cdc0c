// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keynames.h"

#include <QCoreApplication>

namespace keys {

QString name(const QKeySequence &keys)
{
    if (keys.count() == 1 && keys[0].keyboardModifiers() == Qt::NoModifier) {
        switch (keys[0].key()) {
        case Qt::Key_Space:
            return QCoreApplication::translate("keys", "Mezerník");
        case Qt::Key_Right:
            return QCoreApplication::translate("keys", "Šipka vpravo");
        case Qt::Key_Left:
            return QCoreApplication::translate("keys", "Šipka vlevo");
        case Qt::Key_PageDown:
            return QCoreApplication::translate("keys", "Page Down");
        case Qt::Key_PageUp:
            return QCoreApplication::translate("keys", "Page Up");
        case Qt::Key_Home:
            return QCoreApplication::translate("keys", "Home");
        case Qt::Key_End:
            return QCoreApplication::translate("keys", "End");
        case Qt::Key_Escape:
            return QCoreApplication::translate("keys", "Esc");
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QCoreApplication::translate("keys", "Enter");
        case Qt::Key_Menu:
            return QCoreApplication::translate("keys", "Menu");
        default:
            break;
        }
    }
    return keys.toString(QKeySequence::PortableText); // F2, Ctrl+C: alike in every language
}

QString nameOfFirst(const QList<QKeySequence> &shortcuts)
{
    return shortcuts.isEmpty() ? QString() : name(shortcuts.front());
}

} // namespace keys
