#include "core/countsentence.h"

#include <cmath>

namespace {

// Month names are Portuguese whatever the user's locale: every text of the program is.
const QLocale kPortuguese(QLocale::Portuguese, QLocale::Brazil);

QString paceText(const CountDescription &what)
{
    return what.dataYear.isEmpty() ? QString() : QStringLiteral(", no ritmo de ") + what.dataYear;
}

} // namespace

QString periodText(AccumulationMode mode, const QDate &today)
{
    switch (mode) {
    case AccumulationMode::Mes:
        return QStringLiteral("neste mês, %1 de %2")
            .arg(kPortuguese.standaloneMonthName(today.month()))
            .arg(today.year());
    case AccumulationMode::Ano:
        return QStringLiteral("em %1").arg(today.year());
    case AccumulationMode::Dia:
        break;
    }
    return QStringLiteral("hoje, %1").arg(today.toString(QStringLiteral("dd/MM/yyyy")));
}

QString countSentence(const CountDescription &what, AccumulationMode mode, const QDate &today,
                      const QLocale &locale)
{
    const QString period = periodText(mode, today);
    const QString title = what.title.trimmed();
    if (!title.isEmpty())
        return title + QStringLiteral(": estimativa ") + period + paceText(what);
    if (!what.entryName.isEmpty()) {
        const QString of = what.indicator.trimmed().isEmpty()
                               ? QString()
                               : QStringLiteral("de ") + what.indicator.trimmed() + u' ';
        const QString place = what.place.trimmed();
        const bool placeOpens = !of.isEmpty() && !place.isEmpty() && place.front().isUpper();
        return (placeOpens ? place : what.entryName) + QStringLiteral(": estimativa ") + of +
               period + paceText(what);
    }
    if (what.typedMonthly && std::isfinite(*what.typedMonthly)) {
        return QStringLiteral("Estimativa a partir de %1 ocorrências por mês, %2")
            .arg(locale.toString(std::llround(*what.typedMonthly)), period);
    }
    return QStringLiteral("Nenhum número escolhido");
}
