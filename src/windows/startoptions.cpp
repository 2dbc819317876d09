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
    // The user's folder is read when it is or will be the choice and already has the file;
    // a file missing there is the shipped one that would be copied into it.
    if (prefersUserDirectory(programDirectoryWritable, userDirectory) &&
        QDir(userDirectory).exists(fileName))
        return QDir(userDirectory).filePath(fileName);
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
