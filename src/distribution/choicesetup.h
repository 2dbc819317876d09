#pragma once

#include "core/counter.h"
#include "core/counterchoice.h"
#include "core/countsentence.h"
#include "data/distributionfile.h"
#include "data/incidencereader.h"
#include "data/sourcesreader.h"

#include <QList>
#include <QString>

#include <optional>

// The data files a choice is looked up in, read once for all the counters of a comparison.
struct ChoiceFiles
{
    IncidenceReading parametros;
    IncidenceReading homicidios;
    SourcesTable sources;
    QList<PatternRow> patterns;

    // The two incidence lists, the sources and the stored patterns of a data folder.
    static ChoiceFiles read(const QString &dataDirectory);
};

// A choice looked up in the files: what its counter is given, and what views say of it.
struct PreparedChoice
{
    CurrentChoice choice;
    std::optional<double> monthly;
    // The entry's own stored pattern, counted with at once as the main window does.
    std::optional<HourlyPattern> pattern;
    CountDescription description;
    std::optional<EntrySource> source;
    // Why the choice cannot be counted ("Entrada desconhecida: NOME"); empty when it can.
    QString error;

    bool isCountable() const { return error.isEmpty() && monthly.has_value(); }
};

// Looks an entry up as the command line does (the crimes first, then the states) with the
// caption its list shows, its pattern and its source; a typed figure has none of these.
PreparedChoice prepareChoice(const CounterChoice &choice, const ChoiceFiles &files);

// Gives the counter what the choice counts, as choosing it in the main window does.
void applyChoice(Counter &counter, const PreparedChoice &prepared);
