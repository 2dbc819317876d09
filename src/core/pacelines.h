#pragma once

#include "core/recount.h"

#include <QLocale>
#include <QString>

// What the audience is told of the pace: the day's average first, since that is what the
// published figure says; then, only when an hourly pattern weights the count, the present
// hour's pace with the pattern's name, so that no one takes a pattern's hour for the figure.
struct PaceLines
{
    // "uma vítima a cada 1 h 26 min, em média"; empty without a figure.
    QString average;
    // "nesta hora, uma a cada 2 h 23 min, pelo padrão horário «Bahia»"; empty without a
    // pattern in use.
    QString hour;
};

// The lines for a count at `in.dailyRate` a day, weighted by `in.hourly` at the hour of
// `in.now` when `in.useDistribution` is set; `patternName` names that pattern.
PaceLines paceLines(const RecountInput &in, const QString &patternName,
                    const QLocale &locale = QLocale());
