#include "core/rates.h"

#include "core/numbermask.h"

#include <algorithm>
#include <cmath>

std::optional<int> wholeMonthlyFigure(QStringView text)
{
    const QStringView digits = text.trimmed();
    if (!isDigitsOnly(digits))
        return std::nullopt;
    // Leading zeros do not count against the length; anything longer than the limit's
    // digits is too large without being read.
    QStringView significant = digits;
    while (significant.size() > 1 && significant.front() == u'0')
        significant = significant.mid(1);
    if (significant.size() > 7)
        return std::nullopt;
    const int figure = significant.toInt();
    if (figure > kMaxMonthlyFigure)
        return std::nullopt;
    return figure;
}

std::optional<double> decimalMonthlyFigure(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const qsizetype separator = std::max(trimmed.indexOf(u','), trimmed.indexOf(u'.'));
    const QStringView whole = separator < 0 ? trimmed : trimmed.left(separator);
    const QStringView decimals = separator < 0 ? QStringView() : trimmed.mid(separator + 1);
    if (!wholeMonthlyFigure(whole) || whole.size() != whole.trimmed().size())
        return std::nullopt;
    if (separator >= 0 && (decimals.isEmpty() || decimals.size() > 2 || !isDigitsOnly(decimals)))
        return std::nullopt;
    // The C reading of the same digits: the double nearest to what is written.
    const QString plain =
        decimals.isEmpty() ? whole.toString() : whole.toString() + u'.' + decimals.toString();
    const double figure = QLocale::c().toDouble(plain);
    if (figure > kMaxMonthlyFigure)
        return std::nullopt;
    return figure;
}

QString monthlyFigureText(double monthly)
{
    QLocale brazilian(QLocale::Portuguese, QLocale::Brazil);
    brazilian.setNumberOptions(QLocale::OmitGroupSeparator);
    return brazilian.toString(monthly, 'f', QLocale::FloatingPointShortest);
}

double dailyRate(double monthly)
{
    // Truncation on the decimal value: 57 / 30 is 1.90, though 1.9 * 100 is 189.999... in binary.
    const double hundredths = std::trunc(roundTo15Digits(monthly / 30.0 * 100.0));
    return hundredths / 100.0;
}

RateFigures deriveRates(double monthly, const QLocale &locale)
{
    RateFigures figures;
    figures.daily = dailyRate(monthly);
    figures.ParametroDia = formatMask(figures.daily, u"###0.00", locale);
    figures.Parametrohora = formatMask(figures.daily / 24.0, u"##0.00#", locale);
    figures.Label8 = formatMask(monthly / 30.0 * 100.0 / 100.0 * 365.0, u"###0.0", locale);
    return figures;
}
