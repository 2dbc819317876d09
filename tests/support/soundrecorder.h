#pragma once

#include "core/soundcues.h"

#include <QFileInfo>
#include <QStringList>

// Records the wave files asked for, by file name, instead of playing them. It stands for a
// machine with an audio device unless told otherwise.
class SoundRecorder final : public SoundOutput
{
public:
    void play(const QString &path) override { played << QFileInfo(path).fileName(); }
    bool available() const override { return deviceAvailable; }
    bool deviceAvailable = true;
    QStringList played;
    void clear() { played.clear(); }
    int count(Cue cue) const { return played.count(SoundCues::fileName(cue)); }
    bool contains(Cue cue) const { return count(cue) > 0; }
    QString last() const { return played.isEmpty() ? QString() : played.last(); }
};
