// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The window assembles, and connects, these rooms:
//   OriginalForm    the original's controls and their handlers          (originalform)
//   RunControl      a run started, paused, stepped and ended; input held (runcontrol, over Playback)
//   Commands        every command, its keys and the context menu         (commands)
//   PictureFeed     the runs, photons and hole covers into the canvas     (picturefeed, over Canvas)
//   Narration       what a screen reader hears                           (narration)
//   PictureExport   the picture to the clipboard or a PNG file            (pictureexport)
//   ParameterFields, ScaledLayout, HelpWindow, TableWindow, WindowMemory  (the teacher's fields, the zoom, the
//                   windows beside, what is remembered)
// Nothing of these includes the window.
#include "spomalenaanimace.h"

#include "accessibility.h"
#include "canvas.h"
#include "detectorscan.h"
#include "fields.h"
#include "helpwindow.h"
#include "keynames.h"
#include "language.h"
#include "narration.h"
#include "parameterfields.h"
#include "pictureexport.h"
#include "picturefeed.h"
#include "runcontrol.h"
#include "runtimeerror.h"
#include "scaledlayout.h"
#include "tablewindow.h"
#include "windowmemory.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <random>

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

    createForm(this, PictureFeed::layerCount);
    m_parameters = std::make_unique<ParameterFields>(this, canvas, std::array<ParameterFields::Field, 4>{{
        {nVzdalenost, Label1, &parameters::distance, [](Setup &setup, double value) { setup.distance = value; }},
        {nUr, labFrekvence, &parameters::frequency, [](Setup &setup, double value) { setup.frequency = value; }},
        {nRd, labRoztec, &parameters::spacing, [](Setup &setup, double value) { setup.spacing = value; }},
        {nPocetOtvoru, labOtvory, &parameters::holes, [](Setup &setup, double value) { setup.holes = int(value); }},
    }});
    m_run = std::make_unique<RunControl>(this, cmdStart, HScroll1, m_pacer,
                                         [this](const QEvent &event) { return m_layout->isWindowCommand(event); });
    m_photons = std::make_unique<Photons>(std::random_device()());
    m_feed = std::make_unique<PictureFeed>(*canvas, m_run->playback(), *m_photons, *m_parameters);
    m_narration = std::make_unique<Narration>(
        Narration::Controls{this, cmdStart, cmdKonec, HScroll1, nAdresa, labTitul, Label2,
                            {nClona, nStínítko, nSoučet, nPravděpodob, nZdroj, nBezInterference, nPredtim}, canvas},
        [this] { return m_parameters->inWords(); });
    connectHandlers();
    commands.create(this, m_run->playback(), *m_photons, *m_parameters);
    connectCommands();
    m_memory = new WindowMemory(*this, commands);
    retranslate();

    Form_Load();
    cmdStart->setFocus();

    m_layout = std::make_unique<ScaledLayout>(this, clientSize, canvas);
    setScaledLayout(m_layout.get());
}

SpomalenaAnimace::~SpomalenaAnimace() = default;

void SpomalenaAnimace::connectHandlers()
{
    connect(cmdStart, &QPushButton::clicked, this, &SpomalenaAnimace::runFromStart);
    connect(cmdKonec, &QPushButton::clicked, this, &SpomalenaAnimace::cmdKonec_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] {
        if (m_run->keepsSpeedOfRun()) // an assistive technology can still set it: the run's speed stands
            return;
        guarded([this] { HScroll1_Change(); });
        m_narration->describeSlowDown();
    });
    const auto onSelect = [this](QRadioButton *option, void (OriginalForm::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                guarded([this, handler] { (this->*handler)(); });
        });
    };
    onSelect(opRychla, &OriginalForm::opRychla_Click);
    onSelect(opPomalší, &OriginalForm::opPomalší_Click);
    onSelect(opPomalá, &OriginalForm::opPomalá_Click);

    connect(m_run.get(), &RunControl::begins, this, &SpomalenaAnimace::runBegins);
    connect(&m_run->playback(), &Playback::stateChanged, this, &SpomalenaAnimace::runPausedOrGoesOn);
    connect(&m_run->playback(), &Playback::ended, this, &SpomalenaAnimace::runEnds);
    connect(&m_run->playback(), &Playback::moved, this, [this](size_t position) { m_narration->runMoved(*m_run->run(), position); });
    connect(m_photons.get(), &Photons::stateChanged, this, &SpomalenaAnimace::photonsStopOrGoOn);
    connect(m_parameters.get(), &ParameterFields::edited, this, [this] {
        if (!m_run->run())
            m_narration->describeDrawing();
    });
}

void SpomalenaAnimace::connectCommands()
{
    RunControl *run = m_run.get();
    connect(commands.start, &QAction::triggered, cmdStart, &QPushButton::click);
    connect(commands.pause, &QAction::triggered, this, [this] {
        if (m_run->running())
            m_run->pauseOrGoOn();
        else if (m_photons->state() == Photons::State::Firing)
            m_photons->pause();
        else
            m_photons->resume();
    });
    connect(commands.stepForward, &QAction::triggered, run, &RunControl::stepForward);
    connect(commands.stepBack, &QAction::triggered, run, &RunControl::stepBack);
    connect(commands.pointEnd, &QAction::triggered, run, &RunControl::toPointEnd);
    connect(commands.pointBegin, &QAction::triggered, run, &RunControl::toPointBegin);
    connect(commands.home, &QAction::triggered, run, &RunControl::toBeginning);
    connect(commands.end, &QAction::triggered, run, &RunControl::toEnd);
    connect(commands.parameters, &QAction::toggled, m_parameters.get(), &ParameterFields::setShown);
    connect(m_parameters.get(), &ParameterFields::shownChanged, commands.parameters, &QAction::setChecked);
    connect(commands.startingValues, &QAction::triggered, m_parameters.get(), &ParameterFields::writeStartingValues);
    connect(commands.watched, &QAction::toggled, m_parameters.get(), &ParameterFields::setWatched);
    connect(m_parameters.get(), &ParameterFields::holesChanged, this, [this] {
        const QSignalBlocker quiet(commands.watched);
        commands.watched->setChecked(m_parameters->watched());
        commands.fillHolesMenu();
        m_feed->showHoleCovers();
    });
    connect(commands.photons, &QAction::triggered, m_feed.get(), [this](bool on) { m_feed->firePhotons(on); });
    connect(commands.table, &QAction::triggered, this, [this] {
        if (!m_table)
            m_table = new TableWindow(*this, clientSize, m_run->playback(), *m_photons);
        m_table->showBeside();
    });
    connect(commands.brightRoom, &QAction::toggled, this, &SpomalenaAnimace::showColours);
    connect(commands.copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setImage(picture()); });
    connect(commands.save, &QAction::triggered, this, [this] {
        m_run->playback().pause();
        PictureExport::saveAs(this, [this] { return picture(); });
    });
    connect(commands.fullScreen, &QAction::triggered, this, [this] { m_layout->toggleFullScreen(); });
    connect(commands.help, &QAction::triggered, this, &SpomalenaAnimace::showHelp);
    connect(commands.resetSettings, &QAction::triggered, this, [this] { m_memory->reset(); });
    connect(commands.quit, &QAction::triggered, cmdKonec, &QPushButton::click);
}

// Every text of the window in the language in use: at construction, and again when the language changes.
void SpomalenaAnimace::retranslate()
{
    m_parameters->retranslate(tr("Detail Animace spomalené"));
    retranslateForm(m_run->run(), m_run->playback().state() == Playback::State::Paused);
    commands.retranslate();
    m_narration->retranslate(m_run->run(), m_run->running());
    if (m_help)
        m_help->setCommands(actions());
}

void SpomalenaAnimace::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_layout)
        retranslate();
}

Playback &SpomalenaAnimace::playback()
{
    return m_run->playback();
}

std::vector<double> SpomalenaAnimace::probabilities() const
{
    return m_run->run() ? m_run->run()->probabilities() : std::vector<double>{};
}

void SpomalenaAnimace::runFromStart()
{
    if (m_run->playback().state() == Playback::State::Paused)
        m_run->playback().resume();
    else if (!m_run->running())
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
    if (commands.compare->isChecked() && m_run->run())
        previous = m_run->run()->result();
    m_run->start(recordRun(setup, std::move(previous)));
}

// The band of the run is drawn over the hint, the photons and the covers first of all.
void SpomalenaAnimace::runBegins()
{
    m_photons->clear();
    hideRunCaptions();
    for (QWidget *control : handledControls())
        control->setEnabled(false);
    m_parameters->setRunning(true);
    m_feed->showHoleCovers(); // the run draws its own
    commands.update();
    m_narration->runBegins();
}

void SpomalenaAnimace::runPausedOrGoesOn(Playback::State state)
{
    commands.update();
    if (state == Playback::State::Paused) {
        setStartText(tr("Pokračovat"));
        cmdStart->setEnabled(true);
        m_narration->runPaused(*m_run->run(), m_run->playback().position());
        cmdStart->setFocus();
        m_narration->setBusy(false);
    } else if (state == Playback::State::Playing) {
        setStartText(tr("Start"));
        cmdStart->setEnabled(false);
        setFocus();
        m_narration->runGoesOn();
    }
}

void SpomalenaAnimace::runEnds()
{
    showCaptionsOf(*m_run->run());
    for (QWidget *control : handledControls())
        control->setEnabled(true);
    m_parameters->setRunning(false);
    commands.update();
    m_run->restoreFocus();
    m_narration->runEnds(*m_run->run());
}

void SpomalenaAnimace::photonsStopOrGoOn(Photons::State state)
{
    commands.update();
    const QString photonsKey = keys::nameOfFirst(commands.photons->shortcuts());
    if (state == Photons::State::Stopped && m_photons->total() > 0)
        m_narration->photonsStopped(*m_run->run(), m_photons->hits());
    else if (state == Photons::State::Paused)
        m_narration->photonsPaused(photonsKey);
    else if (state == Photons::State::Firing)
        m_narration->photonsFiring(photonsKey);
}

void SpomalenaAnimace::mousePressEvent(QMouseEvent *event)
{
    if (const int hole = m_feed->holeAt(event->position().toPoint()); hole && event->button() == Qt::LeftButton)
        m_parameters->setOpen(hole, !m_parameters->isOpen(hole));
    QWidget::mousePressEvent(event);
}

void SpomalenaAnimace::contextMenuEvent(QContextMenuEvent *event)
{
    commands.showMenu(event->globalPos());
}

void SpomalenaAnimace::showHelp()
{
    m_run->playback().pause();
    if (!m_help)
        m_help = new HelpWindow(this, m_run->playback());
    m_help->setCommands(actions(), colours());
    m_help->setZoom(m_layout->scale());
    m_help->showBeside();
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
    return PictureExport::picture(*this, *m_layout, clientSize, {cmdStart, cmdKonec, HScroll1});
}

bool SpomalenaAnimace::savePicture(const QString &fileName)
{
    return PictureExport::save(this, picture(), fileName);
}

void SpomalenaAnimace::Form_Load()
{
    setFieldNumber(nPocetFotonu, 2);
    m_parameters->writeStartingValues();
    opRychla->setChecked(true);
    setFieldNumber(nSpomaleni, 1);
}

void SpomalenaAnimace::cmdKonec_Click()
{
    close();
}
