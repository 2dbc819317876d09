#pragma once

#include "core/soundcues.h"

#include <QFileInfo>
#include <QStringList>

// Records the wave files asked for, by file name, instead of playing them.
class SoundRecorder final : public SoundOutput
{
public:
    void play(const QString &path) override { played << QFileInfo(path).fileName(); }
    QStringList played;
    void clear() { played.clear(); }
    int count(Cue cue) const { return played.count(SoundCues::fileName(cue)); }
    bool contains(Cue cue) const { return count(cue) > 0; }
    QString last() const { return played.isEmpty() ? QString() : played.last(); }
};
