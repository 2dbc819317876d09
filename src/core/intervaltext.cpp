#include "core/intervaltext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString decimals(double value, int places, const QLocale &locale)
{
    QString text = locale.toString(value, 'f', places);
    // "2,0 s" reads as a measurement of a tenth; "2 s" is what is meant.
    const QString zeros = QString(locale.decimalPoint()) + QString(places, u'0');
    if (text.endsWith(zeros))
        text.chop(zeros.size());
    return text;
}

QString whole(double value, const QLocale &locale)
{
    return locale.toString(value, 'f', 0);
}

// "3 h 10 min", or "3 h" when the smaller part is 0.
QString twoUnits(double big, const QString &bigUnit, double small, const QString &smallUnit,
                 const QLocale &locale)
{
    QString text = whole(big, locale) + bigUnit;
    if (small > 0)
        text += u' ' + whole(small, locale) + smallUnit;
    return text;
}

} // namespace

QString formatDuration(double seconds, const QLocale &locale)
{
    if (!(seconds > 0)) // also a NaN
        return QStringLiteral("0 s");
    // A rate near 0 gives a span no one can picture; past a million days say just that.
    constexpr double kLongest = 1e6 * 86400.0;
    if (seconds >= kLongest)
        return QStringLiteral("mais de ") + whole(kLongest / 86400.0, locale) +
               QStringLiteral(" dias");
    // Each step rounds to its own resolution first, so that 59.6 s is "1 min", not "60 s".
    const double hundredths = std::round(seconds * 100.0);
    if (hundredths < 1.0)
        return QStringLiteral("menos de ") + decimals(0.01, 2, locale) + QStringLiteral(" s");
    if (hundredths < 100.0)
        return decimals(hundredths / 100.0, 2, locale) + QStringLiteral(" s");
    const double tenths = std::round(seconds * 10.0);
    if (tenths < 100.0)
        return decimals(tenths / 10.0, 1, locale) + QStringLiteral(" s");
    const double secs = std::round(seconds);
    if (secs < 60.0)
        return whole(secs, locale) + QStringLiteral(" s");
    if (secs < 3600.0)
        return twoUnits(std::floor(secs / 60.0), QStringLiteral(" min"), std::fmod(secs, 60.0),
                        QStringLiteral(" s"), locale);
    const double minutes = std::round(seconds / 60.0);
    if (minutes < 1440.0)
        return twoUnits(std::floor(minutes / 60.0), QStringLiteral(" h"), std::fmod(minutes, 60.0),
                        QStringLiteral(" min"), locale);
    const double hours = std::round(seconds / 3600.0);
    const double days = std::floor(hours / 24.0);
    return twoUnits(days, days == 1.0 ? QStringLiteral(" dia") : QStringLiteral(" dias"),
                    std::fmod(hours, 24.0), QStringLiteral(" h"), locale);
}

QString meanIntervalText(double perDay, const QLocale &locale)
{
    if (!(perDay > 0)) // also a NaN
        return QString();
    // An endless rate still has an interval: less than the smallest one written.
    const double seconds = std::max(86400.0 / perDay, std::numeric_limits<double>::min());
    return formatDuration(seconds, locale);
}

QString intervalSentence(double perDay, const QLocale &locale)
{
    if (!(perDay > 0))
        return QStringLiteral("nenhuma vítima prevista neste ritmo");
    return QStringLiteral("uma vítima a cada ") + meanIntervalText(perDay, locale);
}
