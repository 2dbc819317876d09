#pragma once

#include "core/counter.h"

#include <QObject>
#include <QPixmap>

class PictureButton;

// The run state as the play and wait buttons show it: play lit while counting, wait lit while
// paused or stopped at the odometer's capacity.
enum class RunFace { Off, Running, Waiting };
RunFace runFace(Counter::RunState state);

// The play and wait picture buttons (Image2, Image3): their lit and idle faces at the window's
// scale, the state a screen reader hears ("ligado", "desligado"), and the outline while pressed.
class RunControlButtons : public QObject
{
    Q_OBJECT

public:
    RunControlButtons(PictureButton *play, PictureButton *wait, QObject *parent);

    // Renders the four faces at this size; the buttons keep showing the state they showed.
    void loadPictures(const QSize &face, qreal devicePixelRatio);
    void show(RunFace face);

private:
    PictureButton *m_play;
    PictureButton *m_wait;
    RunFace m_face = RunFace::Off;
    QPixmap m_playon, m_playoff, m_waitOn, m_WaitOff;
};
