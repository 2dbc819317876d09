#include "core/recount.h"

#include "core/numbermask.h"

#include <algorithm>

namespace {

double hourShare(const RecountInput &in, int hour)
{
    return hourlyFigure(in.dailyRate, in.hourly, hour);
}

// The shares are percentages rounded to hundredths, so a day's shares may add up to 99.99 %
// or 100.02 %: scaled to a whole day, the count passes every midnight without a jump in the
// month and year modes.
double dayScale(const RecountInput &in)
{
    double day = 0;
    for (int i = 0; i < 24; ++i)
        day += hourShare(in, i);
    return day > 0 ? in.dailyRate / day : 1.0;
}

} // namespace

double hourlyFigure(double dailyRate, const HourlyTable &hourly, int hour)
{
    const int h = std::clamp(hour, 0, 24);
    return dailyRate * (hourly.percentualHora[h] / hourly.hoursPerShare()) / 100.0;
}

double dailyPaceAtHour(const RecountInput &in, int hour)
{
    if (!in.useDistribution)
        return in.dailyRate;
    // todayCount adds hourShare * scale over each hour of the clock.
    return hourShare(in, std::clamp(hour, 0, 23)) * dayScale(in) * 24.0;
}

double dailyPaceNow(const RecountInput &in)
{
    return dailyPaceAtHour(in, in.now.time().hour());
}

double todayCount(const RecountInput &in)
{
    const QTime time = in.now.time();
    if (!in.useDistribution) {
        const double seconds = time.msecsSinceStartOfDay() / 1000.0;
        return in.dailyRate * (seconds / 86400.0);
    }
    const double scale = dayScale(in);

    const int hour = time.hour();
    double count = 0;
    for (int i = 0; i < hour; ++i)
        count += hourShare(in, i) * scale;
    const double intoHour = (time.msecsSinceStartOfDay() - hour * 3600000) / 1000.0;
    return count + hourShare(in, hour) * scale * intoHour / 3600.0;
}

double accumulatedCount(const RecountInput &in, double today)
{
    const QDate date = in.now.date();
    switch (in.mode) {
    case AccumulationMode::Mes:
        return today + in.dailyRate * (date.day() - 1);
    case AccumulationMode::Ano:
        return today + in.dailyRate * (date.dayOfYear() - 1);
    case AccumulationMode::Dia:
        break;
    }
    return today;
}

RecountResult recount(const RecountInput &in, const QLocale &locale)
{
    RecountResult out;
    const int hour = std::clamp(in.now.time().hour(), 0, 23);

    if (in.useDistribution) {
        out.Parametrohora = formatMask(hourShare(in, hour), u"##0.00#", locale);
        out.PercentualDinamico =
            formatMask(in.hourly.percentualHora[hour], u"##0.0#", locale) + u'%';
    } else {
        out.Parametrohora = formatMask(in.dailyRate / 24.0, u"##0.00#", locale);
        out.PercentualDinamico = QStringLiteral("Indef");
        out.clearChart = true;
    }

    out.today = todayCount(in);
    out.statusText =
        QStringLiteral("  Ocorrências até o momento : ") + formatPanelNumber(float(out.today));
    // A negative rate cannot come from the program's own inputs; show it as nothing counted.
    out.count = std::max(0.0, accumulatedCount(in, out.today));
    out.shown = roundTo15Digits(out.count);
    if (out.count > kCapacity) {
        out.overCapacity = true;
        return out;
    }

    const double shown = out.shown;
    out.hojeMasked = formatMask(shown, u"00000.0000", locale);
    int next = 0;
    for (QChar c : std::as_const(out.hojeMasked)) {
        if (c.isDigit() && next < 9)
            out.digits[next++] = float(c.digitValue());
    }
    out.hojeShown = formatMask(shown, u"####0.0000", locale);
    return out;
}
