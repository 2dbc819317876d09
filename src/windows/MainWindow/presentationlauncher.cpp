#include "windows/MainWindow/presentationlauncher.h"

#include "core/clock.h"
#include "core/sharepicturetext.h"
#include "data/countdescription.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/sharepicture.h"

#include <QWidget>

PresentationLauncher::PresentationLauncher(Counter &counter, Clock &clock, QWidget *window)
    : QObject(window), m_counter(counter), m_clock(clock), m_window(window)
{
}

PresentationLauncher::~PresentationLauncher()
{
    drop();
}

Apresentacao &PresentationLauncher::view()
{
    if (!m_view) {
        // A window of its own, so that it can show on another screen beside the main window.
        m_view = new Apresentacao(m_counter, m_clock);
        connect(m_view, &Apresentacao::startOrPauseRequested, this,
                &PresentationLauncher::startOrPauseRequested);
        connect(m_view, &Apresentacao::leaveRequested, this, &PresentationLauncher::close);
        connect(m_view, &Apresentacao::pictureReported, this,
                &PresentationLauncher::pictureReported);
    }
    return *m_view;
}

void PresentationLauncher::open(bool reducedMotion, int victimKind)
{
    if (isOpen())
        return;
    view();
    m_view->setReducedMotion(reducedMotion);
    m_view->setVictimKind(victimKind);
    m_windowGeometry = m_window->isVisible() ? m_window->saveGeometry() : QByteArray();
    m_view->open(m_window->screen());
    // On a screen of its own (a projector) the view leaves the window usable beside it.
    m_window->setVisible(m_view->screen() != m_window->screen());
}

void PresentationLauncher::close()
{
    if (!isOpen())
        return;
    m_view->closeView();
    if (!m_windowGeometry.isEmpty() && m_window->isHidden())
        m_window->restoreGeometry(m_windowGeometry);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool PresentationLauncher::isOpen() const
{
    return m_view && m_view->isOpen();
}

void PresentationLauncher::drop()
{
    if (!m_view)
        return;
    m_view->closeView();
    delete m_view;
    m_view = nullptr;
}

void PresentationLauncher::describe(const DescribedCount &described)
{
    if (!m_view)
        return;
    m_view->setDescription(described.what);
    m_view->setSource(described.source, described.rate);
}

void PresentationLauncher::setReducedMotion(bool on)
{
    if (m_view)
        m_view->setReducedMotion(on);
}

void PresentationLauncher::setVictimKind(int kind)
{
    if (m_view)
        m_view->setVictimKind(kind);
}

QImage PresentationLauncher::picture(const QSize &size)
{
    Apresentacao &shown = view();
    // The open view is pictured at its own size; otherwise at the size asked, or of a full HD
    // screen.
    const QSize drawn = isOpen() ? shown.size() : size.isValid() ? size : kDefaultPictureSize;
    SharePicture picture(shown);
    return picture.draw(drawn, m_clock.now());
}
