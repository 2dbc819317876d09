#include "display/countodometer.h"

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

CountOdometer::CountOdometer(const Parts &parts, SoundCues &sound, QObject *parent)
    : QObject(parent), m_parts(parts), m_sound(sound),
      m_rollingSound(namedTimer(this, QStringLiteral("Timer2"), 100)),
      m_calmMark(namedTimer(this, QStringLiteral("RelogMarcaVitima"), kCalmVictimMarkMs))
{
    connect(m_rollingSound, &QTimer::timeout, this, &CountOdometer::playRollingSound);
    m_calmMark->setSingleShot(true);
    connect(m_calmMark, &QTimer::timeout, this,
            [this] { m_parts.barCaption->setPalette(QPalette()); });
}

QString CountOdometer::text() const
{
    return m_parts.wheels->text();
}

void CountOdometer::showStart()
{
    m_parts.wheels->showDecimals(m_state);
    m_state.forgetShownDigits();
    enable(m_rollingSound);
}

void CountOdometer::showFrame()
{
    // The first tick after a reset shows the count; no victim has come.
    const bool firstShow = m_state.ExibidoUnidade == 99;
    const OdometerFrame::Step step = m_frame.tick(m_state, m_parts.victimKinds->checkedId());
    QProgressBar *bar = m_parts.bar;
    bar->setMaximum(1000);
    if (bar->value() != step.progress) {
        // A bar paints itself at once when its value changes, in a pass of its own; held
        // back, it is drawn with the frame's other changes, whole (enabling updates again
        // asks for that), so a picture that crossed it never leaves it at an older value.
        bar->setUpdatesEnabled(false);
        bar->setValue(step.progress);
        bar->setUpdatesEnabled(true);
    }
    m_parts.percent->setText(step.percent);
    m_parts.wheels->apply(step, m_state);

    if (step.rolling == OdometerFrame::Rolling::Stop)
        m_rollingSound->stop();
    else if (step.rolling == OdometerFrame::Rolling::Start)
        enable(m_rollingSound);
    if (!m_reducedMotion)
        m_parts.scene->start(step.animation);
    else if (step.newVictim)
        markVictimCalmly();
    if (step.newVictim && !firstShow) {
        const QString count = m_parts.wheels->text();
        m_parts.announcer->announce(count);
        emit victimAnnounced(count);
    }
    emit frameShown(step);
}

void CountOdometer::setDigits(const std::array<float, 9> &digits)
{
    m_state.setDigits(digits);
}

void CountOdometer::turnFastestWheel(int step)
{
    if (step != 0 && !m_reducedMotion)
        m_parts.wheels->setFace(OdometerFrame::Picture0, {OdometerFrame::Face::Spin, step});
}

// The fast wheels rest on the last count's digits; a blank odometer has shown no count since
// its reset, and stays blank.
void CountOdometer::rest()
{
    if (m_parts.wheels->showsCount()) {
        using Face = OdometerFrame::Face;
        m_parts.wheels->setFace(OdometerFrame::Picture1, Face::digit(int(m_state.DigitoDecimal3)));
        m_parts.wheels->setFace(OdometerFrame::Picture0, Face::digit(int(m_state.DigitoDecimal4)));
    }
    m_parts.scene->pause();
}

// Every integer wheel is drawn again by the next pass that has a count to show.
void CountOdometer::showNoCount()
{
    m_parts.percent->setText(QStringLiteral("0"));
    m_parts.bar->setValue(0);
    m_parts.wheels->blank();
    m_state.forgetShownDigits();
}

void CountOdometer::setTilt(bool on)
{
    m_state.TiltDesligado = on ? 0 : 1;
    m_parts.wheels->setTilt(on);
}

void CountOdometer::setReducedMotion(bool on)
{
    m_reducedMotion = on;
    m_frame.setReducedMotion(on);
    // A run under way stops where it is; the pictures park as on a pause.
    if (on)
        m_parts.scene->pause();
}

void CountOdometer::playRollingSound()
{
    if (m_parts.firstRollingSound->isChecked())
        m_sound.TocaRot2();
    else
        m_sound.TocaGaveta();
}

void CountOdometer::markVictimCalmly()
{
    QPalette calm = m_parts.barCaption->palette();
    calm.setColor(QPalette::WindowText, kCalmVictimMark);
    m_parts.barCaption->setPalette(calm);
    m_calmMark->start();
}
