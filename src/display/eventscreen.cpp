#include "display/eventscreen.h"

#include "display/pointerhider.h"
#include "display/screensaverinhibitor.h"
#include "display/viewplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

EventScreen::EventScreen(QWidget &view, const QDBusConnection &bus)
    : QObject(&view), m_view(view), m_pointer(new PointerHider(view)),
      m_screenSaver(new ScreenSaverInhibitor(bus, this))
{
}

void EventScreen::open(const QScreen *mainScreen)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return;
    const int index = viewScreenIndex(
        int(screens.size()), int(screens.indexOf(const_cast<QScreen *>(mainScreen))), m_asked);
    placeFullScreen(m_view, screens.at(index));
    m_open = true;
    m_screenSaver->inhibit(QStringLiteral("Contagem em apresentação"));
    m_pointer->start();
}

void EventScreen::close()
{
    m_open = false;
    m_pointer->stop();
    m_screenSaver->release();
}

void EventScreen::moveToNextScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (!m_open || screens.size() < 2)
        return;
    m_asked = nextScreenIndex(int(screens.size()), int(screens.indexOf(m_view.screen())));
    placeFullScreen(m_view, screens.at(m_asked));
    m_pointer->start();
}
