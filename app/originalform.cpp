// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "originalform.h"

#include "accessibility.h"
#include "apparatus.h"
#include "canvas.h"
#include "captions.h"
#include "fields.h"
#include "interference.h"
#include "palette.h"
#include "parameters.h"
#include "runwords.h"
#include "scaledlayout.h"
#include "timeline.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
const QString webAddress = QStringLiteral("kestrova.example");

template<class Control>
Control *place(Control *control, const char *name, const QRect &geometry)
{
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
    return control;
}

void setBackground(QWidget *control, FormDrawing::Colour colour)
{
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, FormDrawing::resolve(colour));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QFont boldFont(const char *family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLineEdit *textBox(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *box = place(new QLineEdit(parent), name, geometry);
    setFieldText(box, text);
    return box;
}

// The font made smaller until the text fits into the room, in pixels.
QFont fitted(QFont font, const QString &text, int room)
{
    constexpr double smallestPoints = 6;
    while (font.pointSizeF() > smallestPoints && QFontMetricsF(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

// The font made smaller until the text, wrapped at words, fits into the room, in pixels.
QFont fittedWrapped(QFont font, const QString &text, QSize room)
{
    constexpr double smallestPoints = 6;
    const auto height = [&] {
        return QFontMetricsF(font).boundingRect(QRectF(0, 0, room.width(), 10 * room.height()), Qt::TextWordWrap, text).height();
    };
    while (font.pointSizeF() > smallestPoints && height() > room.height())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

// A text box that names part of the picture: grey, out of the tab order, still editable. Its text comes with
// the language (setCaption).
QLineEdit *captionBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = textBox(parent, name, geometry, QString());
    setBackground(box, palette::grey);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QLabel *label(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *caption = new QLabel(parent);
    accessibility::present(caption, accessibility::Role::Label);
    place(caption, name, geometry);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return caption;
}

// As on Windows: Enter and Return press the focused button, on the press, not the release, and a held key once.
class EnterPresses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (!key->isAutoRepeat())
            static_cast<QPushButton *>(watched)->click();
        return true;
    }
};
}

// Created bottom of the stack first: the labels lie beneath the drawing, every other control above it.
void OriginalForm::createForm(QWidget *window, size_t canvasLayers)
{
    m_titleFont = boldFont("Times New Roman", 14.25);
    m_hintFont = boldFont("Times New Roman", 15.75);
    setBackground(window, palette::grey);

    labRoztec = label(window, "labRoztec", {56, 232, 57, 17});
    labFrekvence = label(window, "labFrekvence", {48, 184, 89, 17});
    Label1 = label(window, "Label1", {40, 144, 81, 17});
    labOtvory = label(window, "labOtvory", {40, 100, 81, 17});
    labTitul = label(window, "labTitul", {88, 8, 345, 49});
    Label2 = label(window, "Label2", {168, 224, 201, 49});
    for (QLabel *shown : {labTitul, Label2})
        shown->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labTitul->setFont(m_titleFont);
    Label2->setFont(m_hintFont);
    for (QLabel *greyLabel : {Label2, labTitul, labFrekvence, labRoztec, labOtvory})
        setBackground(greyLabel, palette::grey);
    for (QLabel *hidden : {Label1, labFrekvence, labRoztec, labOtvory}) {
        hidden->setWordWrap(false); // one line, as their room was made for, at every scale
        hidden->hide();
    }

    canvas = new Canvas(window, canvasLayers);
    accessibility::present(canvas, accessibility::Role::Picture);

    nPocetFotonu = textBox(window, "nPocetFotonu", {32, 280, 89, 25}, QStringLiteral("nPocetFotonu"));
    nRd = textBox(window, "nRd", {56, 248, 49, 25}, QStringLiteral("nRd"));
    nUr = textBox(window, "nUr", {48, 200, 49, 25}, QStringLiteral("nUr"));
    nVzdalenost = textBox(window, "nVzdalenost", {56, 160, 49, 25}, QStringLiteral("nVzdalenost"));
    nPocetOtvoru = textBox(window, "nPocetOtvoru", {56, 116, 49, 25}, QString::number(parameters::holes.start));
    setBackground(nPocetFotonu, palette::fieldOrange);
    for (QLineEdit *parameter : {nRd, nUr, nVzdalenost, nPocetOtvoru}) {
        setBackground(parameter, palette::fieldGreen);
        parameter->setEnabled(false);
    }

    cmdStart = place(new QPushButton(window), "cmdStart", {584, 16, 73, 27});
    cmdKonec = place(new QPushButton(window), "cmdKonec", {664, 16, 81, 27});
    auto *enterPresses = new EnterPresses(window);
    for (QPushButton *button : {cmdStart, cmdKonec}) {
        button->setFont(boldFont("Times New Roman", 14.25));
        setBackground(button, palette::grey);
        button->installEventFilter(enterPresses);
    }
    m_startFont = cmdStart->font();

    nClona = captionBox(window, "nClona", captions::clona);
    nStínítko = captionBox(window, "nStínítko", captions::detektor);
    nSoučet = captionBox(window, "nSoučet", captions::soucet);
    nPravděpodob = captionBox(window, "nPravděpodob", captions::pravdepodobnost);
    nZdroj = captionBox(window, "nZdroj", captions::zdroj);
    nAdresa = captionBox(window, "nAdresa", {584, 0, 97, 13});
    setCaption(nAdresa, webAddress);
    nBezInterference = captionBox(window, "nBezInterference", captions::bezInterference);
    nPredtim = captionBox(window, "nPredtim", captions::predtim);
    nSpomaleni = textBox(window, "nSpomaleni", {488, 40, 33, 19}, QStringLiteral("Spomaleni"));

    frmAnimace = place(new QGroupBox(window), "frmAnimace", {40, 56, 81, 73});
    frmAnimace->setFont(boldFont("MS Sans Serif", 8.25));
    setBackground(frmAnimace, palette::grey);
    opPomalá = place(new QRadioButton(frmAnimace), "opPomalá", {8, 48, 57, 17});
    opPomalší = place(new QRadioButton(frmAnimace), "opPomalší", {8, 32, 65, 13});
    opRychla = place(new QRadioButton(frmAnimace), "opRychla", {8, 16, 57, 17});
    QFont platformFont = QApplication::font();
    platformFont.setResolveMask(QFont::AllPropertiesResolved); // not the frame's caption font
    for (QRadioButton *option : {opPomalá, opPomalší, opRychla}) {
        option->setFont(platformFont);
        setBackground(option, palette::grey);
    }

    HScroll1 = new QScrollBar(Qt::Horizontal, window);
    accessibility::present(HScroll1, accessibility::Role::Setting);
    place(HScroll1, "HScroll1", {440, 16, 121, 17});
    HScroll1->setRange(1, 10); // left end 1 (fastest), right end 10 (slowest)
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(1);
    HScroll1->setTracking(false); // a drag reports once, on release
    HScroll1->setInvertedControls(false); // the arrow keys move the thumb the way they point
    HScroll1->setFocusPolicy(Qt::StrongFocus);

    for (QWidget *hidden : std::initializer_list<QWidget *>{frmAnimace, nSpomaleni, nZdroj, nPravděpodob, nSoučet,
                                                            nStínítko, nClona, nVzdalenost, nUr, nRd, nPocetFotonu,
                                                            nBezInterference, nPocetOtvoru, nPredtim})
        hidden->hide();
    arrangeTabOrder();
}

// Tab order by the controls' tab indices; only Start, KONEC and the scroll bar are reachable. The number of holes,
// the top one of the parameter fields, comes last of them, as they go upwards.
void OriginalForm::arrangeTabOrder()
{
    QWidget *const byIndex[] = {nPocetFotonu, nRd, nUr, nVzdalenost, nPocetOtvoru, cmdStart, cmdKonec,
                                nClona, nStínítko, nSoučet, nPravděpodob, nZdroj, nAdresa,
                                nSpomaleni, opRychla, opPomalší, opPomalá, HScroll1};
    for (size_t i = 1; i < std::size(byIndex); ++i)
        QWidget::setTabOrder(byIndex[i - 1], byIndex[i]);
}

qreal OriginalForm::scale() const
{
    return m_layout ? m_layout->scale() : 1;
}

void OriginalForm::retranslateForm(const Timeline *lastRun, bool paused)
{
    labTitul->setText(tr("Současný let fotonu možnými trasami a jeho dopad na vybrané body detektoru"));
    Label2->setText(tr("Klikněte na tlačítko Start"));
    // As large as the original's, smaller where a language needs more room.
    setFittedFont(labTitul, fittedWrapped(m_titleFont, labTitul->text(), (QSizeF(labTitul->size()) / scale()).toSize()));
    setFittedFont(Label2, fittedWrapped(m_hintFont, Label2->text(), (QSizeF(Label2->size()) / scale()).toSize()));
    cmdKonec->setText(tr("KONEC"));
    setStartText(paused ? tr("Pokračovat") : tr("Start"));
    setCaption(nClona, tr("Clona "));
    setCaption(nStínítko, tr("Detektor"));
    setCaption(nSoučet, tr("Součet radiusvektorů"));
    setCaption(nPravděpodob, tr("Pravděpodobnost dopadu"));
    setCaption(nZdroj, tr("Zdroj fotonu"));
    setCaption(nBezInterference, tr("bez interference"));
    setCaption(nPredtim, lastRun && lastRun->previous() ? words::differencesInWords(lastRun->previous()->setup, lastRun->setup())
                                                        : tr("předtím"));
    frmAnimace->setTitle(tr("Animace"));
    opPomalá->setText(tr("Pomalá"));
    opPomalší->setText(tr("Pomalejší"));
    opRychla->setText(tr("Rychlá"));
    for (QLabel *parameterLabel : {Label1, labFrekvence, labRoztec, labOtvory}) {
        const int widthAtOne = qRound(parameterLabel->width() / scale());
        setFittedFont(parameterLabel, fitted(QApplication::font(parameterLabel), parameterLabel->text(), widthAtOne));
    }
    setFittedFont(labOtvory, std::min(m_layout ? m_layout->font(labOtvory) : labOtvory->font(),
                                      m_layout ? m_layout->font(labRoztec) : labRoztec->font(), // no larger than those
                                      [](const QFont &a, const QFont &b) { return a.pointSizeF() < b.pointSizeF(); }));
}

// A caption's text, in a font that fits it into its box.
void OriginalForm::setCaption(QLineEdit *caption, const QString &text)
{
    constexpr int framesAndMargins = 8;
    setFieldText(caption, text);
    setFittedFont(caption, fitted(QApplication::font(caption), text, qRound(caption->width() / scale()) - framesAndMargins));
}

void OriginalForm::setFittedFont(QWidget *control, const QFont &font)
{
    if (m_layout)
        m_layout->setFont(control, font);
    else
        control->setFont(font);
}

// Start's text, in a font that fits it into the button.
void OriginalForm::setStartText(const QString &text)
{
    constexpr int margins = 10;
    cmdStart->setText(text);
    setFittedFont(cmdStart, fitted(m_startFont, text, qRound(cmdStart->width() / scale()) - margins));
}

void OriginalForm::hideRunCaptions()
{
    nBezInterference->hide();
    nPredtim->hide();
}

void OriginalForm::showCaptionsOf(const Timeline &run)
{
    const Setup &drawn = run.setup();
    m_layout->setGeometry(nSoučet, captions::sumCaption(drawn.distance + apparatus::sumColumnOffset));
    for (QLineEdit *caption : {nClona, nStínítko, nSoučet, nPravděpodob, nZdroj})
        caption->setVisible(true);
    const double level = apparatus::barX + interference::withoutInterference(interference::arrowLengthFor(drawn.holes), drawn.openHoles());
    QRect levelCaption = captions::bezInterference;
    constexpr int clearOfBaseLine = 4;
    levelCaption.moveLeft(std::max(int(std::lround(level)) - levelCaption.width() / 2, int(apparatus::barX) + clearOfBaseLine));
    m_layout->setGeometry(nBezInterference, levelCaption);
    nBezInterference->setVisible(!run.pattern().empty());
    if (const auto &previous = run.previous()) {
        setFieldText(nPredtim, words::differencesInWords(previous->setup, drawn));
        m_layout->setFont(nPredtim, fitted(QApplication::font(), nPredtim->text(), captions::predtim.width() - 8));
    }
    nPredtim->setVisible(run.previous().has_value());
    setStartText(tr("Start"));
}

std::array<QWidget *, 4> OriginalForm::handledControls() const
{
    return {HScroll1, frmAnimace, cmdKonec, cmdStart};
}

void OriginalForm::HScroll1_Change()
{
    setFieldNumber(nSpomaleni, HScroll1->value());
}

void OriginalForm::opRychla_Click()
{
    setFieldNumber(nSpomaleni, 1);
}

void OriginalForm::opPomalší_Click()
{
    setFieldNumber(nSpomaleni, 5);
}

void OriginalForm::opPomalá_Click()
{
    setFieldNumber(nSpomaleni, 10);
}
