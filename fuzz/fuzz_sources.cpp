// The sources reader (QuorvelFontes.txt, edited by hand) on any bytes: it never crashes, every
// name it keeps is found once, a kept rate is a plain number, reading is a pure function of
// the text, and the texts the views show of a source never cut a character in two.

#include "data/sourceline.h"
#include "data/textcodec.h"
#include "sourcescheck.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_sources: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SourcesTable sources = readSources(bytes);
    if (const char *fault = sourcesTableFault(sources))
        fail(fault);

    // The bytes are the decoded text: reading either gives the same table.
    const QString text = decodeText(bytes).text;
    const SourcesTable fromText = readSources(QStringView(text));
    if (fromText.names() != sources.names() || fromText.skippedLines() != sources.skippedLines())
        fail("the bytes and their decoded text read differently");

    // A line is kept or skipped, never both, and no line number passes the text's lines.
    const qsizetype lines = text.count(u'\n') + text.count(u'\r') + 1;
    if (sources.size() + sources.skippedLines().size() > lines)
        fail("more records and skipped lines than the text has lines");
    if (!sources.skippedLines().isEmpty() && sources.skippedLines().back() > lines)
        fail("a skipped line past the text's end");

    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    for (const QString &name : sources.names()) {
        const EntrySource source = *sources.find(name);
        const QString line = sourceLine(source);
        const QString withRate = sourceLineWithRate(source, brazil);
        const QString details = sourceDetails(source, brazil);
        if (line.isEmpty() || !withRate.startsWith(line) || !details.startsWith(line))
            fail("a source's caption or details do not start with its source line");
        for (const QString &shown : {name, line, withRate, details, source.indicator}) {
            if (holdsHalfSurrogate(shown))
                fail("a text shown of a source holds half of a surrogate pair");
        }
    }
    return 0;
}
