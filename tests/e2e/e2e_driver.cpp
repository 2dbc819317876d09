// Drives the real program as a user with a screen reader would: it finds the controls through
// the accessibility bus (AT-SPI, what screen readers read), clicks them with the real pointer
// (xdotool), and reads the odometer back through the same bus. Run by run_e2e.sh inside a
// virtual X server and a private D-Bus session.
//
// Usage: quorvel_e2e_driver <program> <work directory>
#include "atspi.h"
#include "xclose.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

// Generous limits: the machine may be loaded, and nothing here measures speed.
constexpr int kStartLimitMs = 120'000;
constexpr int kStepLimitMs = 60'000;
constexpr int kPollMs = 250;

struct Failure
{
    QString what;
};

[[noreturn]] void fail(const QString &what)
{
    throw Failure{what};
}

// Set while the program must be running: a wait then fails at once if it has ended.
QProcess *g_program = nullptr;

// Polls until the condition holds; fails with `what` when the limit passes.
template <typename T>
T waitFor(const QString &what, const std::function<std::optional<T>()> &probe,
          int limitMs = kStepLimitMs)
{
    QDeadlineTimer deadline(limitMs);
    while (true) {
        if (g_program) {
            g_program->waitForFinished(0); // notices an end without an event loop
            if (g_program->state() == QProcess::NotRunning)
                fail(QStringLiteral("the program ended while waiting for %1 (code %2)")
                         .arg(what)
                         .arg(g_program->exitCode()));
        }
        if (std::optional<T> value = probe())
            return *value;
        if (deadline.hasExpired())
            fail(QStringLiteral("timed out (%1 s) waiting for %2").arg(limitMs / 1000).arg(what));
        QThread::msleep(kPollMs);
    }
}

QString xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(30'000) || tool.exitCode() != 0)
        fail(QStringLiteral("xdotool %1 failed: %2")
                 .arg(arguments.join(' '), QString::fromLocal8Bit(tool.readAllStandardError())));
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

void pointAt(const QRect &box)
{
    if (box.isEmpty())
        fail(QStringLiteral("a control has no place on the screen"));
    const QPoint c = box.center();
    xdotool({"mousemove", "--sync", QString::number(c.x()), QString::number(c.y())});
}

void click(const QRect &box)
{
    pointAt(box);
    xdotool({"click", "1"});
}

void doubleClick(const QRect &box)
{
    pointAt(box);
    xdotool({"click", "--repeat", "2", "--delay", "120", "1"});
}

QByteArray fingerprint(const QString &directory)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(directory);
    for (const QString &name : dir.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        hash.addData(name.toUtf8());
        if (file.open(QIODevice::ReadOnly))
            hash.addData(file.readAll());
        hash.addData(QFileInfo(file).lastModified().toString(Qt::ISODateWithMs).toUtf8());
    }
    return hash.result();
}

class Driver
{
public:
    Driver(QString program, QString work) : m_program(std::move(program)), m_work(std::move(work))
    {
    }

    int run()
    {
        try {
            exitThroughTheToolbar();
            closeTheMainWindow();
            presentationFromTheCommandLine();
            comparisonFromTheCommandLine();
            say(QStringLiteral("PASS"));
            return 0;
        } catch (const Failure &failure) {
            say(QStringLiteral("FAIL: ") + failure.what);
            if (m_atspi && !m_app.isNull()) {
                say(QStringLiteral("what the accessibility bus shows of the program:"));
                m_atspi->dump(m_app);
            }
            if (m_process.state() != QProcess::NotRunning) {
                m_process.kill();
                m_process.waitForFinished(10'000);
            }
            QFile log(m_work + QStringLiteral("/program.log"));
            if (log.open(QIODevice::ReadOnly))
                say(QStringLiteral("program output:\n") + QString::fromLocal8Bit(log.readAll()));
            return 1;
        }
    }

private:
    // The whole road of one count, from the splash to the exit button.
    void exitThroughTheToolbar()
    {
        const QByteArray dataBefore = fingerprint(dataDirectory());
        const Node main = launch();

        // Open the incidence list and choose its first entry.
        click(extentsOf(main, "Abre arquivo de ocorrências"));
        const Node list =
            waitFor<Node>(QStringLiteral("the incidence list"), [&]() -> std::optional<Node> {
                const Node l = m_atspi->findNamed(main, "Lista de ocorrências");
                if (!l.isNull() && m_atspi->showing(l) && !m_atspi->children(l).isEmpty())
                    return l;
                return std::nullopt;
            });
        const QRegularExpression entryPattern(QStringLiteral("^(.+\\S)\\s+(\\d+)$"));
        Node entry;
        QRegularExpressionMatch entryMatch;
        for (const Node &item : m_atspi->children(list)) {
            entryMatch = entryPattern.match(m_atspi->name(item));
            if (entryMatch.hasMatch()) {
                entry = item;
                break;
            }
        }
        if (entry.isNull())
            fail(QStringLiteral("the incidence list shows no entry with a quantity"));
        const QString quantity = entryMatch.captured(2);
        say(QStringLiteral("choosing \"%1\"").arg(m_atspi->name(entry)));
        doubleClick(m_atspi->extents(entry));
        const Node monthly = m_atspi->findNamed(main, "Ocorrências por mês");
        waitFor<bool>(QStringLiteral("the monthly field to take the entry's quantity ") + quantity,
                      [&]() -> std::optional<bool> {
                          if (m_atspi->text(monthly) == quantity && !m_atspi->showing(list))
                              return true;
                          return std::nullopt;
                      });

        // Play, and wait for a recount to reach the odometer.
        const Node odometer = m_atspi->find(main, [&](const Node &n) {
            return m_atspi->name(n).startsWith(QStringLiteral("Contagem: "));
        });
        const Node today = m_atspi->findNamed(main, "Contagem acumulada");
        if (odometer.isNull() || today.isNull())
            fail(QStringLiteral("the odometer or the count field is not on the bus"));
        say(QStringLiteral("odometer before play: ") + m_atspi->name(odometer));
        click(extentsOf(main, "Iniciar contagem"));
        const QRegularExpression countPattern(QStringLiteral("^Contagem: (\\d+[.,]\\d{4})$"));
        const QString shown = waitFor<QString>(
            QStringLiteral("the odometer to show the count"), [&]() -> std::optional<QString> {
                const QRegularExpressionMatch m = countPattern.match(m_atspi->name(odometer));
                if (m.hasMatch() && m.captured(1) == m_atspi->text(today).trimmed())
                    return m.captured(1);
                return std::nullopt;
            });
        const double count = QString(shown).replace(',', '.').toDouble();
        const double daily = quantity.toDouble() / 30.0;
        say(QStringLiteral("odometer shows %1 (the day's rate is %2)").arg(shown).arg(daily));
        if (count < 0 || count > daily + 0.0001)
            fail(QStringLiteral("the count %1 is not within a day's occurrences").arg(shown));

        // The about window opens and closes.
        click(extentsOf(main, "Sobre"));
        const Node about = waitForWindow(QStringLiteral("About Quorvel Counter"), true);
        const Node description = m_atspi->find(about, [&](const Node &n) {
            return m_atspi->name(n).startsWith(QStringLiteral("Este programa tem como finalidade"));
        });
        if (description.isNull())
            fail(QStringLiteral("the about window shows no description"));
        click(extentsOf(about, "OK"));
        waitForWindow(QStringLiteral("About Quorvel Counter"), false);
        say(QStringLiteral("about window opened and closed"));

        loadAndHideTheEditor(main);

        // Exit through the toolbar: the program ends with every window, writing nothing.
        g_program = nullptr;
        click(extentsOf(main, "Sair"));
        expectEnded(QStringLiteral("the exit button"), dataBefore);
    }

    // Closing the main window as a window manager does ends the program too, with the
    // editor loaded but hidden.
    void closeTheMainWindow()
    {
        const QByteArray dataBefore = fingerprint(dataDirectory());
        const Node main = launch();
        loadAndHideTheEditor(main);

        const QRect frame = m_atspi->extents(main);
        const QStringList ids =
            xdotool({"search", "--onlyvisible", "--pid", QString::number(m_process.processId())})
                .split('\n', Qt::SkipEmptyParts);
        unsigned long window = 0;
        for (const QString &id : ids) {
            const QString geometry = xdotool({"getwindowgeometry", "--shell", id});
            const auto value = [&](const char *key) {
                const QRegularExpression line(QStringLiteral("^%1=(\\d+)$").arg(key),
                                              QRegularExpression::MultilineOption);
                return line.match(geometry).captured(1).toInt();
            };
            if (value("WIDTH") == frame.width() && value("HEIGHT") == frame.height())
                window = id.toULong();
        }
        if (window == 0)
            fail(QStringLiteral("no X window of the program has the main window's size"));
        g_program = nullptr;
        if (!requestWindowClose(window))
            fail(QStringLiteral("could not ask the main window to close"));
        expectEnded(QStringLiteral("closing the main window"), dataBefore);
    }

    // A screen at an event: the program started by its command line straight into a running
    // count in the presentation view; Space pauses it, Esc goes back to the main window with
    // the same count, and the exit button ends it.
    void presentationFromTheCommandLine()
    {
        const QByteArray dataBefore = fingerprint(dataDirectory());
        startProgram({QStringLiteral("--mensal"), QStringLiteral("90000"),
                      QStringLiteral("--apresentacao"), QStringLiteral("--sem-som")});
        const Node view = waitForWindow(QStringLiteral("Quorvel Counter - Apresentação"), true);
        const Node sentence = m_atspi->find(view, [&](const Node &n) {
            const QString name = m_atspi->name(n);
            return name.startsWith(QStringLiteral("Estimativa a partir de 90")) &&
                   name.contains(QStringLiteral(" ocorrências por mês, hoje, "));
        });
        if (sentence.isNull())
            fail(QStringLiteral("the presentation names no typed figure"));
        say(QStringLiteral("presentation says \"%1\"").arg(m_atspi->name(sentence)));
        const Node interval = m_atspi->findNamed(view, "uma vítima a cada 29 s, em média");
        if (interval.isNull())
            fail(QStringLiteral(
                "the presentation does not say \"uma vítima a cada 29 s, em média\""));

        // The count runs at once: the odometer, now in the view, shows it.
        const QRegularExpression countPattern(QStringLiteral("^Contagem: (\\d+[.,]\\d{4})$"));
        const Node odometer = waitFor<Node>(
            QStringLiteral("the odometer in the presentation"), [&]() -> std::optional<Node> {
                const Node n = m_atspi->find(view, [&](const Node &node) {
                    return countPattern.match(m_atspi->name(node)).hasMatch();
                });
                return n.isNull() ? std::nullopt : std::optional<Node>(n);
            });
        say(QStringLiteral("presentation odometer: ") + m_atspi->name(odometer));
        const Node state = m_atspi->find(view, [&](const Node &n) {
            return m_atspi->name(n).startsWith(QStringLiteral("Contando"));
        });
        if (state.isNull())
            fail(QStringLiteral("the presentation does not say that the count runs"));

        // Space: the count pauses.
        pointAt(m_atspi->extents(sentence));
        xdotool({"key", "space"});
        waitFor<bool>(QStringLiteral("Space to pause the count"), [&]() -> std::optional<bool> {
            if (m_atspi->name(state).startsWith(QStringLiteral("Pausado")))
                return true;
            return std::nullopt;
        });
        const QString paused = m_atspi->name(odometer);
        say(QStringLiteral("paused at ") + paused);

        // Esc: back to the main window, with the same count on its odometer.
        xdotool({"key", "Escape"});
        waitForWindow(QStringLiteral("Quorvel Counter - Apresentação"), false);
        const Node main = waitForMainWindow(QStringLiteral("the main window after Esc"));
        const Node back = m_atspi->findNamed(main, paused);
        if (back.isNull() || !m_atspi->showing(back))
            fail(QStringLiteral("the main window does not show the paused count ") + paused);
        say(QStringLiteral("back in the main window at ") + m_atspi->name(back));

        g_program = nullptr;
        click(extentsOf(main, "Sair"));
        expectEnded(QStringLiteral("the exit button after the presentation"), dataBefore);
    }

    // A comparison of three states started from the command line: each counter is a group
    // named for its entry, whose count is read as text and moves; Esc goes back to the main
    // window.
    void comparisonFromTheCommandLine()
    {
        const QByteArray dataBefore = fingerprint(dataDirectory());
        startProgram(
            {QStringLiteral("--entrada"), QStringLiteral("Bahia"), QStringLiteral("--entrada"),
             QStringLiteral("São Paulo"), QStringLiteral("--entrada"), QStringLiteral("Brasil"),
             QStringLiteral("--modo"), QStringLiteral("ano"), QStringLiteral("--sem-som")});
        const Node view = waitForWindow(QStringLiteral("Quorvel Counter - Comparação"), true);
        const QRegularExpression countPattern(QStringLiteral("^\\d{1,3}([.,]\\d{3})*[.,]\\d{4}$"));
        const auto countOf = [&](const Node &group) {
            const Node count = m_atspi->find(group, [&](const Node &n) {
                return countPattern.match(m_atspi->name(n)).hasMatch();
            });
            return count.isNull() ? QString() : m_atspi->name(count);
        };
        QList<Node> groups;
        QStringList first;
        for (const QString name : {"Bahia", "São Paulo", "Brasil"}) {
            const Node group = m_atspi->findNamed(view, name);
            if (group.isNull() || !m_atspi->showing(group))
                fail(QStringLiteral("the comparison shows no counter named ") + name);
            const QString count = waitFor<QString>(
                QStringLiteral("the count of ") + name, [&]() -> std::optional<QString> {
                    const QString text = countOf(group);
                    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
                });
            const Node sentence = m_atspi->find(group, [&](const Node &n) {
                return m_atspi->name(n).startsWith(name + QStringLiteral(": estimativa de "));
            });
            const Node source = m_atspi->find(group, [&](const Node &n) {
                return m_atspi->name(n).startsWith(QStringLiteral("Fonte: "));
            });
            if (sentence.isNull() || source.isNull())
                fail(QStringLiteral("the counter of %1 has no sentence or no source").arg(name));
            say(QStringLiteral("%1: %2 (%3)").arg(name, count, m_atspi->name(sentence)));
            groups.append(group);
            first.append(count);
        }
        for (qsizetype i = 0; i < groups.size(); ++i) {
            const QString moved =
                waitFor<QString>(QStringLiteral("the count of counter %1 to move").arg(i + 1),
                                 [&]() -> std::optional<QString> {
                                     const QString text = countOf(groups[i]);
                                     return text.isEmpty() || text == first[i]
                                                ? std::nullopt
                                                : std::optional<QString>(text);
                                 });
            say(QStringLiteral("counter %1 moved from %2 to %3").arg(i + 1).arg(first[i], moved));
        }

        pointAt(m_atspi->extents(groups.front()));
        xdotool({"key", "Escape"});
        waitForWindow(QStringLiteral("Quorvel Counter - Comparação"), false);
        const Node main = waitForMainWindow(QStringLiteral("the main window after Esc"));
        g_program = nullptr;
        click(extentsOf(main, "Sair"));
        expectEnded(QStringLiteral("the exit button after the comparison"), dataBefore);
    }

    QString dataDirectory() const { return QFileInfo(m_program).absolutePath(); }

    // Starts the program with these arguments and waits for it on the accessibility bus.
    void startProgram(const QStringList &arguments)
    {
        m_process.setProgram(m_program);
        m_process.setArguments(arguments);
        m_process.setWorkingDirectory(m_work);
        m_process.setStandardOutputFile(m_work + QStringLiteral("/program.log"));
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start();
        if (!m_process.waitForStarted(30'000))
            fail(QStringLiteral("the program did not start: ") + m_process.errorString());
        say(QStringLiteral("started %1 (pid %2)").arg(m_program).arg(m_process.processId()));
        g_program = &m_process;

        if (!m_atspi)
            connectToAccessibilityBus();
        m_app = waitFor<Node>(
            QStringLiteral("the program on the accessibility bus"), [&] { return programOnBus(); },
            kStartLimitMs);
        say(QStringLiteral("found the program on the accessibility bus"));
    }

    // Starts the program and waits for its main window, the splash having given way.
    Node launch()
    {
        QElapsedTimer sinceLaunch;
        sinceLaunch.start();
        startProgram({});

        // The splash first, then the main window alone.
        bool splashSeen = false;
        const Node main = waitFor<Node>(
            QStringLiteral("the main window, with the splash gone"),
            [&]() -> std::optional<Node> {
                Node mainWindow;
                int othersShowing = 0;
                for (const Node &window : m_atspi->children(m_app)) {
                    if (!m_atspi->showing(window))
                        continue;
                    if (!m_atspi->findNamed(window, "Abre arquivo de ocorrências").isNull())
                        mainWindow = window;
                    else
                        ++othersShowing;
                }
                if (mainWindow.isNull() && othersShowing > 0)
                    splashSeen = true;
                if (!mainWindow.isNull() && othersShowing == 0)
                    return mainWindow;
                return std::nullopt;
            },
            kStartLimitMs);
        const qint64 mainAfterMs = sinceLaunch.elapsed();
        if (m_atspi->name(main) != QStringLiteral("Quorvel Counter"))
            fail(QStringLiteral("the main window is called \"%1\"").arg(m_atspi->name(main)));
        say(QStringLiteral("main window shown %1 s after start (splash %2)")
                .arg(mainAfterMs / 1000.0, 0, 'f', 1)
                .arg(splashSeen ? "seen first" : "not seen"));
        if (splashSeen && mainAfterMs < 4500)
            fail(QStringLiteral("the splash gave way before its 5 seconds"));
        return main;
    }

    // The editor opens from the toolbar, and its "Sair" only hides it.
    void loadAndHideTheEditor(const Node &main)
    {
        click(extentsOf(main, "Mapa de Distribuição"));
        const Node editor = waitForWindow(QStringLiteral("Configurador de Padrões"), true);
        click(extentsOf(editor, "Sair"));
        waitForWindow(QStringLiteral("Configurador de Padrões"), false);
        say(QStringLiteral("editor opened and hidden"));
    }

    void expectEnded(const QString &how, const QByteArray &dataBefore)
    {
        if (!m_process.waitForFinished(kStepLimitMs))
            fail(QStringLiteral("the program did not end after ") + how);
        if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0)
            fail(QStringLiteral("the program ended abnormally after %1 (status %2, code %3)")
                     .arg(how)
                     .arg(m_process.exitStatus())
                     .arg(m_process.exitCode()));
        say(QStringLiteral("the program ended after ") + how);
        if (fingerprint(dataDirectory()) != dataBefore)
            fail(QStringLiteral("a data file beside the program changed"));
    }

    void connectToAccessibilityBus()
    {
        QString error;
        std::optional<QDBusConnection> a11y = accessibilityBus(&error);
        if (!a11y)
            fail(error);
        m_atspi.emplace(*a11y);
    }

    std::optional<Node> programOnBus() { return ::programOnBus(*m_atspi, m_process.processId()); }

    QRect extentsOf(const Node &under, const QString &name)
    {
        const Node node = m_atspi->findNamed(under, name);
        if (node.isNull() || !m_atspi->showing(node))
            fail(QStringLiteral("no control \"%1\" showing").arg(name));
        return m_atspi->extents(node);
    }

    // The main window, known by its toolbar, showing again.
    Node waitForMainWindow(const QString &what)
    {
        return waitFor<Node>(what, [&]() -> std::optional<Node> {
            for (const Node &window : m_atspi->children(m_app)) {
                if (m_atspi->showing(window) &&
                    !m_atspi->findNamed(window, "Abre arquivo de ocorrências").isNull())
                    return window;
            }
            return std::nullopt;
        });
    }

    Node waitForWindow(const QString &title, bool shown)
    {
        return waitFor<Node>(
            QStringLiteral("window \"%1\" to %2").arg(title, shown ? "show" : "hide"),
            [&]() -> std::optional<Node> {
                for (const Node &window : m_atspi->children(m_app)) {
                    if (m_atspi->name(window) == title && m_atspi->showing(window))
                        return shown ? std::optional<Node>(window) : std::nullopt;
                }
                return shown ? std::nullopt : std::optional<Node>(Node{});
            });
    }

    QString m_program;
    QString m_work;
    QProcess m_process;
    std::optional<AtSpi> m_atspi;
    Node m_app;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <program> <work directory>\n", argv[0]);
        return 2;
    }
    Driver driver(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(),
                  QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    return driver.run();
}
