// The hourly pattern as the window shows it: the option, the LED and the risk spectrum.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/soundcues.h"
#include "display/riskchart.h"
#include "distribution/hourlyexpansion.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kFoundNotice =
    QStringLiteral("Atenção: O Sistema Localizou uma distribuição com o titulo desta amostragem");

} // namespace

// ---- The option and the LED ---------------------------------------------------------------

void DeadZone::distributionOptionChosen(bool use)
{
    m_counter->setPatternInUse(use);
    if (!use)
        showFlatChart();
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
        showPatternChart();
    } else {
        m_led->showOff();
    }
    if (m_counter->hasFigure())
        Parametrohora->setText(hourlyText());
    showInterval();
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

// ---- The risk spectrum --------------------------------------------------------------------

std::array<double, 12> DeadZone::chartValues() const
{
    return MSChart3->values();
}

void DeadZone::setChartBars(const std::array<double, 12> &values)
{
    if (values == chartValues())
        return; // the recount clears the chart every two seconds: nothing to redraw
    // The chart's scale follows the highest bar, so small shares stay readable.
    MSChart3->setValues(values);
    emit chartChanged();
}

void DeadZone::clearChart()
{
    setChartBars({});
}

void DeadZone::showFlatChart()
{
    std::array<double, 12> bars;
    bars.fill(flatSpectrumValue(hourlyText()));
    setChartBars(bars);
}

void DeadZone::showPatternChart()
{
    const HourlyPattern &pattern = *m_counter->pattern();
    setChartBars(spectrumBars(pattern.intervalCount(), pattern.shares));
}
