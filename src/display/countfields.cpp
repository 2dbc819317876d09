#include "display/countfields.h"

#include "core/counter.h"
#include "core/intervaltext.h"
#include "core/numbermask.h"
#include "core/rates.h"

#include <QLabel>
#include <QLineEdit>

CountFields::CountFields(Counter &counter, const Fields &fields, QObject *parent)
    : QObject(parent), m_counter(counter), m_fields(fields)
{
    connect(&m_counter, &Counter::figureChanged, this, &CountFields::showFigure);
    connect(&m_counter, &Counter::modeChanged, this, &CountFields::showInterval);
    connect(&m_counter, &Counter::patternChanged, this, &CountFields::showHourly);
    connect(&m_counter, &Counter::recounted, this, &CountFields::showRecount);
    connect(&m_counter, &Counter::counterReset, this, [this] {
        clearCount();
        m_fields.hourShare->clear();
    });
    connect(&m_counter, &Counter::capacityReached, this, [this] {
        m_fields.hourly->setText(hourlyText());
        showInterval();
        clearCount();
    });
}

QString CountFields::hourlyText() const
{
    return formatMask(m_counter.hourlyFigureNow(), u"##0.00#");
}

void CountFields::showFigure()
{
    const std::optional<double> monthly = m_counter.monthlyFigure();
    const RateFigures rates = monthly ? deriveRates(*monthly) : RateFigures();
    m_fields.daily->setText(monthly ? rates.ParametroDia : QString());
    m_fields.dailyMirror->setText(m_fields.daily->text());
    m_fields.hourly->setText(monthly ? hourlyText() : QString());
    m_fields.yearly->setText(monthly ? rates.Label8 : QString());
    showInterval();
}

// The pattern in use changes the figure of the hour and the pace.
void CountFields::showHourly()
{
    if (m_counter.hasFigure())
        m_fields.hourly->setText(hourlyText());
    showInterval();
}

void CountFields::showInterval()
{
    const std::optional<double> pace = m_counter.paceNow();
    m_fields.interval->setText(pace ? intervalSentence(*pace) : QString());
}

void CountFields::showRecount()
{
    const RecountResult &out = *m_counter.lastRecount();
    m_fields.hourly->setText(out.Parametrohora);
    m_fields.hourShare->setText(out.PercentualDinamico);
    showInterval();
    m_fields.statusLine->setText(out.statusText);
    m_fields.count->setText(out.hojeShown);
    m_fields.countMirror->setText(out.hojeShown);
}

// No figure of a previous count stays beside the blank wheels.
void CountFields::clearCount()
{
    m_fields.count->clear();
    m_fields.countMirror->clear();
    m_fields.statusLine->clear();
}
