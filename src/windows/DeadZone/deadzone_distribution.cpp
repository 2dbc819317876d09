// The hourly pattern as the window shows it: the option, the LED and the risk spectrum.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/soundcues.h"
#include "display/countfields.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

const QString kFoundNotice =
    QStringLiteral("Atenção: O Sistema Localizou uma distribuição com o titulo desta amostragem");

} // namespace

// ---- The option and the LED ---------------------------------------------------------------

void DeadZone::distributionOptionChosen(bool use)
{
    m_counter->setPatternInUse(use);
    if (!use)
        m_spectrum->showFlat(m_fields->hourlyText());
}

void DeadZone::showPattern()
{
    const bool inUse = m_counter->patternInUse();
    {
        const QSignalBlocker blocker(opcaoDistribuicaoGroup);
        opcaoDistribuicao[0]->setEnabled(m_counter->pattern().has_value());
        opcaoDistribuicao[inUse ? 0 : 1]->setChecked(true);
    }
    if (inUse) {
        m_led->showInUse(m_counter->pattern()->name);
        m_spectrum->showPattern(*m_counter->pattern());
    } else {
        m_led->showOff();
    }
    showChoice();
}

void DeadZone::showPatternActivated()
{
    showNotice(kFoundNotice);
    m_sound.TocaStop();
    m_led->showFound();
    {
        const QSignalBlocker blocker(opcaoDistribuicaoGroup);
        opcaoDistribuicao[0]->setEnabled(true);
        opcaoDistribuicao[0]->setChecked(true);
    }
    showHourOnSlider();
}

void DeadZone::showHourOnSlider()
{
    sl2->setMaximum(24);
    sl2->setValue(m_clock.now().time().hour());
}
