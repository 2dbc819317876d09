#include "windows/startoptions.h"

#include "core/capacity.h"
#include "core/datadirectory.h"
#include "core/rates.h"
#include "data/entrylookup.h"
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

QString checkStartEntry(const StartOptions &options, const QString &parametrosFile,
                        const QString &homicidiosFile)
{
    const bool anyEntry = std::any_of(options.choices.cbegin(), options.choices.cend(),
                                      [](const CounterChoice &choice) { return choice.isEntry(); });
    if (!options.entry && !anyEntry)
        return QString();
    const IncidenceReading parametros = readIncidenceFile(parametrosFile);
    const IncidenceReading homicidios = readIncidenceFile(homicidiosFile);
    QStringList names;
    for (const CounterChoice &choice : options.choices) {
        if (choice.isEntry())
            names.append(choice.entryName);
    }
    if (options.entry && !names.contains(*options.entry))
        names.append(*options.entry);
    for (const QString &name : std::as_const(names)) {
        const EntryLookup lookup = findEntry(name, parametros, homicidios);
        if (!lookup.entry)
            return QStringLiteral("quorvel-counter: %1\nUse \"quorvel-counter --help\" para ver "
                                  "as opções.\n")
                .arg(lookup.error);
    }
    return QString();
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
    return QStringLiteral("quorvel-counter: %1\nUse \"quorvel-counter --help\" para ver as "
                          "opções.\n")
        .arg(overCapacityText(mode, fitting));
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
