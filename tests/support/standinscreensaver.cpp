// A stand-in for the desktop's screensaver service on a private session bus: it takes the
// name given as its argument (org.freedesktop.ScreenSaver or org.gnome.SessionManager), hands
// out cookies from 41 on and writes each call to standard output, one line each:
// "Inhibit <application>|<reason>" and "UnInhibit <cookie>". "ready" once the name is taken.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

} // namespace

class FreedesktopScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public slots:
    uint Inhibit(const QString &application, const QString &reason)
    {
        say(QStringLiteral("Inhibit %1|%2").arg(application, reason));
        return m_next++;
    }
    void UnInhibit(uint cookie) { say(QStringLiteral("UnInhibit %1").arg(cookie)); }

private:
    uint m_next = 41;
};

class GnomeSessionManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.SessionManager")

public slots:
    uint Inhibit(const QString &application, uint, const QString &reason, uint flags)
    {
        say(QStringLiteral("Inhibit %1|%2|%3").arg(application, reason).arg(flags));
        return m_next++;
    }
    void Uninhibit(uint cookie) { say(QStringLiteral("UnInhibit %1").arg(cookie)); }

private:
    uint m_next = 41;
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString name = application.arguments().value(1);
    QDBusConnection bus = QDBusConnection::sessionBus();
    FreedesktopScreenSaver screenSaver;
    GnomeSessionManager session;
    const bool gnome = name == u"org.gnome.SessionManager";
    const QString path = gnome ? QStringLiteral("/org/gnome/SessionManager")
                               : QStringLiteral("/org/freedesktop/ScreenSaver");
    QObject *object = gnome ? static_cast<QObject *>(&session) : &screenSaver;
    if (!bus.registerObject(path, object, QDBusConnection::ExportAllSlots) ||
        !bus.registerService(name)) {
        say(QStringLiteral("failed"));
        return 1;
    }
    say(QStringLiteral("ready"));
    return application.exec();
}

#include "standinscreensaver.moc"
