#pragma once

#include "core/counterchoice.h"
#include "core/counterstate.h"

#include <QString>

// A comparison as the user last chose it: the counters in their order and the mode.
struct Comparison
{
    CounterChoices choices;
    AccumulationMode mode = AccumulationMode::Dia;

    friend bool operator==(const Comparison &, const Comparison &) = default;
};

// The file the last comparison is kept in: comparacao.ini in the program's folder of the
// user's configuration (~/.config/Quorvel Counter/). Named explicitly, so that no organization
// name is needed (one would also move the data folder).
QString comparisonSettingsFile();

// The comparison kept in `path`; an empty one (no choices) when there is none or the file was
// damaged. Choices that cannot be read are left out, and at most six are kept.
Comparison loadComparison(const QString &path);

// Keeps the comparison in `path`, creating its folder; false when it could not be written.
bool saveComparison(const QString &path, const Comparison &comparison);
