#pragma once

#include "core/commandline.h"

#include <QString>

class Clock;

// The outcome of a picture made from the command line: the exit status (0 written, 1 the file
// could not be written, 2 the choice cannot be counted) and, unless 0, the whole text for
// standard error.
struct PictureRun
{
    int exitStatus = 0;
    QString message;
    // What the wheels read in the picture, e.g. "6355,0421"; for a comparison every count,
    // in order, separated by blanks.
    QString count;
};

// Exit status of a picture that could not be written.
inline constexpr int kPictureWriteErrorStatus = 1;

// --imagem: the presentation view of the choice on the command line, counted at the clock's
// present instant with the wheels at rest, drawn at --tamanho and written to the file whole
// or not at all. No window is shown and no sound is played; the main window is made hidden,
// as the user would set it up, only to count.
PictureRun writeStartPicture(const StartOptions &options, Clock &clock,
                             const QString &dataDirectory);
