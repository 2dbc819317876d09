#include "distribution/intervallayout.h"

#include <algorithm>
#include <array>

namespace IntervalLayout {

namespace {

constexpr int kCounts[kPositions] = {1, 2, 3, 4, 6, 12};

// The captions are few and asked for at every pattern loaded: made once, then shared.
QString hourText(int hour, bool start)
{
    static const auto captions = [] {
        std::array<std::array<QString, 2>, 24> texts;
        for (int h = 0; h < 24; ++h) {
            const QString hh = QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
            texts[h] = {hh + QStringLiteral(":00"), hh + QStringLiteral(":59")};
        }
        return texts;
    }();
    return captions[std::clamp(hour, 0, 23)][start ? 0 : 1];
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
    return hourText(row * 24 / count, true);
}

QString endCaption(int count, int row)
{
    return hourText((row + 1) * 24 / count - 1, false);
}

} // namespace IntervalLayout
