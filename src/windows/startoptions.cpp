#include "windows/startoptions.h"

#include "core/capacity.h"
#include "core/datadirectory.h"
#include "core/rates.h"
#include "data/entrylisting.h"
#include "data/entrylookup.h"
#include "data/entrymatching.h"
#include "data/incidencereader.h"
#include "windows/Comparacao/comparisonlauncher.h"
#include "windows/DeadZone/deadzone.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

QString dataFileBeforeStart(const QString &fileName, const QString &programDirectory,
                            bool programDirectoryWritable, const QString &userDirectory)
{
    const QString shipped = QDir(programDirectory).filePath(fileName);
    if (!prefersUserDirectory(programDirectoryWritable, userDirectory))
        return shipped;
    // The user's copy is read unless it is missing there or will be renewed from the
    // shipped file when the folder is prepared.
    const QDir user(userDirectory);
    if (user.exists(fileName) &&
        !planUserCopies(programDirectory, userDirectory).refreshed.contains(fileName))
        return user.filePath(fileName);
    return shipped;
}

namespace {

QString refusal(const QString &text)
{
    return QStringLiteral("quorvel-counter: %1\nUse \"quorvel-counter --help\" para ver as "
                          "opções.\n")
        .arg(text);
}

// Names one a line, indented, for a person to copy one.
QString nameLines(const QStringList &names)
{
    QString lines;
    for (const QString &name : names)
        lines += QStringLiteral("  ") + name + u'\n';
    return lines;
}

// The entry's own name for what was typed; empty and `error` filled when there is none.
QString resolvedEntryName(const QString &typed, const QStringList &names, QString &error)
{
    const EntryNameMatch match = matchEntryName(typed, names);
    if (!match.name.isEmpty())
        return match.name;
    const QString listHint =
        QStringLiteral("Use \"quorvel-counter --listar\" para ver todas as entradas.\n");
    if (!match.ambiguous.isEmpty()) {
        error = QStringLiteral("quorvel-counter: Entrada ambígua: %1\nPode ser:\n").arg(typed) +
                nameLines(match.ambiguous) + listHint;
    } else {
        error = QStringLiteral("quorvel-counter: Entrada desconhecida: %1\n").arg(typed);
        if (!match.closest.isEmpty())
            error += QStringLiteral("Nomes mais próximos:\n") + nameLines(match.closest);
        error += listHint;
    }
    return QString();
}

} // namespace

QString resolveStartEntries(StartOptions &options, const QString &parametrosFile,
                            const QString &homicidiosFile)
{
    const bool anyEntry = std::any_of(options.choices.cbegin(), options.choices.cend(),
                                      [](const CounterChoice &choice) { return choice.isEntry(); });
    if (!options.entry && !anyEntry)
        return QString();
    const IncidenceReading parametros = readIncidenceFile(parametrosFile);
    const IncidenceReading homicidios = readIncidenceFile(homicidiosFile);
    const QStringList names = parametros.names + homicidios.names;
    QString error;
    const auto resolve = [&](QString &name) {
        const QString own = resolvedEntryName(name, names, error);
        if (own.isEmpty())
            return false;
        name = own;
        const EntryLookup lookup = findEntry(name, parametros, homicidios);
        if (!lookup.entry)
            error = refusal(lookup.error);
        return lookup.entry.has_value();
    };
    for (CounterChoice &choice : options.choices) {
        if (choice.isEntry() && !resolve(choice.entryName))
            return error;
    }
    if (options.entry && !resolve(*options.entry))
        return error;
    return QString();
}

StartEntryListing startEntryListing(const QString &parametrosFile, const QString &homicidiosFile,
                                    const QString &sourcesFile)
{
    const IncidenceReading parametros = readIncidenceFile(parametrosFile);
    const IncidenceReading homicidios = readIncidenceFile(homicidiosFile);
    StartEntryListing result;
    result.listing = entryListing(parametros, homicidios, readSourcesFile(sourcesFile));
    for (const auto &[reading, path] :
         {std::pair{&parametros, parametrosFile}, std::pair{&homicidios, homicidiosFile}}) {
        if (reading->failed())
            result.problems += QStringLiteral("quorvel-counter: %1 não pôde ser lido por "
                                              "inteiro; a lista está incompleta.\n")
                                   .arg(QDir::toNativeSeparators(path));
    }
    return result;
}

QString checkStartCapacity(const StartOptions &options, const QString &parametrosFile,
                           const QString &homicidiosFile, const QDateTime &now)
{
    // A comparison's counters are text, with no odometer to fill: they count past it.
    if (options.comparison())
        return QString();
    std::optional<double> monthly;
    if (options.monthly) {
        monthly = *options.monthly;
    } else if (options.entry) {
        const EntryLookup lookup = findEntry(*options.entry, readIncidenceFile(parametrosFile),
                                             readIncidenceFile(homicidiosFile));
        if (lookup.entry)
            monthly = lookup.entry->monthly;
    }
    if (!monthly)
        return QString();
    RecountInput in;
    // The daily rate as the count runs at it: truncated to hundredths.
    in.dailyRate = dailyRate(*monthly);
    in.now = now;
    const AccumulationMode mode = options.mode.value_or(AccumulationMode::Dia);
    const QList<AccumulationMode> fitting = modesWithinCapacity(in);
    if (fitting.contains(mode))
        return QString();
    return refusal(overCapacityText(mode, fitting));
}

QString checkStartScreen(const StartOptions &options, int screenCount)
{
    if (!options.screen || options.pictureFile || options.pageFile ||
        *options.screen <= screenCount)
        return QString();
    const QString have = screenCount == 1
                             ? QStringLiteral("há só 1 tela")
                             : QStringLiteral("há %1 telas, de 1 a %1").arg(screenCount);
    return QStringLiteral("quorvel-counter: Não há tela %1: %2\nUse \"quorvel-counter --help\" "
                          "para ver as opções.\n")
        .arg(*options.screen)
        .arg(have);
}

void applyStartOptions(DeadZone &window, const StartOptions &options)
{
    if (options.reducedMotion)
        window.setReducedMotion(true);
    if (options.mode)
        window.selectMode(*options.mode);
    if (options.title)
        window.setPresentationTitle(*options.title);
    if (options.comparison()) {
        // Two or more choices: the comparison, full screen and counting, in place of the
        // main window's count.
        if (options.screen)
            window.comparison().setScreen(*options.screen - 1);
        const QString problem = window.comparison().open(
            {options.choices, options.mode.value_or(AccumulationMode::Dia)});
        if (problem.isEmpty())
            return;
        window.showStartNotice(problem);
        window.show();
        return;
    }
    if (options.entry)
        window.chooseEntryNamed(*options.entry);
    else if (options.monthly)
        window.typeMonthlyFigure(*options.monthly);
    if (options.startsCount())
        window.pressPlay();
    if (options.screen)
        window.setPresentationScreen(*options.screen - 1);
    if (options.presentation)
        window.enterPresentation();
    else
        window.show();
}
