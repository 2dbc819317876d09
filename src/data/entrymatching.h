#pragma once

#include <QString>
#include <QStringList>

// A name typed on the command line matched to the entries' names.
struct EntryNameMatch
{
    // The entry's own name, as its file writes it; empty when no one entry matches.
    QString name;
    // Several entries match ignoring case and accents: their names, in file order.
    QStringList ambiguous;
    // No entry matches: up to kEntrySuggestions names closest to the one typed.
    QStringList closest;
};

inline constexpr qsizetype kEntrySuggestions = 5;

// The name as compared loosely: lower case, accents and other marks dropped, blanks around
// it and runs of blanks inside made one space.
QString looseEntryName(const QString &name);

// `names` in file order (the crime list, then the states). The exact name first; else the one
// name equal to `typed` ignoring case and accents (the same name in both files is one name);
// else several such names are ambiguous, and with none the closest names are offered: names
// that hold the typed text first, then by the fewest letters to change, in file order.
EntryNameMatch matchEntryName(const QString &typed, const QStringList &names);
