// The windows the main window opens: the distribution editor and the about window.
#include "windows/DeadZone/deadzone.h"

#include "display/desktopservices.h"
#include "windows/AboutSom/aboutsom.h"
#include "windows/Configurador/configurador.h"

Configurador &DeadZone::configurador()
{
    if (!m_configurador) {
        // A window of its own, not a child: its controls share names with ours.
        m_configurador = new Configurador(distributionModel(), m_sound);
        m_configurador->setDesktop(m_desktop);
    }
    return *m_configurador;
}

void DeadZone::showEditor()
{
    Configurador &editor = configurador();
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void DeadZone::showAbout()
{
    if (!m_about)
        m_about = new AboutSom(m_desktop, this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void DeadZone::closeSecondaryWindows()
{
    delete m_about;
    m_about = nullptr;
    delete m_configurador;
    m_configurador = nullptr;
}
