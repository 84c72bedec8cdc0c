// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// A short stroke in a colour of the picture, on the picture's grey.
QString swatch(const char *colour, int height = 3)
{
    return QStringLiteral("<td style=\"background:#c0c0c0; padding:6px\"><table cellspacing=0 cellpadding=0><tr>"
                          "<td width=36 height=%1 style=\"background:%2\"></td></tr></table></td>")
        .arg(height)
        .arg(QLatin1String(colour));
}

QString legendRow(const QString &sample, const QString &meaning)
{
    return QStringLiteral("<tr>%1<td style=\"padding:4px\">%2</td></tr>").arg(sample, meaning);
}
}

QString helpText(const QList<QAction *> &commands)
{
    QString keys;
    for (const QAction *command : commands) {
        const QStringList parts = command->text().split(u'\t');
        if (parts.size() == 2)
            keys += QStringLiteral("<tr><td style=\"padding-right:16px\"><b>%1</b></td><td>%2</td></tr>")
                        .arg(parts[1].toHtmlEscaped(), parts[0].toHtmlEscaped());
    }
    return QStringLiteral("<h3>Co je na obrázku</h3><table cellspacing=0>")
           + legendRow(swatch("#000000"), QStringLiteral("Horní trasa fotonu (horním otvorem) a její šipka fáze."))
           + legendRow(swatch("#ffffff"), QStringLiteral("Dolní trasa fotonu (dolním otvorem) a její šipka fáze."))
           + legendRow(swatch("#00ff00"),
                       QStringLiteral("Součet obou šipek. Šipka začíná v bodě detektoru (ve sloupci součtu) a její "
                                      "hrot je volný konec, který se s délkou trasy otáčí. Ve sloupci součtu začíná "
                                      "druhá šipka na hrotu první a zelená vede od začátku první k hrotu druhé."))
           + legendRow(swatch("#000000", 5),
                       QStringLiteral("Vodorovná úsečka vpravo: její délka je 0,1 × |součet|² pixelů a je "
                                      "<b>úměrná</b> pravděpodobnosti, že foton dopadne do tohoto bodu detektoru."))
           + legendRow(swatch("#0000ff", 1),
                       QStringLiteral("Modrá křivka (Průběh, F3): úsečka, kterou by dostal každý řádek detektoru, "
                                      "tedy celý interferenční obrazec."))
           + legendRow(swatch("#707070", 1),
                       QStringLiteral("Šedá svislá čára „bez interference“: 80 pixelů, úsečka, kdyby se místo šipek "
                                      "sčítaly pravděpodobnosti obou tras, 0,1 × (20² + 20²)."))
           + legendRow(swatch("#b00000", 3),
                       QStringLiteral("Červené značky (Fotony, F4): dopady jednotlivých fotonů u bodů detektoru."))
           + legendRow(swatch("#ff8c00", 1),
                       QStringLiteral("Oranžová čára pod úsečkou: podíl fotonů, které dopadly do bodu, krát součet "
                                      "všech úseček; s přibývajícími fotony se blíží délce úsečky."))
           + QStringLiteral("</table>"
                            "<h3>Fyzika</h3><p>Na každém pixelu své délky se šipka fáze otočí o 0,15 radiánu, takže "
                            "celou otočku udělá na vlnové délce λ = 2π / 0,15 ≈ 42 pixelů. Obě trasy k témuž bodu "
                            "se liší délkou o dráhový rozdíl: je-li to celý násobek λ, míří šipky stejně a sečtou se "
                            "(maximum), je-li to polovina λ, asi 21 pixelů, míří proti sobě a vyruší se (minimum). "
                            "Pravděpodobnost dopadu je úměrná druhé mocnině délky součtu, ne délce samotné.</p>"
                            "<h3>Klávesy</h3><table cellspacing=2>")
           + keys
           + QStringLiteral("<tr><td style=\"padding-right:16px\"><b>Esc</b></td><td>Opustit celou obrazovku</td></tr>"
                            "</table><p>Všechny příkazy nabízí i nabídka, kterou otevře pravé tlačítko myši, klávesa "
                            "Menu nebo Shift+F10.</p>");
}

HelpWindow::HelpWindow(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window)
    , m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Nápověda – Kestrova"));
    setAccessibleName(windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    m_text->setOpenLinks(false);
    m_baseFont = m_text->font();
    resize(baseSize);
}

void HelpWindow::setCommands(const QList<QAction *> &commands)
{
    m_text->setHtml(helpText(commands));
}

void HelpWindow::setZoom(qreal zoom)
{
    if (zoom == m_zoom)
        return;
    const QSize size = (QSizeF(this->size()) * (zoom / m_zoom)).toSize();
    m_zoom = zoom;
    QFont font = m_baseFont;
    font.setPointSizeF(m_baseFont.pointSizeF() * zoom);
    m_text->setFont(font);
    resize(size);
}
