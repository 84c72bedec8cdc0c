// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowmemory.h"

#include "settings.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

WindowMemory::WindowMemory(QWidget &window, Commands &commands)
    : QObject(&window)
    , m_window(window)
    , m_commands(commands)
    , m_firstSize(window.minimumSize())
{
    for (const Switch &remembered : switches) {
        QAction *command = commands.*remembered.command;
        const QString key = QString::fromLatin1(remembered.key);
        command->setChecked(settings::switchOn(key));
        connect(command, &QAction::toggled, this, [key](bool on) { settings::setSwitch(key, on); });
    }
    if (const auto geometry = settings::windowGeometry(window.minimumSize()))
        window.setGeometry(*geometry);
    if (settings::fullScreen())
        window.setWindowState(window.windowState() | Qt::WindowFullScreen);
    window.installEventFilter(this);
}

void WindowMemory::reset()
{
    for (const Switch &remembered : switches)
        (m_commands.*remembered.command)->setChecked(false);
    m_window.setWindowState(m_window.windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    m_window.resize(m_firstSize);
    settings::forgetAll();
}

bool WindowMemory::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Close) {
        settings::setWindowGeometry(m_window.normalGeometry());
        settings::setFullScreen(m_window.isFullScreen());
    }
    return QObject::eventFilter(watched, event);
}
