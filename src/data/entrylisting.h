#pragma once

#include "data/incidencereader.h"
#include "data/sourcesreader.h"

#include <QString>

// Every named entry of both incidence files (the crime list, then the states, in file order),
// one a line, six fields separated by tabs: name, monthly figure as written, indicator, place,
// year, source. What the sources file does not say is an empty field. A tab or line break
// inside a field becomes a space, so that a line is always one entry of six fields.
QString entryListing(const IncidenceReading &parametros, const IncidenceReading &homicidios,
                     const SourcesTable &sources);
