// The presentation view's side of the main window: entering and leaving it, lending it the
// odometer, the run control of its Space key, what it shows, the command-line start, reduced
// motion and the announcement of a new victim to assistive technology.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/soundcues.h"
#include "display/calmmark.h"
#include "display/odometerview.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"
#include "windows/Apresentacao/apresentacao.h"

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
// PRESENTATION SWITCH: these functions are all the main window does for the presentation
// view: open it (enterPresentation), close it (leavePresentation), answer its Space key
// (startOrPause, with the run commands' cues) and put the capacity message over it
// (messageParent). A view built on the counter itself takes m_counter and m_clock here, is
// told what is counted and its source, and asks for startOrPause and leavePresentation by
// its signals; lendOdometer, takeOdometerBack and the accessors below serve only a view
// that borrows this window's odometer and reads this window.
void DeadZone::enterPresentation()
{
    if (inPresentation())
        return;
    if (!m_presentation)
        m_presentation = new Apresentacao(*this, m_clock);
    m_presentation->open();
    hide();
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

OdometerView *DeadZone::lendOdometer()
{
    // The sibling above it, so that it goes back under the same panels and pictures.
    m_odometerAbove = nullptr;
    const QObjectList &siblings = children();
    const qsizetype at = siblings.indexOf(m_odometerView);
    for (qsizetype i = at + 1; at >= 0 && i < siblings.size(); ++i) {
        if (auto *widget = qobject_cast<QWidget *>(siblings.at(i)); widget && !widget->isWindow()) {
            m_odometerAbove = widget;
            break;
        }
    }
    return m_odometerView;
}

void DeadZone::takeOdometerBack()
{
    if (m_odometerView->parentWidget() == this)
        return;
    m_odometerView->setParent(this);
    m_odometerView->setScale(m_twips.factor());
    const QRect area = OdometerView::AreaTwips;
    place(m_odometerView, area.x(), area.y(), area.width(), area.height());
    if (m_odometerAbove && m_odometerAbove->parentWidget() == this)
        m_odometerView->stackUnder(m_odometerAbove);
    m_odometerView->show();
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

// A message of the count shows over the view that is on the screen, so its keys reach it.
QWidget *DeadZone::messageParent()
{
    return inPresentation() ? static_cast<QWidget *>(m_presentation) : this;
}

// ---- What the presentation shows -------------------------------------------------------

QString DeadZone::chosenEntryName() const
{
    return m_counter->choice().name();
}

QString DeadZone::monthlyText() const
{
    const std::optional<double> monthly = m_counter->monthlyFigure();
    return monthly ? QString::number(*monthly, 'f', 0) : QString();
}

AccumulationMode DeadZone::mode() const
{
    return m_counter->mode();
}

std::optional<double> DeadZone::shownCount() const
{
    return m_counter->count();
}

std::optional<double> DeadZone::paceNow() const
{
    return m_counter->paceNow();
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
