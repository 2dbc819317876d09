#include "windows/MainWindow/commandactions.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace {

struct CommandText
{
    const char *name;
    QString text;
    QKeySequence key;
    QString tip;
};

// Function keys and Ctrl with letters no text field uses (docs/guia.md lists them).
CommandText commandText(Command command)
{
    switch (command) {
    case Command::Lists:
        return {"acaoListas", QStringLiteral("Abre arquivo de ocorrências"),
                QKeySequence(Qt::CTRL | Qt::Key_L),
                QStringLiteral("Mostra ou esconde a lista de ocorrências")};
    case Command::Editor:
        return {"acaoEditor", QStringLiteral("Mapa de Distribuição"),
                QKeySequence(Qt::CTRL | Qt::Key_E),
                QStringLiteral("Abre o editor de padrões de distribuição por hora")};
    case Command::Tools:
        return {"acaoFerramentas", QStringLiteral("Painel de Ferramentas"),
                QKeySequence(Qt::CTRL | Qt::Key_T),
                QStringLiteral("Mostra ou esconde o painel de ferramentas")};
    case Command::Presentation:
        return {"acaoApresentacao", QStringLiteral("Modo de apresentação"),
                QKeySequence(Qt::Key_F11),
                QStringLiteral("Contagem em tela cheia (F11; Esc volta)")};
    case Command::Start:
        return {"acaoIniciar", QStringLiteral("Iniciar contagem"), QKeySequence(Qt::Key_F5),
                QStringLiteral("Inicia ou retoma a contagem")};
    case Command::Pause:
        return {"acaoPausar", QStringLiteral("Pausar contagem"), QKeySequence(Qt::Key_F6),
                QStringLiteral("Pausa a contagem; em pausa, retoma")};
    case Command::Reset:
        return {"acaoLimpar", QStringLiteral("Limpar"), QKeySequence(Qt::Key_F7),
                QStringLiteral("Zera a contagem e esquece o número escolhido")};
    case Command::About:
        return {"acaoSobre", QStringLiteral("Sobre"), QKeySequence(Qt::Key_F1),
                QStringLiteral("Sobre o programa")};
    case Command::OpenIncidences:
        return {"acaoAbrirOcorrencias", QStringLiteral("Edita arquivo Ocorrências"),
                QKeySequence(Qt::CTRL | Qt::Key_O),
                QStringLiteral("Abre QuorvelParametros.txt no editor de textos")};
    case Command::OpenStates:
        return {"acaoAbrirHomicidios", QStringLiteral("Edita arquivo Homicidios"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                QStringLiteral("Abre Quorvelhomicidios.txt no editor de textos")};
    case Command::Compare:
        return {"acaoComparar", QStringLiteral("Comparar…"), QKeySequence(Qt::CTRL | Qt::Key_K),
                QStringLiteral("Compara de 2 a 6 contadores lado a lado, em tela cheia (Ctrl+K)")};
    case Command::Exit:
        break;
    }
    return {"acaoSair", QStringLiteral("Sair"), QKeySequence(Qt::CTRL | Qt::Key_Q),
            QStringLiteral("Encerra o programa")};
}

} // namespace

QAction *addCommandAction(QWidget *window, Command command)
{
    const CommandText text = commandText(command);
    auto *action = new QAction(text.text, window);
    action->setObjectName(QLatin1String(text.name));
    action->setShortcut(text.key);
    action->setStatusTip(text.tip);
    window->addAction(action);
    return action;
}

void triggerWith(QAction *action, QAbstractButton *button)
{
    button->setAccessibleName(action->text());
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
}
