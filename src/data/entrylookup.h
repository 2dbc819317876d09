#pragma once

#include "data/incidencereader.h"

#include <QString>

#include <optional>

// The two incidence files an entry can come from.
enum class EntryList {
    Parametros, // QuorvelParametros.txt: the crime list
    Homicidios, // Quorvelhomicidios.txt: the states
};

// An entry found by its name: which list, its place there (the index the window's list
// shows it at) and its monthly figure.
struct FoundEntry
{
    EntryList list = EntryList::Parametros;
    qsizetype index = 0;
    QString name;
    double monthly = 0; // with its decimals: "0,83" is 10 a year
};

// The entry or, when there is none to count from, a message in Portuguese.
struct EntryLookup
{
    std::optional<FoundEntry> entry;
    QString error;
};

// Finds the entry named exactly `name` (case, accents and spaces count, as the pattern lookup
// compares), in the crime list first, then in the states; the first equal entry in file order
// wins. Entries read before a reading failure count. Errors: "Entrada desconhecida: NOME",
// and an entry whose quantity is not a figure the program can count from
// (decimalMonthlyFigure in core/rates.h).
EntryLookup findEntry(const QString &name, const IncidenceReading &parametros,
                      const IncidenceReading &homicidios);
