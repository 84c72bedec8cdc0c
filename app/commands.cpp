// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "keynames.h"
#include "language.h"
#include "parameterfields.h"
#include "photons.h"
#include "playback.h"
#include "settings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QShortcut>
#include <QSignalBlocker>
#include <QWidget>

// An action of the window, named in the language in use (retranslate) with its first keys; the keys trigger it in
// the window.
QAction *Commands::add(const char *text, const QList<QKeySequence> &shortcuts)
{
    auto *action = new QAction(m_window);
    m_texts.emplace_back(action, text);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    m_window->addAction(action);
    return action;
}

void Commands::separator()
{
    auto *line = new QAction(m_window);
    line->setSeparator(true);
    m_window->addAction(line);
}

void Commands::create(QWidget *window, const Playback &playback, const Photons &photons, ParameterFields &parameters)
{
    m_window = window;
    m_playback = &playback;
    m_photons = &photons;
    m_parameters = &parameters;
    const auto checkable = [](QAction *action) {
        action->setCheckable(true);
        return action;
    };

    start = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Spustit animaci"), {});
    pause = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Pozastavit"), {Qt::Key_Space, Qt::Key_Pause});
    pause->setAutoRepeat(false);
    stepForward = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "O krok vpřed"), {Qt::Key_Right});
    stepBack = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "O krok zpět"), {Qt::Key_Left});
    pointEnd = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Na konec bodu"), {Qt::Key_PageDown});
    pointBegin = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Na začátek bodu"), {Qt::Key_PageUp});
    home = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Na začátek animace"), {Qt::Key_Home});
    end = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Na konec animace"), {Qt::Key_End});
    separator();
    this->parameters = checkable(add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Parametry"), {Qt::Key_F2}));
    startingValues = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Výchozí hodnoty"), {});
    holes = new QMenu(window);
    window->addAction(holes->menuAction());
    fillHolesMenu();
    pattern = checkable(add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Průběh"), {Qt::Key_F3}));
    watched = checkable(add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Sledovat trasu fotonu"), {Qt::Key_F7}));
    compare = checkable(add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Porovnat s předchozím"), {Qt::Key_F6}));
    this->photons = checkable(add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Fotony"), {Qt::Key_F4}));
    table = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Tabulka"), {Qt::Key_F5});
    brightRoom = checkable(add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Kontrastní barvy"), {Qt::Key_F8}));
    separator();
    copy = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Kopírovat obrázek"), {QKeySequence::Copy});
    save = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Uložit obrázek…"), {QKeySequence::Save});
    separator();
    fullScreen = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Celá obrazovka"), {Qt::Key_F11});
    fullScreen->setAutoRepeat(false);
    help = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Nápověda"), {Qt::Key_F1});
    resetSettings = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Obnovit výchozí nastavení"), {});
    // Named in every language at once, so that anyone finds it.
    language = new QMenu(QStringLiteral("Jazyk / Language"), window);
    auto *languages = new QActionGroup(language);
    for (const QString &code : language::codes()) {
        QAction *item = language->addAction(language::nameOf(code));
        item->setCheckable(true);
        item->setData(code);
        languages->addAction(item);
        QObject::connect(item, &QAction::triggered, window, [this, code] {
            if (!m_playback->running() && language::use(code))
                settings::setLanguage(code);
        });
    }
    window->addAction(language->menuAction());
    separator();
    quit = add(QT_TRANSLATE_NOOP("SpomalenaAnimace", "Ukončit program"), {});

    // The menu by the keyboard, where the focus is.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window, [this] {
            QWidget *focus = m_window->focusWidget();
            QWidget *at = focus && focus->window() == m_window ? focus : m_window;
            showMenu(at->mapToGlobal(at->rect().center()));
        });
    update();
}

void Commands::retranslate()
{
    for (const auto &[command, text] : m_texts) {
        const QString keys = keys::nameOfFirst(command->shortcuts());
        command->setText(keys.isEmpty() ? tr(text) : tr(text) + u'\t' + keys);
    }
    holes->setTitle(tr("Otvory"));
    holes->clear(); // its items made anew in the language
    update();
}

void Commands::update()
{
    const bool running = m_playback->running();
    for (QAction *action : {stepForward, stepBack, pointEnd, pointBegin, home, end})
        action->setEnabled(running);
    const bool photonsFly = m_photons->state() != Photons::State::Stopped;
    pause->setEnabled(running || photonsFly);
    start->setEnabled(!running);
    startingValues->setEnabled(!running);
    quit->setEnabled(!running);
    photons->setEnabled(!running && m_playback->run());
    watched->setEnabled(!running);
    compare->setEnabled(!running);
    language->menuAction()->setEnabled(!running);
    for (QAction *item : language->actions())
        item->setChecked(item->data().toString() == language::current());
    fillHolesMenu();
    photons->setChecked(photonsFly);
    const bool paused = m_playback->state() == Playback::State::Paused || m_photons->state() == Photons::State::Paused;
    pause->setText((paused ? tr("Pokračovat") : tr("Pozastavit")) + u'\t' + keys::nameOfFirst(pause->shortcuts()));
}

// One item per hole, from the top, checked while open; made anew only when the number of holes changes.
void Commands::fillHolesMenu()
{
    const int count = m_parameters->holes();
    QList<QAction *> items = holes->actions();
    if (items.size() != count) {
        holes->clear();
        items.clear();
        for (int hole = 1; hole <= count; ++hole) {
            QString text = tr("Otvor %1").arg(hole);
            if (count > 1 && (hole == 1 || hole == count))
                text = hole == 1 ? tr("Otvor %1 (horní)").arg(hole) : tr("Otvor %1 (dolní)").arg(hole);
            QAction *item = holes->addAction(text);
            item->setCheckable(true);
            QObject::connect(item, &QAction::toggled, m_window, [this, hole](bool open) { m_parameters->setOpen(hole, open); });
            items << item;
        }
    }
    for (int hole = 1; hole <= count; ++hole) {
        QAction *item = items[hole - 1];
        const QSignalBlocker quiet(item);
        item->setChecked(m_parameters->isOpen(hole));
        item->setEnabled(!m_parameters->running() && (!m_parameters->isOpen(hole) || m_parameters->canCover(hole)));
    }
    holes->menuAction()->setEnabled(!m_parameters->running());
}

void Commands::showMenu(const QPoint &globalPosition)
{
    QMenu menu(m_window);
    menu.addActions(m_window->actions());
    menu.exec(globalPosition);
}
