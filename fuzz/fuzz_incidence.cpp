// The incidence reader (QuorvelParametros.txt, Quorvelhomicidios.txt) on any bytes: it never
// crashes, keeps its lists parallel, and tells a failure only where the text ends after the
// first item of an entry.

#include "data/incidencereader.h"

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

    if (reading.failure != IncidenceFailure::None
        && reading.failure != IncidenceFailure::LoneItem)
        fail("reading text in memory reported a file failure");
    if ((reading.failure == IncidenceFailure::LoneItem) != (reading.failureLine > 0))
        fail("failure line and failure disagree");

    const QList<IncidenceEntry> &entries = reading.entries;
    const QStringList texts = incidenceListTexts(entries);
    const QStringList quantities = incidenceQuantities(entries);
    const QStringList names = incidenceNames(entries);
    if (texts.size() != entries.size() || quantities.size() != entries.size()
        || names.size() != entries.size())
        fail("the three lists are not parallel");
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (texts[i] != incidenceListText(entries[i]))
            fail("a shown text differs from its entry");
        if (names[i] != entries[i].name || quantities[i] != entries[i].quantity)
            fail("a list entry differs from its entry");
    }

    // Reading is a pure function of the text: the same bytes give the same entries.
    const IncidenceReading again = readIncidences(bytes);
    if (again.entries.size() != entries.size() || again.failure != reading.failure)
        fail("two readings of the same bytes differ");
    return 0;
}
