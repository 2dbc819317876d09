#pragma once

#include "core/counterstate.h"
#include "core/currentchoice.h"
#include "core/pacelines.h"
#include "core/recount.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Clock;
class QTimer;

// An hourly distribution pattern as the count uses it: its name, the shares of its intervals
// (percent, in interval order) and their 24-hour expansion.
struct HourlyPattern
{
    QString name;
    QList<double> shares;
    HourlyTable table;

    int intervalCount() const { return table.intervalCount; }
};

// One counter: the monthly figure and the rates derived from it, the accumulation mode, what
// is counted (an entry of a list or a typed figure), the hourly pattern in use, the run state,
// the cadence of the count on the injected clock and the count itself, all as numbers. The
// main window, the presentation view and each counter of a comparison are views of one: they
// show its signals and send it the user's commands. Several counters can run on one clock.
//
// The cadence: a 200 ms tick turns the fastest wheel; every tenth tick the count is worked out
// afresh from the clock (recount()), so it never drifts from the time of day. After the first
// recount a 25 ms frame tick paces the odometer's wheels until the count is paused.
class Counter : public QObject
{
    Q_OBJECT

public:
    enum class RunState { Stopped, Running, Paused, OverCapacity };
    Q_ENUM(RunState)

    explicit Counter(Clock &clock, QObject *parent = nullptr);
    ~Counter() override;
    Q_DISABLE_COPY_MOVE(Counter)

    // ---- What is counted ----------------------------------------------------------------
    // A figure typed by hand, or none (an emptied field): it belongs to no entry. Any change
    // stops the count and resets it; without a figure nothing can be counted or shown.
    void setTypedFigure(std::optional<double> monthly);
    // An entry chosen from a list with its monthly figure and its own pattern, if it has one
    // (then counted with at once). The count is reset.
    void chooseEntry(const CurrentChoice &entry, double monthly,
                     std::optional<HourlyPattern> pattern = std::nullopt);
    const CurrentChoice &choice() const { return m_choice; }
    bool hasFigure() const { return m_monthly.has_value(); }
    std::optional<double> monthlyFigure() const { return m_monthly; }

    // ---- Rates (30 days a month, 365 a year, 24 hours a day); 0 without a figure ----------
    // The daily rate, truncated to hundredths: the rate the count runs at.
    double dailyRate() const;
    // The average of an hour: the daily rate / 24.
    double hourlyAverage() const;
    // The figure of the present hour: with a pattern in use, the hour's share of the day;
    // otherwise the hourly average.
    double hourlyFigureNow() const;
    // The share (percent) of the present hour's interval; none without a pattern in use.
    std::optional<double> hourShareNow() const;
    // The monthly figure over a year of 365 days.
    double yearlyFigure() const;
    // The pace of the count in the present hour, in occurrences a day (what "uma vítima a
    // cada …" is worked out from); none without a figure.
    std::optional<double> paceNow() const;
    // The pace as the audience reads it: the day's average, and the present hour's with the
    // pattern's name when one is counted with; nothing without a figure.
    PaceLines paceLines(const QLocale &locale) const;

    // ---- Accumulation mode ----------------------------------------------------------------
    // A new mode stops and resets the count; the chosen entry's pattern is counted with again.
    void setMode(AccumulationMode mode);
    AccumulationMode mode() const { return m_mode; }

    // ---- The hourly pattern ---------------------------------------------------------------
    // The pattern the count may use: the chosen entry's, or the one last handed over.
    const std::optional<HourlyPattern> &pattern() const { return m_pattern; }
    bool patternInUse() const { return m_patternInUse && m_pattern.has_value(); }
    // Hands a pattern over explicitly (the editor's "use as default"): it is counted with
    // from the next recount on; the count is not reset.
    void usePattern(const HourlyPattern &pattern);
    // Switches the available pattern off and on; without one it stays off.
    void setPatternInUse(bool on);
    // Whether the pattern counted with was handed over rather than found for the choice.
    bool patternHandedOver() const { return m_handedOver && patternInUse(); }
    // What a view's header names: a pattern handed over while it is counted with, otherwise
    // the chosen entry as its list shows it (nothing for a typed figure).
    QString heading() const;

    // ---- Run state ------------------------------------------------------------------------
    RunState runState() const { return m_runState; }
    bool isCounting() const { return m_runState == RunState::Running; }
    // Starts or resumes the count; a running count keeps its tick's countdown. False (and
    // nothing changes) without a figure.
    bool start();
    // Pauses a running count; the wheels rest on the last count.
    void pause();
    // Stops and forgets the count: nothing shown until the next recount.
    void reset();
    // Whether the count stops at the odometer's capacity (99.999,9999). A counter shown as
    // text only keeps counting past it.
    void setStopsAtCapacity(bool on) { m_stopsAtCapacity = on; }
    bool stopsAtCapacity() const { return m_stopsAtCapacity; }
    // Whether the 25 ms frame tick runs while counting: a counter shown as text has no wheels
    // to turn, and six of them would wake the program 240 times a second for nothing.
    void setPacesWheels(bool on) { m_pacesWheels = on; }

    // ---- The count ------------------------------------------------------------------------
    // The count of the last recount; none after a reset, without a figure, or over capacity.
    std::optional<double> count() const { return m_count; }
    // The last recount's result (texts in the default locale), if any since the reset.
    const std::optional<RecountResult> &lastRecount() const { return m_last; }
    // The digits of the last count, for the wheels (the shown-digit memory is the view's).
    const CounterState &digits() const { return m_digits; }
    // The fastest wheel's spin step of the last tick, 0 to 9.
    int wheelStep() const { return m_wheelStep; }
    // Progress toward the next victim, in thousandths of an occurrence (0 to 999).
    int nextVictimShare() const;

    // ---- The cadence, for tests and benchmarks -----------------------------------------
    // One 200 ms tick, as its timer gives it.
    void tick();
    // Works the count out now from the clock, as the tenth tick does.
    void recount();
    QTimer *tickTimer() const { return m_tickTimer; }
    QTimer *frameTimer() const { return m_frameTimer; }
    const Clock &clock() const { return m_clock; }

signals:
    // The figure, the choice or the rates changed.
    void figureChanged();
    void modeChanged(AccumulationMode mode);
    // The pattern available or whether it is in use changed.
    void patternChanged();
    // A pattern was found for the chosen entry or handed over, and is now counted with.
    void patternActivated(const QString &name);
    void runStateChanged(Counter::RunState state);
    // The count was forgotten: views show the reset look.
    void counterReset();
    // Every 200 ms tick while counting, with the fastest wheel's spin step (0 to 9).
    void wheelStepped(int step);
    // Every frame tick (25 ms) while a counted figure is shown.
    void frameDue();
    // Each recount that gives a count to show.
    void recounted(double count);
    // The whole part of the count rose since the last recount (not on the first one).
    void newVictim(double count);
    // The count passed the odometer's capacity: it was paused, and nothing is shown.
    void capacityReached();

private:
    RecountInput recountInput() const;
    void setRunState(RunState state);
    void forgetCount();

    Clock &m_clock;
    CurrentChoice m_choice;
    std::optional<double> m_monthly;
    AccumulationMode m_mode = AccumulationMode::Dia;
    // The pattern of the chosen entry, counted with again after a reset by a new mode.
    std::optional<HourlyPattern> m_entryPattern;
    std::optional<HourlyPattern> m_pattern;
    bool m_patternInUse = false;
    // m_pattern came from usePattern(), not from the chosen entry.
    bool m_handedOver = false;

    RunState m_runState = RunState::Stopped;
    bool m_stopsAtCapacity = true;
    bool m_pacesWheels = true;
    int m_ticks = 0;
    int m_wheelStep = 0;
    std::optional<double> m_count;
    std::optional<RecountResult> m_last;
    CounterState m_digits;

    QTimer *m_tickTimer = nullptr;
    QTimer *m_frameTimer = nullptr;
};
