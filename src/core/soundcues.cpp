#include "core/soundcues.h"

#include <QDir>

SoundCues::SoundCues(SoundOutput &output, QString directory)
    : m_output(output), m_directory(std::move(directory))
{
}

QString SoundCues::fileName(Cue cue)
{
    switch (cue) {
    case Cue::Clicar:
        return QStringLiteral("Clicar.wav");
    case Cue::Zapt:
        return QStringLiteral("zapt.wav");
    case Cue::Rot2:
        return QStringLiteral("rot2.wav");
    case Cue::Stop:
        return QStringLiteral("stop.wav");
    case Cue::Abaixo:
        return QStringLiteral("abaixo.wav");
    case Cue::Happy:
        return QStringLiteral("happy.wav");
    case Cue::Abretrena:
        return QStringLiteral("abretrena.wav");
    case Cue::Gaveta:
        return QStringLiteral("gaveta.wav");
    }
    return {};
}

bool SoundCues::isSwitchable(Cue cue)
{
    return cue == Cue::Rot2 || cue == Cue::Stop || cue == Cue::Gaveta;
}

void SoundCues::play(Cue cue)
{
    if (isSwitchable(cue) && SomDesligado == 1)
        return;
    ArquivoSom = QDir(m_directory).filePath(fileName(cue));
    m_output.play(ArquivoSom);
}
