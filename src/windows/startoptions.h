#pragma once

#include "core/commandline.h"

#include <QDateTime>
#include <QString>

class DeadZone;

// The file an incidence list is read from before the main window exists, as the data folder
// will be prepared (prepareDataDirectory: a copy that will be renewed is read from the shipped
// file), but without creating or copying anything: a command line that is refused must leave
// every file as it was.
QString dataFileBeforeStart(const QString &fileName, const QString &programDirectory,
                            bool programDirectoryWritable, const QString &userDirectory);

// Every entry named on the command line found in the two lists (matchEntryName: the exact
// name, else the one name equal ignoring case and accents) with a figure the program can
// count from, and its name in `options` made the entry's own. Empty when all are (or none is
// named); otherwise the whole text for standard error: "quorvel-counter: Entrada
// desconhecida: NOME" with up to five close names, or the names an ambiguous one may be.
QString resolveStartEntries(StartOptions &options, const QString &parametrosFile,
                            const QString &homicidiosFile);

// --listar: every entry of the data files (the crime list, the states and their sources),
// one a line, for standard output; and, for standard error, which incidence file could not be
// read whole (the entries read before the failure are listed all the same).
struct StartEntryListing
{
    QString listing;
    QString problems; // empty when both files were read to their end
};
StartEntryListing startEntryListing(const QString &parametrosFile, const QString &homicidiosFile,
                                    const QString &sourcesFile);

// The figure asked for (typed or the entry's) must fit the odometer in the mode asked for at
// `now`: empty when it does (or nothing is counted); otherwise the whole text for standard
// error, saying which modes fit, e.g. "quorvel-counter: No modo ano a contagem passa de
// 99.999,9999, o máximo do odômetro. Cabem: dia e mês." and the hint to --help.
QString checkStartCapacity(const StartOptions &options, const QString &parametrosFile,
                           const QString &homicidiosFile, const QDateTime &now);

// The screen of --tela must be one of the `screenCount` screens the display has: empty when
// it is (or none is asked for, or a picture is written, which needs no screen); otherwise the
// whole text for standard error, saying how many screens there are.
QString checkStartScreen(const StartOptions &options, int screenCount);

// What the command line asks, done on the main window as the user would do it: reduced
// motion, the mode, the entry (a double click, its pattern too) or the typed figure, play,
// the screen of the presentation, and then the presentation view or the main window shown. Sound is
// the caller's: without sound it gives the window a silent output.
void applyStartOptions(DeadZone &window, const StartOptions &options);
