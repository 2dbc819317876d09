// Play, wait and pause, and the sound and TILT switches.
#include "windows/DeadZone/deadzone.h"

#include "core/rates.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "display/odometerview.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "display/victimscene.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kNoRateNotice = QStringLiteral("Erro: Não há quantidade numérica no mês para contar");

} // namespace

// The faces carry the run state; assistive technology hears it as the buttons' state.
void DeadZone::showRunFaces(bool playOn, bool waitOn)
{
    Image2->setPicture(playOn ? m_playon : m_playoff);
    Image3->setPicture(waitOn ? m_waitOn : m_WaitOff);
    Image2->setAccessibleDescription(playOn ? QStringLiteral("ligado")
                                            : QStringLiteral("desligado"));
    Image3->setAccessibleDescription(waitOn ? QStringLiteral("ligado")
                                            : QStringLiteral("desligado"));
    m_runState = playOn ? RunState::Running : waitOn ? RunState::Waiting : RunState::Off;
    emit runStateChanged();
}

void DeadZone::Playativa()
{
    m_sound.TocaClicar();
    showRunFaces(true, false);
}

void DeadZone::WaitAtiva()
{
    m_sound.TocaClicar();
    showRunFaces(false, true);
}

void DeadZone::teclasOff()
{
    showRunFaces(false, false);
}

void DeadZone::Image2_Click()
{
    if (ParametroMes->text().isEmpty()) {
        m_sound.TocaAbaixo();
        abrearquivo();
        return;
    }
    if (!startingRate(ParametroMes->text(), ParametroDia->text())) {
        // Nothing to count from: the start is refused as plainly as other errors.
        m_sound.TocaAbaixo();
        st1Panel[0]->setText(kNoRateNotice);
        enable(RelogMensagem);
        return;
    }
    // Pressed while counting, the count tick keeps its countdown.
    enable(Timer3);
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
    // The fast wheels rest on the last count's digits; a blank odometer has shown no count
    // since its reset, and stays blank.
    if (m_odometerView->showsCount()) {
        using Face = OdometerFrame::Face;
        m_odometerView->setFace(OdometerFrame::Picture1, Face::digit(int(m_state.DigitoDecimal3)));
        m_odometerView->setFace(OdometerFrame::Picture0, Face::digit(int(m_state.DigitoDecimal4)));
    }
    m_sound.SomDesligado = 1;
    Option3->setChecked(true);
    WaitAtiva();
    m_scene->pause();
}

// Said once, when the window comes up: a machine without an audio device plays no cue, and the
// sound switch stays OFF instead of offering what cannot be heard.
void DeadZone::checkSoundOutput()
{
    if (m_sound.outputAvailable())
        return;
    const QString notice = QStringLiteral("Som indisponível: nenhum dispositivo de áudio");
    st1Panel[0]->setText(notice);
    Option3->setChecked(true);
    Option2->setEnabled(false);
    Option2->setToolTip(notice);
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
    m_odometerView->setTilt(m_state.TiltDesligado == 0);
}
