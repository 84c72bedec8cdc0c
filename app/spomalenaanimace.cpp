// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spomalenaanimace.h"

#include "accessibility.h"
#include "apparatus.h"
#include "captions.h"
#include "canvas.h"
#include "helpwindow.h"
#include "interference.h"
#include "keynames.h"
#include "language.h"
#include "fields.h"
#include "parameterfields.h"
#include "runtimeerror.h"
#include "runwords.h"
#include "savefailure.h"
#include "scaledlayout.h"
#include "settings.h"
#include "tablewindow.h"
#include "windowmemory.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QImageWriter>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

#include <random>

namespace {
constexpr FormDrawing::Colour grey = 0x00C0C0C0;
constexpr FormDrawing::Colour lightGreen = 0x00C0FFC0;
constexpr FormDrawing::Colour lightOrange = 0x00C0E0FF;

const QString webAddress = QStringLiteral("kestrova.example");

QString drawingDescription()
{
    return SpomalenaAnimace::tr(
        "Vlevo zdroj fotonů, za ním clona se dvěma otvory, dále svislý detektor. Foton letí z obou otvorů "
        "současně k jedenácti bodům detektoru, odspodu nahoru; každá trasa otáčí svou šipkou fáze (radiusvektor). "
        "Ve sloupci součtu se obě šipky skládají za sebou, zelená šipka je jejich součet. Vodorovná úsečka "
        "vpravo má délku 0,1násobku druhé mocniny délky součtu; je úměrná pravděpodobnosti, že foton dopadne do "
        "tohoto bodu.");
}

QString startDescription()
{
    return SpomalenaAnimace::tr("Spustí animaci: foton letí oběma trasami k jedenácti bodům detektoru.");
}

QString runningDescription()
{
    return SpomalenaAnimace::tr("Animace běží. %1 ji pozastaví, šipkami, %2, %3, %4 a %5 se v ní posunete. Jiné "
                                "klávesy ani myš do jejího konce nepůsobí.")
        .arg(keys::name(Qt::Key_Space), keys::name(Qt::Key_PageUp), keys::name(Qt::Key_PageDown),
             keys::name(Qt::Key_Home), keys::name(Qt::Key_End));
}

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
    setBackground(box, grey);
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
}

SpomalenaAnimace::SpomalenaAnimace(QWidget *parent)
    : QWidget(parent)
{
    accessibility::install();
    accessibility::present(this, accessibility::Role::Frame);
    setObjectName(QStringLiteral("SpomalenaAnimace"));
    if (!language::chosen())
        language::use(language::codes().constFirst());
    resize(clientSize);
    setMinimumSize(clientSize);
    setBackground(this, grey);

    createControls();
    m_startFont = cmdStart->font();
    arrangeTabOrder();
    connectHandlers();
    m_parameters = std::make_unique<ParameterFields>(this, canvas, std::array<ParameterFields::Field, 4>{{
        {nVzdalenost, Label1, &parameters::distance, [](Setup &setup, double value) { setup.distance = value; }},
        {nUr, labFrekvence, &parameters::frequency, [](Setup &setup, double value) { setup.frequency = value; }},
        {nRd, labRoztec, &parameters::spacing, [](Setup &setup, double value) { setup.spacing = value; }},
        {nPocetOtvoru, labOtvory, &parameters::holes, [](Setup &setup, double value) { setup.holes = int(value); }},
    }});
    m_playback = std::make_unique<Playback>(*canvas, m_pacer);
    m_photons = std::make_unique<Photons>(*canvas, std::random_device()());
    canvas->setRedraw([this](const QRectF &area) {
        m_playback->redraw(area);
        m_photons->redraw(area);
        for (const Stroke &mark : m_holeMarks)
            if (mark.footprint().intersects(area))
                canvas->draw(mark);
    });
    connect(m_photons.get(), &Photons::stateChanged, this, &SpomalenaAnimace::photonsStopOrGoOn);
    connect(m_playback.get(), &Playback::stateChanged, this, &SpomalenaAnimace::runPausedOrGoesOn);
    connect(m_playback.get(), &Playback::ended, this, &SpomalenaAnimace::runEnds);
    connect(m_playback.get(), &Playback::moved, this, [this](size_t position) {
        cmdStart->setAccessibleDescription(words::stepInWords(*m_playback->run(), position));
    });
    createCommands();
    m_memory = new WindowMemory(*this);
    connect(m_parameters.get(), &ParameterFields::edited, this, [this] {
        if (!m_playback->run())
            describeDrawing();
    });
    retranslate();
    pressButtonsWithEnter();

    Form_Load();
    cmdStart->setFocus();

    m_layout = std::make_unique<ScaledLayout>(this, clientSize, canvas);
}

SpomalenaAnimace::~SpomalenaAnimace() = default;

QFont SpomalenaAnimace::boldTimes(qreal points)
{
    return boldFont("Times New Roman", points);
}

// Every text of the window in the language in use: at construction, and again when the language changes.
void SpomalenaAnimace::retranslate()
{
    m_parameters->retranslate(tr("Detail Animace spomalené"));
    for (QLabel *parameterLabel : {Label1, labFrekvence, labRoztec, labOtvory}) {
        const int widthAtOne = m_layout ? qRound(parameterLabel->width() / m_layout->scale()) : parameterLabel->width();
        setFittedFont(parameterLabel, fitted(QApplication::font(parameterLabel), parameterLabel->text(), widthAtOne));
    }
    setFittedFont(labOtvory, std::min(m_layout ? m_layout->font(labOtvory) : labOtvory->font(),
                                      m_layout ? m_layout->font(labRoztec) : labRoztec->font(), // no larger than those
                                      [](const QFont &a, const QFont &b) { return a.pointSizeF() < b.pointSizeF(); }));
    labTitul->setText(tr("Současný let fotonu možnými trasami a jeho dopad na vybrané body detektoru"));
    Label2->setText(tr("Klikněte na tlačítko Start"));
    // As large as the original's, smaller where a language needs more room.
    const qreal scale = m_layout ? m_layout->scale() : 1;
    setFittedFont(labTitul, fittedWrapped(m_titleFont, labTitul->text(), (QSizeF(labTitul->size()) / scale).toSize()));
    setFittedFont(Label2, fittedWrapped(m_hintFont, Label2->text(), (QSizeF(Label2->size()) / scale).toSize()));
    cmdKonec->setText(tr("KONEC"));
    setStartText(m_playback->state() == Playback::State::Paused ? tr("Pokračovat") : tr("Start"));
    setCaption(nClona, tr("Clona "));
    setCaption(nStínítko, tr("Detektor"));
    setCaption(nSoučet, tr("Součet radiusvektorů"));
    setCaption(nPravděpodob, tr("Pravděpodobnost dopadu"));
    setCaption(nZdroj, tr("Zdroj fotonu"));
    setCaption(nBezInterference, tr("bez interference"));
    setCaption(nPredtim, m_playback->run() && m_playback->run()->previous()
                             ? words::differencesInWords(m_playback->run()->previous()->setup, m_playback->run()->setup())
                             : tr("předtím"));
    frmAnimace->setTitle(tr("Animace"));
    opPomalá->setText(tr("Pomalá"));
    opPomalší->setText(tr("Pomalejší"));
    opRychla->setText(tr("Rychlá"));
    for (const auto &[command, text] : m_commandTexts) {
        const QString keys = keys::nameOfFirst(command->shortcuts());
        command->setText(keys.isEmpty() ? tr(text) : tr(text) + u'\t' + keys);
    }
    commands.holes->setTitle(tr("Otvory"));
    commands.holes->clear(); // its items made anew in the language
    updateCommands();

    // The window has no name of its own: assistive technology names it by its title.
    setAccessibleDescription(tr("Kestrova: interference za dvěma otvory."));
    cmdStart->setAccessibleName(tr("Start"));
    if (!m_playback->running())
        cmdStart->setAccessibleDescription(startDescription());
    cmdKonec->setAccessibleName(tr("Konec"));
    cmdKonec->setAccessibleDescription(tr("Ukončí program."));
    HScroll1->setAccessibleName(tr("Zpomalení animace"));
    describeSlowDown();
    nAdresa->setAccessibleName(tr("Webová adresa"));
    nAdresa->setAccessibleDescription(tr("Adresa stránek programu, jen pro informaci."));
    labTitul->setAccessibleName(labTitul->text());
    Label2->setAccessibleName(Label2->text());
    for (QLineEdit *caption : {nClona, nStínítko, nSoučet, nPravděpodob, nZdroj, nBezInterference, nPredtim}) {
        caption->setAccessibleName(caption->text().trimmed());
        caption->setAccessibleDescription(tr("Popisek části obrázku."));
    }
    canvas->setAccessibleName(tr("Kresba pokusu"));
    describeDrawing(m_playback->run() && !m_playback->running() ? resultInWords() : QString());
    if (m_help)
        m_help->setCommands(actions());
}

void SpomalenaAnimace::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_layout)
        retranslate();
}

// A caption's text, in a font that fits it into its box.
void SpomalenaAnimace::setCaption(QLineEdit *caption, const QString &text)
{
    constexpr int framesAndMargins = 8;
    setFieldText(caption, text);
    const int widthAtOne = m_layout ? qRound(caption->width() / m_layout->scale()) : caption->width();
    setFittedFont(caption, fitted(QApplication::font(caption), text, widthAtOne - framesAndMargins));
}

void SpomalenaAnimace::setFittedFont(QWidget *control, const QFont &font)
{
    if (m_layout)
        m_layout->setFont(control, font);
    else
        control->setFont(font);
}

// The last run's bars in words, and its whole pattern's where it has one.
QString SpomalenaAnimace::resultInWords() const
{
    const Timeline &run = *m_playback->run();
    return words::resultInWords(run.probabilities(), run.previous() ? run.previous()->bars : std::vector<double>{})
           + (run.pattern().empty() ? QString() : u' ' + words::patternInWords(run.pattern()));
}

void SpomalenaAnimace::describeDrawing(const QString &result)
{
    canvas->setAccessibleDescription(drawingDescription() + u' ' + m_parameters->inWords()
                                     + (result.isEmpty() ? QString() : u' ' + result));
}

// Created bottom of the stack first: the labels lie beneath the drawing, every other control above it.
void SpomalenaAnimace::createControls()
{
    labRoztec = label(this, "labRoztec", {56, 232, 57, 17});
    labFrekvence = label(this, "labFrekvence", {48, 184, 89, 17});
    Label1 = label(this, "Label1", {40, 144, 81, 17});
    labOtvory = label(this, "labOtvory", {40, 100, 81, 17});
    labTitul = label(this, "labTitul", {88, 8, 345, 49});
    Label2 = label(this, "Label2", {168, 224, 201, 49});
    for (QLabel *shown : {labTitul, Label2})
        shown->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labTitul->setFont(m_titleFont);
    Label2->setFont(m_hintFont);
    for (QLabel *greyLabel : {Label2, labTitul, labFrekvence, labRoztec, labOtvory})
        setBackground(greyLabel, grey);
    for (QLabel *hidden : {Label1, labFrekvence, labRoztec, labOtvory}) {
        hidden->setWordWrap(false); // one line, as their room was made for, at every scale
        hidden->hide();
    }

    canvas = new Canvas(this);
    accessibility::present(canvas, accessibility::Role::Picture);

    nPocetFotonu = textBox(this, "nPocetFotonu", {32, 280, 89, 25}, QStringLiteral("nPocetFotonu"));
    nRd = textBox(this, "nRd", {56, 248, 49, 25}, QStringLiteral("nRd"));
    nUr = textBox(this, "nUr", {48, 200, 49, 25}, QStringLiteral("nUr"));
    nVzdalenost = textBox(this, "nVzdalenost", {56, 160, 49, 25}, QStringLiteral("nVzdalenost"));
    nPocetOtvoru = textBox(this, "nPocetOtvoru", {56, 116, 49, 25}, QString::number(parameters::holes.start));
    setBackground(nPocetFotonu, lightOrange);
    for (QLineEdit *parameter : {nRd, nUr, nVzdalenost, nPocetOtvoru}) {
        setBackground(parameter, lightGreen);
        parameter->setEnabled(false);
    }

    cmdStart = place(new QPushButton(this), "cmdStart", {584, 16, 73, 27});
    cmdKonec = place(new QPushButton(this), "cmdKonec", {664, 16, 81, 27});
    for (QPushButton *button : {cmdStart, cmdKonec}) {
        button->setFont(boldFont("Times New Roman", 14.25));
        setBackground(button, grey);
    }

    nClona = captionBox(this, "nClona", captions::clona);
    nStínítko = captionBox(this, "nStínítko", captions::detektor);
    nSoučet = captionBox(this, "nSoučet", captions::soucet);
    nPravděpodob = captionBox(this, "nPravděpodob", captions::pravdepodobnost);
    nZdroj = captionBox(this, "nZdroj", captions::zdroj);
    nAdresa = captionBox(this, "nAdresa", {584, 0, 97, 13});
    setCaption(nAdresa, webAddress);
    nBezInterference = captionBox(this, "nBezInterference", captions::bezInterference);
    nPredtim = captionBox(this, "nPredtim", captions::predtim);
    nSpomaleni = textBox(this, "nSpomaleni", {488, 40, 33, 19}, QStringLiteral("Spomaleni"));

    frmAnimace = place(new QGroupBox(this), "frmAnimace", {40, 56, 81, 73});
    frmAnimace->setFont(boldFont("MS Sans Serif", 8.25));
    setBackground(frmAnimace, grey);
    opPomalá = place(new QRadioButton(frmAnimace), "opPomalá", {8, 48, 57, 17});
    opPomalší = place(new QRadioButton(frmAnimace), "opPomalší", {8, 32, 65, 13});
    opRychla = place(new QRadioButton(frmAnimace), "opRychla", {8, 16, 57, 17});
    QFont platformFont = QApplication::font();
    platformFont.setResolveMask(QFont::AllPropertiesResolved); // not the frame's caption font
    for (QRadioButton *option : {opPomalá, opPomalší, opRychla}) {
        option->setFont(platformFont);
        setBackground(option, grey);
    }

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
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
}

// Tab order by the controls' tab indices; only Start, KONEC and the scroll bar are reachable. The number of holes,
// the top one of the parameter fields, comes last of them, as they go upwards.
void SpomalenaAnimace::arrangeTabOrder()
{
    QWidget *const byIndex[] = {nPocetFotonu, nRd, nUr, nVzdalenost, nPocetOtvoru, cmdStart, cmdKonec,
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
        describeSlowDown();
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
    else if (!m_playback->running())
        guarded([this] { cmdStart_Click(); });
}

void SpomalenaAnimace::cmdStart_Click()
{
    Setup setup;
    if (!m_parameters->readyForRun(setup))
        return;
    setup.pattern = commands.pattern->isChecked();
    setup.slowDown = fieldValue(nSpomaleni);
    std::optional<Timeline::Result> previous; // the last run, which has finished
    if (commands.compare->isChecked() && m_playback->run())
        previous = m_playback->run()->result();
    play(recordRun(setup, std::move(previous)));
}

void SpomalenaAnimace::play(std::shared_ptr<const Timeline> run)
{
    runBegins();
    // A run that draws otherwise starts from a clear canvas: its band would not cover all the last one drew.
    const Timeline *last = m_playback->run();
    m_playback->start(run, last && last->setup().drawsAlike(run->setup()));
}

std::vector<double> SpomalenaAnimace::probabilities() const
{
    return m_playback->run() ? m_playback->run()->probabilities() : std::vector<double>{};
}

// An action of the window, named in the language in use (retranslate) with its first keys; the keys trigger it in
// the window.
QAction *SpomalenaAnimace::addCommand(const char *text, const QList<QKeySequence> &shortcuts)
{
    auto *action = new QAction(this);
    m_commandTexts.emplace_back(action, text);
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

    commands.start = addCommand(QT_TR_NOOP("Spustit animaci"), {});
    connect(commands.start, &QAction::triggered, cmdStart, &QPushButton::click);
    commands.pause = addCommand(QT_TR_NOOP("Pozastavit"), {Qt::Key_Space, Qt::Key_Pause});
    commands.pause->setAutoRepeat(false);
    connect(commands.pause, &QAction::triggered, this, [this, &playback] {
        if (playback.state() == Playback::State::Playing)
            playback.pause();
        else if (playback.running())
            playback.resume();
        else if (m_photons->state() == Photons::State::Firing)
            m_photons->pause();
        else
            m_photons->resume();
    });
    commands.stepForward = addCommand(QT_TR_NOOP("O krok vpřed"), {Qt::Key_Right});
    connect(commands.stepForward, &QAction::triggered, this, seekTo([](const Timeline &, size_t at) { return at + 1; }));
    commands.stepBack = addCommand(QT_TR_NOOP("O krok zpět"), {Qt::Key_Left});
    connect(commands.stepBack, &QAction::triggered, this,
            seekTo([](const Timeline &, size_t at) { return at > 0 ? at - 1 : 0; }));
    commands.pointEnd = addCommand(QT_TR_NOOP("Na konec bodu"), {Qt::Key_PageDown});
    connect(commands.pointEnd, &QAction::triggered, this,
            seekTo([](const Timeline &run, size_t at) { return run.endOf(run.pointAt(at)); }));
    commands.pointBegin = addCommand(QT_TR_NOOP("Na začátek bodu"), {Qt::Key_PageUp});
    connect(commands.pointBegin, &QAction::triggered, this, seekTo([](const Timeline &run, size_t at) {
        const size_t point = run.pointAt(at);
        return at > run.beginOf(point) || point == 0 ? run.beginOf(point) : run.beginOf(point - 1);
    }));
    commands.home = addCommand(QT_TR_NOOP("Na začátek animace"), {Qt::Key_Home});
    connect(commands.home, &QAction::triggered, this, seekTo([](const Timeline &, size_t) { return size_t(0); }));
    commands.end = addCommand(QT_TR_NOOP("Na konec animace"), {Qt::Key_End});
    connect(commands.end, &QAction::triggered, this, [&playback] { playback.finish(); });
    separator();
    commands.parameters = addCommand(QT_TR_NOOP("Parametry"), {Qt::Key_F2});
    commands.parameters->setCheckable(true);
    connect(commands.parameters, &QAction::toggled, m_parameters.get(), &ParameterFields::setShown);
    connect(m_parameters.get(), &ParameterFields::shownChanged, commands.parameters, &QAction::setChecked);
    commands.startingValues = addCommand(QT_TR_NOOP("Výchozí hodnoty"), {});
    connect(commands.startingValues, &QAction::triggered, m_parameters.get(), &ParameterFields::writeStartingValues);
    commands.holes = new QMenu(this);
    addAction(commands.holes->menuAction());
    fillHolesMenu();
    commands.pattern = addCommand(QT_TR_NOOP("Průběh"), {Qt::Key_F3});
    commands.pattern->setCheckable(true);
    commands.watched = addCommand(QT_TR_NOOP("Sledovat trasu fotonu"), {Qt::Key_F7});
    commands.watched->setCheckable(true);
    connect(commands.watched, &QAction::toggled, m_parameters.get(), &ParameterFields::setWatched);
    connect(m_parameters.get(), &ParameterFields::holesChanged, this, [this] {
        const QSignalBlocker quiet(commands.watched);
        commands.watched->setChecked(m_parameters->watched());
        fillHolesMenu();
        showHoleCovers();
    });
    commands.compare = addCommand(QT_TR_NOOP("Porovnat s předchozím"), {Qt::Key_F6});
    commands.compare->setCheckable(true);
    commands.photons = addCommand(QT_TR_NOOP("Fotony"), {Qt::Key_F4});
    commands.photons->setCheckable(true);
    connect(commands.photons, &QAction::triggered, this, &SpomalenaAnimace::firePhotons);
    commands.table = addCommand(QT_TR_NOOP("Tabulka"), {Qt::Key_F5});
    connect(commands.table, &QAction::triggered, this, [this] {
        if (!m_table)
            m_table = new TableWindow(*this);
        m_table->showBeside();
    });
    commands.brightRoom = addCommand(QT_TR_NOOP("Kontrastní barvy"), {Qt::Key_F8});
    commands.brightRoom->setCheckable(true);
    connect(commands.brightRoom, &QAction::toggled, this, &SpomalenaAnimace::showColours);
    separator();
    commands.copy = addCommand(QT_TR_NOOP("Kopírovat obrázek"), {QKeySequence::Copy});
    connect(commands.copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setImage(picture()); });
    commands.save = addCommand(QT_TR_NOOP("Uložit obrázek…"), {QKeySequence::Save});
    connect(commands.save, &QAction::triggered, this, &SpomalenaAnimace::savePictureAs);
    separator();
    commands.fullScreen = addCommand(QT_TR_NOOP("Celá obrazovka"), {Qt::Key_F11});
    commands.fullScreen->setAutoRepeat(false);
    connect(commands.fullScreen, &QAction::triggered, this, [this] { m_layout->toggleFullScreen(); });
    commands.help = addCommand(QT_TR_NOOP("Nápověda"), {Qt::Key_F1});
    connect(commands.help, &QAction::triggered, this, &SpomalenaAnimace::showHelp);
    commands.resetSettings = addCommand(QT_TR_NOOP("Obnovit výchozí nastavení"), {});
    connect(commands.resetSettings, &QAction::triggered, this, [this] { m_memory->reset(); });
    // Named in every language at once, so that anyone finds it.
    commands.language = new QMenu(QStringLiteral("Jazyk / Language"), this);
    auto *languages = new QActionGroup(commands.language);
    for (const QString &code : language::codes()) {
        QAction *item = commands.language->addAction(language::nameOf(code));
        item->setCheckable(true);
        item->setData(code);
        languages->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] {
            if (!m_playback->running() && language::use(code))
                settings::setLanguage(code);
        });
    }
    addAction(commands.language->menuAction());
    separator();
    commands.quit = addCommand(QT_TR_NOOP("Ukončit program"), {});
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
    for (QAction *action : {commands.stepForward, commands.stepBack, commands.pointEnd, commands.pointBegin,
                            commands.home, commands.end})
        action->setEnabled(running);
    const bool photonsFly = m_photons->state() != Photons::State::Stopped;
    commands.pause->setEnabled(running || photonsFly);
    commands.start->setEnabled(!running);
    commands.startingValues->setEnabled(!running);
    commands.quit->setEnabled(!running);
    commands.photons->setEnabled(!running && m_playback->run());
    commands.watched->setEnabled(!running);
    commands.compare->setEnabled(!running);
    commands.language->menuAction()->setEnabled(!running);
    for (QAction *item : commands.language->actions())
        item->setChecked(item->data().toString() == language::current());
    fillHolesMenu();
    commands.photons->setChecked(photonsFly);
    const bool paused = m_playback->state() == Playback::State::Paused || m_photons->state() == Photons::State::Paused;
    commands.pause->setText((paused ? tr("Pokračovat") : tr("Pozastavit")) + u'\t' + keys::nameOfFirst(commands.pause->shortcuts()));
}

// One item per hole, from the top, checked while open; made anew only when the number of holes changes.
void SpomalenaAnimace::fillHolesMenu()
{
    const int holes = m_parameters->holes();
    QList<QAction *> items = commands.holes->actions();
    if (items.size() != holes) {
        commands.holes->clear();
        items.clear();
        for (int hole = 1; hole <= holes; ++hole) {
            QString text = tr("Otvor %1").arg(hole);
            if (holes > 1 && (hole == 1 || hole == holes))
                text = hole == 1 ? tr("Otvor %1 (horní)").arg(hole) : tr("Otvor %1 (dolní)").arg(hole);
            QAction *item = commands.holes->addAction(text);
            item->setCheckable(true);
            connect(item, &QAction::toggled, this, [this, hole](bool open) { m_parameters->setOpen(hole, open); });
            items << item;
        }
    }
    for (int hole = 1; hole <= holes; ++hole) {
        QAction *item = items[hole - 1];
        const QSignalBlocker quiet(item);
        item->setChecked(m_parameters->isOpen(hole));
        item->setEnabled(!m_parameters->running() && (!m_parameters->isOpen(hole) || m_parameters->canCover(hole)));
    }
    commands.holes->menuAction()->setEnabled(!m_parameters->running());
}

// Over the last run's drawing, the holes whose covers changed since, in their ring of now; anything else as drawn.
void SpomalenaAnimace::showHoleCovers()
{
    std::vector<Stroke> marks;
    const Timeline *run = m_playback->run();
    if (run && !m_parameters->running() && run->setup().holes == m_parameters->holes())
        for (int hole = 1; hole <= run->setup().holes; ++hole)
            if (run->setup().isOpen(hole) != m_parameters->isOpen(hole))
                marks.push_back(holeRing(run->setup(), hole, m_parameters->isOpen(hole)));
    if (marks == m_holeMarks)
        return;
    QRectF changed;
    for (const std::vector<Stroke> *some : {&m_holeMarks, &marks})
        for (const Stroke &mark : *some)
            changed |= mark.footprint();
    m_holeMarks = std::move(marks);
    canvas->redrawWithin(changed);
    canvas->flush();
}

int SpomalenaAnimace::holeAt(QPoint position) const
{
    constexpr double reach = 6; // pixels of the drawing around a hole's centre
    const Timeline *run = m_playback->run();
    if (!run || run->setup().holes != m_parameters->holes())
        return 0;
    const QPointF at = QPointF(position - canvas->pos()) / canvas->zoom();
    int nearest = 0;
    double nearestDistance = reach;
    for (int hole = 1; hole <= run->setup().holes; ++hole) {
        const Stroke ring = holeRing(run->setup(), hole, true);
        const double distance = QLineF(at, QPointF(ring.x1, ring.y1)).length();
        if (distance <= nearestDistance) {
            nearest = hole;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void SpomalenaAnimace::mousePressEvent(QMouseEvent *event)
{
    if (const int hole = holeAt(event->position().toPoint()); hole && event->button() == Qt::LeftButton)
        m_parameters->setOpen(hole, !m_parameters->isOpen(hole));
    QWidget::mousePressEvent(event);
}

void SpomalenaAnimace::firePhotons(bool on)
{
    if (!on || m_playback->running() || !m_playback->run()) {
        m_photons->stop();
        return;
    }
    const Timeline &run = *m_playback->run();
    // In the free strip left of the bars; where the sum column leaves none, just left of the base line.
    constexpr double margin = 5, narrowest = 10;
    const double right = run.barX() - margin;
    const double left = std::min(run.freeLeft() + margin, right - narrowest);
    m_photons->start(run.probabilities(), {left, right, run.barX(), run.pointY()});
}

void SpomalenaAnimace::photonsStopOrGoOn(Photons::State state)
{
    updateCommands();
    if (state == Photons::State::Stopped && m_photons->total() > 0) {
        const QString hits = words::hitsInWords(m_photons->hits());
        describeDrawing(resultInWords() + u' ' + hits);
        cmdStart->setAccessibleDescription(tr("Fotony zastaveny.") + u' ' + hits);
    } else if (state == Photons::State::Paused) {
        cmdStart->setAccessibleDescription(tr("Fotony pozastaveny. %1 je pustí dál, %2 je zastaví.")
                                               .arg(keys::name(Qt::Key_Space), keys::nameOfFirst(commands.photons->shortcuts())));
    } else if (state == Photons::State::Firing) {
        cmdStart->setAccessibleDescription(tr("Fotony dopadají jeden po druhém. %1 je pozastaví, %2 zastaví.")
                                               .arg(keys::name(Qt::Key_Space), keys::nameOfFirst(commands.photons->shortcuts())));
    }
}

void SpomalenaAnimace::contextMenuEvent(QContextMenuEvent *event)
{
    showCommands(event->globalPos());
}

void SpomalenaAnimace::showHelp()
{
    m_playback->pause();
    const bool first = !m_help;
    if (first)
        m_help = new HelpWindow(this, *m_playback);
    m_help->setCommands(actions(), colours());
    m_help->setZoom(m_layout->scale());
    if (first) { // beside the window where the screen has room, else over its right part
        const QRect screen = this->screen()->availableGeometry();
        const QPoint beside = frameGeometry().topRight() + QPoint(8, 0);
        m_help->move(std::clamp(beside.x(), screen.left(), std::max(screen.left(), screen.right() - m_help->width())),
                     std::clamp(beside.y(), screen.top(), std::max(screen.top(), screen.bottom() - m_help->height())));
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

const palette::Colours &SpomalenaAnimace::colours() const
{
    return commands.brightRoom->isChecked() ? palette::brightRoom : palette::standard;
}

// What is shown, and the runs that follow, in the palette now chosen; the help's legend with them.
void SpomalenaAnimace::showColours()
{
    canvas->setColourMap(commands.brightRoom->isChecked() ? ColourMap::brightRoom() : ColourMap());
    if (m_help)
        m_help->setCommands(actions(), colours());
}

void SpomalenaAnimace::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_help)
        m_help->setZoom(m_layout->scale());
}

QImage SpomalenaAnimace::picture()
{
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(clientSize) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(FormDrawing::resolve(grey));
    const ScaledLayout::AtScaleOne unscaled(*m_layout);
    QPainter painter(&image);
    for (QObject *child : children()) { // the bottom of the stack first
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow() && control->isVisible() && control != cmdStart && control != cmdKonec
            && control != HScroll1)
            control->render(&painter, control->pos(), QRegion(), QWidget::DrawChildren);
    }
    return image;
}

bool SpomalenaAnimace::savePicture(const QString &fileName)
{
    QSaveFile file(fileName);
    QImageWriter writer(&file, "png");
    if (file.open(QIODevice::WriteOnly) && writer.write(picture()) && file.commit())
        return true;
    const QString why = whyNotSaved(fileName, file, writer.error() == QImageWriter::DeviceError, tr("Obrázky"));
    QMessageBox::warning(this, tr("Obrázek nebyl uložen"),
                         tr("Obrázek se nepodařilo uložit do souboru „%1“.\n\n%2")
                             .arg(QDir::toNativeSeparators(fileName), why));
    return false;
}

void SpomalenaAnimace::savePictureAs()
{
    m_playback->pause();
    QString folder = settings::lastFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suggested = QStringLiteral("kestrova-%1.png").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmm")));
    QFileDialog dialog(this, tr("Uložit obrázek"), QDir(folder).filePath(suggested), tr("Obrázek PNG (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setLabelText(QFileDialog::LookIn, tr("Složka:"));
    dialog.setLabelText(QFileDialog::FileName, tr("Název souboru:"));
    dialog.setLabelText(QFileDialog::FileType, tr("Typ souboru:"));
    dialog.setLabelText(QFileDialog::Accept, tr("Uložit"));
    dialog.setLabelText(QFileDialog::Reject, tr("Zrušit"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString fileName = dialog.selectedFiles().constFirst();
        if (QFileInfo::exists(fileName)
            && QMessageBox::question(this, tr("Uložit obrázek"),
                                     tr("Soubor „%1“ už existuje. Nahradit ho?").arg(QDir::toNativeSeparators(fileName)),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes)
            continue;
        if (savePicture(fileName)) {
            settings::rememberFolderOf(fileName);
            return;
        }
    }
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
    if (event->type() == QEvent::KeyPress && (watched == cmdStart || watched == cmdKonec)) {
        auto *button = static_cast<QPushButton *>(watched);
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
        return m_playback->running() && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this
               && !(watched == cmdStart && cmdStart->isEnabled()); // "Pokračovat"
    default:
        return false;
    }
}

// The slow-down and what it means, for the tooltip and for assistive technology.
void SpomalenaAnimace::describeSlowDown()
{
    const QString meaning = tr("Zpomalení %1 z %2; projeví se při příštím spuštění").arg(HScroll1->value()).arg(HScroll1->maximum());
    HScroll1->setToolTip(meaning + u' ' + tr("Vlevo nejrychleji, vpravo nejpomaleji."));
    HScroll1->setAccessibleDescription(HScroll1->toolTip());
    accessibility::setValueText(HScroll1, meaning);
}

// Start's text, in a font that fits it into the button.
void SpomalenaAnimace::setStartText(const QString &text)
{
    constexpr int margins = 10;
    cmdStart->setText(text);
    const int widthAtOne = m_layout ? qRound(cmdStart->width() / m_layout->scale()) : cmdStart->width();
    setFittedFont(cmdStart, fitted(m_startFont, text, widthAtOne - margins));
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
    m_photons->clear(); // the band is drawn over them
    nBezInterference->hide();
    nPredtim->hide();
    for (QWidget *control : handledControls())
        control->setEnabled(false);
    m_parameters->setRunning(true);
    showHoleCovers(); // the run draws its own
    updateCommands();
    setFocus(); // the run's keys reach the window, not a text box
    m_speedOfTheRun = HScroll1->value();
    qApp->installEventFilter(this);

    accessibility::setCovered(Label2);
    describeDrawing();
    cmdStart->setAccessibleDescription(runningDescription());
    accessibility::setBusy(this, true);
}

void SpomalenaAnimace::runPausedOrGoesOn(Playback::State state)
{
    updateCommands();
    if (state == Playback::State::Paused) {
        setStartText(tr("Pokračovat"));
        cmdStart->setEnabled(true);
        cmdStart->setAccessibleDescription(words::pausedInWords(*m_playback->run(), m_playback->position()));
        cmdStart->setFocus();
        accessibility::setBusy(this, false);
    } else if (state == Playback::State::Playing) {
        setStartText(tr("Start"));
        cmdStart->setEnabled(false);
        setFocus();
        cmdStart->setAccessibleDescription(runningDescription());
        accessibility::setBusy(this, true);
    }
}

void SpomalenaAnimace::runEnds()
{
    qApp->removeEventFilter(this);
    m_layout->setGeometry(nSoučet, captions::sumCaption(m_playback->run()->setup().distance + apparatus::sumColumnOffset));
    for (QLineEdit *caption : {nClona, nStínítko, nSoučet, nPravděpodob, nZdroj})
        caption->setVisible(true);
    const Setup &drawn = m_playback->run()->setup();
    const double level = apparatus::barX + interference::withoutInterference(interference::arrowLengthFor(drawn.holes), drawn.openHoles());
    QRect levelCaption = captions::bezInterference;
    constexpr int clearOfBaseLine = 4;
    levelCaption.moveLeft(std::max(int(std::lround(level)) - levelCaption.width() / 2, int(apparatus::barX) + clearOfBaseLine));
    m_layout->setGeometry(nBezInterference, levelCaption);
    nBezInterference->setVisible(!m_playback->run()->pattern().empty());
    if (const auto &previous = m_playback->run()->previous()) {
        setFieldText(nPredtim, words::differencesInWords(previous->setup, drawn));
        m_layout->setFont(nPredtim, fitted(QApplication::font(), nPredtim->text(), captions::predtim.width() - 8));
    }
    nPredtim->setVisible(m_playback->run()->previous().has_value());
    setStartText(tr("Start"));
    for (QWidget *control : handledControls())
        control->setEnabled(true);
    m_parameters->setRunning(false);
    updateCommands();
    if (m_focusBeforeRun && m_focusBeforeRun->isVisible())
        m_focusBeforeRun->setFocus();

    describeDrawing(resultInWords());
    const QString extrema = words::extremaInWords(probabilities());
    cmdStart->setAccessibleDescription(tr("Animace doběhla.") + u' ' + (extrema.isEmpty() ? QString() : extrema + u' ')
                                       + tr("Celý výsledek popisuje kresba pokusu. Start ji spustí znovu."));
    accessibility::setBusy(this, false);
}
