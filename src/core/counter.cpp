#include "core/counter.h"

#include "core/clock.h"
#include "core/odometerframe.h"
#include "core/rates.h"
#include "core/timers.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

Counter::Counter(Clock &clock, QObject *parent)
    : QObject(parent), m_clock(clock),
      m_tickTimer(namedTimer(this, QStringLiteral("tickTimer"), 200)),
      m_frameTimer(namedTimer(this, QStringLiteral("frameTimer"), 25))
{
    connect(m_tickTimer, &QTimer::timeout, this, &Counter::tick);
    connect(m_frameTimer, &QTimer::timeout, this, &Counter::frameDue);
}

Counter::~Counter() = default;

// ---- What is counted ------------------------------------------------------------------------

void Counter::setTypedFigure(std::optional<double> monthly)
{
    if (monthly && (!std::isfinite(*monthly) || *monthly < 0))
        monthly.reset();
    m_choice.forget();
    m_monthly = monthly;
    m_entryPattern.reset();
    reset();
    m_pattern.reset();
    m_handedOver = false;
    emit patternChanged();
    emit figureChanged();
}

void Counter::chooseEntry(const CurrentChoice &entry, double monthly,
                          std::optional<HourlyPattern> pattern)
{
    m_choice = entry;
    m_monthly =
        std::isfinite(monthly) && monthly >= 0 ? std::optional<double>(monthly) : std::nullopt;
    m_entryPattern = std::move(pattern);
    reset();
    m_pattern = m_entryPattern;
    m_handedOver = false;
    m_patternInUse = m_pattern.has_value();
    emit patternChanged();
    emit figureChanged();
    if (m_patternInUse)
        emit patternActivated(m_pattern->name);
}

// ---- Rates ----------------------------------------------------------------------------------

double Counter::dailyRate() const
{
    if (!m_monthly)
        return 0;
    return ::dailyRate(*m_monthly);
}

double Counter::hourlyAverage() const
{
    return dailyRate() / 24.0;
}

double Counter::hourlyFigureNow() const
{
    if (!patternInUse())
        return hourlyAverage();
    const int hour = std::clamp(m_clock.now().time().hour(), 0, 23);
    return hourlyFigure(dailyRate(), m_pattern->table, hour);
}

std::optional<double> Counter::hourShareNow() const
{
    if (!patternInUse())
        return std::nullopt;
    const int hour = std::clamp(m_clock.now().time().hour(), 0, 23);
    return m_pattern->table.percentualHora[hour];
}

double Counter::yearlyFigure() const
{
    return m_monthly ? *m_monthly / 30.0 * 100.0 / 100.0 * 365.0 : 0;
}

std::optional<double> Counter::paceNow() const
{
    if (!m_monthly)
        return std::nullopt;
    return dailyPaceNow(recountInput());
}

PaceLines Counter::paceLines(const QLocale &locale) const
{
    if (!m_monthly)
        return {};
    return ::paceLines(recountInput(), m_pattern ? m_pattern->name : QString(), locale);
}

// ---- Mode and pattern -----------------------------------------------------------------------

void Counter::setMode(AccumulationMode mode)
{
    const bool changed = mode != m_mode;
    m_mode = mode;
    reset();
    // The reset greys the pattern out; the chosen entry's own pattern comes back with the mode,
    // a pattern handed over for a typed figure does not.
    m_pattern = m_entryPattern;
    m_handedOver = false;
    m_patternInUse = m_pattern.has_value();
    emit patternChanged();
    if (changed)
        emit modeChanged(mode);
    if (m_patternInUse)
        emit patternActivated(m_pattern->name);
}

void Counter::usePattern(const HourlyPattern &pattern)
{
    m_pattern = pattern;
    m_handedOver = true;
    m_patternInUse = true;
    emit patternChanged();
    emit patternActivated(pattern.name);
}

void Counter::setPatternInUse(bool on)
{
    on = on && m_pattern.has_value();
    if (on == m_patternInUse)
        return;
    m_patternInUse = on;
    emit patternChanged();
}

QString Counter::heading() const
{
    return patternHandedOver() ? m_pattern->name : m_choice.caption();
}

// ---- Run state ------------------------------------------------------------------------------

void Counter::setRunState(RunState state)
{
    if (state == m_runState)
        return;
    m_runState = state;
    emit runStateChanged(state);
}

bool Counter::start()
{
    if (!m_monthly)
        return false;
    // Pressed while counting, the tick keeps its countdown.
    enable(m_tickTimer);
    setRunState(RunState::Running);
    return true;
}

void Counter::pause()
{
    if (m_runState != RunState::Running)
        return;
    m_tickTimer->stop();
    m_frameTimer->stop();
    setRunState(RunState::Paused);
}

void Counter::forgetCount()
{
    m_count.reset();
    m_last.reset();
    const HourlyTable keep = m_digits.hourly;
    m_digits = CounterState();
    m_digits.hourly = keep;
    m_digits.forgetShownDigits();
}

void Counter::reset()
{
    m_tickTimer->stop();
    m_frameTimer->stop();
    m_ticks = 0;
    m_wheelStep = 0;
    forgetCount();
    // A reset greys the pattern out: it is counted with again only when found or handed over.
    const bool wasInUse = patternInUse();
    m_patternInUse = false;
    setRunState(RunState::Stopped);
    if (wasInUse)
        emit patternChanged();
    emit counterReset();
}

// ---- The count ------------------------------------------------------------------------------

int Counter::nextVictimShare() const
{
    return OdometerFrame::progress(m_digits);
}

void Counter::tick()
{
    ++m_wheelStep;
    ++m_ticks;
    if (m_wheelStep == 10)
        m_wheelStep = 0;
    emit wheelStepped(m_wheelStep);
    if (m_ticks < 10)
        return;
    recount();
}

RecountInput Counter::recountInput() const
{
    RecountInput in;
    in.dailyRate = dailyRate();
    in.mode = m_mode;
    in.useDistribution = patternInUse();
    if (m_pattern)
        in.hourly = m_pattern->table;
    in.now = m_clock.now();
    return in;
}

void Counter::recount()
{
    m_ticks = 0;
    if (!m_monthly)
        return;
    const RecountResult out = ::recount(recountInput());
    if (out.overCapacity && m_stopsAtCapacity) {
        // One overflow pauses once and leaves nothing to show.
        m_tickTimer->stop();
        m_frameTimer->stop();
        forgetCount();
        setRunState(RunState::OverCapacity);
        emit capacityReached();
        return;
    }
    if (m_pacesWheels)
        enable(m_frameTimer);

    const std::optional<double> before = m_count;
    m_last = out;
    m_count = out.shown;
    if (!out.overCapacity)
        m_digits.setDigits(out.digits);
    emit recounted(*m_count);
    if (before && std::floor(*m_count) > std::floor(*before))
        emit newVictim(*m_count);
}
