#pragma once

#include "core/counter.h"
#include "data/distributionfile.h"

#include <QList>
#include <QString>

#include <optional>

class DistributionModel;

// The hourly pattern stored under a name, read from the pattern file's rows as numbers,
// without going through the editor: the first row whose name equals `name` exactly (case,
// accents and spaces count). Its shares are those the editor's percentage captions would show
// for it (each rounded to hundredths). A pattern the editor's check refuses gives none: a
// cell that is not digits only, a number of values that is no interval layout (0, 7 to 11, or
// 5, whose sixth cell is empty), or occurrences that add up to 0.
std::optional<HourlyPattern> patternForEntry(const QList<PatternRow> &rows, const QString &name);

// The pattern the editor holds, as its captions show it after a check that passed: its name,
// its interval count and the shares of its percentage captions (an empty caption counts as 0).
HourlyPattern patternInEditor(const DistributionModel &editor);
