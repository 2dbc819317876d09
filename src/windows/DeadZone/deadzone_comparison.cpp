// The comparison of several counters from the main window: Ctrl+K and the tool panel's
// "Comparar…" open the dialog, then the view; this window hides meanwhile.
#include "windows/DeadZone/deadzone.h"

#include "windows/Comparacao/comparisonlauncher.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>

void DeadZone::buildComparisonControls()
{
    m_comparison = new ComparisonLauncher(m_clock, m_dataDirectory, this);
    m_comparison->setReducedMotion(m_reducedMotion);
    connect(this, &DeadZone::reducedMotionChanged, m_comparison,
            &ComparisonLauncher::setReducedMotion);
    connect(m_comparison, &ComparisonLauncher::reported, this, &DeadZone::showPictureReport);

    QAction *compare =
        addCommand("acaoComparar", QStringLiteral("Comparar…"), QKeySequence(Qt::CTRL | Qt::Key_K),
                   QStringLiteral("Compara de 2 a 6 contadores lado a lado, em tela "
                                  "cheia (Ctrl+K)"),
                   &DeadZone::compareCounters);
    BotaoComparar = new QPushButton(compare->text(), PainelFerramentas2);
    BotaoComparar->setObjectName(QStringLiteral("BotaoComparar"));
    BotaoComparar->setAccessibleName(QStringLiteral("Comparar contadores"));
    BotaoComparar->setToolTip(compare->statusTip());
    place(BotaoComparar, 2520, 1830, 960, 400);
    m_twips.setFontScale(BotaoComparar, 1.0);
    connect(BotaoComparar, &QPushButton::clicked, compare, &QAction::trigger);
}

void DeadZone::compareCounters()
{
    m_comparison->chooseAndOpen();
}
