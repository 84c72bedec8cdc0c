// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spomalenaanimace.h"

#include "accessibility.h"
#include "canvas.h"
#include "fields.h"
#include "parameterfields.h"
#include "runtimeerror.h"
#include "runwords.h"
#include "scaledlayout.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

namespace {
constexpr FormDrawing::Colour grey = 0x00C0C0C0;
constexpr FormDrawing::Colour lightGreen = 0x00C0FFC0;
constexpr FormDrawing::Colour lightOrange = 0x00C0E0FF;

const QString webAddress = QStringLiteral("kestrova.example");

const QString drawingDescription = QStringLiteral(
    "Vlevo zdroj fotonů, za ním clona se dvěma otvory, dále svislý detektor. Foton letí z obou otvorů "
    "současně k jedenácti bodům detektoru, odspodu nahoru; každá trasa otáčí svou šipkou fáze (radiusvektor). "
    "Ve sloupci součtu se obě šipky skládají za sebou, zelená šipka je jejich součet. Vodorovná úsečka "
    "vpravo má délku 0,1 násobku druhé mocniny délky součtu: pravděpodobnost, že foton dopadne do toho bodu.");
const QString startDescription =
    QStringLiteral("Spustí animaci: foton letí oběma trasami k jedenácti bodům detektoru.");
const QString runningDescription = QStringLiteral(
    "Animace běží. Mezerník ji pozastaví; šipky, Page Up, Page Down, Home a End jí krokují. Jiné klávesy ani myš "
    "do jejího konce nepůsobí.");

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

// Shrinks the control's font until the text fits into the room, in pixels.
void fitText(QWidget *control, const QString &text, int room)
{
    constexpr double smallestPoints = 6;
    QFont font = control->font();
    while (font.pointSizeF() > smallestPoints && QFontMetricsF(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    control->setFont(font);
}

// A text box that names part of the picture: grey, out of the tab order, still editable, its text whole.
QLineEdit *captionBox(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *box = textBox(parent, name, geometry, text);
    setBackground(box, grey);
    box->setFocusPolicy(Qt::ClickFocus);
    constexpr int framesAndMargins = 8;
    fitText(box, box->text(), box->width() - framesAndMargins);
    return box;
}

QLabel *label(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *caption = place(new QLabel(text, parent), name, geometry);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return caption;
}
}

SpomalenaAnimace::SpomalenaAnimace(QWidget *parent)
    : QWidget(parent)
{
    accessibility::install();
    setObjectName(QStringLiteral("SpomalenaAnimace"));
    setWindowTitle(QStringLiteral("Detail Animace spomalené"));
    resize(clientSize);
    setMinimumSize(clientSize);
    setBackground(this, grey);

    createControls();
    arrangeTabOrder();
    connectHandlers();
    run = {nVzdalenost, nUr, nRd, nSpomaleni};
    m_parameters = std::make_unique<ParameterFields>(this, canvas, std::array<ParameterFields::Field, 3>{{
        {nVzdalenost, Label1, &parameters::distance},
        {nUr, labFrekvence, &parameters::frequency},
        {nRd, labRoztec, &parameters::spacing},
    }});
    m_playback = std::make_unique<Playback>(*canvas, m_pacer);
    canvas->setRedraw([this] { m_playback->redraw(); });
    connect(m_playback.get(), &Playback::stateChanged, this, &SpomalenaAnimace::runPausedOrGoesOn);
    connect(m_playback.get(), &Playback::ended, this, &SpomalenaAnimace::runEnds);
    connect(m_playback.get(), &Playback::moved, this, [this](size_t position) {
        cmdStart->setAccessibleDescription(words::stepInWords(*m_playback->run(), position));
    });
    createCommands();

    describeForAssistiveTechnology();
    pressButtonsWithEnter();

    Form_Load();
    cmdStart->setFocus();

    m_layout = std::make_unique<ScaledLayout>(this, clientSize, canvas);
    m_startFont = cmdStart->font();
}

SpomalenaAnimace::~SpomalenaAnimace() = default;

// Czech names and descriptions. The window has no name of its own: assistive technology names it by its title.
void SpomalenaAnimace::describeForAssistiveTechnology()
{
    setAccessibleDescription(QStringLiteral("Kestrova: interference za dvěma otvory."));
    cmdStart->setAccessibleName(QStringLiteral("Start"));
    cmdStart->setAccessibleDescription(startDescription);
    cmdKonec->setAccessibleName(QStringLiteral("Konec"));
    cmdKonec->setAccessibleDescription(QStringLiteral("Ukončí program."));
    HScroll1->setAccessibleName(QStringLiteral("Zpomalení animace"));
    HScroll1->setAccessibleDescription(QStringLiteral("1 je nejrychlejší, 10 nejpomalejší. Platí od příštího startu."));
    nAdresa->setAccessibleName(QStringLiteral("Webová adresa"));
    nAdresa->setAccessibleDescription(QStringLiteral("Adresa stránek programu, jen pro informaci."));
    labTitul->setAccessibleName(labTitul->text());
    Label2->setAccessibleName(Label2->text());
    for (QLineEdit *caption : {nClona, nStínítko, nSoučet, nPravděpodob, nZdroj}) {
        caption->setAccessibleName(caption->text().trimmed());
        caption->setAccessibleDescription(QStringLiteral("Popisek části obrázku."));
    }
    canvas->setAccessibleName(QStringLiteral("Kresba pokusu"));
    describeDrawing();
    connect(m_parameters.get(), &ParameterFields::edited, this, [this] {
        if (!m_playback->run())
            describeDrawing();
    });
}

void SpomalenaAnimace::describeDrawing(const QString &result)
{
    canvas->setAccessibleDescription(drawingDescription + u' ' + m_parameters->inWords()
                                     + (result.isEmpty() ? QString() : u' ' + result));
}

// Created bottom of the stack first: the labels lie beneath the drawing, every other control above it.
void SpomalenaAnimace::createControls()
{
    labRoztec = label(this, "labRoztec", {56, 232, 57, 17}, parameters::spacing.name.toString());
    labFrekvence = label(this, "labFrekvence", {48, 184, 89, 17}, parameters::frequency.name.toString());
    Label1 = label(this, "Label1", {40, 144, 81, 17}, parameters::distance.name.toString());
    labTitul = label(this, "labTitul", {88, 8, 345, 49},
                     QStringLiteral("Současný let fotonu možnými trasami a jeho dopad na vybrané body detektoru"));
    Label2 = label(this, "Label2", {168, 224, 201, 49}, QStringLiteral("Klikněte na tlačítko Start"));
    for (QLabel *shown : {labTitul, Label2})
        shown->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labTitul->setFont(boldFont("Times New Roman", 14.25));
    Label2->setFont(boldFont("Times New Roman", 15.75));
    for (QLabel *greyLabel : {Label2, labTitul, labFrekvence, labRoztec})
        setBackground(greyLabel, grey);
    for (QLabel *hidden : {Label1, labFrekvence, labRoztec}) {
        hidden->setWordWrap(false); // one line, as their room was made for, at every scale
        fitText(hidden, hidden->text(), hidden->width());
        hidden->hide();
    }

    canvas = new Canvas(this);

    nPocetFotonu = textBox(this, "nPocetFotonu", {32, 280, 89, 25}, QStringLiteral("nPocetFotonu"));
    nRd = textBox(this, "nRd", {56, 248, 49, 25}, QStringLiteral("nRd"));
    nUr = textBox(this, "nUr", {48, 200, 49, 25}, QStringLiteral("nUr"));
    nVzdalenost = textBox(this, "nVzdalenost", {56, 160, 49, 25}, QStringLiteral("nVzdalenost"));
    setBackground(nPocetFotonu, lightOrange);
    for (QLineEdit *parameter : {nRd, nUr, nVzdalenost}) {
        setBackground(parameter, lightGreen);
        parameter->setEnabled(false);
    }

    cmdStart = place(new QPushButton(QStringLiteral("Start"), this), "cmdStart", {584, 16, 73, 27});
    cmdKonec = place(new QPushButton(QStringLiteral("KONEC"), this), "cmdKonec", {664, 16, 81, 27});
    for (QPushButton *button : {cmdStart, cmdKonec}) {
        button->setFont(boldFont("Times New Roman", 14.25));
        setBackground(button, grey);
    }

    nClona = captionBox(this, "nClona", {136, 64, 41, 17}, QStringLiteral("Clona "));
    nStínítko = captionBox(this, "nStínítko", {280, 64, 57, 17}, QStringLiteral("Detektor"));
    nSoučet = captionBox(this, "nSoučet", {400, 64, 113, 19}, QStringLiteral("Součet radiusvektorů"));
    nPravděpodob = captionBox(this, "nPravděpodob", {544, 64, 169, 25}, QStringLiteral("Pravděpodobnost dopadu"));
    nZdroj = captionBox(this, "nZdroj", {56, 312, 65, 17}, QStringLiteral("Zdroj fotonu"));
    nAdresa = captionBox(this, "nAdresa", {584, 0, 97, 13}, webAddress);
    nSpomaleni = textBox(this, "nSpomaleni", {488, 40, 33, 19}, QStringLiteral("Spomaleni"));

    frmAnimace = place(new QGroupBox(QStringLiteral("Animace"), this), "frmAnimace", {40, 56, 81, 73});
    frmAnimace->setFont(boldFont("MS Sans Serif", 8.25));
    setBackground(frmAnimace, grey);
    opPomalá = place(new QRadioButton(QStringLiteral("Pomalá"), frmAnimace), "opPomalá", {8, 48, 57, 17});
    opPomalší = place(new QRadioButton(QStringLiteral("Pomalejší"), frmAnimace), "opPomalší", {8, 32, 65, 13});
    opRychla = place(new QRadioButton(QStringLiteral("Rychlá"), frmAnimace), "opRychla", {8, 16, 57, 17});
    QFont platformFont = QApplication::font();
    platformFont.setResolveMask(QFont::AllPropertiesResolved); // not the frame's caption font
    for (QRadioButton *option : {opPomalá, opPomalší, opRychla}) {
        option->setFont(platformFont);
        setBackground(option, grey);
    }

    HScroll1 = place(new QScrollBar(Qt::Horizontal, this), "HScroll1", {440, 16, 121, 17});
    HScroll1->setRange(1, 10); // left end 1 (fastest), right end 10 (slowest)
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(1);
    HScroll1->setTracking(false); // a drag reports once, on release
    HScroll1->setInvertedControls(false); // the arrow keys move the thumb the way they point
    HScroll1->setFocusPolicy(Qt::StrongFocus);

    for (QWidget *hidden : std::initializer_list<QWidget *>{frmAnimace, nSpomaleni, nZdroj, nPravděpodob, nSoučet,
                                                            nStínítko, nClona, nVzdalenost, nUr, nRd, nPocetFotonu})
        hidden->hide();
}

// Tab order by the controls' tab indices; only Start, KONEC and the scroll bar are reachable.
void SpomalenaAnimace::arrangeTabOrder()
{
    QWidget *const byIndex[] = {nPocetFotonu, nRd, nUr, nVzdalenost, cmdStart, cmdKonec,
                                nClona, nStínítko, nSoučet, nPravděpodob, nZdroj, nAdresa,
                                nSpomaleni, opRychla, opPomalší, opPomalá, HScroll1};
    for (size_t i = 1; i < std::size(byIndex); ++i)
        QWidget::setTabOrder(byIndex[i - 1], byIndex[i]);
}

void SpomalenaAnimace::connectHandlers()
{
    connect(cmdStart, &QPushButton::clicked, this, &SpomalenaAnimace::runFromStart);
    connect(cmdKonec, &QPushButton::clicked, this, &SpomalenaAnimace::cmdKonec_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] {
        if (m_playback->running()) { // an assistive technology can still set it: the run's speed stands
            const QSignalBlocker blocked(HScroll1);
            HScroll1->setValue(m_speedOfTheRun);
            return;
        }
        guarded([this] { HScroll1_Change(); });
    });
    const auto onSelect = [this](QRadioButton *option, void (SpomalenaAnimace::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                guarded([this, handler] { (this->*handler)(); });
        });
    };
    onSelect(opRychla, &SpomalenaAnimace::opRychla_Click);
    onSelect(opPomalší, &SpomalenaAnimace::opPomalší_Click);
    onSelect(opPomalá, &SpomalenaAnimace::opPomalá_Click);
}

void SpomalenaAnimace::runFromStart()
{
    if (m_playback->state() == Playback::State::Paused)
        m_playback->resume();
    else if (!m_playback->running() && m_parameters->readyForRun())
        guarded([this] { cmdStart_Click(); });
}

void SpomalenaAnimace::play(std::shared_ptr<const Timeline> run)
{
    runBegins();
    m_playback->start(std::move(run));
}

std::vector<double> SpomalenaAnimace::probabilities() const
{
    return m_playback->run() ? m_playback->run()->probabilities() : std::vector<double>{};
}

// An action of the window with the keys written as a Czech user reads them; those keys trigger it in the window.
QAction *SpomalenaAnimace::addCommand(const QString &text, const QString &keys, const QList<QKeySequence> &shortcuts)
{
    auto *action = new QAction(keys.isEmpty() ? text : text + u'\t' + keys, this);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    return action;
}

void SpomalenaAnimace::createCommands()
{
    Playback &playback = *m_playback;
    const auto seekTo = [&playback](auto where) {
        return [&playback, where] { playback.seek(where(*playback.run(), playback.position())); };
    };
    const auto separator = [this] {
        auto *line = new QAction(this);
        line->setSeparator(true);
        addAction(line);
    };

    commands.start = addCommand(QStringLiteral("Spustit animaci"), {}, {});
    connect(commands.start, &QAction::triggered, cmdStart, &QPushButton::click);
    commands.pause = addCommand(QStringLiteral("Pozastavit"), QStringLiteral("Mezerník"), {Qt::Key_Space, Qt::Key_Pause});
    commands.pause->setAutoRepeat(false);
    connect(commands.pause, &QAction::triggered, this, [&playback] {
        if (playback.state() == Playback::State::Playing)
            playback.pause();
        else
            playback.resume();
    });
    commands.stepForward = addCommand(QStringLiteral("O krok vpřed"), QStringLiteral("Šipka vpravo"), {Qt::Key_Right});
    connect(commands.stepForward, &QAction::triggered, this, seekTo([](const Timeline &, size_t at) { return at + 1; }));
    commands.stepBack = addCommand(QStringLiteral("O krok zpět"), QStringLiteral("Šipka vlevo"), {Qt::Key_Left});
    connect(commands.stepBack, &QAction::triggered, this,
            seekTo([](const Timeline &, size_t at) { return at > 0 ? at - 1 : 0; }));
    commands.pointEnd = addCommand(QStringLiteral("Na konec bodu"), QStringLiteral("Page Down"), {Qt::Key_PageDown});
    connect(commands.pointEnd, &QAction::triggered, this,
            seekTo([](const Timeline &run, size_t at) { return run.endOf(run.pointAt(at)); }));
    commands.pointBegin = addCommand(QStringLiteral("Na začátek bodu"), QStringLiteral("Page Up"), {Qt::Key_PageUp});
    connect(commands.pointBegin, &QAction::triggered, this, seekTo([](const Timeline &run, size_t at) {
        const size_t point = run.pointAt(at);
        return at > run.beginOf(point) || point == 0 ? run.beginOf(point) : run.beginOf(point - 1);
    }));
    commands.home = addCommand(QStringLiteral("Na začátek animace"), QStringLiteral("Home"), {Qt::Key_Home});
    connect(commands.home, &QAction::triggered, this, seekTo([](const Timeline &, size_t) { return size_t(0); }));
    commands.end = addCommand(QStringLiteral("Na konec animace"), QStringLiteral("End"), {Qt::Key_End});
    connect(commands.end, &QAction::triggered, this, [&playback] { playback.finish(); });
    separator();
    commands.parameters = addCommand(QStringLiteral("Parametry"), QStringLiteral("F2"), {Qt::Key_F2});
    commands.parameters->setCheckable(true);
    connect(commands.parameters, &QAction::toggled, m_parameters.get(), &ParameterFields::setShown);
    connect(m_parameters.get(), &ParameterFields::shownChanged, commands.parameters, &QAction::setChecked);
    commands.startingValues = addCommand(QStringLiteral("Výchozí hodnoty"), {}, {});
    connect(commands.startingValues, &QAction::triggered, m_parameters.get(), &ParameterFields::writeStartingValues);
    separator();
    commands.fullScreen = addCommand(QStringLiteral("Celá obrazovka"), QStringLiteral("F11"), {Qt::Key_F11});
    commands.fullScreen->setAutoRepeat(false);
    connect(commands.fullScreen, &QAction::triggered, this, [this] { m_layout->toggleFullScreen(); });
    separator();
    commands.quit = addCommand(QStringLiteral("Ukončit program"), {}, {});
    connect(commands.quit, &QAction::triggered, cmdKonec, &QPushButton::click);

    // The menu by the keyboard, where the focus is.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            QWidget *at = focusWidget() && focusWidget()->window() == this ? focusWidget() : this;
            showCommands(at->mapToGlobal(at->rect().center()));
        });
    updateCommands();
}

void SpomalenaAnimace::updateCommands()
{
    const bool running = m_playback->running();
    for (QAction *action : {commands.pause, commands.stepForward, commands.stepBack, commands.pointEnd,
                            commands.pointBegin, commands.home, commands.end})
        action->setEnabled(running);
    commands.start->setEnabled(!running);
    commands.startingValues->setEnabled(!running);
    commands.quit->setEnabled(!running);
    commands.pause->setText(m_playback->state() == Playback::State::Paused ? QStringLiteral("Pokračovat\tMezerník")
                                                                            : QStringLiteral("Pozastavit\tMezerník"));
}

void SpomalenaAnimace::contextMenuEvent(QContextMenuEvent *event)
{
    showCommands(event->globalPos());
}

void SpomalenaAnimace::showCommands(const QPoint &globalPosition)
{
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(globalPosition);
}

std::array<QWidget *, 4> SpomalenaAnimace::handledControls() const
{
    return {HScroll1, frmAnimace, cmdKonec, cmdStart};
}

void SpomalenaAnimace::Form_Load()
{
    setFieldNumber(nPocetFotonu, 2);
    m_parameters->writeStartingValues();
    opRychla->setChecked(true);
    setFieldNumber(nSpomaleni, 1);
}

void SpomalenaAnimace::HScroll1_Change()
{
    setFieldNumber(nSpomaleni, HScroll1->value());
}

void SpomalenaAnimace::opRychla_Click()
{
    setFieldNumber(nSpomaleni, 1);
}

void SpomalenaAnimace::opPomalší_Click()
{
    setFieldNumber(nSpomaleni, 5);
}

void SpomalenaAnimace::opPomalá_Click()
{
    setFieldNumber(nSpomaleni, 10);
}

void SpomalenaAnimace::cmdKonec_Click()
{
    close();
}

void SpomalenaAnimace::pressButtonsWithEnter()
{
    for (QPushButton *button : {cmdStart, cmdKonec})
        button->installEventFilter(this);
}

// As on Windows: a press, not a release, and a held key presses once.
bool SpomalenaAnimace::eventFilter(QObject *watched, QEvent *event)
{
    if (dropsDuringRun(watched, event))
        return true;
    auto *button = qobject_cast<QPushButton *>(watched);
    if (event->type() == QEvent::KeyPress && (button == cmdStart || button == cmdKonec)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool SpomalenaAnimace::dropsDuringRun(QObject *watched, QEvent *event) const
{
    if (!m_playback->running() || !watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_layout->isWindowCommand(*event))
            return false;
        [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return !(watched == cmdStart && cmdStart->isEnabled()); // "Pokračovat"
    default:
        return false;
    }
}

// Start's text, in a font that fits it into the button.
void SpomalenaAnimace::setStartText(const QString &text)
{
    constexpr int margins = 10;
    QFont font = m_startFont;
    while (font.pointSizeF() > 6 && QFontMetricsF(font).horizontalAdvance(text) > 73 - margins)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    cmdStart->setText(text);
    m_layout->setFont(cmdStart, font);
}

// The band of the run is drawn over the hint first of all; the drawing's old result is gone with it.
// Orca speaks a description change of the focused control, which is Start while a run is paused.
void SpomalenaAnimace::runBegins()
{
    // Whatever is held on the scroll bar (an arrow's auto-repeat, a dragged thumb) ends now, before the run,
    // and nothing with a handler takes a press until the run is over.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(HScroll1, &release);
    m_focusBeforeRun = QApplication::focusWidget();
    for (QWidget *control : handledControls())
        control->setEnabled(false);
    m_parameters->setRunning(true);
    setFocus(); // the run's keys reach the window, not a text box
    m_speedOfTheRun = HScroll1->value();
    qApp->installEventFilter(this);

    accessibility::setCovered(Label2);
    describeDrawing();
    cmdStart->setAccessibleDescription(runningDescription);
    accessibility::setBusy(this, true);
}

void SpomalenaAnimace::runPausedOrGoesOn(Playback::State state)
{
    updateCommands();
    if (state == Playback::State::Paused) {
        setStartText(QStringLiteral("Pokračovat"));
        cmdStart->setEnabled(true);
        cmdStart->setAccessibleDescription(words::pausedInWords(*m_playback->run(), m_playback->position()));
        cmdStart->setFocus();
        accessibility::setBusy(this, false);
    } else if (state == Playback::State::Playing) {
        setStartText(QStringLiteral("Start"));
        cmdStart->setEnabled(false);
        setFocus();
        cmdStart->setAccessibleDescription(runningDescription);
        accessibility::setBusy(this, true);
    }
}

void SpomalenaAnimace::runEnds()
{
    qApp->removeEventFilter(this);
    for (QLineEdit *caption : {nClona, nStínítko, nSoučet, nPravděpodob, nZdroj})
        caption->setVisible(true);
    setStartText(QStringLiteral("Start"));
    for (QWidget *control : handledControls())
        control->setEnabled(true);
    m_parameters->setRunning(false);
    if (m_focusBeforeRun && m_focusBeforeRun->isVisible())
        m_focusBeforeRun->setFocus();

    describeDrawing(words::resultInWords(probabilities()));
    const QString extrema = words::extremaInWords(probabilities());
    cmdStart->setAccessibleDescription(QStringLiteral("Animace doběhla. ") + (extrema.isEmpty() ? QString() : extrema + u' ')
                                       + QStringLiteral("Celý výsledek popisuje kresba pokusu. Start ji spustí znovu."));
    accessibility::setBusy(this, false);
}
