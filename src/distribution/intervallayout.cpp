#include "distribution/intervallayout.h"

#include <algorithm>

namespace IntervalLayout {

namespace {

constexpr int kCounts[kPositions] = {1, 2, 3, 4, 6, 12};

QString hourText(int hour, const char *minutes)
{
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(QLatin1String(minutes));
}

} // namespace

int intervalCount(int position)
{
    return kCounts[std::clamp(position, 0, kPositions - 1)];
}

std::optional<int> positionForValueCount(int valueCount)
{
    switch (valueCount) {
    case 1:
        return 0;
    case 2:
        return 1;
    case 3:
        return 2;
    case 4:
        return 3;
    case 5:
    case 6:
        return 4;
    case 12:
        return 5;
    default:
        return std::nullopt;
    }
}

QString startCaption(int count, int row)
{
    return hourText(row * 24 / count, "00");
}

QString endCaption(int count, int row)
{
    return hourText((row + 1) * 24 / count - 1, "59");
}

} // namespace IntervalLayout
