#include "windows/MainWindow/sidewindows.h"

#include "core/counter.h"
#include "core/soundcues.h"
#include "distribution/distributionmodel.h"
#include "distribution/entrypattern.h"
#include "windows/AboutSom/aboutsom.h"
#include "windows/Configurador/configurador.h"

#include <QDir>

SideWindows::SideWindows(Counter &counter, SoundCues &sound, DesktopServices &desktop,
                         QString dataDirectory, QWidget *window)
    : QObject(window), m_counter(counter), m_sound(sound), m_desktop(desktop),
      m_dataDirectory(std::move(dataDirectory)), m_window(window)
{
}

SideWindows::~SideWindows()
{
    closeAll();
}

DistributionModel &SideWindows::distributionModel()
{
    if (!m_distribution) {
        m_distribution = new DistributionModel(
            QDir(m_dataDirectory).filePath(QStringLiteral("QuorvelDistribuicao.txt")), m_sound,
            this);
        // The editor's "use as default" hands its checked pattern over explicitly.
        m_distribution->setActivation(
            [this] { return m_counter.isCounting(); }, [this] { return m_counter.hasFigure(); },
            [this] { m_counter.usePattern(patternInEditor(*m_distribution)); });
    }
    return *m_distribution;
}

Configurador &SideWindows::editor()
{
    if (!m_editor) {
        // A window of its own, not a child: its controls share names with the main window's.
        m_editor = new Configurador(distributionModel(), m_sound);
        m_editor->setDesktop(m_desktop);
    }
    return *m_editor;
}

void SideWindows::showEditor()
{
    Configurador &shown = editor();
    shown.show();
    shown.raise();
    shown.activateWindow();
}

void SideWindows::showAbout()
{
    m_sound.TocaZapt();
    if (!m_about)
        m_about = new AboutSom(m_desktop, m_window);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

bool SideWindows::mayClose()
{
    return !m_editor || m_editor->settleUnsavedEdits();
}

void SideWindows::closeAll()
{
    delete m_about;
    m_about = nullptr;
    delete m_editor;
    m_editor = nullptr;
}
