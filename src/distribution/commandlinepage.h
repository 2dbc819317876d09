#pragma once

#include "core/commandline.h"

#include <QString>

class Clock;

// The outcome of --pagina: the exit status (0 written, 1 the file could not be written, 2 the
// choice cannot be counted) and, unless 0, the whole text for standard error.
struct PageRun
{
    int exitStatus = 0;
    QString message;
};

// Exit status of a page that could not be written.
inline constexpr int kPageWriteErrorStatus = 1;

// --pagina: the page of the choices on the command line (two to six: a comparison), made at
// the clock's present instant in the local time zone and written to the file whole or not at
// all. No window, no display, no sound.
PageRun writeStartPage(const StartOptions &options, Clock &clock, const QString &dataDirectory);
