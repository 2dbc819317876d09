#pragma once

// The accessibility bus (AT-SPI) as a screen reader reads it: the objects of a program, their
// names, states, extents and texts. Shared by the end-to-end driver and the benchmarks' reader.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QRect>

#include <cstdio>
#include <functional>
#include <optional>

// Bits of the AT-SPI state set.
constexpr int kStateShowing = 25;

inline void say(const QString &text)
{
    std::fprintf(stdout, "e2e: %s\n", qPrintable(text));
    std::fflush(stdout);
}

// One accessible object of the program: its bus name and object path.
struct Node
{
    QString service;
    QString path;
    bool isNull() const { return path.isEmpty(); }
};

class AtSpi
{
public:
    explicit AtSpi(QDBusConnection bus) : m_bus(std::move(bus)) {}

    QVariant property(const Node &node, const QString &name,
                      const QString &iface = QStringLiteral("org.a11y.atspi.Accessible")) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            node.service, node.path, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        call << iface << name;
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, 10'000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return reply.arguments().first().value<QDBusVariant>().variant();
    }

    QDBusMessage call(const Node &node, const QString &iface, const QString &method,
                      const QVariantList &arguments = {}) const
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(node.service, node.path, iface, method);
        message.setArguments(arguments);
        return m_bus.call(message, QDBus::Block, 10'000);
    }

    QString name(const Node &node) const
    {
        return property(node, QStringLiteral("Name")).toString();
    }

    QString roleName(const Node &node) const
    {
        const QDBusMessage reply =
            call(node, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetRoleName"));
        return reply.arguments().isEmpty() ? QString() : reply.arguments().first().toString();
    }

    QList<Node> children(const Node &node) const
    {
        QList<Node> result;
        const QDBusMessage reply =
            call(node, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return result;
        const QDBusArgument array = reply.arguments().first().value<QDBusArgument>();
        array.beginArray();
        while (!array.atEnd()) {
            QString service;
            QDBusObjectPath path;
            array.beginStructure();
            array >> service >> path;
            array.endStructure();
            result.append({service, path.path()});
        }
        array.endArray();
        return result;
    }

    bool showing(const Node &node) const
    {
        const QDBusMessage reply =
            call(node, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetState"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        const QDBusArgument array = reply.arguments().first().value<QDBusArgument>();
        QList<uint> words;
        array.beginArray();
        while (!array.atEnd()) {
            uint word = 0;
            array >> word;
            words << word;
        }
        array.endArray();
        return !words.isEmpty() && (words.first() & (1u << kStateShowing));
    }

    // On-screen rectangle, in screen coordinates.
    QRect extents(const Node &node) const
    {
        const QDBusMessage reply = call(node, QStringLiteral("org.a11y.atspi.Component"),
                                        QStringLiteral("GetExtents"), {QVariant::fromValue(0u)});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        const QDBusArgument box = reply.arguments().first().value<QDBusArgument>();
        int x = 0, y = 0, w = 0, h = 0;
        box.beginStructure();
        box >> x >> y >> w >> h;
        box.endStructure();
        return {x, y, w, h};
    }

    QString text(const Node &node) const
    {
        const QDBusMessage reply =
            call(node, QStringLiteral("org.a11y.atspi.Text"), QStringLiteral("GetText"), {0, -1});
        return reply.arguments().isEmpty() ? QString() : reply.arguments().first().toString();
    }

    // Depth-first search under node for the first object that matches.
    Node find(const Node &node, const std::function<bool(const Node &)> &match,
              int depth = 14) const
    {
        if (match(node))
            return node;
        if (depth == 0)
            return {};
        for (const Node &child : children(node)) {
            const Node found = find(child, match, depth - 1);
            if (!found.isNull())
                return found;
        }
        return {};
    }

    Node findNamed(const Node &under, const QString &wanted) const
    {
        return find(under, [&](const Node &n) { return name(n) == wanted; });
    }

    void dump(const Node &node, int depth = 0, int limit = 9) const
    {
        say(QString(depth * 2, ' ') + roleName(node) + " \"" + name(node) + "\"" +
            (showing(node) ? "" : " (not showing)"));
        if (depth < limit)
            for (const Node &child : children(node))
                dump(child, depth + 1, limit);
    }

    QDBusConnection &bus() { return m_bus; }

private:
    QDBusConnection m_bus;
};

// The accessibility bus of the session, or nothing and why not in `error`.
inline std::optional<QDBusConnection> accessibilityBus(QString *error)
{
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected()) {
        *error = QStringLiteral("no D-Bus session bus");
        return std::nullopt;
    }
    const QDBusMessage reply =
        session.call(QDBusMessage::createMethodCall(
                         QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                         QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
                     QDBus::Block, 30'000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        *error = QStringLiteral("no accessibility bus: ") + reply.errorMessage();
        return std::nullopt;
    }
    const QString address = reply.arguments().first().toString();
    QDBusConnection a11y = QDBusConnection::connectToBus(address, QStringLiteral("a11y"));
    if (!a11y.isConnected()) {
        *error = QStringLiteral("cannot connect to the accessibility bus at ") + address;
        return std::nullopt;
    }
    return a11y;
}

// The root of the program with this process id on the bus, if it is there yet.
inline std::optional<Node> programOnBus(AtSpi &atspi, qint64 pid)
{
    QDBusConnectionInterface *bus = atspi.bus().interface();
    const QStringList names = bus->registeredServiceNames().value();
    for (const QString &name : names) {
        if (!name.startsWith(':') || bus->servicePid(name).value() != uint(pid))
            continue;
        const Node root{name, QStringLiteral("/org/a11y/atspi/accessible/root")};
        if (atspi.name(root) == QStringLiteral("Quorvel Counter"))
            return root;
    }
    return std::nullopt;
}
