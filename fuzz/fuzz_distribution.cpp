// The distribution pattern file (QuorvelDistribuicao.txt) on any bytes, read the way the
// editor reads it: the file is parsed into the pattern table, every pattern is selected
// (loaded into the cells and validated), a valid one is expanded to 24 hours and counted
// through a whole day, and one is saved back. Nothing may crash, a count may never be
// negative or not a number, and a save may never lose a pattern that was in the file.

#include "core/recount.h"
#include "core/soundcues.h"
#include "data/distributionfile.h"
#include "data/textcodec.h"
#include "daycount.h"
#include "distribution/distributionmodel.h"
#include "distribution/hourlyexpansion.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Patterns selected per input: enough to reach every code path, few enough to stay fast.
constexpr int kMaxSelected = 8;

QTemporaryDir *workDir = nullptr;

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_distribution: %s\n", what);
    std::abort();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the work file");
}

void countThroughADay(const DistributionModel &model)
{
    if (const char *fault = dayCountFault(model, 7))
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
    // In memory where the system offers it: the harness writes the file on every input.
    const QString shm = QStringLiteral("/dev/shm");
    workDir = QFileInfo(shm).isDir() && QFileInfo(shm).isWritable()
                  ? new QTemporaryDir(shm + QStringLiteral("/quorvel-fuzz-XXXXXX"))
                  : new QTemporaryDir;
    if (!workDir->isValid())
        fail("no temporary folder");
    std::atexit([] { delete workDir; }); // libFuzzer ends with exit(): the folder goes
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The parser alone: every row has every column.
    const QList<PatternRow> rows = DistributionFile::parse(decodeText(bytes).text);
    for (const PatternRow &row : rows) {
        if (row.size() != DistributionFile::kTableColumns)
            fail("a parsed row lacks columns");
    }

    // The editor's model on the same bytes in a real file.
    const QString path = workDir->filePath(DistributionFile::fileName());
    writeFile(path, bytes);
    SilentSoundOutput output;
    SoundCues cues(output, workDir->path());
    DistributionModel model(path, cues);
    if (model.patternCount() != rows.size())
        fail("the editor's list and the parsed rows differ in length");

    int saveIndex = -1;
    const int selected = std::min(model.patternCount(), kMaxSelected);
    for (int i = 0; i < selected; ++i) {
        model.selectPattern(i);
        if (model.ErroTabela() == 0) {
            countThroughADay(model);
            if (saveIndex < 0)
                saveIndex = i;
        }
    }

    if (saveIndex >= 0) {
        int written = 0;
        for (const PatternRow &row : model.TabelaPadroes())
            written += DistributionFile::isWritten(row) ? 1 : 0;
        model.selectPattern(saveIndex);
        model.Salva_padrao();
        const DistributionFileContent after = DistributionFile::read(path);
        const bool refused = model.statusText().startsWith(QStringLiteral("Erro"));
        if (!refused && after.rows.size() < written)
            fail("saving a pattern lost another pattern of the file");
        if (refused && after.bytes != bytes)
            fail("a refused save changed the file");
    }
    return 0;
}
