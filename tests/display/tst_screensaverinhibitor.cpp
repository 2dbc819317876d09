// The screensaver held off through the session bus, against a stand-in service on a bus of
// the test's own: one request, the same cookie given back once, the GNOME session manager
// only when the freedesktop name has no owner, and silence without any service.
#include "display/screensaverinhibitor.h"
#include "privatebus.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QStringList g_messages;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    g_messages.append(text);
}

} // namespace

class TestScreenSaverInhibitor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void withoutServiceNothingHappens();
    void withoutBusNothingHappens();
    void inhibitAndRelease_data();
    void inhibitAndRelease();
    void releasedWhenDestroyed();
    void releasedWhenApplicationQuits();
    void closedBeforeTheAnswer();

private:
    QDBusConnection connect(const QString &name);

    std::unique_ptr<PrivateSessionBus> m_bus;
    QStringList m_connections;
};

void TestScreenSaverInhibitor::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel Counter"));
    m_bus = std::make_unique<PrivateSessionBus>();
    if (m_bus->address().isEmpty())
        QSKIP("dbus-daemon could not start");
}

void TestScreenSaverInhibitor::init()
{
    g_messages.clear();
    qInstallMessageHandler(recordMessage);
}

void TestScreenSaverInhibitor::cleanup()
{
    qInstallMessageHandler(nullptr);
    for (const QString &name : std::as_const(m_connections))
        QDBusConnection::disconnectFromBus(name);
    m_connections.clear();
}

QDBusConnection TestScreenSaverInhibitor::connect(const QString &name)
{
    m_connections.append(name);
    return QDBusConnection::connectToBus(m_bus->address(), name);
}

void TestScreenSaverInhibitor::inhibitAndRelease_data()
{
    QTest::addColumn<QStringList>("services");
    QTest::addColumn<QString>("inhibitLine");

    QTest::newRow("freedesktop screensaver")
        << QStringList{ScreenSaverInhibitor::kScreenSaverService}
        << "Inhibit Quorvel Counter|Contagem em apresentação";
    // 8: the session manager's "idle" flag, no blanking.
    QTest::newRow("GNOME session manager only")
        << QStringList{ScreenSaverInhibitor::kSessionService}
        << "Inhibit Quorvel Counter|Contagem em apresentação|8";
    QTest::newRow("both: the freedesktop name first")
        << QStringList{ScreenSaverInhibitor::kSessionService,
                       ScreenSaverInhibitor::kScreenSaverService}
        << "Inhibit Quorvel Counter|Contagem em apresentação";
}

void TestScreenSaverInhibitor::inhibitAndRelease()
{
    QFETCH(QStringList, services);
    QFETCH(QString, inhibitLine);
    std::vector<std::unique_ptr<StandInScreenSaver>> standIns;
    for (const QString &service : services) {
        standIns.push_back(std::make_unique<StandInScreenSaver>(m_bus->address(), service));
        QVERIFY(standIns.back()->isReady());
    }
    StandInScreenSaver &answering = *standIns.back();
    if (services.size() > 1)
        QVERIFY(services.back() == ScreenSaverInhibitor::kScreenSaverService);

    ScreenSaverInhibitor inhibitor(connect(QStringLiteral("inhibitAndRelease")));
    QSignalSpy answered(&inhibitor, &ScreenSaverInhibitor::inhibitAnswered);
    inhibitor.inhibit(QStringLiteral("Contagem em apresentação"));
    inhibitor.inhibit(QStringLiteral("Contagem em apresentação")); // opened twice: one request
    QVERIFY(inhibitor.isInhibiting());
    QTRY_COMPARE(answered.count(), 1);
    QCOMPARE(answered.at(0).at(0).toBool(), true);
    QVERIFY(inhibitor.isHeld());
    QTRY_COMPARE(answering.lines(), QStringList{inhibitLine});

    inhibitor.release();
    inhibitor.release(); // closed twice: one release
    QVERIFY(!inhibitor.isHeld());
    QTRY_COMPARE(answering.lines(), (QStringList{inhibitLine, "UnInhibit 41"}));

    // Opened again: a new request, a new cookie.
    inhibitor.inhibit(QStringLiteral("Contagem em apresentação"));
    QTRY_COMPARE(answered.count(), 2);
    inhibitor.release();
    QTRY_COMPARE(answering.lines(),
                 (QStringList{inhibitLine, "UnInhibit 41", inhibitLine, "UnInhibit 42"}));
    for (size_t i = 0; i + 1 < standIns.size(); ++i)
        QCOMPARE(standIns[i]->lines(), QStringList());
    QCOMPARE(g_messages, QStringList());
}

void TestScreenSaverInhibitor::releasedWhenDestroyed()
{
    StandInScreenSaver service(m_bus->address(), ScreenSaverInhibitor::kScreenSaverService);
    QVERIFY(service.isReady());
    {
        ScreenSaverInhibitor inhibitor(connect(QStringLiteral("releasedWhenDestroyed")));
        QSignalSpy answered(&inhibitor, &ScreenSaverInhibitor::inhibitAnswered);
        inhibitor.inhibit(QStringLiteral("x"));
        QTRY_COMPARE(answered.count(), 1);
    }
    QTRY_COMPARE(service.lines(), (QStringList{"Inhibit Quorvel Counter|x", "UnInhibit 41"}));
}

void TestScreenSaverInhibitor::releasedWhenApplicationQuits()
{
    StandInScreenSaver service(m_bus->address(), ScreenSaverInhibitor::kScreenSaverService);
    QVERIFY(service.isReady());
    ScreenSaverInhibitor inhibitor(connect(QStringLiteral("releasedWhenApplicationQuits")));
    QSignalSpy answered(&inhibitor, &ScreenSaverInhibitor::inhibitAnswered);
    inhibitor.inhibit(QStringLiteral("x"));
    QTRY_COMPARE(answered.count(), 1);
    QVERIFY(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
    QVERIFY(!inhibitor.isHeld());
    QTRY_COMPARE(service.lines(), (QStringList{"Inhibit Quorvel Counter|x", "UnInhibit 41"}));
}

// The view closes before the service answered: the cookie that comes is given back at once,
// and a destroyed inhibitor waits for the answer to give it back.
void TestScreenSaverInhibitor::closedBeforeTheAnswer()
{
    StandInScreenSaver service(m_bus->address(), ScreenSaverInhibitor::kScreenSaverService);
    QVERIFY(service.isReady());
    {
        ScreenSaverInhibitor inhibitor(connect(QStringLiteral("closedBeforeTheAnswer")));
        QSignalSpy answered(&inhibitor, &ScreenSaverInhibitor::inhibitAnswered);
        inhibitor.inhibit(QStringLiteral("x"));
        inhibitor.release();
        QVERIFY(!inhibitor.isInhibiting());
        QTRY_COMPARE(answered.count(), 1);
        QVERIFY(!inhibitor.isHeld());
        QTRY_COMPARE(service.lines(), (QStringList{"Inhibit Quorvel Counter|x", "UnInhibit 41"}));

        inhibitor.inhibit(QStringLiteral("y"));
    }
    QTRY_COMPARE(service.lines(), (QStringList{"Inhibit Quorvel Counter|x", "UnInhibit 41",
                                               "Inhibit Quorvel Counter|y", "UnInhibit 42"}));
}

void TestScreenSaverInhibitor::withoutServiceNothingHappens()
{
    ScreenSaverInhibitor inhibitor(connect(QStringLiteral("withoutService")));
    QSignalSpy answered(&inhibitor, &ScreenSaverInhibitor::inhibitAnswered);
    inhibitor.inhibit(QStringLiteral("x"));
    QCoreApplication::processEvents();
    QCOMPARE(answered.count(), 0);
    QVERIFY(!inhibitor.isHeld());
    inhibitor.release();
    QCOMPARE(g_messages, QStringList());
}

void TestScreenSaverInhibitor::withoutBusNothingHappens()
{
    ScreenSaverInhibitor inhibitor(QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/quorvel-bus"), QStringLiteral("noBus")));
    m_connections.append(QStringLiteral("noBus"));
    inhibitor.inhibit(QStringLiteral("x"));
    inhibitor.release();
    QVERIFY(!inhibitor.isHeld());
    QCOMPARE(g_messages, QStringList());
}

QTEST_GUILESS_MAIN(TestScreenSaverInhibitor)
#include "tst_screensaverinhibitor.moc"
