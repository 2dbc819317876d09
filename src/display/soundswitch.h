#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QButtonGroup;
class QRadioButton;
class SoundCues;

// The tool panel's sound switch (Option2 ON, Option3 OFF) over the cues' mute: ON only while
// a count runs (otherwise neither position stays selected), OFF again at every pause, and
// OFF for good on a machine without an audio device.
class SoundSwitch : public QObject
{
    Q_OBJECT

public:
    SoundSwitch(QRadioButton *on, QRadioButton *off, QButtonGroup *group, SoundCues &sound,
                std::function<bool()> counting, QObject *parent);

    // The pause's silence: the cues muted, the switch OFF.
    void silence();
    // Without an audio device the switch stays OFF and says why; the notice to show once,
    // or empty when sound can be heard.
    QString checkOutput();

private:
    void switched();

    QRadioButton *m_on;
    QRadioButton *m_off;
    QButtonGroup *m_group;
    SoundCues &m_sound;
    std::function<bool()> m_counting;
};
