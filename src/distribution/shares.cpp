#include "distribution/shares.h"

#include "core/numbermask.h"
#include "distribution/hourlyexpansion.h"

#include <cmath>

namespace Shares {

double quantityValue(const QString &text)
{
    return QLocale::c().toDouble(text);
}

QString percentText(double quantity, double total, const QLocale &locale)
{
    return formatMask(quantity / total * 100.0, u"#0.00", locale);
}

std::array<double, 12> bars(int count, const QStringList &percentual, const QLocale &locale)
{
    // The editor's chart follows the main window's spectrum rule.
    return spectrumBars(count, sharesFromCaptions(percentual, count, locale));
}

} // namespace Shares
