#include "privatebus.h"

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int kStartMs = 30'000;

// A test that crashes leaves no bus or service behind.
void endWithParent(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

} // namespace

PrivateSessionBus::PrivateSessionBus()
{
    endWithParent(m_daemon);
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(kStartMs))
        return;
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(kStartMs)) {
    }
    m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
}

PrivateSessionBus::~PrivateSessionBus()
{
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(kStartMs))
        m_daemon.kill();
}

StandInScreenSaver::StandInScreenSaver(const QString &busAddress, const QString &serviceName)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    endWithParent(m_process);
    m_process.start(QStringLiteral(QUORVEL_STANDIN_SCREENSAVER), {serviceName});
    if (!m_process.waitForStarted(kStartMs))
        return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(kStartMs)) {
    }
    m_ready = m_process.readLine().trimmed() == "ready";
}

StandInScreenSaver::~StandInScreenSaver()
{
    m_process.terminate();
    if (!m_process.waitForFinished(kStartMs))
        m_process.kill();
}

QStringList StandInScreenSaver::lines()
{
    m_process.waitForReadyRead(0);
    while (m_process.canReadLine())
        m_lines.append(QString::fromUtf8(m_process.readLine()).trimmed());
    return m_lines;
}
