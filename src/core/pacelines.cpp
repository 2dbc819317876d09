#include "core/pacelines.h"

#include "core/intervaltext.h"

PaceLines paceLines(const RecountInput &in, const QString &patternName, const QLocale &locale)
{
    PaceLines lines;
    lines.average = intervalSentence(in.dailyRate, locale);
    if (in.dailyRate > 0)
        lines.average += QStringLiteral(", em média");
    if (!in.useDistribution)
        return lines;
    const QString interval = meanIntervalText(dailyPaceAtHour(in, in.now.time().hour()), locale);
    lines.hour = QStringLiteral("nesta hora, ") + (interval.isEmpty()
                                                       ? QStringLiteral("nenhuma prevista")
                                                       : QStringLiteral("uma a cada ") + interval);
    const QString name = patternName.trimmed();
    if (!name.isEmpty())
        lines.hour += QStringLiteral(", pelo padrão horário «") + name + QStringLiteral("»");
    return lines;
}
