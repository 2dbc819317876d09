#include "core/counttext.h"

#include "core/numbermask.h"

CountTextParts countTextParts(double count, const QLocale &locale)
{
    const QString text = formatMask(count, u"0.0000", locale);
    const qsizetype point = text.lastIndexOf(locale.decimalPoint());
    CountTextParts parts{point < 0 ? text : text.left(point),
                         point < 0 ? QString() : text.mid(point)};
    for (qsizetype at = parts.whole.size() - 3; at > 0; at -= 3)
        parts.whole.insert(at, locale.groupSeparator());
    return parts;
}
