// The command line on any argument vector (the bytes split at NUL, each argument decoded as
// the program's arguments are): parsing never crashes, refuses with status 2 and a whole
// Portuguese message, and what it accepts is a run the program can start. The checks the
// program makes before its window opens follow, on the shipped incidence lists: an entry
// named is found or refused with a message, a figure's day always fits the odometer, and the
// modes that fit narrow from day to year.

#include "core/capacity.h"
#include "core/commandline.h"
#include "core/rates.h"
#include "core/sharepicturetext.h"
#include "data/entrylookup.h"
#include "data/incidencereader.h"

#include <QByteArray>
#include <QDateTime>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_commandline: %s\n", what);
    std::abort();
}

const QString kVersion = QStringLiteral("0.0-fuzz");

const IncidenceReading &shippedList(const char *fileName)
{
    static QHash<QString, IncidenceReading> lists;
    const QString name = QString::fromLatin1(fileName);
    if (!lists.contains(name))
        lists.insert(name, readIncidenceFile(QStringLiteral(QUORVEL_SHIPPED_DATA "/") + name));
    return lists[name];
}

// A value is typed at the end of an argument: on its own, after "=", or joined to a short
// option, itself perhaps after other short ones ("-sm5").
bool isWrittenValue(const QString &value, const QStringList &arguments)
{
    return std::any_of(arguments.cbegin(), arguments.cend(),
                       [&](const QString &argument) { return argument.endsWith(value); });
}

void checkRefusal(const CommandLineResult &result, const QStringList &arguments)
{
    if (result.exitStatus != kCommandLineErrorStatus)
        fail("a refused command line does not end with status 2");
    if (!result.text.startsWith(QStringLiteral("quorvel-counter: ")) ||
        !result.text.endsWith(QStringLiteral("para ver as opções.\n")))
        fail("a refusal is not a whole message with the hint to --help");
    // A value quoted in a refusal is shown as it was typed, whatever it holds ("%1" too).
    // (An argument or option named unquoted may hold quotes of its own: those are left out.)
    for (const char *unquoted : {"Argumento inesperado", "Opção desconhecida", "Opção inválida",
                                 "Falta o valor", "A opção "}) {
        if (result.text.startsWith(QStringLiteral("quorvel-counter: ") +
                                   QString::fromUtf8(unquoted)))
            return;
    }
    const qsizetype open = result.text.indexOf(QStringLiteral(": \""));
    const qsizetype close =
        result.text.lastIndexOf(u'"', result.text.lastIndexOf(QStringLiteral("\nUse \"")));
    if (open >= 0 && close >= open + 3 &&
        !isWrittenValue(result.text.mid(open + 3, close - open - 3), arguments))
        fail("a refusal quotes a value that was not typed");
}

void checkEntries(const StartOptions &options)
{
    const IncidenceReading &parametros = shippedList("QuorvelParametros.txt");
    const IncidenceReading &homicidios = shippedList("Quorvelhomicidios.txt");
    for (const CounterChoice &choice : options.choices) {
        if (!choice.isEntry())
            continue;
        const EntryLookup lookup = findEntry(choice.entryName, parametros, homicidios);
        if (lookup.entry.has_value() == !lookup.error.isEmpty())
            fail("an entry's lookup gives both or neither an entry and an error");
        if (lookup.entry &&
            (lookup.entry->monthly < 0 || lookup.entry->monthly > kMaxMonthlyFigure))
            fail("an entry found gives a figure the program cannot count from");
    }
}

void checkCapacity(int monthly, std::optional<AccumulationMode> asked)
{
    // The instants where the counts are largest or turn over: a year's and a leap month's end.
    static const QList<QDateTime> instants = {
        QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)),
        QDateTime(QDate(2027, 1, 1), QTime(0, 0)),
        QDateTime(QDate(2028, 2, 29), QTime(12, 0)),
    };
    RecountInput in;
    in.dailyRate = dailyRate(monthly);
    for (const QDateTime &now : instants) {
        in.now = now;
        const QList<AccumulationMode> fitting = modesWithinCapacity(in);
        if (!fitting.contains(AccumulationMode::Dia))
            fail("a figure the command line accepts passes the odometer within a day");
        if (fitting.contains(AccumulationMode::Ano) && !fitting.contains(AccumulationMode::Mes))
            fail("the year fits the odometer but the month does not");
        const AccumulationMode mode = asked.value_or(AccumulationMode::Dia);
        if (!fitting.contains(mode) && overCapacityText(mode, fitting).isEmpty())
            fail("a count over capacity is refused without a message");
    }
}

void checkRun(const StartOptions &options)
{
    if (options.choices.size() > kMaxComparedCounters)
        fail("more choices than a comparison holds");
    if (options.choices.size() == 1 && options.monthly.has_value() == options.entry.has_value())
        fail("one choice alone is not exactly one figure or one entry");
    if (options.comparison() && (options.monthly || options.entry))
        fail("a comparison also has a single figure or entry");
    for (const CounterChoice &choice : options.choices) {
        if (!choice.isValid() ||
            (choice.monthly && (*choice.monthly < 0 || *choice.monthly > kMaxMonthlyFigure)))
            fail("a choice accepted is neither one entry nor one figure in range");
    }
    if (options.title && (options.title->isEmpty() || options.comparison()))
        fail("an empty title, or a title on a comparison, was accepted");
    if (options.screen && *options.screen < 1)
        fail("a screen before the first was accepted");
    if (options.pictureFile && (options.pictureFile->isEmpty() || !options.startsCount()))
        fail("a picture was accepted without a file or without a count");
    const QSize size = options.pictureSize;
    if (size.width() < kMinPictureSide || size.height() < kMinPictureSide ||
        size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        fail("a picture size out of bounds was accepted");
    if (options.startsCount() && !options.anyGiven)
        fail("a count starts although no option was given");

    checkEntries(options);
    if (!options.comparison() && options.monthly)
        checkCapacity(*options.monthly, options.mode);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments{QStringLiteral("quorvel-counter")};
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!bytes.isEmpty()) {
        for (const QByteArray &argument : bytes.split('\0'))
            arguments.append(QString::fromLocal8Bit(argument));
    }

    const CommandLineResult result = parseCommandLine(arguments, kVersion);
    switch (result.action) {
    case CommandLineResult::Action::Fail:
        checkRefusal(result, arguments);
        break;
    case CommandLineResult::Action::Print:
        if (result.exitStatus != 0 ||
            (result.text != commandLineHelp() && result.text != commandLineVersion(kVersion)))
            fail("--help or --version prints something else or fails");
        break;
    case CommandLineResult::Action::ListEntries:
        if (result.exitStatus != 0 || !arguments.contains(QStringLiteral("--listar")))
            fail("a listing without --listar, or with a status of its own");
        break;
    case CommandLineResult::Action::Run:
        if (result.exitStatus != 0 || !result.text.isEmpty())
            fail("an accepted command line carries a status or a message");
        checkRun(result.options);
        break;
    }

    // The same arguments read the same way: a scheduled job gets the same run every time.
    const CommandLineResult again = parseCommandLine(arguments, kVersion);
    if (again.action != result.action || again.text != result.text ||
        again.options.choices.size() != result.options.choices.size())
        fail("two readings of the same command line differ");
    return 0;
}
