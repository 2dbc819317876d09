// What is counted and how: the monthly field, the mode, the run commands, and the counter's
// figure, run state, recount, capacity and reset as the window shows them.
#include "windows/DeadZone/deadzone.h"

#include "core/counter.h"
#include "core/recount.h"
#include "core/soundcues.h"
#include "display/desktopservices.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "display/soundswitch.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

namespace {

const QString kNoRateNotice = QStringLiteral("Erro: Não há quantidade numérica no mês para contar");

} // namespace

// ---- Commands ---------------------------------------------------------------------------

// The figure typed by hand. An emptied field is no figure: the count is reset and nothing is
// shown.
void DeadZone::monthlyFigureTyped(std::optional<double> monthly)
{
    if (monthly)
        quietPause();
    m_counter->setTypedFigure(monthly);
}

void DeadZone::refuseMonthlyKey()
{
    m_sound.TocaAbaixo();
    StatusBar1Panel[0]->setText(QStringLiteral("Erro: Apenas dados numéricos neste campo"));
}

void DeadZone::modeChosen(int index)
{
    quietPause();
    m_counter->setMode(AccumulationMode(index));
    showHourOnSlider();
}

void DeadZone::startCount()
{
    if (!m_counter->hasFigure()) {
        m_sound.TocaAbaixo();
        if (ParametroMes->text().isEmpty())
            openLists(); // nothing to count: the lists offer something
        else
            showNotice(kNoRateNotice);
        return;
    }
    // The count runs by the keys and the pictures: the field keeps no focus to be emptied.
    if (ParametroMes->hasFocus() || !isVisible())
        Image2->setFocus();
    m_counter->start();
    Picture22->hide();
    m_sound.TocaClicar();
    showRunState();
    PainelList1->hide();
}

// The wait button: it resumes a paused count and pauses a running one.
void DeadZone::pauseCount()
{
    switch (m_counter->runState()) {
    case Counter::RunState::Running:
        quietPause();
        break;
    case Counter::RunState::Paused:
    case Counter::RunState::OverCapacity:
        startCount();
        break;
    case Counter::RunState::Stopped:
        m_sound.TocaAbaixo();
        break;
    }
}

// The pause that comes before every change of what is counted, and the pause button's.
void DeadZone::quietPause()
{
    m_counter->pause();
    m_wheels->rest();
    m_soundSwitch->silence();
    m_sound.TocaClicar();
}

void DeadZone::resetCount()
{
    quietPause();
    {
        const QSignalBlocker blocker(ParametroMes);
        ParametroMes->clear();
    }
    m_counter->setTypedFigure(std::nullopt);
    Picture22->show();
    PainelList1->hide();
    Percent->clear();
}

// ---- What the counter says --------------------------------------------------------------

void DeadZone::showRunState()
{
    m_runButtons->show(runState());
    emit runStateChanged();
}

void DeadZone::showRecount()
{
    // The fields show it themselves (CountFields).
    const RecountResult &out = *m_counter->lastRecount();
    if (out.clearChart)
        m_spectrum->clear();
    m_wheels->setDigits(out.digits);
    emit recounted(*m_counter->count());
}

void DeadZone::showCapacityReached()
{
    // The counter has paused: the pause's look, then no count anywhere, then the message.
    quietPause();
    showRunState();
    m_wheels->showNoCount();
    // The presentation view says it itself, in large text, and keeps its keys.
    if (inPresentation())
        return;
    m_desktop.showModalMessage(this, QStringLiteral("Quorvel Counter"), kCapacityMessage,
                               DesktopServices::MessageIcon::Information);
}

void DeadZone::showResetLook()
{
    m_wheels->showNoCount();
    showPattern();
    m_spectrum->clear();
    sl2->setMaximum(24);
    sl2->setValue(0);
    emit counterReset();
}

void DeadZone::showFrame()
{
    showHourOnSlider();
    m_wheels->showFrame();
}
