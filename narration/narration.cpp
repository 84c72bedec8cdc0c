// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "narration.h"

#include "accessibility.h"
#include "interference.h"
#include "keynames.h"
#include "runwords.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {
QString drawingDescription()
{
    return Narration::tr(
        "Vlevo zdroj fotonů, za ním clona se dvěma otvory, dále svislý detektor. Foton letí z obou otvorů "
        "současně k jedenácti bodům detektoru, odspodu nahoru; každá trasa otáčí svou šipkou fáze (radiusvektor). "
        "Ve sloupci součtu se obě šipky skládají za sebou, zelená šipka je jejich součet. Vodorovná úsečka "
        "vpravo má délku %1násobku druhé mocniny délky součtu; je úměrná pravděpodobnosti, že foton dopadne do "
        "tohoto bodu.")
        .arg(words::number(interference::probabilityScale));
}

QString startDescription()
{
    return Narration::tr("Spustí animaci: foton letí oběma trasami k jedenácti bodům detektoru.");
}

QString runningDescription()
{
    return Narration::tr("Animace běží. %1 ji pozastaví, šipkami, %2, %3, %4 a %5 se v ní posunete. Jiné "
                         "klávesy ani myš do jejího konce nepůsobí.")
        .arg(keys::name(Qt::Key_Space), keys::name(Qt::Key_PageUp), keys::name(Qt::Key_PageDown),
             keys::name(Qt::Key_Home), keys::name(Qt::Key_End));
}
}

Narration::Narration(Controls controls, std::function<QString()> parametersInWords)
    : m_controls(std::move(controls))
    , m_parametersInWords(std::move(parametersInWords))
{
}

// The window has no name of its own: assistive technology names it by its title.
void Narration::retranslate(const Timeline *lastRun, bool running)
{
    m_controls.window->setAccessibleDescription(tr("Kestrova: interference za dvěma otvory."));
    m_controls.start->setAccessibleName(tr("Start"));
    if (!running)
        describeStart(startDescription());
    m_controls.quit->setAccessibleName(tr("Konec"));
    m_controls.quit->setAccessibleDescription(tr("Ukončí program."));
    m_controls.slowDown->setAccessibleName(tr("Zpomalení animace"));
    describeSlowDown();
    m_controls.address->setAccessibleName(tr("Webová adresa"));
    m_controls.address->setAccessibleDescription(tr("Adresa stránek programu, jen pro informaci."));
    for (QLabel *label : {m_controls.title, m_controls.hint})
        label->setAccessibleName(label->text());
    for (QLineEdit *caption : m_controls.captions) {
        caption->setAccessibleName(caption->text().trimmed());
        caption->setAccessibleDescription(tr("Popisek části obrázku."));
    }
    m_controls.drawing->setAccessibleName(tr("Kresba pokusu"));
    describeDrawing(lastRun && !running ? resultInWords(*lastRun) : QString());
}

QString Narration::resultInWords(const Timeline &run)
{
    return words::resultInWords(run.probabilities(), run.previous() ? run.previous()->bars : std::vector<double>{})
           + (run.pattern().empty() ? QString() : u' ' + words::patternInWords(run.pattern()));
}

void Narration::describeDrawing(const QString &result)
{
    m_controls.drawing->setAccessibleDescription(drawingDescription() + u' ' + m_parametersInWords()
                                                 + (result.isEmpty() ? QString() : u' ' + result));
}

void Narration::describeSlowDown()
{
    QScrollBar *slowDown = m_controls.slowDown;
    const QString meaning = tr("Zpomalení %1 z %2; projeví se při příštím spuštění").arg(slowDown->value()).arg(slowDown->maximum());
    slowDown->setToolTip(meaning + u' ' + tr("Vlevo nejrychleji, vpravo nejpomaleji."));
    slowDown->setAccessibleDescription(slowDown->toolTip());
    accessibility::setValueText(slowDown, meaning);
}

// Orca speaks a description change of the focused control, which is Start while a run is paused.
void Narration::describeStart(const QString &text)
{
    m_controls.start->setAccessibleDescription(text);
}

// The drawing's old result is gone with the band the run draws over the hint.
void Narration::runBegins()
{
    accessibility::setCovered(m_controls.hint);
    describeDrawing();
    runGoesOn();
}

void Narration::runPaused(const Timeline &run, size_t position)
{
    describeStart(words::pausedInWords(run, position));
}

void Narration::runGoesOn()
{
    describeStart(runningDescription());
    setBusy(true);
}

void Narration::setBusy(bool busy)
{
    accessibility::setBusy(m_controls.window, busy);
}

void Narration::runMoved(const Timeline &run, size_t position)
{
    describeStart(words::stepInWords(run, position));
}

void Narration::runEnds(const Timeline &run)
{
    describeDrawing(resultInWords(run));
    const QString extrema = words::extremaInWords(run.probabilities());
    describeStart(tr("Animace doběhla.") + u' ' + (extrema.isEmpty() ? QString() : extrema + u' ')
                  + tr("Celý výsledek popisuje kresba pokusu. Start ji spustí znovu."));
    accessibility::setBusy(m_controls.window, false);
}

void Narration::photonsFiring(const QString &photonsKey)
{
    describeStart(tr("Fotony dopadají jeden po druhém. %1 je pozastaví, %2 zastaví.").arg(keys::name(Qt::Key_Space), photonsKey));
}

void Narration::photonsPaused(const QString &photonsKey)
{
    describeStart(tr("Fotony pozastaveny. %1 je pustí dál, %2 je zastaví.").arg(keys::name(Qt::Key_Space), photonsKey));
}

void Narration::photonsStopped(const Timeline &run, const std::vector<size_t> &hits)
{
    const QString inWords = words::hitsInWords(hits);
    describeDrawing(resultInWords(run) + u' ' + inWords);
    describeStart(tr("Fotony zastaveny.") + u' ' + inWords);
}
