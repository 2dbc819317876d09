#include "windows/DeadZone/deadzone.h"

#include "core/counter.h"
#include "core/soundcues.h"
#include "display/buttonoutlines.h"
#include "display/countfields.h"
#include "display/monthlyfigurefield.h"
#include "display/odometerview.h"
#include "display/paintcache.h"
#include "display/soundswitch.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

DeadZone::DeadZone(Clock &clock, SoundCues &sound, DesktopServices &desktop, QString dataDirectory,
                   QWidget *parent)
    : QWidget(parent), m_clock(clock), m_sound(sound), m_desktop(desktop),
      m_dataDirectory(std::move(dataDirectory))
{
    m_counter = new Counter(clock, this);
    buildControls();
    buildPresentationControls();
    buildParts();
    buildActions();
    connectPictureActions();
    connectComparison();
    connectControls();
    connectCounter();
    connectPresentation();
    setUpWindow();
    // The new-victim pictures cross labels and buttons many times a second: those redraw
    // from what they last drew.
    PaintCache::attachToControlsOf(this);
}

DeadZone::~DeadZone()
{
    // The view and the editor are windows of their own, not children: they go before the
    // counter and the model they show.
    m_presentation->drop();
    m_sides->closeAll();
}

void DeadZone::buildParts()
{
    m_wheels = new CountOdometer({.wheels = m_odometerView,
                                  .scene = m_scene,
                                  .bar = Pg1,
                                  .percent = Percent,
                                  .barCaption = PgCaption,
                                  .victimKinds = Option4Group,
                                  .firstRollingSound = Option5[0],
                                  .announcer = m_announcer},
                                 m_sound, this);
    m_fields = new CountFields(*m_counter,
                               {.daily = ParametroDia,
                                .dailyMirror = Label4,
                                .hourly = Parametrohora,
                                .yearly = Label8,
                                .interval = IntervaloVitimas,
                                .count = ParametroHoje,
                                .countMirror = Label6,
                                .hourShare = PercentualDinamico,
                                .statusLine = st1Panel[1]},
                               this);
    m_spectrum = new DayBandsChart(MSChart3, this);
    m_notices = new StatusNotices(st1Panel[0], this);
    m_monthlyField = new MonthlyFigureField(ParametroMes, this);
    m_outlines = new ButtonOutlines(
        {botao.begin(), botao.end()},
        {this, Frame1, Label9, List1, List1->viewport(), PainelFerramentas, Picture42, Picture8},
        this);
    m_outlines->raiseOnRelease(Picture8, botao[0]);
    m_led = new PatternLed(Led, this);
    m_runButtons = new RunControlButtons(Image2, Image3, this);
    m_soundSwitch = new SoundSwitch(
        Option2, Option3, somGroup, m_sound, [this] { return counting(); }, this);
    m_lists = new IncidenceListPanel(PainelList1, List1, BuscaOcorrencias, Homicidios, m_desktop,
                                     m_dataDirectory, this);
    m_files = new DataFileOpener(m_desktop, m_sound, *m_notices, m_dataDirectory, this);
    m_toolPanel = new ToolPanel(PainelFerramentas, botao[7], Option6Group, m_sound, this);
    m_presentation = new PresentationLauncher(*m_counter, m_clock, this);
    m_sides = new SideWindows(*m_counter, m_sound, m_desktop, m_dataDirectory, this);
}

void DeadZone::connectControls()
{
    connect(m_monthlyField, &MonthlyFigureField::figureTyped, this, &DeadZone::monthlyFigureTyped);
    connect(m_monthlyField, &MonthlyFigureField::keyRefused, this, &DeadZone::refuseMonthlyKey);
    connect(Option1Group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            modeChosen(id);
    });
    connect(opcaoDistribuicaoGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            distributionOptionChosen(id == 0);
    });
    connect(m_toolPanel, &ToolPanel::tiltSwitched, m_wheels, &CountOdometer::setTilt);

    connect(m_lists, &IncidenceListPanel::entryChosen, this, &DeadZone::chooseIncidence);
}

void DeadZone::connectCounter()
{
    Counter *c = m_counter;
    connect(c, &Counter::figureChanged, this, &DeadZone::showChoice);
    connect(m_spectrum, &DayBandsChart::changed, this, &DeadZone::chartChanged);
    connect(c, &Counter::runStateChanged, this, &DeadZone::showRunState);
    connect(c, &Counter::counterReset, this, &DeadZone::showResetLook);
    connect(c, &Counter::wheelStepped, m_wheels, &CountOdometer::turnFastestWheel);
    connect(c, &Counter::frameDue, this, &DeadZone::showFrame);
    connect(m_wheels, &CountOdometer::frameShown, this, &DeadZone::displayTicked);
    connect(m_wheels, &CountOdometer::victimAnnounced, this, &DeadZone::victimAnnounced);
    connect(c, &Counter::recounted, this, &DeadZone::showRecount);
    connect(c, &Counter::capacityReached, this, &DeadZone::showCapacityReached);
    connect(c, &Counter::patternChanged, this, &DeadZone::showPattern);
    connect(c, &Counter::patternActivated, this, &DeadZone::showPatternActivated);
}

void DeadZone::setUpWindow()
{
    m_odometerView->showStartFaces();
    loadPictures();
    showRunState();
    m_sound.SomDesligado = 1;
    m_spectrum->clear();

    m_wheels->showStart();
    m_led->showOff();
    // The jolt timers stored enabled give one jolt when the window comes up.
    m_odometerView->startJolts();
    // Said once: a machine without an audio device plays no cue.
    const QString noSound = m_soundSwitch->checkOutput();
    if (!noSound.isEmpty())
        m_notices->show(noSound);
}

void DeadZone::closeEvent(QCloseEvent *event)
{
    // The whole program ends with the main window; no file is written.
    if (!mayQuit()) {
        event->ignore();
        return;
    }
    event->accept();
    quit();
}

void DeadZone::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const double scale = TwipsScale::fitting(ClientTwips, size());
    if (scale > 0 && qAbs(scale - m_twips.factor()) > 0.01) {
        m_twips.setFactor(scale);
        applyScale();
        loadPictures();
    }
}
