// The window's commands as actions, shared by its buttons, its keys and the tests; the
// windows it opens; the end of the program.
#include "windows/DeadZone/deadzone.h"

#include "core/soundcues.h"
#include "display/desktopservices.h"
#include "display/picturebutton.h"
#include "distribution/distributionmodel.h"
#include "windows/AboutSom/aboutsom.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/Configurador/configurador.h"
#include "windows/screenmenu.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QPushButton>

QAction *DeadZone::addCommand(const char *name, const QString &text, const QKeySequence &key,
                              const QString &tip, void (DeadZone::*slot)())
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setStatusTip(tip);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    return action;
}

// Each button says its command's text to a screen reader and triggers it.
static void triggeredBy(QAction *action, PictureButton *button)
{
    button->setAccessibleName(action->text());
    QObject::connect(button, &PictureButton::clicked, action, &QAction::trigger);
}

void DeadZone::buildActions()
{
    // Function keys and Ctrl with letters no text field uses (docs/guia.md lists them).
    triggeredBy(addCommand("acaoListas", QStringLiteral("Abre arquivo de ocorrências"),
                           QKeySequence(Qt::CTRL | Qt::Key_L),
                           QStringLiteral("Mostra ou esconde a lista de ocorrências"),
                           &DeadZone::toggleListPanel),
                botao[0]);
    triggeredBy(addCommand("acaoEditor", QStringLiteral("Mapa de Distribuição"),
                           QKeySequence(Qt::CTRL | Qt::Key_E),
                           QStringLiteral("Abre o editor de padrões de distribuição por hora"),
                           &DeadZone::showEditor),
                botao[8]);
    triggeredBy(addCommand("acaoFerramentas", QStringLiteral("Painel de Ferramentas"),
                           QKeySequence(Qt::CTRL | Qt::Key_T),
                           QStringLiteral("Mostra ou esconde o painel de ferramentas"),
                           &DeadZone::toggleToolPanel),
                botao[6]);
    QAction *presentation = addCommand(
        "acaoApresentacao", QStringLiteral("Modo de apresentação"), QKeySequence(Qt::Key_F11),
        QStringLiteral("Contagem em tela cheia (F11; Esc volta)"), &DeadZone::enterPresentation);
    connect(BotaoApresentacao, &QPushButton::clicked, presentation, [this, presentation] {
        offerViewScreens(BotaoApresentacao, screen(), presentationView().eventScreen(),
                         [presentation] { presentation->trigger(); });
    });
    BotaoApresentacao->setAccessibleName(presentation->text());
    triggeredBy(addCommand("acaoIniciar", QStringLiteral("Iniciar contagem"),
                           QKeySequence(Qt::Key_F5), QStringLiteral("Inicia ou retoma a contagem"),
                           &DeadZone::startCount),
                Image2);
    triggeredBy(
        addCommand("acaoPausar", QStringLiteral("Pausar contagem"), QKeySequence(Qt::Key_F6),
                   QStringLiteral("Pausa a contagem; em pausa, retoma"), &DeadZone::pauseCount),
        Image3);
    triggeredBy(addCommand("acaoLimpar", QStringLiteral("Limpar"), QKeySequence(Qt::Key_F7),
                           QStringLiteral("Zera a contagem e esquece o número escolhido"),
                           &DeadZone::resetCount),
                botao[3]);
    triggeredBy(addCommand("acaoSobre", QStringLiteral("Sobre"), QKeySequence(Qt::Key_F1),
                           QStringLiteral("Sobre o programa"), &DeadZone::showAbout),
                botao[4]);
    triggeredBy(addCommand("acaoAbrirOcorrencias", QStringLiteral("Edita arquivo Ocorrências"),
                           QKeySequence(Qt::CTRL | Qt::Key_O),
                           QStringLiteral("Abre QuorvelParametros.txt no editor de textos"),
                           &DeadZone::openIncidenceFile),
                botao[5]);
    triggeredBy(addCommand("acaoAbrirHomicidios", QStringLiteral("Edita arquivo Homicidios"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                           QStringLiteral("Abre Quorvelhomicidios.txt no editor de textos"),
                           &DeadZone::openStatesFile),
                botao[9]);
    triggeredBy(addCommand("acaoSair", QStringLiteral("Sair"), QKeySequence(Qt::CTRL | Qt::Key_Q),
                           QStringLiteral("Encerra o programa"), &DeadZone::exitProgram),
                botao[1]);
    botao[1]->setToolTip(QStringLiteral("Sair"));
    connect(botao[2], &PictureButton::clicked, this, [this] {
        PainelList1->hide();
        m_sound.TocaAbretrena();
    });
    connect(botao[7], &PictureButton::clicked, this, &DeadZone::hideToolPanel);
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

void DeadZone::toggleToolPanel()
{
    if (!PainelFerramentas->isHidden()) {
        hideToolPanel();
        return;
    }
    m_sound.TocaAbretrena();
    PainelFerramentas->show();
    PainelFerramentas->raise();
}

void DeadZone::hideToolPanel()
{
    PainelFerramentas->hide();
    m_sound.TocaAbretrena();
}

void DeadZone::hoverOff()
{
    for (PictureButton *button : botao)
        button->setBorderStyle(0);
}

// ---- The windows it opens -----------------------------------------------------------------

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
    m_sound.TocaZapt();
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

// ---- The end of the program ---------------------------------------------------------------

bool DeadZone::mayQuit()
{
    if (m_quitting || !m_configurador)
        return true;
    return m_configurador->settleUnsavedEdits();
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
    closeSecondaryWindows();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
