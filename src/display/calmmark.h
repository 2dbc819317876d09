#pragma once

#include <QColor>

// The calm mark of a new victim under reduced motion, in every view of a count: a colour
// change of a caption for two seconds instead of an animation.
inline const QColor kCalmVictimMark(26, 95, 180);
inline constexpr int kCalmVictimMarkMs = 2000;
