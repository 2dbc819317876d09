#include "display/qtsoundoutput.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundOutput::QtSoundOutput(Device device)
    : m_available(device == Device::Assume || !QMediaDevices::audioOutputs().isEmpty())
{
}

QtSoundOutput::~QtSoundOutput()
{
    for (const auto &effect : m_effects)
        effect->stop();
}

void QtSoundOutput::play(const QString &path)
{
    // A new cue always cuts the one playing, even when the new one cannot sound.
    for (const auto &effect : m_effects)
        effect->stop();

    if (!m_available)
        return;
    QSoundEffect *effect = m_byPath.value(path);
    if (!effect) {
        // Checked each time, so a file put back later is picked up on its next play.
        if (!QFileInfo(path).isFile())
            return;
        auto owned = std::make_unique<QSoundEffect>();
        owned->setSource(QUrl::fromLocalFile(path));
        effect = owned.get();
        m_effects.push_back(std::move(owned));
        m_byPath.insert(path, effect);
    }
    // Loading is asynchronous; an effect asked to play while loading plays once loaded.
    effect->play();
}

const QSoundEffect *QtSoundOutput::effect(const QString &path) const
{
    return m_byPath.value(path);
}
