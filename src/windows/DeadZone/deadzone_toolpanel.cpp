// The toolbar's picture buttons: the command dispatcher and the hover-off feedback.
#include "windows/DeadZone/deadzone.h"

#include "core/soundcues.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

void DeadZone::botao_Click(int index)
{
    switch (index) {
    case 0:
        if (!PainelList1->isHidden()) {
            PainelList1->hide();
            m_sound.TocaAbretrena();
        } else {
            if (m_runState == RunState::Running)
                Paraliza();
            abrearquivo();
            m_sound.TocaAbretrena();
        }
        break;
    case 1:
        // Exit at once, with every window; nothing is saved.
        m_sound.TocaZapt();
        closeSecondaryWindows();
        QApplication::closeAllWindows();
        QCoreApplication::quit();
        break;
    case 2:
        PainelList1->hide();
        m_sound.TocaAbretrena();
        break;
    case 3:
        Paraliza();
        teclasOff();
        ParametroMes->clear();
        ParametroDia->clear();
        m_choice.forget();
        Picture22->show();
        PainelList1->hide();
        Inicializa();
        for (QLabel *label :
             {Label4, Label8, Percent, Label9, Parametrohora, FonteEntrada, IntervaloVitimas})
            label->clear();
        break;
    case 4:
        m_sound.TocaZapt();
        showAbout();
        break;
    case 5:
        abretexto();
        break;
    case 6:
        if (PainelFerramentas->isHidden()) {
            m_sound.TocaAbretrena();
            PainelFerramentas->show();
            PainelFerramentas->raise();
        } else {
            PainelFerramentas->hide();
            m_sound.TocaAbretrena();
        }
        break;
    case 7:
        PainelFerramentas->hide();
        m_sound.TocaAbretrena();
        break;
    case 8:
        showEditor();
        break;
    case 9:
        abrehomicidios();
        break;
    default:
        break;
    }
}

void DeadZone::hoverOff()
{
    for (PictureButton *button : botao)
        button->setBorderStyle(0);
}
