#include "windows/MainWindow/daybandschart.h"

#include "core/counter.h"
#include "display/riskchart.h"
#include "distribution/hourlyexpansion.h"

DayBandsChart::DayBandsChart(SpectrumChart *chart, QObject *parent)
    : QObject(parent), m_chart(chart)
{
}

void DayBandsChart::showPattern(const HourlyPattern &pattern)
{
    setBars(spectrumBars(pattern.intervalCount(), pattern.shares));
}

void DayBandsChart::showFlat(const QString &hourlyText)
{
    std::array<double, 12> bars;
    bars.fill(flatSpectrumValue(hourlyText));
    setBars(bars);
}

void DayBandsChart::clear()
{
    setBars({});
}

std::array<double, 12> DayBandsChart::values() const
{
    return m_chart->values();
}

void DayBandsChart::setBars(const std::array<double, 12> &values)
{
    if (values == this->values())
        return; // the recount clears the chart every two seconds: nothing to redraw
    // The chart's scale follows the highest bar, so small shares stay readable.
    m_chart->setValues(values);
    emit changed();
}
