#include "display/screensaverinhibitor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

// Waits for the answer to a release no longer than this: it is the last thing said to the
// bus at the end of the program, and a hung service must not hold the program open.
constexpr int kReleaseTimeoutMs = 1000;
// The GNOME session manager's flag for "idle": no screensaver, no blanking.
constexpr uint kInhibitIdle = 8;

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
    // Also when the program ends without this object being destroyed first (SIGTERM ends
    // the event loop, and the views go with the main window afterwards).
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &ScreenSaverInhibitor::release);
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    release();
    if (QDBusPendingCallWatcher *pending = m_pending) {
        // The answer to the request is needed to give the cookie back; waiting may deliver
        // it already.
        pending->waitForFinished();
        onInhibitReply(pending);
    }
}

ScreenSaverInhibitor::Service ScreenSaverInhibitor::availableService() const
{
    if (!m_bus.isConnected())
        return Service::None;
    const QDBusConnectionInterface *bus = m_bus.interface();
    if (!bus)
        return Service::None;
    if (bus->isServiceRegistered(kScreenSaverService))
        return Service::ScreenSaver;
    if (bus->isServiceRegistered(kSessionService))
        return Service::SessionManager;
    return Service::None;
}

void ScreenSaverInhibitor::inhibit(const QString &reason)
{
    if (m_wanted)
        return;
    m_wanted = true;
    if (m_pending || m_held)
        return; // the earlier request is still out or still held: it serves again
    m_service = availableService();
    const QString application = QCoreApplication::applicationName();
    QDBusMessage call;
    switch (m_service) {
    case Service::None:
        return;
    case Service::ScreenSaver:
        call = QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath,
                                              kScreenSaverService, QStringLiteral("Inhibit"));
        call << application << reason;
        break;
    case Service::SessionManager:
        call = QDBusMessage::createMethodCall(kSessionService, kSessionPath, kSessionService,
                                              QStringLiteral("Inhibit"));
        call << application << uint(0) << reason << kInhibitIdle;
        break;
    }
    m_pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(m_pending, &QDBusPendingCallWatcher::finished, this,
            &ScreenSaverInhibitor::onInhibitReply);
}

void ScreenSaverInhibitor::onInhibitReply(QDBusPendingCallWatcher *watcher)
{
    if (watcher != m_pending)
        return;
    m_pending = nullptr;
    watcher->deleteLater();
    const QDBusPendingReply<uint> reply = *watcher;
    const bool granted = !reply.isError();
    if (granted) {
        m_cookie = reply.value();
        m_held = true;
        if (!m_wanted)
            sendRelease(); // closed while the request was out
    }
    emit inhibitAnswered(granted);
}

void ScreenSaverInhibitor::release()
{
    m_wanted = false;
    if (m_held)
        sendRelease();
}

void ScreenSaverInhibitor::sendRelease()
{
    const uint cookie = m_cookie;
    m_held = false;
    QDBusMessage call =
        m_service == Service::SessionManager
            ? QDBusMessage::createMethodCall(kSessionService, kSessionPath, kSessionService,
                                             QStringLiteral("Uninhibit"))
            : QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath,
                                             kScreenSaverService, QStringLiteral("UnInhibit"));
    call << cookie;
    m_bus.call(call, QDBus::Block, kReleaseTimeoutMs);
}
