#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

// Holds the desktop's screensaver and blanking off while a view is shown, through the
// session bus: the freedesktop screensaver service, or the GNOME session manager where the
// first has no owner. Without a session bus or either service it does nothing and says
// nothing: the view works as before, the desktop may blank as before. What is held is given
// back by release(), by the destructor and when the application is about to quit.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT

public:
    static inline const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
    static inline const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
    static inline const QString kSessionService = QStringLiteral("org.gnome.SessionManager");
    static inline const QString kSessionPath = QStringLiteral("/org/gnome/SessionManager");

    explicit ScreenSaverInhibitor(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                  QObject *parent = nullptr);
    ~ScreenSaverInhibitor() override;
    Q_DISABLE_COPY(ScreenSaverInhibitor)

    // Asks once; asking again while held does nothing. The reply comes later, the view
    // is never held up by a slow service.
    void inhibit(const QString &reason);
    void release();
    // A request is out or a cookie is held.
    bool isInhibiting() const { return m_wanted; }
    // A cookie the service gave is held (to be given back).
    bool isHeld() const { return m_held; }

signals:
    // The service answered the request (for tests and for nothing else).
    void inhibitAnswered(bool granted);

private:
    enum class Service { None, ScreenSaver, SessionManager };

    Service availableService() const;
    void onInhibitReply(QDBusPendingCallWatcher *watcher);
    void sendRelease();

    QDBusConnection m_bus;
    Service m_service = Service::None;
    QDBusPendingCallWatcher *m_pending = nullptr;
    uint m_cookie = 0;
    bool m_held = false;
    bool m_wanted = false;
};
