// The hourly pattern as the window shows it: the option, the LED and the risk spectrum; the
// editor, which hands its checked pattern to the counter.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "display/riskchart.h"
#include "distribution/distributionmodel.h"
#include "distribution/entrypattern.h"
#include "distribution/hourlyexpansion.h"

#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kFoundNotice =
    QStringLiteral("Atenção: O Sistema Localizou uma distribuição com o titulo desta amostragem");
const QColor kLedOff(128, 0, 0);
const QColor kLedRed(255, 0, 0);
const QColor kLedGreen(0, 255, 0);

} // namespace

DistributionModel &DeadZone::distributionModel()
{
    if (!m_distribution) {
        m_distribution = new DistributionModel(
            QDir(m_dataDirectory).filePath(QStringLiteral("QuorvelDistribuicao.txt")), m_sound,
            this);
        // The editor's "use as default" hands its checked pattern over explicitly.
        m_distribution->setActivation(
            [this] { return counting(); }, [this] { return m_counter->hasFigure(); },
            [this] { m_counter->usePattern(patternInEditor(*m_distribution)); });
    }
    return *m_distribution;
}

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
        enable(Timer4);
        setLed(ledColor()); // the colour stays; its name says which pattern is in use
        showPatternChart();
    } else {
        Timer4->stop();
        setLed(kLedOff);
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
    setLed(kLedRed);
    {
        const QSignalBlocker blocker(opcaoDistribuicaoGroup);
        opcaoDistribuicao[0]->setEnabled(true);
        opcaoDistribuicao[0]->setChecked(true);
    }
    showHourOnSlider();
}

void DeadZone::blinkLed()
{
    // Reduced motion: lit and steady (a 120 ms blink is about four flashes a second).
    const bool green = m_reducedMotion || m_EstadoLed == 0;
    setLed(green ? kLedGreen : kLedRed);
    m_EstadoLed = green ? 1 : 0;
}

void DeadZone::setLed(const QColor &color)
{
    QPalette p = Led->palette();
    p.setColor(QPalette::Window, color);
    Led->setPalette(p);
    // Dark: no pattern in use; lit, blinking red and green: the pattern named is counted with.
    const QString name = m_counter->patternInUse()
                             ? QStringLiteral("Indicador de distribuição: padrão em uso (%1)")
                                   .arg(m_counter->pattern()->name)
                             : QStringLiteral("Indicador de distribuição: sem padrão ativo");
    if (Led->accessibleName() != name) {
        Led->setAccessibleName(name);
        Led->setToolTip(m_counter->patternInUse() ? m_counter->pattern()->name : QString());
    }
}

QColor DeadZone::ledColor() const
{
    return Led->palette().color(QPalette::Window);
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
