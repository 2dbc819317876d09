#include "core/counterchoice.h"

#include "core/numbermask.h"
#include "core/rates.h"

namespace {

const QString kEntryPrefix = QStringLiteral("entrada:");
const QString kTypedPrefix = QStringLiteral("mensal:");

} // namespace

QString CounterChoice::toSetting() const
{
    if (isEntry())
        return kEntryPrefix + entryName;
    return kTypedPrefix + QString::number(monthly.value_or(0));
}

std::optional<CounterChoice> CounterChoice::fromSetting(const QString &text)
{
    if (text.startsWith(kEntryPrefix)) {
        const QString name = text.mid(kEntryPrefix.size());
        if (name.isEmpty())
            return std::nullopt;
        return entry(name);
    }
    if (text.startsWith(kTypedPrefix)) {
        const QString figure = text.mid(kTypedPrefix.size());
        if (!isDigitsOnly(figure))
            return std::nullopt;
        if (const std::optional<int> monthly = wholeMonthlyFigure(figure))
            return typed(*monthly);
    }
    return std::nullopt;
}
