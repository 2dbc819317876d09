#pragma once

#include <QString>
#include <QStringList>

// The data files the program reads beside itself.
QStringList dataFileNames();

// Where the data files are read and the distribution file is saved: the program's own
// directory, or, when the user may not write there (an install under /usr), the user's own
// data directory, into which the shipped files that are missing there are copied first.
// Files already in the user's directory are never overwritten.
QString chooseDataDirectory(const QString &programDirectory, bool programDirectoryWritable,
                            const QString &userDirectory);
