#pragma once

#include "core/counterstate.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// Whether n is an interval count the editor can set: 1, 2, 3, 4, 6 or 12.
bool isValidIntervalCount(int n);

// The 24-hour expansion of a pattern of n equal intervals with shares P(0..n-1) in percent.
// Each two-hour band holds the share of the interval that contains it
// (for n = 1 the share divided by 24, already a share per hour); each hour holds its band's
// value; the last band and the last hour stay 0. The interval count is stored with the
// table. Missing shares count as 0; an impossible n gives an all-zero table for n = 1.
HourlyTable expandHourly(int n, const QList<double> &shares);

// The 12 bars of the risk spectrum, one per two-hour band: the band's share of the day, its
// interval's share spread evenly over the interval's bands (P * n / 12), so that the bars add
// up to the shares' total (100 %) and no band of an interval with a share is empty. Missing
// shares count as 0. The editor's chart uses it too.
std::array<double, 12> spectrumBars(int n, const QList<double> &shares);

// Every bar of the flat spectrum: the number the hourly-average caption begins with, read
// with the point as the only decimal separator ("1,25" gives 1, "1.25" gives 1.25).
double flatSpectrumValue(const QString &parametrohoraCaption);

// The shares P(0..n-1) from the percentage captions, read in the locale's number form.
// A caption that is empty or holds no number counts as 0 (the editor's cells may have been
// emptied just before a pattern is handed over); captions beyond the list count as 0 too.
QList<double> sharesFromCaptions(const QStringList &captions, int n,
                                 const QLocale &locale = QLocale());
