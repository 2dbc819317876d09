#include "display/soundswitch.h"

#include "core/soundcues.h"

#include <QButtonGroup>
#include <QRadioButton>

SoundSwitch::SoundSwitch(QRadioButton *on, QRadioButton *off, QButtonGroup *group, SoundCues &sound,
                         std::function<bool()> counting, QObject *parent)
    : QObject(parent), m_on(on), m_off(off), m_group(group), m_sound(sound),
      m_counting(std::move(counting))
{
    connect(m_on, &QRadioButton::clicked, this, &SoundSwitch::switched);
    connect(m_off, &QRadioButton::clicked, this, &SoundSwitch::switched);
}

void SoundSwitch::silence()
{
    m_sound.SomDesligado = 1;
    m_off->setChecked(true);
}

void SoundSwitch::switched()
{
    if (m_off->isChecked()) {
        if (m_counting())
            m_sound.SomDesligado = 1;
        return;
    }
    if (m_counting()) {
        m_sound.SomDesligado = 0;
        return;
    }
    // ON is refused while no count runs: neither switch position stays selected.
    m_group->setExclusive(false);
    m_on->setChecked(false);
    m_group->setExclusive(true);
}

// Said once, when the window comes up: a machine without an audio device plays no cue, and the
// switch stays OFF instead of offering what cannot be heard.
QString SoundSwitch::checkOutput()
{
    if (m_sound.outputAvailable())
        return QString();
    const QString notice = QStringLiteral("Som indisponível: nenhum dispositivo de áudio");
    m_off->setChecked(true);
    m_on->setEnabled(false);
    m_on->setToolTip(notice);
    return notice;
}
