#include "distribution/hourlyexpansion.h"

#include "core/numbermask.h"

#include <cmath>

namespace {

double shareAt(const QList<double> &shares, int k)
{
    return k < shares.size() ? shares[k] : 0.0;
}

} // namespace

bool isValidIntervalCount(int n)
{
    return n == 1 || n == 2 || n == 3 || n == 4 || n == 6 || n == 12;
}

HourlyTable expandHourly(int n, const QList<double> &shares)
{
    HourlyTable table;
    if (!isValidIntervalCount(n))
        return table;
    table.intervalCount = n;

    const int bandsPerInterval = 12 / n;
    for (int b = 0; b < 12; ++b) {
        const double share = shareAt(shares, b / bandsPerInterval);
        // The single interval is spread over the day at once.
        table.percentualIntervalo[b] = n == 1 ? share / 24.0 : share;
    }
    for (int i = 0; i <= 12; ++i)
        table.percentualHora[2 * i] = table.percentualIntervalo[i];
    for (int i = 0; i <= 22; i += 2)
        table.percentualHora[i + 1] = table.percentualHora[i];
    return table;
}

std::array<double, 12> spectrumBars(int n, const QList<double> &shares)
{
    std::array<double, 12> bars{};
    if (!isValidIntervalCount(n))
        return bars;
    // Each interval's share is spread evenly over its two-hour bands.
    const int bandsPerInterval = 12 / n;
    for (int b = 0; b < 12; ++b)
        bars[b] = roundTo15Digits(shareAt(shares, b / bandsPerInterval) / bandsPerInterval);
    return bars;
}

double flatSpectrumValue(const QString &parametrohoraCaption)
{
    return readLeadingPointNumber(parametrohoraCaption);
}

QList<double> sharesFromCaptions(const QStringList &captions, int n, const QLocale &locale)
{
    QList<double> shares;
    shares.reserve(qMax(n, 0));
    for (int k = 0; k < n; ++k)
        shares.append(k < captions.size() ? readNumber(captions[k], locale).value_or(0.0) : 0.0);
    return shares;
}
