#pragma once

#include <QString>
#include <QStringList>

// The data files the program reads beside itself.
QStringList dataFileNames();

// Where the data files are read and the distribution file is saved.
//
// The program's own directory, unless the user may not write there (an install under /usr):
// then the user's own data directory, into which the shipped files that are missing there
// are copied first. Files already in the user's directory are never overwritten.
//
// Once the user's directory holds any data file it stays the choice, even when the program's
// directory is writable again: only this function ever puts files there, so a file there
// means the program chose it before and the user's saved patterns may be in it. Going back
// to the program's directory would hide them (and a pattern saved there would not be seen).
QString chooseDataDirectory(const QString &programDirectory, bool programDirectoryWritable,
                            const QString &userDirectory);

// The rule of that choice without touching a file: whether the user's directory is (or, once
// chosen, will be) the data directory. chooseDataDirectory falls back on the program's
// directory only when the user's cannot be made.
bool prefersUserDirectory(bool programDirectoryWritable, const QString &userDirectory);

// Whether the data directory is somewhere else than the program's own directory, where
// the user would not look for the saved patterns.
bool isApartFromProgram(const QString &dataDirectory, const QString &programDirectory);
