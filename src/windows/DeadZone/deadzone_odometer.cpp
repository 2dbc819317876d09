// The odometer's display tick and rolling sound. What each tick shows is worked out by
// OdometerFrame; the odometer view shows it, the window drives the bar, the slider, the
// rolling sound and the new-victim animation.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "display/calmmark.h"
#include "display/odometerview.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"

#include <QButtonGroup>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

void DeadZone::showFrame()
{
    showHourOnSlider();

    // The first tick after a reset shows the count; no victim has come.
    const bool firstShow = m_state.ExibidoUnidade == 99;
    const OdometerFrame::Step step = m_odometer.tick(m_state, Option4Group->checkedId());
    Pg1->setMaximum(1000);
    if (Pg1->value() != step.progress) {
        Pg1->setValue(step.progress);
        // The bar repaints itself only for a change of a whole chunk, and a picture that
        // crossed it may have left it drawn at an older value: draw it whole at every change.
        Pg1->update();
    }
    Percent->setText(step.percent);
    m_odometerView->apply(step, m_state);

    if (step.rolling == OdometerFrame::Rolling::Stop)
        Timer2->stop();
    else if (step.rolling == OdometerFrame::Rolling::Start)
        enable(Timer2);
    if (!m_reducedMotion)
        m_scene->start(step.animation);
    else if (step.newVictim)
        markVictimCalmly();
    if (step.newVictim && !firstShow)
        announceVictim();
    emit displayTicked(step);
}

void DeadZone::playRollingSound()
{
    if (Option5[0]->isChecked())
        m_sound.TocaRot2();
    else
        m_sound.TocaGaveta();
}

QString DeadZone::odometerText() const
{
    return m_odometerView->text();
}

void DeadZone::markVictimCalmly()
{
    QPalette calm = PgCaption->palette();
    calm.setColor(QPalette::WindowText, kCalmVictimMark);
    PgCaption->setPalette(calm);
    RelogMarcaVitima->start();
}

void DeadZone::announceVictim()
{
    const QString count = m_odometerView->text();
    m_announcer->announce(count);
    emit victimAnnounced(count);
}
