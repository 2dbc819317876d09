#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A session bus of the test's own (dbus-daemon --session), so that no real desktop service
// answers and none is disturbed. Empty address when dbus-daemon could not be started.
class PrivateSessionBus
{
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

// The stand-in screensaver service (tests/support/standinscreensaver.cpp) on a bus, under one
// of the two names; lines() are the calls it got, "Inhibit …" and "UnInhibit <cookie>".
class StandInScreenSaver
{
public:
    StandInScreenSaver(const QString &busAddress, const QString &serviceName);
    ~StandInScreenSaver();
    StandInScreenSaver(const StandInScreenSaver &) = delete;
    StandInScreenSaver &operator=(const StandInScreenSaver &) = delete;

    bool isReady() const { return m_ready; }
    // The calls so far, read from its output without waiting.
    QStringList lines();

private:
    QProcess m_process;
    QStringList m_lines;
    bool m_ready = false;
};
