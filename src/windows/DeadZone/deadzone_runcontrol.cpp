// Play, wait and pause, and the sound and TILT switches.
#include "windows/DeadZone/deadzone.h"

#include "core/soundcues.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

void DeadZone::Playativa()
{
    m_sound.TocaClicar();
    Image2->setPicture(m_playon);
    Image3->setPicture(m_WaitOff);
    m_runState = RunState::Running;
}

void DeadZone::WaitAtiva()
{
    m_sound.TocaClicar();
    Image2->setPicture(m_playoff);
    Image3->setPicture(m_waitOn);
    m_runState = RunState::Waiting;
}

void DeadZone::teclasOff()
{
    Image2->setPicture(m_playoff);
    Image3->setPicture(m_WaitOff);
    m_runState = RunState::Off;
}

void DeadZone::Image2_Click()
{
    if (ParametroMes->text().isEmpty()) {
        m_sound.TocaAbaixo();
        abrearquivo();
        return;
    }
    Timer3->start();
    Picture22->hide();
    Playativa();
    PainelList1->hide();
}

void DeadZone::Image3_Click()
{
    if (m_runState == RunState::Waiting)
        Image2_Click();
    else if (m_runState == RunState::Off)
        m_sound.TocaAbaixo();
    else
        Paraliza();
}

void DeadZone::Paraliza()
{
    Timer3->stop();
    Timer1->stop();
    Picture1->setPicture(FaceDigito(m_state.DigitoDecimal3));
    Picture0->setPicture(FaceDigito(m_state.DigitoDecimal4));
    m_sound.SomDesligado = 1;
    Option3->setChecked(true);
    WaitAtiva();
    RelogPolcar->stop();
    relogAnjo->stop();
    RelogAuto->stop();
    moveScene(anjo, anjoTwips.x(), anjoTwips.height() + windowHeightTwips());
    autoCar->hide();
    moveScene(autoCar, autoTwips.x() + 30, autoTwips.y() + 10);
    Polcar->hide();
    moveScene(Polcar, PolcarTwips.x() - 30, PolcarTwips.y());
}

void DeadZone::Option2_Click()
{
    if (counting()) {
        m_sound.SomDesligado = 0;
        return;
    }
    // ON is refused while no count runs: neither switch position stays selected.
    somGroup->setExclusive(false);
    Option2->setChecked(false);
    somGroup->setExclusive(true);
}

void DeadZone::Option3_Click()
{
    if (counting())
        m_sound.SomDesligado = 1;
}

void DeadZone::Option6_Click(int)
{
    m_state.TiltDesligado = Option6[0]->isChecked() ? 0 : 1;
}
