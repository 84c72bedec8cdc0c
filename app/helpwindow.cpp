// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "interference.h"
#include "keynames.h"
#include "language.h"
#include "palette.h"
#include "parameters.h"
#include "playback.h"
#include "pointpaths.h"
#include "runwords.h"
#include "sidewindow.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

namespace {
QString named(palette::Colour colour)
{
    return QColor(FormDrawing::colourOf(colour)).name();
}

// Short strokes in colours of the picture, side by side, on the picture's grey.
QString swatch(std::initializer_list<palette::Colour> colours, int height = 3)
{
    QString strokes;
    for (const palette::Colour colour : colours)
        strokes += QStringLiteral("<td width=%1 height=%2 style=\"background:%3\"></td><td width=3></td>")
                       .arg(36 / int(colours.size()))
                       .arg(height)
                       .arg(named(colour));
    return QStringLiteral("<td style=\"background:%1; padding:6px\"><table cellspacing=0 cellpadding=0><tr>%2</tr>"
                          "</table></td>")
        .arg(named(palette::grey), strokes);
}

QString betweenNames(const palette::Colours &colours)
{
    QStringList names;
    for (const char *name : colours.pathsBetweenNames)
        names << QCoreApplication::translate("palette", name);
    return names.join(QStringLiteral(", "));
}

QString swatch(palette::Colour colour, int height = 3)
{
    return swatch({colour}, height);
}

using words::notation;
using words::number;

// The physics for the run drawn: how far its arrows turn, its wavelength and where maxima and minima fall.
QString physics(const Setup &drawn)
{
    const QString values = (drawn.isStartingLesson() ? QCoreApplication::translate("HelpWindow", "Výchozí hodnoty: ") : QCoreApplication::translate("HelpWindow", "Nakreslený pokus: "))
                           + words::setupInWords(drawn, notation()) + u'.';
    QString rule = QCoreApplication::translate("HelpWindow", "trasy k témuž bodu se liší délkou o dráhový rozdíl: je-li to celistvý násobek λ, "
                                  "míří šipky stejně a sečtou se (maximum), je-li to lichý násobek λ/2%1, míří proti "
                                  "sobě a vyruší se (minimum).");
    if (drawn.frequency == 0)
        return QCoreApplication::translate("HelpWindow", "<p>%1</p><p>Při frekvenci 0 se šipka fáze s délkou trasy neotáčí: šipky všech tras míří "
                              "stejně, ať jsou trasy jakkoli dlouhé, a vlnová délka je nekonečná. Při jiné frekvenci "
                              "platí, že %2</p>")
            .arg(values, rule.arg(QString()));
    const double lambda = wavelength(drawn.frequency);
    const QString perPixel = drawn.frequency == 1 ? number(interference::phaseFactor)
                                                  : QCoreApplication::translate("HelpWindow", "%1 × %2 = %3").arg(number(interference::phaseFactor),
                                                        number(drawn.frequency), number(interference::phaseFactor * drawn.frequency));
    const QString turn = drawn.frequency == 1
        ? QCoreApplication::translate("HelpWindow", "Na každém pixelu své délky se šipka fáze otočí o %1 radiánu").arg(perPixel)
        : QCoreApplication::translate("HelpWindow", "Při frekvenci %1 se šipka fáze na každém pixelu své délky otočí o %2 radiánu")
              .arg(number(drawn.frequency), perPixel);
    rule[0] = rule[0].toUpper();
    return QCoreApplication::translate("HelpWindow", "<p>%1</p><p>%2, takže celou otočku udělá na vlnové délce λ = %3 ≈ %4. %5 Pravděpodobnost "
                          "dopadu je úměrná druhé mocnině délky součtu, ne délce samotné. Hodnoty v každém bodě ukáže "
                          "tabulka (F5).</p>")
        .arg(values, turn, words::wavelengthFormula(drawn.frequency, notation()), words::pixels(std::lround(lambda)),
             rule.arg(QCoreApplication::translate("HelpWindow", " (λ/2 ≈ %1, 3λ/2 ≈ %2, …)")
                          .arg(words::pixels(std::lround(lambda / 2)), words::pixels(std::lround(3 * lambda / 2)))));
}

QString legendRow(const QString &sample, const QString &meaning)
{
    return QStringLiteral("<tr>%1<td style=\"padding:4px\">%2</td></tr>").arg(sample, meaning);
}
}

QString helpText(const QList<QAction *> &commands, const Setup &drawn, const palette::Colours &colours)
{
    QString keys;
    for (const QAction *command : commands) {
        const QStringList parts = command->text().split(u'\t');
        if (parts.size() == 2)
            keys += QStringLiteral("<tr><td style=\"padding-right:16px\"><b>%1</b></td><td>%2</td></tr>")
                        .arg(parts[1].toHtmlEscaped(), parts[0].toHtmlEscaped());
    }
    const double arrowAtTwo = interference::arrowLengthFor(2); // each path's arrow at two holes
    return QCoreApplication::translate("HelpWindow", "<h3>Co je na obrázku</h3><table cellspacing=0>")
           + legendRow(swatch(colours.topPath), QCoreApplication::translate("HelpWindow", "Horní trasa fotonu (horním otvorem) a její šipka fáze, radiusvektor neboli fázor."))
           + legendRow(swatch(colours.bottomPath), QCoreApplication::translate("HelpWindow", "Dolní trasa fotonu (dolním otvorem) a její šipka fáze."))
           + legendRow(swatch({colours.pathsBetween[0], colours.pathsBetween[1], colours.pathsBetween[2],
                               colours.pathsBetween[3], colours.pathsBetween[4], colours.pathsBetween[5]}),
                       QCoreApplication::translate("HelpWindow", "Má-li clona víc než dva otvory (pole „Počet otvorů“, F2): trasy otvory mezi "
                                      "horním a dolním, shora %1. Šipka každé trasy má délku %2 / N pixelů, kde N je "
                                      "počet všech otvorů, u dvou tedy %3.")
                           .arg(betweenNames(colours), number(apparatus::chainLength), number(arrowAtTwo)))
           + legendRow(swatch(colours.topPath, 6),
                       QCoreApplication::translate("HelpWindow", "Černý kroužek na cloně: zakrytý otvor. Otvor zakryje a znovu otevře nabídka "
                                      "„Otvory“ nebo klepnutí na otvor v kresbě; poslední otevřený zakrýt nelze."))
           + legendRow(swatch(colours.sum),
                       QCoreApplication::translate("HelpWindow", "Součet obou šipek (při více otvorech šipek všech otevřených tras). Šipka "
                                      "začíná v bodě detektoru (ve sloupci součtu) a její hrot je volný konec, který "
                                      "se s délkou trasy otáčí. Ve sloupci součtu začíná každá další šipka na hrotu "
                                      "předchozí a zelená vede od začátku první k hrotu poslední."))
           + legendRow(swatch(colours.topPath, 5),
                       QCoreApplication::translate("HelpWindow", "Vodorovná úsečka vpravo: její délka je %1 × |součet|² pixelů a je "
                                      "<b>úměrná</b> pravděpodobnosti, že foton dopadne do tohoto bodu detektoru.")
                           .arg(number(interference::probabilityScale)))
           + legendRow(swatch(colours.pattern, 1),
                       QCoreApplication::translate("HelpWindow", "Modrá křivka (Průběh, F3): úsečka, kterou by dostal každý řádek detektoru, "
                                      "tedy celý interferenční obrazec."))
           + legendRow(swatch(colours.noInterference, 1),
                       QCoreApplication::translate("HelpWindow", "Šedá svislá čára „bez interference“: úsečka, kdyby se místo šipek "
                                      "sčítaly pravděpodobnosti tras; u dvou otvorů %1, %2 × (%3² + %3²).")
                           .arg(words::pixels(std::lround(interference::withoutInterference(arrowAtTwo, 2))),
                                number(interference::probabilityScale), number(arrowAtTwo)))
           + legendRow(swatch({colours.topPath, colours.bottomPath}),
                       QCoreApplication::translate("HelpWindow", "Sledovat trasu fotonu (F7): detektor u otvorů prozradí, kudy foton letěl. "
                                      "Šipky se pak nesčítají: ve sloupci součtu vychází každá z bodu sloupce, "
                                      "zelený součet chybí a úsečka je součtem pravděpodobností tras. Obrazec zmizí."))
           + legendRow(swatch(colours.previous, 2),
                       QCoreApplication::translate("HelpWindow", "Porovnat s předchozím (F6): tenčí úsečky těsně nad úsečkami jsou úsečky "
                                      "předchozího doběhlého běhu, v téže barvě i jeho křivka; popisek pod úsečkami "
                                      "říká, čím se předchozí běh lišil."))
           + legendRow(swatch(colours.photonMark, 3),
                       QCoreApplication::translate("HelpWindow", "Červené značky (Fotony, F4): dopady jednotlivých fotonů u bodů detektoru."))
           + legendRow(swatch(colours.photonTally, 1),
                       QCoreApplication::translate("HelpWindow", "Oranžová čára pod úsečkou: podíl fotonů, které dopadly do bodu, krát součet "
                                      "všech úseček; s přibývajícími fotony se blíží délce úsečky."))
           + QCoreApplication::translate("HelpWindow", "</table><h3>Fyzika</h3>") + physics(drawn)
           + QCoreApplication::translate("HelpWindow", "<h3>Klávesy</h3><table cellspacing=2>")
           + keys
           + QStringLiteral("<tr><td style=\"padding-right:16px\"><b>%1</b></td><td>%2</td></tr></table><p>%3</p>")
                 .arg(keys::name(Qt::Key_Escape),
                      QCoreApplication::translate("HelpWindow", "Opustit celou obrazovku"),
                      QCoreApplication::translate("HelpWindow", "Všechny příkazy nabízí i nabídka, kterou otevře pravé "
                                                                "tlačítko myši, klávesa %1 nebo Shift+F10.")
                          .arg(keys::name(Qt::Key_Menu)));
}

HelpWindow::HelpWindow(QWidget *mainWindow, const Playback &playback)
    : QWidget(mainWindow, Qt::Window)
    , m_text(new QTextBrowser(this))
    , m_playback(playback)
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Nápověda – Kestrova"));
    setAccessibleName(windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    m_text->setOpenLinks(false);
    m_baseFont = m_text->font();
    resize(baseSize);
    connect(&m_playback, &Playback::ended, this, &HelpWindow::showText);
}

void HelpWindow::setCommands(const QList<QAction *> &commands, const palette::Colours &colours)
{
    m_commands = commands;
    m_colours = &colours;
    showText();
}

void HelpWindow::showText()
{
    const Timeline *run = m_playback.run();
    const int scrolled = m_text->verticalScrollBar()->value();
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Nápověda – Kestrova"));
    setAccessibleName(windowTitle());
    m_text->setHtml(helpText(m_commands, run ? run->setup() : Setup{}, *m_colours));
    m_text->verticalScrollBar()->setValue(scrolled);
}

void HelpWindow::setZoom(qreal zoom)
{
    if (zoom == m_zoom)
        return;
    followZoom(*this, *m_text, m_baseFont, std::exchange(m_zoom, zoom), zoom);
}

void HelpWindow::showBeside()
{
    if (!m_placed) {
        const QRect screen = parentWidget()->screen()->availableGeometry();
        const QPoint beside = parentWidget()->frameGeometry().topRight() + QPoint(8, 0);
        move(std::clamp(beside.x(), screen.left(), std::max(screen.left(), screen.right() - width())),
             std::clamp(beside.y(), screen.top(), std::max(screen.top(), screen.bottom() - height())));
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}
