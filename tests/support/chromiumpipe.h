#pragma once

// Debian's Chromium, headless, driven through its DevTools protocol over a pair of pipes
// (--remote-debugging-pipe: the browser reads commands on its descriptor 3 and writes answers
// and events on 4, each message a JSON text ended by a NUL byte). Header only, for the page's
// tests and its benchmark.

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

extern char **environ;

class ChromiumPipe
{
public:
    // The browser as installed by scripts/deps.sh; empty when it is not.
    static QString program()
    {
        for (const char *name : {"chromium", "chromium-browser"}) {
            const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
            if (!found.isEmpty())
                return found;
        }
        return QString();
    }

    // Starts the browser with TZ set to `timeZone` (empty: as inherited). False when it could
    // not be started.
    bool start(const QString &timeZone)
    {
        const QString path = program();
        if (path.isEmpty() || !m_profile.isValid())
            return false;
        int toBrowser[2];
        int fromBrowser[2];
        if (pipe(toBrowser) != 0 || pipe(fromBrowser) != 0)
            return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toBrowser[0], 3);
        posix_spawn_file_actions_adddup2(&actions, fromBrowser[1], 4);
        // The browser's own complaints (no system bus, no GPU) are no part of a test's output.
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        for (int fd : {toBrowser[0], toBrowser[1], fromBrowser[0], fromBrowser[1]}) {
            if (fd != 3 && fd != 4)
                posix_spawn_file_actions_addclose(&actions, fd);
        }
        const QList<QByteArray> arguments = {path.toLocal8Bit(),
                                             "--headless",
                                             "--no-sandbox",
                                             "--disable-gpu",
                                             "--disable-quic",
                                             "--no-first-run",
                                             "--disable-background-networking",
                                             "--disable-component-update",
                                             "--disable-sync",
                                             "--disable-extensions",
                                             "--mute-audio",
                                             "--remote-debugging-pipe",
                                             "--user-data-dir=" + m_profile.path().toLocal8Bit(),
                                             "about:blank"};
        std::vector<char *> argv;
        for (const QByteArray &argument : arguments)
            argv.push_back(const_cast<char *>(argument.constData()));
        argv.push_back(nullptr);

        QList<QByteArray> environment;
        for (char **variable = environ; *variable != nullptr; ++variable) {
            if (!QByteArray(*variable).startsWith("TZ="))
                environment.append(*variable);
        }
        if (!timeZone.isEmpty())
            environment.append("TZ=" + timeZone.toLocal8Bit());
        std::vector<char *> envp;
        for (const QByteArray &variable : environment)
            envp.push_back(const_cast<char *>(variable.constData()));
        envp.push_back(nullptr);

        const int spawned =
            posix_spawn(&m_pid, argv.front(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        close(toBrowser[0]);
        close(fromBrowser[1]);
        m_write = toBrowser[1];
        m_read = fromBrowser[0];
        if (spawned != 0) {
            m_pid = 0;
            return false;
        }
        return true;
    }

    ~ChromiumPipe() { stop(); }

    void stop()
    {
        if (m_pid > 0) {
            call(QStringLiteral("Browser.close"), {}, QString(), 5000);
            int status = 0;
            QElapsedTimer waited;
            waited.start();
            while (waitpid(m_pid, &status, WNOHANG) == 0) {
                if (waited.elapsed() > 5000) {
                    kill(m_pid, SIGKILL);
                    waitpid(m_pid, &status, 0);
                    break;
                }
                usleep(20'000);
            }
            m_pid = 0;
        }
        for (int *fd : {&m_write, &m_read}) {
            if (*fd >= 0)
                close(*fd);
            *fd = -1;
        }
    }

    // Sends a command and waits for its answer; the answer's "result", or an empty object
    // (with `error` set) when it failed or timed out.
    QJsonObject call(const QString &method, const QJsonObject &params = {},
                     const QString &session = QString(), int timeoutMs = 30'000)
    {
        const int id = ++m_lastId;
        QJsonObject message{{QStringLiteral("id"), id}, {QStringLiteral("method"), method}};
        if (!params.isEmpty())
            message[QStringLiteral("params")] = params;
        if (!session.isEmpty())
            message[QStringLiteral("sessionId")] = session;
        QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact);
        bytes.append('\0');
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t n = write(m_write, bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0) {
                error = QStringLiteral("the browser's pipe is closed");
                return {};
            }
            done += n;
        }
        const QJsonObject answer = waitFor(
            [id](const QJsonObject &m) { return m.value(QStringLiteral("id")).toInt() == id; },
            timeoutMs);
        if (answer.contains(QStringLiteral("error"))) {
            error = method + QStringLiteral(": ") +
                    QString::fromUtf8(
                        QJsonDocument(answer.value(QStringLiteral("error")).toObject()).toJson());
            return {};
        }
        return answer.value(QStringLiteral("result")).toObject();
    }

    // Waits for an event of that name (of any session); the whole message, or empty.
    QJsonObject waitForEvent(const QString &method, int timeoutMs = 30'000)
    {
        for (qsizetype i = 0; i < events.size(); ++i) {
            if (events.at(i).value(QStringLiteral("method")).toString() == method)
                return events.takeAt(i);
        }
        return waitFor(
            [&method](const QJsonObject &m) {
                return m.value(QStringLiteral("method")).toString() == method;
            },
            timeoutMs);
    }

    // Every event seen and not yet taken, in order.
    QList<QJsonObject> events;
    QString error;

private:
    QJsonObject waitFor(const std::function<bool(const QJsonObject &)> &wanted, int timeoutMs)
    {
        QElapsedTimer waited;
        waited.start();
        while (true) {
            qsizetype end;
            while ((end = m_buffer.indexOf('\0')) >= 0) {
                const QJsonObject message = QJsonDocument::fromJson(m_buffer.left(end)).object();
                m_buffer.remove(0, end + 1);
                if (wanted(message))
                    return message;
                if (message.contains(QStringLiteral("method")))
                    events.append(message);
            }
            const qint64 left = timeoutMs - waited.elapsed();
            if (left <= 0) {
                error = QStringLiteral("no answer from the browser in time");
                return {};
            }
            pollfd readable{m_read, POLLIN, 0};
            if (poll(&readable, 1, int(left)) <= 0)
                continue;
            char chunk[65536];
            const ssize_t n = read(m_read, chunk, sizeof chunk);
            if (n <= 0) {
                error = QStringLiteral("the browser ended");
                return {};
            }
            m_buffer.append(chunk, n);
        }
    }

    QTemporaryDir m_profile; // a new, empty profile for every browser
    pid_t m_pid = 0;
    int m_write = -1;
    int m_read = -1;
    int m_lastId = 0;
    QByteArray m_buffer;
};
