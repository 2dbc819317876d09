#pragma once

// What both pattern-file harnesses ask of a pattern loaded by the editor: counted through a
// whole day, its count is never negative, never not a number and never falls.

#include "core/recount.h"
#include "distribution/distributionmodel.h"
#include "distribution/hourlyexpansion.h"

#include <cmath>

// Empty when the count holds, else what went wrong. Checked every stepMinutes.
inline const char *dayCountFault(const DistributionModel &model, int stepMinutes)
{
    const int n = model.intervalCount();
    QStringList captions;
    for (int i = 0; i < n; ++i)
        captions << model.Percentual(i);
    RecountInput in;
    in.dailyRate = 31.23;
    in.useDistribution = true;
    in.hourly = expandHourly(n, sharesFromCaptions(captions, n));
    float previous = 0;
    for (int minute = 0; minute < 24 * 60; minute += stepMinutes) {
        in.now = QDateTime(QDate(2028, 2, 29), QTime(minute / 60, minute % 60, 30));
        const float today = todayCount(in);
        if (!std::isfinite(today) || today < 0)
            return "a pattern from the file gives a count that is negative or not a number";
        if (today < previous)
            return "a pattern from the file makes the count fall within a day";
        previous = today;
    }
    return nullptr;
}
