#pragma once

#include "core/soundcues.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

class QSoundEffect;

// Plays the cue files through QSoundEffect: one effect per file, loaded the first time the
// file is played and kept. Starting one stops every other, so one cue sounds at a time.
// A missing file or a machine without sound stays silent and never blocks or reports.
// Destroy it before the application object, as any owner of multimedia objects.
class QtSoundOutput final : public SoundOutput
{
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    Q_DISABLE_COPY_MOVE(QtSoundOutput)

    void play(const QString &path) override;

    // The effect kept for a file, or null if that file was never played or is missing.
    const QSoundEffect *effect(const QString &path) const;
    int effectCount() const { return int(m_effects.size()); }

private:
    std::vector<std::unique_ptr<QSoundEffect>> m_effects;
    QHash<QString, QSoundEffect *> m_byPath;
};
