#pragma once

#include <QString>

// The eight sound cues, numbered as the program has always numbered them.
enum class Cue {
    Clicar = 1,
    Zapt,
    Rot2,
    Stop,
    Abaixo,
    Happy,
    Abretrena,
    Gaveta,
};

// Plays a wave file asynchronously; starting one stops the one playing. Never reports.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    virtual void play(const QString &path) = 0;
    // False when the machine has no way to sound at all (no audio device).
    virtual bool available() const { return true; }
};

// The cue procedures shared by every window, with the public sound flags.
class SoundCues
{
public:
    SoundCues(SoundOutput &output, QString directory);

    // 1: the switchable cues (rolling sounds and pattern found) stay silent.
    qint16 SomDesligado = 1;
    // Full path of the wave file of the last cue played.
    QString ArquivoSom;

    void play(Cue cue);

    void TocaClicar() { play(Cue::Clicar); }
    void TocaZapt() { play(Cue::Zapt); }
    void TocaRot2() { play(Cue::Rot2); }
    void TocaStop() { play(Cue::Stop); }
    void TocaAbaixo() { play(Cue::Abaixo); }
    void TocaHappy() { play(Cue::Happy); }
    void TocaAbretrena() { play(Cue::Abretrena); }
    void TocaGaveta() { play(Cue::Gaveta); }

    // Whether the cues can be heard on this machine at all.
    bool outputAvailable() const { return m_output.available(); }

    static QString fileName(Cue cue);
    static bool isSwitchable(Cue cue);
    QString directory() const { return m_directory; }

private:
    SoundOutput &m_output;
    QString m_directory;
};

// A sound output that plays nothing (for tools and benchmarks without sound).
class SilentSoundOutput final : public SoundOutput
{
public:
    void play(const QString &) override {}
};
