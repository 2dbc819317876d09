#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "display/odometerview.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "display/svgpicture.h"
#include "display/victimscene.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

DeadZone::DeadZone(Clock &clock, SoundCues &sound, DesktopServices &desktop, QString dataDirectory,
                   QWidget *parent)
    : QWidget(parent), m_clock(clock), m_sound(sound), m_desktop(desktop),
      m_dataDirectory(std::move(dataDirectory))
{
    m_counter = new Counter(clock, this);
    buildControls();
    buildPresentationControls();
    buildPictureControls();
    buildActions();
    buildComparisonControls();
    connectControls();
    connectCounter();
    setUpWindow();
}

DeadZone::~DeadZone()
{
    dropPresentation();
    // The editor is a window of its own, not a child: it goes before the model it shows.
    closeSecondaryWindows();
}

bool DeadZone::counting() const
{
    return m_counter->isCounting();
}

DeadZone::RunState DeadZone::runState() const
{
    switch (m_counter->runState()) {
    case Counter::RunState::Running:
        return RunState::Running;
    case Counter::RunState::Paused:
    case Counter::RunState::OverCapacity:
        return RunState::Waiting;
    case Counter::RunState::Stopped:
        break;
    }
    return RunState::Off;
}

void DeadZone::connectControls()
{
    connect(ParametroMes, &QLineEdit::textChanged, this, &DeadZone::monthlyFieldEdited);
    ParametroMes->installEventFilter(this);
    connect(Option1Group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            modeChosen(id);
    });
    connect(opcaoDistribuicaoGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            distributionOptionChosen(id == 0);
    });
    connect(Option2, &QRadioButton::clicked, this, &DeadZone::soundSwitched);
    connect(Option3, &QRadioButton::clicked, this, &DeadZone::soundSwitched);
    connect(Option6Group, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            tiltSwitched();
    });

    connect(Timer2, &QTimer::timeout, this, &DeadZone::playRollingSound);
    connect(Timer4, &QTimer::timeout, this, &DeadZone::blinkLed);
    connect(RelogMensagem, &QTimer::timeout, this, [this] {
        st1Panel[0]->clear();
        RelogMensagem->stop();
    });

    for (PictureButton *button : {Image2, Image3}) {
        connect(button, &PictureButton::mousePressed, button,
                [button] { button->setBorderStyle(1); });
        connect(button, &PictureButton::mouseReleased, button,
                [button] { button->setBorderStyle(0); });
    }

    connect(List1, &QListWidget::itemDoubleClicked, this,
            [this] { chooseIncidence(List1->currentRow(), false); });
    connect(Homicidios, &QComboBox::currentIndexChanged, this,
            [this](int index) { chooseIncidence(index, true); });

    for (PictureButton *button : botao) {
        connect(button, &PictureButton::mouseMoved, button,
                [button] { button->setBorderStyle(1); });
        connect(button, &PictureButton::mousePressed, button,
                [button] { button->setAppearance(0); });
        connect(button, &PictureButton::mouseReleased, button,
                [button] { button->setAppearance(1); });
    }
}

void DeadZone::connectCounter()
{
    Counter *c = m_counter;
    connect(c, &Counter::figureChanged, this, &DeadZone::showFigure);
    connect(c, &Counter::runStateChanged, this, &DeadZone::showRunState);
    connect(c, &Counter::counterReset, this, &DeadZone::showResetLook);
    connect(c, &Counter::wheelStepped, this, &DeadZone::turnFastestWheel);
    connect(c, &Counter::frameDue, this, &DeadZone::showFrame);
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

    place(PainelList1, m_twips.geometry(PainelList1).x(), 720,
          m_twips.geometry(PainelList1).width(), m_twips.geometry(PainelList1).height());
    place(PainelFerramentas, m_twips.geometry(PainelFerramentas).x(), 660,
          m_twips.geometry(PainelFerramentas).width(),
          m_twips.geometry(PainelFerramentas).height());
    clearChart();

    m_odometerView->showDecimals(m_state);
    m_state.forgetShownDigits();
    setLed(QColor(128, 0, 0));
    // The jolt timers stored enabled give one jolt when the window comes up.
    m_odometerView->startJolts();
    enable(Timer2);
    checkSoundOutput();
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

void DeadZone::mouseMoveEvent(QMouseEvent *event)
{
    hoverOff();
    QWidget::mouseMoveEvent(event);
}

bool DeadZone::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ParametroMes && event->type() == QEvent::KeyPress) {
        // The handler runs first, then the key still has its own effect on the field.
        filterMonthlyKey(static_cast<QKeyEvent *>(event)->key() |
                         int(static_cast<QKeyEvent *>(event)->modifiers() & Qt::KeypadModifier));
        return false;
    }
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        // Enter and Space choose the entry, as a double click does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
            List1->currentItem()) {
            chooseIncidence(List1->currentRow(), false);
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove &&
        (watched == static_cast<QObject *>(Frame1) || watched == Label9 || watched == List1 ||
         watched == List1->viewport() || watched == PainelFerramentas || watched == Picture42 ||
         watched == Picture8)) {
        hoverOff();
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == Picture8)
        botao[0]->setAppearance(1);
    return QWidget::eventFilter(watched, event);
}
