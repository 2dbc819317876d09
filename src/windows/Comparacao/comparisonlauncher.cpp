#include "windows/Comparacao/comparisonlauncher.h"

#include "display/eventscreen.h"
#include "windows/Comparacao/comparacao.h"
#include "windows/Comparacao/escolhacomparacao.h"

#include <QWidget>

ComparisonLauncher::ComparisonLauncher(Clock &clock, const QString &dataDirectory,
                                       QWidget *mainWindow)
    : QObject(mainWindow), m_clock(clock), m_dataDirectory(dataDirectory), m_mainWindow(mainWindow),
      m_settingsFile(comparisonSettingsFile())
{
}

ComparisonLauncher::~ComparisonLauncher()
{
    // A window of its own, not a child of the main window.
    delete m_view;
}

Comparacao &ComparisonLauncher::ensureView()
{
    if (!m_view) {
        m_view = new Comparacao(m_clock);
        m_view->setReducedMotion(m_reducedMotion);
        connect(m_view, &Comparacao::leaveRequested, this, &ComparisonLauncher::leave);
        connect(m_view, &Comparacao::pictureReported, this, &ComparisonLauncher::reported);
    }
    return *m_view;
}

void ComparisonLauncher::chooseAndOpen()
{
    const ChoiceFiles files = ChoiceFiles::read(m_dataDirectory);
    EscolhaComparacao dialog(files, loadComparison(m_settingsFile), m_mainWindow);
    const int answer = m_runDialog ? m_runDialog(dialog) : dialog.exec();
    if (answer != QDialog::Accepted)
        return;
    if (!saveComparison(m_settingsFile, dialog.comparison()))
        emit reported(
            QStringLiteral("Não foi possível guardar a comparação em %1").arg(m_settingsFile));
    if (const QString problem = openWith(dialog.comparison(), files); !problem.isEmpty())
        emit reported(problem);
}

QString ComparisonLauncher::open(const Comparison &comparison)
{
    return openWith(comparison, ChoiceFiles::read(m_dataDirectory));
}

QString ComparisonLauncher::openWith(const Comparison &comparison, const ChoiceFiles &files)
{
    QList<PreparedChoice> prepared;
    for (const CounterChoice &choice : comparison.choices) {
        prepared.append(prepareChoice(choice, files));
        if (!prepared.constLast().error.isEmpty())
            return prepared.constLast().error;
    }
    Comparacao &view = ensureView();
    view.setChoices(prepared, comparison.mode);
    view.startAll();
    view.open(m_mainWindow ? m_mainWindow->screen() : nullptr);
    // On a screen of its own (a projector) the view leaves the main window usable beside it.
    if (m_mainWindow)
        m_mainWindow->setVisible(view.screen() != m_mainWindow->screen());
    return QString();
}

void ComparisonLauncher::leave()
{
    if (!m_view)
        return;
    m_view->closeView();
    if (m_mainWindow) {
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
}

void ComparisonLauncher::setReducedMotion(bool on)
{
    m_reducedMotion = on;
    if (m_view)
        m_view->setReducedMotion(on);
}

void ComparisonLauncher::setScreen(int index)
{
    ensureView().eventScreen().setAskedScreen(index);
}

bool ComparisonLauncher::isOpen() const
{
    return m_view && m_view->isOpen();
}
