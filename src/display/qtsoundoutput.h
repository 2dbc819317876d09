#pragma once

#include "core/soundcues.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

class QSoundEffect;

// Plays the cue files through QSoundEffect: one effect per file, loaded the first time the
// file is played and kept. Starting one stops every other, so one cue sounds at a time.
// A missing file or a machine without sound stays silent and never blocks; whether there is
// an audio device at all is told by available(), for the window to say once.
// Destroy it before the application object, as any owner of multimedia objects.
class QtSoundOutput final : public SoundOutput
{
public:
    // Detect: look for an audio device once, now; without one, no cue is played (each would
    // only warn). Assume: play as if there were one.
    enum class Device { Detect, Assume };

    explicit QtSoundOutput(Device device = Device::Detect);
    ~QtSoundOutput() override;
    Q_DISABLE_COPY_MOVE(QtSoundOutput)

    void play(const QString &path) override;
    bool available() const override { return m_available; }

    // The effect kept for a file, or null if that file was never played or is missing.
    const QSoundEffect *effect(const QString &path) const;
    int effectCount() const { return int(m_effects.size()); }

private:
    bool m_available = true;
    std::vector<std::unique_ptr<QSoundEffect>> m_effects;
    QHash<QString, QSoundEffect *> m_byPath;
};
