// Reads what the running program's count says, as a screen reader would: the first showing
// object on the accessibility bus named "Contagem: …", under the program with this process id.
// Prints that name; waits up to a minute for the program to appear on the bus.
//
// Usage: quorvel_read_count <process id>
// Exit status: 0 read, 1 no count found, 2 usage.
#include "atspi.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bool isNumber = false;
    const qint64 pid = argc == 2 ? QByteArray(argv[1]).toLongLong(&isNumber) : 0;
    if (!isNumber) {
        std::fprintf(stderr, "usage: %s <process id>\n", argv[0]);
        return 2;
    }
    QString error;
    std::optional<QDBusConnection> bus = accessibilityBus(&error);
    if (!bus) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    AtSpi atspi(*bus);
    QDeadlineTimer deadline(60'000);
    while (!deadline.hasExpired()) {
        if (const std::optional<Node> program = programOnBus(atspi, pid)) {
            const Node count = atspi.find(*program, [&](const Node &node) {
                return atspi.name(node).startsWith(QStringLiteral("Contagem: ")) &&
                       atspi.showing(node);
            });
            if (!count.isNull()) {
                std::printf("%s\n", qPrintable(atspi.name(count)));
                return 0;
            }
        }
        QThread::msleep(500);
    }
    std::fprintf(stderr, "no count showing on the accessibility bus\n");
    return 1;
}
