#pragma once

#include <QObject>

class PictureButton;
class QButtonGroup;
class QFrame;
class SoundCues;

// The tool panel's own behaviour: it slides in and out over the toolbar with a cue (Ctrl+T,
// botao(6), its close button botao(7)), and its TILT switch (Option6) says whether the
// odometer tilts.
class ToolPanel : public QObject
{
    Q_OBJECT

public:
    ToolPanel(QFrame *panel, PictureButton *closeButton, QButtonGroup *tilt, SoundCues &sound,
              QObject *parent);

    void toggle();
    void hide();

signals:
    void tiltSwitched(bool on);

private:
    QFrame *m_panel;
    SoundCues &m_sound;
};
