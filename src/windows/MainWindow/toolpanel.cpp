#include "windows/MainWindow/toolpanel.h"

#include "core/soundcues.h"
#include "display/picturebutton.h"

#include <QButtonGroup>
#include <QFrame>

ToolPanel::ToolPanel(QFrame *panel, PictureButton *closeButton, QButtonGroup *tilt,
                     SoundCues &sound, QObject *parent)
    : QObject(parent), m_panel(panel), m_sound(sound)
{
    connect(closeButton, &PictureButton::clicked, this, &ToolPanel::hide);
    // Option6(0) is ON.
    connect(tilt, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit tiltSwitched(id == 0);
    });
}

void ToolPanel::toggle()
{
    if (!m_panel->isHidden()) {
        hide();
        return;
    }
    m_sound.TocaAbretrena();
    m_panel->show();
    m_panel->raise();
}

void ToolPanel::hide()
{
    m_panel->hide();
    m_sound.TocaAbretrena();
}
