// Soak of the count: the recount driven by a stepping clock through 400 days at minute steps,
// in every accumulation mode, without a distribution and with patterns of 1, 4 and 12
// intervals (and two patterns as the editor's rounded percentages give them), across month
// ends, two New Years and the leap day 2028-02-29.
//
// At every step the count is checked against a closed form computed here in long double
// from the pattern's own shares (not from the hourly table), and:
//   - it never falls within a day;
//   - in month and year modes it passes midnight without a jump: the value at 00:00 is the
//     value at 23:59:59.999 (plus what that last millisecond adds), and never below it;
//   - it restarts at 0 at every midnight of the day mode, on the 1st of a month in month
//     mode and on 1 January in year mode.
// It prints the largest difference from the closed form per run and exits non-zero on any
// broken rule. The count is worked out in double precision: it agrees with the closed form
// to about eleven significant digits.
//
// Run: ./bench_soak [days] [step-seconds]      (defaults: 400 days, 60 s)

#include "core/clock.h"
#include "core/recount.h"
#include "distribution/hourlyexpansion.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The injected clock: the recount reads the present time only through it.
class SteppingClock final : public Clock
{
public:
    explicit SteppingClock(QDateTime start) : m_now(std::move(start)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &at) { m_now = at; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};

struct Pattern
{
    const char *name;
    int n; // 0: no distribution
    std::vector<long double> shares;
};

const Pattern kPatterns[] = {
    {"sem distribuição", 0, {}},
    {"1 intervalo", 1, {100}},
    {"4 intervalos", 4, {10, 25, 40, 25}},
    {"12 intervalos", 12, {2, 1, 1, 2, 5, 8, 10, 12, 14, 16, 15, 14}},
    // What the main window really expands: the editor's captions, rounded to two decimals.
    // Equal quantities in 6 intervals show 16.67 % each (100.02 % in all), in 3 intervals
    // 33.33 % each (99.99 %).
    {"6 iguais (16,67%)", 6, {16.67L, 16.67L, 16.67L, 16.67L, 16.67L, 16.67L}},
    {"3 iguais (33,33%)", 3, {33.33L, 33.33L, 33.33L}},
};

const double kRates[] = {31.23, 250.0}; // 250 a day: the year mode ends near capacity

const char *modeName(AccumulationMode mode)
{
    switch (mode) {
    case AccumulationMode::Dia:
        return "dia";
    case AccumulationMode::Mes:
        return "mes";
    case AccumulationMode::Ano:
        return "ano";
    }
    return "?";
}

// The calendar, done here by hand so that the check does not lean on what it checks.
bool isLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int dayOfYear(int y, int m, int d)
{
    static const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return before[m - 1] + d + (m > 2 && isLeap(y) ? 1 : 0);
}

// Occurrences of hour i of the day under the pattern, in long double. The shares are scaled
// to add up to 100 %, so that a whole day counts the daily rate exactly.
long double hourShare(const Pattern &p, long double rate, int hour)
{
    const int hoursPerInterval = 24 / p.n;
    long double total = 0;
    for (long double share : p.shares)
        total += share;
    return rate * p.shares[std::size_t(hour / hoursPerInterval)] / total /
           static_cast<long double>(hoursPerInterval);
}

long double closedForm(const Pattern &p, AccumulationMode mode, long double rate,
                       const QDateTime &at)
{
    const QDate date = at.date();
    const long double seconds = at.time().msecsSinceStartOfDay() / 1000.0L;
    long double today = 0;
    if (p.n == 0) {
        today = rate * seconds / 86400.0L;
    } else {
        const int hour = int(seconds / 3600.0L);
        for (int i = 0; i < hour; ++i)
            today += hourShare(p, rate, i);
        today += hourShare(p, rate, hour) * (seconds - 3600.0L * hour) / 3600.0L;
    }
    switch (mode) {
    case AccumulationMode::Dia:
        return today;
    case AccumulationMode::Mes:
        return today + rate * (date.day() - 1);
    case AccumulationMode::Ano:
        return today + rate * (dayOfYear(date.year(), date.month(), date.day()) - 1);
    }
    return today;
}

struct RunResult
{
    long long steps = 0;
    long long broken = 0;
    long double maxAbs = 0;
    long double maxRel = 0;
    long double maxMidnightFall = 0; // largest fall from 23:59:59.999 to 00:00, if any
    QDateTime maxAbsAt;
    double maxAbsCount = 0;
};

void report(RunResult &r, const char *rule, const QDateTime &at, double a, double b)
{
    if (r.broken < 5) {
        std::printf("    BROKEN %s at %s: %.9g vs %.9g\n", rule,
                    qPrintable(at.toString(Qt::ISODateWithMs)), a, b);
    }
    ++r.broken;
}

RunResult soak(const Pattern &p, AccumulationMode mode, double rate, QDate start, int days,
               int stepSeconds)
{
    RunResult r;
    RecountInput in;
    in.dailyRate = rate;
    in.mode = mode;
    in.useDistribution = p.n > 0;
    if (p.n > 0) {
        QList<double> shares;
        for (long double s : p.shares)
            shares << double(s);
        in.hourly = expandHourly(p.n, shares);
    }
    const QLocale locale = QLocale::c();
    // A double's resolution at the count's size, with room for the sums of 24 hours.
    const auto tolerance = [](long double exact) {
        return 1e-11L * std::max(1.0L, std::fabs(exact));
    };

    SteppingClock clock(QDateTime(start, QTime(0, 0), Qt::UTC));
    double lastOfDay = 0; // the count at 23:59:59.999 of the previous day
    bool haveLastOfDay = false;
    for (int day = 0; day < days; ++day) {
        const QDate date = clock.now().date();
        double previous = -1;
        for (int s = 0; s < 86400; s += stepSeconds) {
            clock.set(QDateTime(date, QTime(0, 0).addSecs(s), Qt::UTC));
            in.now = clock.now();
            const RecountResult result = recount(in, locale);
            ++r.steps;
            if (result.overCapacity) {
                report(r, "capacity", in.now, result.count, kCapacity);
                continue;
            }
            const double count = result.count;
            const long double exact = closedForm(p, mode, rate, in.now);
            const long double diff = std::fabs(static_cast<long double>(count) - exact);
            if (diff > r.maxAbs) {
                r.maxAbs = diff;
                r.maxAbsAt = in.now;
                r.maxAbsCount = count;
            }
            r.maxRel = std::max(r.maxRel, diff / std::max(1.0L, exact));
            if (diff > tolerance(exact))
                report(r, "closed form", in.now, count, double(exact));
            if (previous >= 0 && count < previous)
                report(r, "falls within the day", in.now, count, previous);

            if (s == 0) {
                const bool restarts =
                    mode == AccumulationMode::Dia ||
                    (mode == AccumulationMode::Mes && date.day() == 1) ||
                    (mode == AccumulationMode::Ano && date.day() == 1 && date.month() == 1);
                if (restarts && count != 0.0)
                    report(r, "restart at 0", in.now, count, 0);
                if (!restarts && haveLastOfDay) {
                    // What the last millisecond of the day adds.
                    const long double lastMs =
                        p.n == 0 ? rate / 86400000.0L : hourShare(p, rate, 23) / 3600000.0L;
                    const long double jump = static_cast<long double>(count) - lastOfDay;
                    // A day of hourly shares may total a rounding step more than R, which
                    // the next midnight's R x D takes back.
                    r.maxMidnightFall = std::max(r.maxMidnightFall, -jump);
                    if (jump < -tolerance(exact))
                        report(r, "falls at midnight", in.now, count, lastOfDay);
                    if (jump > lastMs + tolerance(exact))
                        report(r, "jumps at midnight", in.now, count, lastOfDay);
                }
            }
            previous = count;
        }
        // The last instant of the day, to compare with the next midnight.
        clock.set(QDateTime(date, QTime(23, 59, 59, 999), Qt::UTC));
        in.now = clock.now();
        const RecountResult last = recount(in, locale);
        ++r.steps;
        const long double exact = closedForm(p, mode, rate, in.now);
        if (std::fabs(static_cast<long double>(last.count) - exact) > tolerance(exact))
            report(r, "closed form at 23:59:59.999", in.now, last.count, double(exact));
        if (last.count < previous)
            report(r, "falls within the day", in.now, last.count, previous);
        lastOfDay = last.count;
        haveLastOfDay = true;
        clock.advanceMs(1); // to the next midnight
    }
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    const int days = argc > 1 ? std::atoi(argv[1]) : 400;
    const int step = argc > 2 ? std::atoi(argv[2]) : 60;
    if (days <= 0 || step <= 0 || 86400 % step != 0) {
        std::fprintf(stderr, "usage: bench_soak [days] [step-seconds dividing 86400]\n");
        return 2;
    }
    // Through the end of 2027, the leap day of 2028 and into 2029.
    const QDate start(2027, 12, 1);
    std::printf("Soak: %d days from %s (to %s), step %d s\n", days,
                qPrintable(start.toString(Qt::ISODate)),
                qPrintable(start.addDays(days - 1).toString(Qt::ISODate)), step);

    QElapsedTimer timer;
    timer.start();
    long long steps = 0;
    long long broken = 0;
    long double worstAbs = 0;
    long double worstRel = 0;
    long double worstFall = 0;
    for (double rate : kRates) {
        for (const Pattern &p : kPatterns) {
            for (AccumulationMode mode :
                 {AccumulationMode::Dia, AccumulationMode::Mes, AccumulationMode::Ano}) {
                RunResult r = soak(p, mode, rate, start, days, step);
                std::printf("  R=%-6g %-17s %s: %lld steps, max |diff| %.3Le (count %.4f at "
                            "%s), max rel %.3Le, midnight fall %.2Le, broken %lld\n",
                            rate, p.name, modeName(mode), r.steps, r.maxAbs, double(r.maxAbsCount),
                            qPrintable(r.maxAbsAt.toString(Qt::ISODate)), r.maxRel,
                            r.maxMidnightFall, r.broken);
                steps += r.steps;
                broken += r.broken;
                worstAbs = std::max(worstAbs, r.maxAbs);
                worstRel = std::max(worstRel, r.maxRel);
                worstFall = std::max(worstFall, r.maxMidnightFall);
            }
        }
    }
    const double seconds = timer.elapsed() / 1000.0;
    std::printf("%lld recounts in %.1f s (%.2f us each); largest difference %.3Le absolute, "
                "%.3Le relative; largest fall at a midnight %.2Le; %lld broken rules\n",
                steps, seconds, seconds * 1e6 / double(steps), worstAbs, worstRel, worstFall,
                broken);
    return broken == 0 ? 0 : 1;
}
