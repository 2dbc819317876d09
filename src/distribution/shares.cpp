#include "distribution/shares.h"

#include "core/numbermask.h"

#include <cmath>

namespace Shares {

namespace {

double labelValue(const QStringList &percentual, int i, const QLocale &locale)
{
    return readNumber(percentual.value(i), locale).value_or(0.0);
}

int wholePart(double value)
{
    const double floored = std::floor(roundTo15Digits(value));
    if (!std::isfinite(floored) || floored < -2e9 || floored > 2e9)
        return 0;
    return int(floored);
}

} // namespace

bool isDigitsOnly(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

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
    std::array<int, 12> values{};
    if (count < 1 || count > 12 || 12 % count != 0)
        return values;
    const int step = 12 / count;
    for (int i = 0; i < count; ++i)
        values[i * step] = wholePart(labelValue(percentual, i, locale));
    if (count == 1)
        values.fill(wholePart(labelValue(percentual, 0, locale) / 24.0));
    if (count == 2) {
        for (int bar = 0; bar < 12; ++bar)
            values[bar] = wholePart(labelValue(percentual, bar / 6, locale) / 12.0);
    }
    return values;
}

} // namespace Shares
