#pragma once

#include "data/sourcesreader.h"

#include <QList>
#include <QString>
#include <QStringList>

// The entries of a list that count the same thing, under the heading the lists show.
struct EntryGroup
{
    QString heading;          // "Feminicídios", "Mortes por intervenção policial"
    QList<qsizetype> entries; // indexes into the list's names, in file order
};

// The heading of the entries whose source line says they count `indicator`: the indicator
// with a capital first letter, or "Outras entradas" for a line that does not say.
QString groupHeading(const QString &indicator);

// The entries grouped by what their source line says they count, each group where its first
// entry stands in the file and its entries in file order. Every entry is in exactly one
// group; an entry without a source line goes with the others that do not say.
QList<EntryGroup> groupByIndicator(const QStringList &names, const SourcesTable &sources);
