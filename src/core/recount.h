#pragma once

#include "core/counterstate.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>

// Counts above this do not fit the odometer's five integer wheels.
inline constexpr double kCapacity = 99999.0;

inline const QString kCapacityMessage = QStringLiteral(
    "Capacidade acumulada excede o máximo previsto para o processamento (99.999,9999) - "
    "tente com um período acumulado menor");

struct RecountInput
{
    double dailyRate = 0; // R, the number in the daily field
    AccumulationMode mode = AccumulationMode::Dia;
    bool useDistribution = false; // "Usar a distribuição ativada" chosen
    HourlyTable hourly;
    QDateTime now;
};

// Occurrences expected in one hour of the day (0..24) by the hourly table: the day's rate
// times the share of the hour's interval, spread over the interval's hours.
double hourlyFigure(double dailyRate, const HourlyTable &hourly, int hour);

// Occurrences so far today: by the clock alone, or weighted by the hourly table (every hour
// before the current one in full, the current one in proportion to the seconds elapsed).
double todayCount(const RecountInput &in);

// The pace of the count in the given hour (0 to 23), as occurrences per day: the rate at
// which the odometer rises in that hour, times 24 hours. Without a distribution it is the
// daily rate at every hour; with one, the hour's share of the day (an hour with no share
// gives 0). This is the rate for "uma vítima a cada ..." (core/intervaltext.h).
double dailyPaceAtHour(const RecountInput &in, int hour);

// The pace in the hour of in.now.
double dailyPaceNow(const RecountInput &in);

// Today's count plus the whole days already past in the month or the year.
double accumulatedCount(const RecountInput &in, double today);

// What one recount shows. When the count is over capacity only the hourly figures and the
// status text are meant to change.
struct RecountResult
{
    double today = 0;
    double count = 0;
    // The count at 15 significant digits, free of binary noise: the figure every view shows.
    double shown = 0;
    bool overCapacity = false;
    QString statusText;         // panel 2 of the status bar
    QString Parametrohora;      // hourly figure, "##0.00#"
    QString PercentualDinamico; // share of the current interval, or "Indef"
    bool clearChart = false;    // no distribution in use: the spectrum is cleared
    QString hojeMasked;         // "00000.0000": the digits come from it
    QString hojeShown;          // "####0.0000": what the count field keeps
    // Ten-thousands, thousands, hundreds, tens, units, then the four decimals.
    std::array<float, 9> digits{};
};

RecountResult recount(const RecountInput &in, const QLocale &locale = QLocale());
