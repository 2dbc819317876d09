// The presentation view at an event with a laptop and a projector: two screens (the offscreen
// platform's, from a screen file), a screensaver service of the test's own on a private
// session bus. The view opens on the screen that is not the main window's or on the one asked
// for, fills it, moves on with F10, holds the screensaver off while shown (also until a
// SIGTERM ends the program) and hides the pointer when idle.
#include "deadzonefixture.h"
#include "display/eventscreen.h"
#include "display/pointerhider.h"
#include "display/screensaverinhibitor.h"
#include "privatebus.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/Comparacao/comparacao.h"
#include "windows/Comparacao/comparisonlauncher.h"
#include "windows/startoptions.h"

#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

namespace {

const QString kScreens = QStringLiteral(QUORVEL_TEST_DATA "/duas_telas.json");
// Made before the application object, so that the program's own session bus is this one.
PrivateSessionBus *g_bus = nullptr;

QScreen *screenAt(int index)
{
    return QGuiApplication::screens().value(index);
}

// The main window shown on that screen: on this platform a window is on the screen its
// geometry lies in.
void showMainWindowOn(DeadZone &window, int screen)
{
    window.setScreen(screenAt(screen));
    window.show();
    window.move(screenAt(screen)->geometry().topLeft() + QPoint(20, 20));
    QTRY_COMPARE(window.screen(), screenAt(screen));
}

StartOptions presentationOn(int screen)
{
    StartOptions options;
    options.anyGiven = true;
    options.presentation = true;
    options.screen = screen;
    return options;
}

} // namespace

class TestEventScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void viewOnAnotherScreen_data();
    void viewOnAnotherScreen();
    void f10MovesTheView();
    void comparisonOnTheProjector();
    void screenFromCommandLine_data();
    void screenFromCommandLine();
    void programRefusesMissingScreen();
    void toolPanelOffersTheScreens();
    void screenSaverHeldWhileShown();
    void pointerHiddenWhenIdle();
    void sigtermReleasesTheScreenSaver();
};

void TestEventScreen::initTestCase()
{
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(screenAt(0)->geometry(), QRect(0, 0, 1366, 768));
    QCOMPARE(screenAt(1)->geometry(), QRect(1366, 0, 1280, 720));
}

void TestEventScreen::viewOnAnotherScreen_data()
{
    QTest::addColumn<int>("mainScreen");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("mainWindowShown");

    QTest::newRow("main on the laptop: the projector") << 0 << -1 << 1 << true;
    QTest::newRow("main on the second: the first") << 1 << -1 << 0 << true;
    QTest::newRow("asked for the main window's screen: it hides") << 0 << 0 << 0 << false;
    QTest::newRow("asked for the other") << 1 << 0 << 0 << true;
}

void TestEventScreen::viewOnAnotherScreen()
{
    QFETCH(int, mainScreen);
    QFETCH(int, asked);
    QFETCH(int, expected);
    QFETCH(bool, mainWindowShown);
    DeadZoneFixture f;
    showMainWindowOn(f.window, mainScreen);
    f.window.setPresentationScreen(asked);
    f.window.enterPresentation();
    Apresentacao *view = f.window.presentation();
    QVERIFY(view->isVisible());
    QCOMPARE(view->screen(), screenAt(expected));
    QCOMPARE(view->geometry(), screenAt(expected)->geometry());
    QVERIFY(view->isFullScreen());
    QCOMPARE(f.window.isVisible(), mainWindowShown);

    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!view->isVisible());
    QVERIFY(f.window.isVisible());
}

void TestEventScreen::f10MovesTheView()
{
    DeadZoneFixture f;
    showMainWindowOn(f.window, 0);
    f.window.enterPresentation();
    Apresentacao *view = f.window.presentation();
    QCOMPARE(view->screen(), screenAt(1));

    // The key is named among the view's hints while there is another screen.
    QCOMPARE(view->stateText(), "Parado  ·  Espaço: iniciar  ·  Esc: voltar  ·  F10: outra tela");

    QTest::keyClick(view, Qt::Key_F10);
    QVERIFY(view->isVisible());
    QCOMPARE(view->screen(), screenAt(0));
    QCOMPARE(view->geometry(), QRect(0, 0, 1366, 768));
    QVERIFY(view->isFullScreen());

    QTest::keyClick(view, Qt::Key_F10);
    QCOMPARE(view->screen(), screenAt(1));
    QCOMPARE(view->geometry(), QRect(1366, 0, 1280, 720));

    // Left and opened again, the view goes where F10 put it last.
    QTest::keyClick(view, Qt::Key_F10);
    QTest::keyClick(view, Qt::Key_Escape);
    f.window.enterPresentation();
    QCOMPARE(view->screen(), screenAt(0));
    QCOMPARE(view->geometry(), QRect(0, 0, 1366, 768));
}

// The comparison goes to the projector too, leaving the main window usable on the laptop;
// F10 moves it, --tela chooses its screen, and the screensaver is held while it is shown.
void TestEventScreen::comparisonOnTheProjector()
{
    DeadZoneFixture f(FakeClock().now(), DeadZoneFixture::shippedData());
    showMainWindowOn(f.window, 0);
    ComparisonLauncher &launcher = f.window.comparison();
    QCOMPARE(launcher.open({{CounterChoice::entry("Bahia"), CounterChoice::typed(937)},
                            AccumulationMode::Ano}),
             QString());
    Comparacao *view = launcher.view();
    QCOMPARE(view->screen(), screenAt(1));
    QCOMPARE(view->geometry(), QRect(1366, 0, 1280, 720));
    QVERIFY(view->isFullScreen());
    QVERIFY(f.window.isVisible());
    QVERIFY(view->eventScreen().screenSaver().isInhibiting());
    QVERIFY(view->stateText().contains(QStringLiteral("F10: outra tela")));

    QTest::keyClick(view, Qt::Key_F10);
    QCOMPARE(view->screen(), screenAt(0));
    QCOMPARE(view->geometry(), QRect(0, 0, 1366, 768));
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!launcher.isOpen());
    QVERIFY(!view->eventScreen().screenSaver().isInhibiting());

    // --tela 2 with two counters: the comparison on the projector, from the command line.
    DeadZoneFixture g(FakeClock().now(), DeadZoneFixture::shippedData());
    StartOptions options = presentationOn(2);
    options.choices = {CounterChoice::entry("Bahia"), CounterChoice::entry("Brasil")};
    options.entry.reset();
    options.monthly.reset();
    applyStartOptions(g.window, options);
    QVERIFY(g.window.comparison().isOpen());
    QCOMPARE(g.window.comparison().view()->geometry(), QRect(1366, 0, 1280, 720));
}

void TestEventScreen::screenFromCommandLine_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("--tela 1: the laptop's") << 1 << "" << QRect(0, 0, 1366, 768);
    QTest::newRow("--tela 2: the projector") << 2 << "" << QRect(1366, 0, 1280, 720);
    QTest::newRow("--tela 3 with two screens")
        << 3
        << "quorvel-counter: Não há tela 3: há 2 telas, de 1 a 2\n"
           "Use \"quorvel-counter --help\" para ver as opções.\n"
        << QRect();
}

void TestEventScreen::screenFromCommandLine()
{
    QFETCH(int, screen);
    QFETCH(QString, refusal);
    QFETCH(QRect, geometry);
    const StartOptions options = presentationOn(screen);
    QCOMPARE(checkStartScreen(options, 2), refusal);
    if (!refusal.isEmpty())
        return;
    DeadZoneFixture f;
    applyStartOptions(f.window, options);
    QVERIFY(f.window.inPresentation());
    QCOMPARE(f.window.presentation()->geometry(), geometry);
}

void TestEventScreen::programRefusesMissingScreen()
{
    const QString program = QStringLiteral(QUORVEL_PROGRAM);
    QVERIFY2(QFile::exists(program), "build the program (target quorvel-counter) first");
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + kScreens);
    process.setProcessEnvironment(environment);
    process.start(program, {QStringLiteral("--mensal"), QStringLiteral("10"),
                            QStringLiteral("--apresentacao"), QStringLiteral("--tela"),
                            QStringLiteral("3")});
    QVERIFY(process.waitForFinished(60'000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardError())
                                  .split(u'\n')
                                  .filter(QStringLiteral("quorvel-counter"));
    QCOMPARE(lines.value(0),
             QStringLiteral("quorvel-counter: Não há tela 3: há 2 telas, de 1 a 2"));
}

void TestEventScreen::toolPanelOffersTheScreens()
{
    DeadZoneFixture f;
    showMainWindowOn(f.window, 0);
    f.child<QPushButton>("BotaoApresentacao")->click();
    QVERIFY(!f.window.inPresentation()); // the menu first
    auto *menu = f.window.findChild<QMenu *>(QStringLiteral("MenuTelas"));
    QVERIFY(menu);
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions.at(0)->text(), "Tela 1: Notebook, 1366×768 (a desta janela)");
    QCOMPARE(actions.at(1)->text(), "Tela 2: Projetor, 1280×720");
    QVERIFY(!actions.at(0)->isChecked());
    QVERIFY(actions.at(1)->isChecked());

    actions.at(0)->trigger();
    QVERIFY(f.window.inPresentation());
    QCOMPARE(f.window.presentation()->screen(), screenAt(0));
    QCOMPARE(f.window.presentation()->geometry(), QRect(0, 0, 1366, 768));
}

void TestEventScreen::screenSaverHeldWhileShown()
{
    StandInScreenSaver service(g_bus->address(), ScreenSaverInhibitor::kScreenSaverService);
    QVERIFY(service.isReady());
    DeadZoneFixture f;
    f.window.show();
    f.window.enterPresentation();
    const QString inhibit = QStringLiteral("Inhibit %1|Contagem em apresentação")
                                .arg(QCoreApplication::applicationName());
    QTRY_COMPARE(service.lines(), QStringList{inhibit});
    QTest::keyClick(f.window.presentation(), Qt::Key_F10); // moved, still held once
    QTest::keyClick(f.window.presentation(), Qt::Key_Escape);
    QTRY_COMPARE(service.lines(), (QStringList{inhibit, "UnInhibit 41"}));
}

void TestEventScreen::pointerHiddenWhenIdle()
{
    DeadZoneFixture f;
    f.window.show();
    f.window.enterPresentation();
    Apresentacao *view = f.window.presentation();
    PointerHider &pointer = view->eventScreen().pointer();
    QVERIFY(pointer.idleTimer()->isActive());
    QCOMPARE(pointer.idleTimer()->interval(), 3000);
    QVERIFY(view->cursor().shape() != Qt::BlankCursor);

    DeadZoneFixture::fire(pointer.idleTimer());
    QCOMPARE(view->cursor().shape(), Qt::BlankCursor);
    QVERIFY(f.window.cursor().shape() != Qt::BlankCursor); // only over the view

    QTest::mouseMove(view->windowHandle(), QPoint(100, 100));
    QVERIFY(view->cursor().shape() != Qt::BlankCursor);

    DeadZoneFixture::fire(pointer.idleTimer());
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(view->cursor().shape() != Qt::BlankCursor);
}

// The real program started straight into the view, then ended as a session or a kiosk
// script ends it: the cookie it got is given back before it goes.
void TestEventScreen::sigtermReleasesTheScreenSaver()
{
    const QString program = QStringLiteral(QUORVEL_PROGRAM);
    QVERIFY2(QFile::exists(program), "build the program (target quorvel-counter) first");
    StandInScreenSaver service(g_bus->address(), ScreenSaverInhibitor::kScreenSaverService);
    QVERIFY(service.isReady());
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + kScreens);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), g_bus->address());
    process.setProcessEnvironment(environment);
    process.start(program, {QStringLiteral("--mensal"), QStringLiteral("10"),
                            QStringLiteral("--apresentacao"), QStringLiteral("--sem-som")});
    QVERIFY(process.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(
        service.lines(), QStringList{"Inhibit Quorvel Counter|Contagem em apresentação"}, 60'000);

    QCOMPARE(::kill(pid_t(process.processId()), SIGTERM), 0);
    QVERIFY(process.waitForFinished(60'000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QTRY_COMPARE(service.lines(),
                 (QStringList{"Inhibit Quorvel Counter|Contagem em apresentação", "UnInhibit 41"}));
}

int main(int argc, char *argv[])
{
    PrivateSessionBus bus;
    if (bus.address().isEmpty()) {
        std::fputs("dbus-daemon could not start\n", stderr);
        return 1;
    }
    g_bus = &bus;
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", (QStringLiteral("offscreen:configfile=") + kScreens).toLocal8Bit());
    QApplication application(argc, argv);
    TestEventScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_eventscreen.moc"
