#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A whole file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString &path);

// Writes `bytes` as the whole file; true when every byte was written.
bool writeBytes(const QString &path, const QByteArray &bytes);

// The real program run to its end with the platform offscreen and its data folder (XDG_DATA_HOME)
// given: its exit code (-1 when it crashed or did not end within a minute, then killed) and
// its two outputs, decoded.
struct ProgramRun
{
    int status = -1;
    QString out;
    QString err;
};
ProgramRun runProgram(const QStringList &arguments, const QString &dataHome);
