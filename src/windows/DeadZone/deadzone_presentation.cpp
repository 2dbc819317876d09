// The presentation view's side of the main window: entering and leaving it, what it is told
// of the count, the run control of its Space key, what it shows, the command-line start, reduced
// motion and the announcement of a new victim to assistive technology.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/countsentence.h"
#include "core/soundcues.h"
#include "data/sourceline.h"
#include "data/sourcesreader.h"
#include "display/calmmark.h"
#include "display/eventscreen.h"
#include "display/odometerview.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"
#include "windows/Apresentacao/apresentacao.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

// ---- The presentation view --------------------------------------------------------------
// The view shows this window's counter with an odometer and scene of its own; the window tells
// it what is counted and where the figure comes from, and answers its keys.
Apresentacao &DeadZone::presentationView()
{
    if (!m_presentation) {
        m_presentation = new Apresentacao(*m_counter, m_clock);
        connect(m_presentation, &Apresentacao::startOrPauseRequested, this,
                &DeadZone::startOrPause);
        connect(m_presentation, &Apresentacao::leaveRequested, this, &DeadZone::leavePresentation);
        connect(this, &DeadZone::reducedMotionChanged, m_presentation,
                &Apresentacao::setReducedMotion);
        // A new choice, figure or mode while the view is up (from a second screen) is said there.
        connect(m_counter, &Counter::figureChanged, this, &DeadZone::describePresentation);
        connect(m_counter, &Counter::modeChanged, this, &DeadZone::describePresentation);
        connect(Titulo, &QLineEdit::textChanged, this, &DeadZone::describePresentation);
        connect(Option4Group, &QButtonGroup::idToggled, m_presentation,
                [this] { m_presentation->setVictimKind(Option4Group->checkedId()); });
        connect(m_presentation, &Apresentacao::pictureReported, this, &DeadZone::showPictureReport);
    }
    describePresentation();
    return *m_presentation;
}

void DeadZone::enterPresentation()
{
    if (inPresentation())
        return;
    presentationView();
    m_presentation->setReducedMotion(m_reducedMotion);
    m_presentation->setVictimKind(Option4Group->checkedId());
    m_presentation->open(screen());
    // On a screen of its own (a projector) the view leaves this window usable beside it.
    setVisible(m_presentation->screen() != screen());
}

void DeadZone::setPresentationScreen(int index)
{
    presentationView().eventScreen().setAskedScreen(index);
}

void DeadZone::describePresentation()
{
    if (!m_presentation)
        return;
    const CurrentChoice &choice = m_counter->choice();
    CountDescription what;
    QString source;
    QString rate;
    if (choice.isEntry()) {
        what.entryName = choice.name();
        if (const std::optional<EntrySource> found = m_sources.find(choice.name())) {
            source = sourceLine(*found);
            rate = rateText(*found);
            what.dataYear = found->year;
            what.indicator = found->indicator;
        }
    } else {
        what.typedMonthly = m_counter->monthlyFigure();
    }
    what.title = Titulo->text().trimmed();
    m_presentation->setDescription(what);
    m_presentation->setSource(source, rate);
}

void DeadZone::setPresentationTitle(const QString &title)
{
    Titulo->setText(title);
}

void DeadZone::leavePresentation()
{
    if (!inPresentation())
        return;
    m_presentation->closeView();
    show();
    raise();
    activateWindow();
}

bool DeadZone::inPresentation() const
{
    return m_presentation && m_presentation->isOpen();
}

void DeadZone::dropPresentation()
{
    if (!m_presentation)
        return;
    m_presentation->closeView();
    delete m_presentation;
    m_presentation = nullptr;
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

bool DeadZone::chooseEntryNamed(const QString &name)
{
    openLists();
    // The crimes first, then the states; the first equal name wins, as the lookup finds it.
    if (const qsizetype row = m_List3.items.indexOf(name); row >= 0) {
        List1->setCurrentRow(int(row));
        chooseIncidence(int(row), false);
        return true;
    }
    if (const qsizetype row = m_List3b.items.indexOf(name); row >= 0) {
        {
            const QSignalBlocker blocker(Homicidios);
            Homicidios->setCurrentIndex(int(row));
        }
        chooseIncidence(int(row), true);
        return true;
    }
    PainelList1->hide();
    return false;
}

// ---- Reduced motion and the announcement -------------------------------------------------

void DeadZone::setReducedMotion(bool on)
{
    {
        const QSignalBlocker blocker(MovimentoReduzido);
        MovimentoReduzido->setChecked(on);
    }
    if (on == m_reducedMotion)
        return;
    m_reducedMotion = on;
    m_odometer.setReducedMotion(on);
    if (on) {
        // A run under way stops where it is; the pictures park as on a pause.
        m_scene->pause();
        if (Timer4->isActive())
            blinkLed();
    }
    emit reducedMotionChanged(on);
}
