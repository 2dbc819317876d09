#pragma once

#include "core/countsentence.h"
#include "core/currentchoice.h"
#include "data/sourcesreader.h"

#include <QString>

#include <optional>

// What a view says of a count and where its figure comes from.
struct DescribedCount
{
    CountDescription what;
    // The source line and the rate per 100,000 inhabitants; empty when the sources file does
    // not know the entry, and for a typed figure.
    QString source;
    QString rate;
};

// The description of what is counted: the chosen entry with its source (the year and what it
// counts), or the figure typed by hand; a title given by the user stands for the what.
DescribedCount describeCount(const CurrentChoice &choice, std::optional<double> typedMonthly,
                             const SourcesTable &sources, const QString &title);
