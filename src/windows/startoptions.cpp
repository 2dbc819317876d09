#include "windows/startoptions.h"

#include "core/datadirectory.h"
#include "data/entrylookup.h"
#include "data/incidencereader.h"
#include "windows/DeadZone/deadzone.h"

#include <QDir>
#include <QFileInfo>

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
    if (!options.entry)
        return QString();
    const EntryLookup lookup = findEntry(*options.entry, readIncidenceFile(parametrosFile),
                                         readIncidenceFile(homicidiosFile));
    if (lookup.entry)
        return QString();
    return QStringLiteral("quorvel-counter: %1\nUse \"quorvel-counter --help\" para ver as "
                          "opções.\n")
        .arg(lookup.error);
}

void applyStartOptions(DeadZone &window, const StartOptions &options)
{
    if (options.reducedMotion)
        window.setReducedMotion(true);
    if (options.mode)
        window.selectMode(*options.mode);
    if (options.entry)
        window.chooseEntryNamed(*options.entry);
    else if (options.monthly)
        window.typeMonthlyFigure(*options.monthly);
    if (options.startsCount())
        window.pressPlay();
    if (options.presentation)
        window.enterPresentation();
    else
        window.show();
}
