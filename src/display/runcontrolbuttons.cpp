#include "display/runcontrolbuttons.h"

#include "display/picturebutton.h"
#include "display/svgpicture.h"

RunFace runFace(Counter::RunState state)
{
    switch (state) {
    case Counter::RunState::Running:
        return RunFace::Running;
    case Counter::RunState::Paused:
    case Counter::RunState::OverCapacity:
        return RunFace::Waiting;
    case Counter::RunState::Stopped:
        break;
    }
    return RunFace::Off;
}

RunControlButtons::RunControlButtons(PictureButton *play, PictureButton *wait, QObject *parent)
    : QObject(parent), m_play(play), m_wait(wait)
{
    for (PictureButton *button : {m_play, m_wait}) {
        connect(button, &PictureButton::mousePressed, button,
                [button] { button->setBorderStyle(1); });
        connect(button, &PictureButton::mouseReleased, button,
                [button] { button->setBorderStyle(0); });
    }
}

void RunControlButtons::loadPictures(const QSize &face, qreal dpr)
{
    m_playon = svgPicture(QStringLiteral(":/pictures/playon.svg"), face, dpr);
    m_playoff = svgPicture(QStringLiteral(":/pictures/playoff.svg"), face, dpr);
    m_waitOn = svgPicture(QStringLiteral(":/pictures/waiton.svg"), face, dpr);
    m_WaitOff = svgPicture(QStringLiteral(":/pictures/waitoff.svg"), face, dpr);
    show(m_face);
}

// The faces carry the run state; assistive technology hears it as the buttons' state.
void RunControlButtons::show(RunFace face)
{
    m_face = face;
    m_play->setPicture(face == RunFace::Running ? m_playon : m_playoff);
    m_wait->setPicture(face == RunFace::Waiting ? m_waitOn : m_WaitOff);
    const auto said = [](bool on) {
        return on ? QStringLiteral("ligado") : QStringLiteral("desligado");
    };
    m_play->setAccessibleDescription(said(face == RunFace::Running));
    m_wait->setAccessibleDescription(said(face == RunFace::Waiting));
}
