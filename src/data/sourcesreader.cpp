#include "data/sourcesreader.h"

#include "data/itemscanner.h"
#include "data/textcodec.h"

#include <QFile>

namespace {

// Name, place, source, year and note; then the rate, what is counted and whose rate it is,
// all optional.
constexpr int kRequiredItems = 5;
constexpr int kMostItems = 8;

} // namespace

std::optional<EntrySource> SourcesTable::find(const QString &entryName) const
{
    const auto found = m_sources.constFind(entryName);
    if (found == m_sources.constEnd())
        return std::nullopt;
    return *found;
}

bool SourcesTable::add(const QString &entryName, const EntrySource &source)
{
    if (entryName.isEmpty() || (source.source.isEmpty() && source.note.isEmpty()))
        return false;
    if (m_sources.contains(entryName))
        return false;
    m_sources.insert(entryName, source);
    m_names.append(entryName);
    return true;
}

QString sourcesFileName()
{
    return QStringLiteral("QuorvelFontes.txt");
}

SourcesTable readSources(QStringView text)
{
    SourcesTable table;
    itemscan::ItemScanner scanner(text);
    QStringList fields;
    while (!scanner.atEnd()) {
        // The items of one line: the scanner's line number moves on with the line end.
        const int line = scanner.line();
        fields.clear();
        do {
            fields.append(scanner.next());
        } while (!scanner.atEnd() && scanner.line() == line);

        if (fields.size() == 1 && fields.front().isEmpty())
            continue; // a blank line
        if (fields.size() < kRequiredItems || fields.size() > kMostItems) {
            table.skipLine(line);
            continue;
        }
        EntrySource source{fields[1], fields[2], fields[3], fields[4], {}, {}, {}};
        if (fields.size() > 5)
            source.ratePer100k = parseRate(fields[5]);
        if (fields.size() > 6)
            source.indicator = fields[6].trimmed();
        if (fields.size() > 7)
            source.population = fields[7].trimmed();
        if (!table.add(fields[0], source))
            table.skipLine(line);
    }
    return table;
}

SourcesTable readSources(const QByteArray &bytes)
{
    return readSources(QStringView(decodeText(bytes).text));
}

SourcesTable readSourcesFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SourcesTable();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return SourcesTable(); // no sources rather than a part of them
    return readSources(bytes);
}
