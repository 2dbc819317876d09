// The distribution pattern file (QuorvelDistribuicao.txt) on any bytes, read and checked the
// way the editor does, all in memory: the bytes are parsed into the pattern table, every
// pattern is selected (loaded into the cells and validated), a valid one is expanded to
// 24 hours and counted through a whole day, and the table is written back to bytes and read
// again. Nothing may crash, a count may never be negative or not a number, and writing the
// table back may not lose or add a line. The save to disk has its own, slower harness
// (fuzz_distribution).

#include "core/recount.h"
#include "core/soundcues.h"
#include "data/distributionfile.h"
#include "daycount.h"
#include "distribution/distributionmodel.h"
#include "distribution/hourlyexpansion.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Patterns selected per input: enough to reach every code path, few enough to stay fast.
constexpr int kMaxSelected = 8;

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_distribution_read: %s\n", what);
    std::abort();
}

void countThroughADay(const DistributionModel &model)
{
    // Twice an hour or more: within an hour the count grows linearly, so a fall shows there.
    if (const char *fault = dayCountFault(model, 29))
        fail(fault);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static int appArgc = 1;
    static char *appArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    new QCoreApplication(appArgc, appArgv); // lives for the whole run, as in the program
    // The local time zone named once: left unset, the C library looks at /etc/localtime
    // again for every local time, and that was most of the run's time.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The editor's model on the bytes. One model for the whole run, as the program has one
    // editor; it starts each input from the same slider and empty cells.
    static SilentSoundOutput output;
    static SoundCues cues(output, QString());
    static DistributionModel model(QString(), cues); // no file: the path is empty
    model.clearCells();
    model.setSL1(0);
    model.abrearquivo(bytes);
    const QList<PatternRow> &rows = model.TabelaPadroes();
    if (model.patternCount() != rows.size())
        fail("the editor's list and the parsed rows differ in length");
    qsizetype written = 0;
    for (const PatternRow &row : rows) {
        if (row.size() != DistributionFile::kTableColumns)
            fail("a parsed row lacks columns");
        written += DistributionFile::isWritten(row) ? 1 : 0;
    }

    // Written back in the encoding it was read in, and read again: one line per row.
    const bool byteOrderMark = bytes.startsWith("\xEF\xBB\xBF");
    if (const auto again = DistributionFile::compose(rows, model.encoding(), byteOrderMark)) {
        if (DistributionFile::fromBytes(*again).rows.size() != written)
            fail("writing the table back changed its number of lines");
    }

    const int selected = std::min(model.patternCount(), kMaxSelected);
    for (int i = 0; i < selected; ++i) {
        model.selectPattern(i);
        if (model.ErroTabela() == 0)
            countThroughADay(model);
    }
    return 0;
}
