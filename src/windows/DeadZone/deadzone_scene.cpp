// The notice clearer and the distribution LED; the new-victim animations are VictimScene's.
#include "windows/DeadZone/deadzone.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

void DeadZone::RelogMensagem_Timer()
{
    st1Panel[0]->clear();
    RelogMensagem->stop();
}

void DeadZone::Timer4_Timer()
{
    if (m_reducedMotion) {
        // Lit and steady: a 120 ms blink is about four flashes a second.
        setLed(QColor(0, 255, 0));
        m_EstadoLed = 1;
        return;
    }
    if (m_EstadoLed == 0) {
        setLed(QColor(0, 255, 0));
        m_EstadoLed = 1;
    } else if (m_EstadoLed == 1) {
        setLed(QColor(255, 0, 0));
        m_EstadoLed = 0;
    }
}
