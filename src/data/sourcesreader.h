#pragma once

#include "data/sourceline.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The sources file read into a lookup by entry name. The name is compared exactly as the
// pattern lookup compares names: case, accents and spaces count.
class SourcesTable
{
public:
    // The source of the entry with this exact name; nothing when the file names none.
    std::optional<EntrySource> find(const QString &entryName) const;

    // The names that have a source, in file order.
    const QStringList &names() const { return m_names; }
    qsizetype size() const { return m_names.size(); }
    bool isEmpty() const { return m_names.isEmpty(); }

    // Lines (from 1) that were left out: fewer than five or more than eight items, no entry name,
    // neither a source nor a note, or a name already given on an earlier line. Blank lines are not
    // listed. The reader never fails: what is left is the table.
    const QList<int> &skippedLines() const { return m_skippedLines; }

    // Adds a line's record; false (and nothing changes) when the name is empty, neither a
    // source nor a note is given, or the name already has its source (the first one wins).
    bool add(const QString &entryName, const EntrySource &source);
    void skipLine(int line) { m_skippedLines.append(line); }

private:
    QHash<QString, EntrySource> m_sources;
    QStringList m_names;
    QList<int> m_skippedLines;
};

// The name of the sources file, beside the incidence files.
QString sourcesFileName();

// One record a line, with the incidence files' item rules (quoted, separated by commas; CR LF,
// LF or CR line ends): entry name, place, source, year, note, and optionally the rate per
// 100,000 ("40,6" or "40.6"), what the line counts ("mortes violentas intencionais") and whose
// rate it is ("mulheres"; inhabitants when absent or empty). Five to eight items make a record;
// a rate that is not a number is left out and the rest of the line still counts. A record does not
// continue on the next line, so a broken line costs that line only.
SourcesTable readSources(QStringView text);

// The bytes of a file: valid UTF-8 reads as UTF-8, anything else as Windows-1252.
SourcesTable readSources(const QByteArray &bytes);

// A missing or unreadable file is an empty table: an entry without a source shows none.
SourcesTable readSourcesFile(const QString &path);
