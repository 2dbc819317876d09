// The incidence reader (QuorvelParametros.txt, Quorvelhomicidios.txt) on any bytes: it never
// crashes, keeps its lists parallel, and tells a failure only where the text ends after the
// first item of an entry; a figure it reads is within the counter's range and reads back the
// same from the form the window shows it in. The sources reader (QuorvelFontes.txt) shares its item
// rules and runs on the same bytes: every name it keeps is found, once, skipped lines are in order,
// and a rate it keeps is a plain number that its text shows.

#include "core/rates.h"
#include "data/incidencereader.h"
#include "sourcescheck.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_incidence: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const IncidenceReading reading = readIncidences(bytes);

    if (reading.failure != IncidenceFailure::None && reading.failure != IncidenceFailure::LoneItem)
        fail("reading text in memory reported a file failure");
    if ((reading.failure == IncidenceFailure::LoneItem) != (reading.failureLine > 0))
        fail("failure line and failure disagree");

    if (reading.names.size() != reading.quantities.size() || reading.size() != reading.names.size())
        fail("names and quantities are not parallel");
    const QStringList texts = reading.listTexts();
    if (texts.size() != reading.size())
        fail("the shown list and the entries differ in length");
    for (qsizetype i = 0; i < reading.size(); ++i) {
        for (const QString &text : {reading.names[i], reading.quantities[i], texts[i]}) {
            if (holdsHalfSurrogate(text))
                fail("a text read from the file holds half of a surrogate pair");
        }
        if (texts[i] != incidenceListText(shortenedForList(reading.names[i]),
                                          shortenedForList(reading.quantities[i])))
            fail("a shown text differs from its entry");
        const QString shortName = shortenedForList(reading.names[i]);
        if (shortName != reading.names[i] &&
            (shortName.size() > kListFieldLimit || shortName.back() != QChar(0x2026) ||
             !reading.names[i].startsWith(shortName.chopped(1)) ||
             (shortName.size() > 1 && shortName.at(shortName.size() - 2).isHighSurrogate())))
            fail("a name shortened for the list is not a whole-character start of the name");
        if (const std::optional<double> figure = reading.figure(i)) {
            if (!std::isfinite(*figure) || *figure < 0 || *figure > kMaxMonthlyFigure)
                fail("a figure read is outside the counter's range");
            if (decimalMonthlyFigure(monthlyFigureText(*figure)) != figure)
                fail("a figure in Brazilian form reads back as another");
        }
    }

    // Reading is a pure function of the text: the same bytes give the same entries.
    const IncidenceReading again = readIncidences(bytes);
    if (again.names != reading.names || again.quantities != reading.quantities ||
        again.failure != reading.failure)
        fail("two readings of the same bytes differ");

    if (const char *fault = sourcesTableFault(readSources(bytes)))
        fail(fault);
    return 0;
}
