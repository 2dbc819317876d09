#pragma once

#include "core/numbermask.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// The arithmetic of a pattern: the digits-only rule of its cells, the percentage of each
// interval and the editor's 12 bars.
namespace Shares {

// A cell holds a count when it is digits only (core/numbermask.h).
using ::isDigitsOnly;

// The count in a cell that isDigitsOnly.
double quantityValue(const QString &text);

// quantity / total * 100 with the mask "#0.00" (total > 0).
QString percentText(double quantity, double total, const QLocale &locale = QLocale());

// The 12 bars of the editor's chart for `count` intervals and the texts of
// Percentual(0..count-1): each bar is its two-hour band's share of the day, as the main
// window's spectrum draws it (spectrumBars); a label that holds no number counts as 0.
std::array<double, 12> bars(int count, const QStringList &percentual,
                            const QLocale &locale = QLocale());

} // namespace Shares
