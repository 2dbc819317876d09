#pragma once

#include <QString>
#include <QStringList>

// The data files the program reads beside itself.
QStringList dataFileNames();

// The program's own folder, known before the application object exists (the command line's
// checks run before any display is needed): the folder of the running executable, links
// resolved, as QCoreApplication::applicationDirPath() gives it later; from `argv0` where the
// system does not say.
QString programDirectoryBeforeStart(const QString &argv0);

// What becomes of each data file in the user's data directory at start.
struct UserCopiesPlan
{
    // Put there from the program's directory: missing, or an unedited copy of a file the
    // program shipped before (its checksum is in shippedVersions) while a newer one ships now.
    QStringList refreshed;
    // Kept as they are although the shipped file differs: the user edited them, or they go
    // with an edited file (the incidence files and the sources file describe each other, so
    // they are renewed together or not at all: a 2024 source must not name a 2022 figure).
    QStringList kept;
};

// Reads both directories and decides; writes nothing.
UserCopiesPlan planUserCopies(const QString &programDirectory, const QString &userDirectory);

// The data directory chosen at start and what the user should be told about it.
struct DataDirectoryChoice
{
    QString directory;
    // Kept copies whose shipped file is newer than any the user was given or told about:
    // said once (empty on the next start, and always empty outside the user's directory).
    QStringList newerShipped;
};

// Where the data files are read and the distribution file is saved.
//
// The program's own directory, unless the user may not write there (an install under /usr):
// then the user's own data directory, into which the shipped files are put as
// planUserCopies says: missing ones, and unedited copies of earlier shipped versions. A copy
// the user edited is never overwritten. The shipped versions the user was given or told about
// are remembered there (shippedVersionsRecordName), so that a newer one is announced once.
//
// Once the user's directory holds any data file it stays the choice, even when the program's
// directory is writable again: only this function ever puts files there, so a file there
// means the program chose it before and the user's saved patterns may be in it. Going back
// to the program's directory would hide them (and a pattern saved there would not be seen).
DataDirectoryChoice prepareDataDirectory(const QString &programDirectory,
                                         bool programDirectoryWritable,
                                         const QString &userDirectory);

// The same choice, the directory alone.
QString chooseDataDirectory(const QString &programDirectory, bool programDirectoryWritable,
                            const QString &userDirectory);

// Whether the user's directory is or will be the data directory (it already holds a data
// file, or the program's directory may not be written).
bool prefersUserDirectory(bool programDirectoryWritable, const QString &userDirectory);

// The hidden file in the user's directory that remembers, one "name checksum" a line, the
// shipped version of each data file the user was given or told about.
QString shippedVersionsRecordName();

// The status bar's notice for newerShipped, naming the files and where the newer ones are:
// "Há números mais novos em /usr/lib/quorvel-counter: Quorvelhomicidios.txt. Suas cópias
// editadas foram mantidas." Empty for no files.
QString newerShippedNotice(const QStringList &files, const QString &programDirectory);

// Whether the data directory is somewhere else than the program's own directory, where
// the user would not look for the saved patterns.
bool isApartFromProgram(const QString &dataDirectory, const QString &programDirectory);
