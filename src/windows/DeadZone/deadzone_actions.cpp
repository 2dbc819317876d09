// The window's commands as actions, shared by its buttons, its keys and the tests; the
// panels they slide in and out; the end of the program.
#include "windows/DeadZone/deadzone.h"

#include "core/soundcues.h"
#include "display/picturebutton.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/MainWindow/commandactions.h"
#include "windows/screenmenu.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QPushButton>

void DeadZone::buildActions()
{
    const auto add = [this](Command command, void (DeadZone::*slot)(), QAbstractButton *button) {
        QAction *action = addCommandAction(this, command);
        connect(action, &QAction::triggered, this, slot);
        if (button)
            triggerWith(action, button);
        return action;
    };
    add(Command::Lists, &DeadZone::toggleListPanel, botao[0]);
    add(Command::Editor, &DeadZone::showEditor, botao[8]);
    add(Command::Tools, &DeadZone::toggleToolPanel, botao[6]);
    // With more than one screen the button offers them first (F11 opens at once).
    QAction *presentation = add(Command::Presentation, &DeadZone::enterPresentation, nullptr);
    BotaoApresentacao->setAccessibleName(presentation->text());
    connect(BotaoApresentacao, &QPushButton::clicked, presentation, [this, presentation] {
        offerViewScreens(BotaoApresentacao, screen(), presentationView().eventScreen(),
                         [presentation] { presentation->trigger(); });
    });
    add(Command::Start, &DeadZone::startCount, Image2);
    add(Command::Pause, &DeadZone::pauseCount, Image3);
    add(Command::Reset, &DeadZone::resetCount, botao[3]);
    add(Command::About, &DeadZone::showAbout, botao[4]);
    add(Command::OpenIncidences, &DeadZone::openIncidenceFile, botao[5]);
    add(Command::OpenStates, &DeadZone::openStatesFile, botao[9]);
    add(Command::Exit, &DeadZone::exitProgram, botao[1]);
    // The panel's button has a name of its own for screen readers.
    QAction *compare = add(Command::Compare, &DeadZone::compareCounters, nullptr);
    BotaoComparar->setToolTip(compare->statusTip());
    connect(BotaoComparar, &QPushButton::clicked, compare, &QAction::trigger);
    botao[1]->setToolTip(QStringLiteral("Sair"));
    connect(botao[2], &PictureButton::clicked, this, [this] {
        PainelList1->hide();
        m_sound.TocaAbretrena();
    });
}

void DeadZone::toggleListPanel()
{
    if (PainelList1->isHidden()) {
        if (counting())
            quietPause();
        openLists();
    } else {
        PainelList1->hide();
    }
    m_sound.TocaAbretrena();
}

// ---- The end of the program ---------------------------------------------------------------

bool DeadZone::mayQuit()
{
    return m_quitting || m_sides->mayClose();
}

void DeadZone::exitProgram()
{
    if (!mayQuit())
        return;
    m_sound.TocaZapt();
    quit();
}

void DeadZone::quit()
{
    // Nothing is saved on the way out: the editor's edits were settled before.
    m_quitting = true;
    m_sides->closeAll();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
