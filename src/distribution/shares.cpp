#include "distribution/shares.h"

#include "core/numbermask.h"
#include "distribution/hourlyexpansion.h"

#include <cmath>

namespace Shares {

namespace {

int wholePart(double value)
{
    const double floored = std::floor(roundTo15Digits(value));
    if (!std::isfinite(floored) || floored < -2e9 || floored > 2e9)
        return 0;
    return int(floored);
}

} // namespace

double quantityValue(const QString &text)
{
    return QLocale::c().toDouble(text);
}

QString percentText(double quantity, double total, const QLocale &locale)
{
    return formatMask(quantity / total * 100.0, u"#0.00", locale);
}

std::array<int, 12> bars(int count, const QStringList &percentual, const QLocale &locale)
{
    // The editor's chart follows the main window's spectrum rule.
    const std::array<double, 12> spectrum =
        spectrumBars(count, sharesFromCaptions(percentual, count, locale));
    std::array<int, 12> values{};
    for (int i = 0; i < 12; ++i)
        values[i] = wholePart(spectrum[i]);
    return values;
}

} // namespace Shares
