#pragma once

#include <QString>

#include <optional>

// The division of the day into 1, 2, 3, 4, 6 or 12 equal intervals, by slider position.
namespace IntervalLayout {

inline constexpr int kMaxRows = 12;
inline constexpr int kPositions = 6;

// Interval count of slider position 0..5 (1, 2, 3, 4, 6, 12); out-of-range positions are
// clamped to the nearest one.
int intervalCount(int position);

// Slider position for a stored pattern of valueCount values: 5 values need the 6-interval
// layout; 0 and 7 to 11 have none.
std::optional<int> positionForValueCount(int valueCount);

// "00:00"-style start and end of interval `row` of `count` equal intervals.
QString startCaption(int count, int row);
QString endCaption(int count, int row);

} // namespace IntervalLayout
