// The presentation view's side of the main window: what the view is told of the count, the
// run control of its Space key, the command-line start, and reduced motion.
#include "windows/DeadZone/deadzone.h"

#include "core/counter.h"
#include "core/soundcues.h"
#include "data/countdescription.h"
#include "display/eventscreen.h"
#include "windows/Apresentacao/apresentacao.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

// ---- The presentation view --------------------------------------------------------------
// The view shows this window's counter with an odometer and scene of its own; the window tells
// it what is counted and where the figure comes from, and answers its keys.
void DeadZone::connectPresentation()
{
    PresentationLauncher *view = m_presentation;
    connect(view, &PresentationLauncher::startOrPauseRequested, this, &DeadZone::startOrPause);
    connect(view, &PresentationLauncher::pictureReported, this, &DeadZone::showPictureReport);
    connect(this, &DeadZone::reducedMotionChanged, view, &PresentationLauncher::setReducedMotion);
    // A new choice, figure or mode while the view is up (from a second screen) is said there.
    connect(m_counter, &Counter::figureChanged, this, &DeadZone::describePresentation);
    connect(m_counter, &Counter::modeChanged, this, &DeadZone::describePresentation);
    connect(Titulo, &QLineEdit::textChanged, this, &DeadZone::describePresentation);
    connect(Option4Group, &QButtonGroup::idToggled, view,
            [this] { m_presentation->setVictimKind(Option4Group->checkedId()); });
}

Apresentacao &DeadZone::presentationView()
{
    Apresentacao &view = m_presentation->view();
    describePresentation();
    return view;
}

void DeadZone::enterPresentation()
{
    presentationView();
    m_presentation->open(m_reducedMotion, Option4Group->checkedId());
}

void DeadZone::setPresentationScreen(int index)
{
    presentationView().eventScreen().setAskedScreen(index);
}

void DeadZone::describePresentation()
{
    m_presentation->describe(describeCount(m_counter->choice(), m_counter->monthlyFigure(),
                                           m_lists->sources(), Titulo->text()));
}

void DeadZone::setPresentationTitle(const QString &title)
{
    Titulo->setText(title);
}

void DeadZone::startOrPause()
{
    if (counting())
        pauseCount();
    else if (m_counter->hasFigure())
        startCount();
    else
        m_sound.TocaAbaixo(); // nothing to count: the refusal, without opening the lists
}

// ---- The command-line start -------------------------------------------------------------

void DeadZone::selectMode(AccumulationMode mode)
{
    const int index = mode == AccumulationMode::Mes ? 1 : mode == AccumulationMode::Ano ? 2 : 0;
    Option1[index]->setChecked(true);
}

void DeadZone::typeMonthlyFigure(int figure)
{
    ParametroMes->setText(QString::number(figure));
}

// ---- Reduced motion -----------------------------------------------------------------------

void DeadZone::setReducedMotion(bool on)
{
    {
        const QSignalBlocker blocker(MovimentoReduzido);
        MovimentoReduzido->setChecked(on);
    }
    if (on == m_reducedMotion)
        return;
    m_reducedMotion = on;
    m_wheels->setReducedMotion(on);
    m_led->setReducedMotion(on);
    emit reducedMotionChanged(on);
}
