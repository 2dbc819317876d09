// The presentation view opened from the main window: the button and F11, Space and Esc acting
// on the main window's count, the view's own wheels whatever the main window's size, reduced
// motion and the announcement of a new victim on the main window. Timers are fired by hand,
// the clock set by the test.
#include "core/counter.h"
#include "core/intervaltext.h"
#include "deadzonefixture.h"
#include "display/odometerview.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"
#include "windows/Apresentacao/apresentacao.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

const QDateTime kNoon(QDate(2026, 3, 10), QTime(12, 0));

struct Fixture : DeadZoneFixture
{
    Fixture() : DeadZoneFixture(kNoon, shippedData()) { window.show(); }

    Apresentacao &view() const
    {
        if (!window.presentation())
            qFatal("no presentation view");
        return *window.presentation();
    }
    // A whole display cycle of the odometer (the bar, the wheels, a new victim).
    void displayTicks(int ticks = 11)
    {
        for (int i = 0; i < ticks; ++i)
            fire(timer("frameTimer"));
    }
    // A figure typed and the count started, recounted and shown.
    void countTyped(const QString &figure)
    {
        typeMonthly(figure);
        play();
        recount();
        displayTicks();
    }
    void chooseEntry(const QString &name) { QVERIFY(window.chooseEntryNamed(name)); }
    void press(QWidget *widget, Qt::Key key) { QTest::keyClick(widget, key); }
};

// Every scene timer of a stage, running or not.
bool sceneRuns(const VictimScene &scene)
{
    for (const char *name : {"relogAnjo", "RelogAuto", "RelogPolcar"}) {
        if (scene.findChild<QTimer *>(QString::fromLatin1(name))->isActive())
            return true;
    }
    return false;
}

} // namespace

class TestPresentation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void titleFromTheToolPanel();
    void startedInTheViewBackWithTheSameCount();
    void capacitySaidInTheView();
    void viewPlacesItsOwnWheels_data();
    void viewPlacesItsOwnWheels();
    void spacePausesEscReturnsWithSameCount();
    void leavingPutsTheWindowBack();
    void enteredFromButtonAndF11();
    void reducedMotion();
    void newVictimAnnouncedOnce();
};

void TestPresentation::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

// On one screen the main window hides while the view shows; shown again it may be placed
// anew (a window manager centres it), which the hidden window's move stands for here.
void TestPresentation::leavingPutsTheWindowBack()
{
    Fixture f;
    f.window.move(137, 91);
    QTRY_COMPARE(f.window.pos(), QPoint(137, 91));
    const QSize size = f.window.size();
    f.window.enterPresentation();
    QVERIFY(f.window.isHidden());
    f.window.move(400, 300);
    f.press(&f.view(), Qt::Key_Escape);
    QVERIFY(!f.view().isOpen());
    QVERIFY(f.window.isVisible());
    QTRY_COMPARE(f.window.pos(), QPoint(137, 91));
    QCOMPARE(f.window.size(), size);
}

void TestPresentation::spacePausesEscReturnsWithSameCount()
{
    Fixture f;
    f.countTyped(QStringLiteral("90000"));
    OdometerView &odometer = f.odometer();
    const QString count = odometer.text();
    const QRect placed = odometer.geometry();
    QVERIFY(!count.isEmpty());

    f.window.enterPresentation();
    Apresentacao &view = f.view();
    QVERIFY(view.isOpen());
    QVERIFY(f.window.isHidden());
    // The view shows the same count on wheels of its own.
    QVERIFY(view.odometer() != &odometer);
    QCOMPARE(odometer.parentWidget(), &f.window);
    QCOMPARE(view.odometer()->text(), count);

    f.press(&view, Qt::Key_Space);
    QVERIFY(!f.window.counting());
    QCOMPARE(f.window.runState(), DeadZone::RunState::Waiting);
    QVERIFY(!f.timer("tickTimer")->isActive());
    QVERIFY(!view.findChild<QLabel *>("Pausado")->isHidden());
    f.press(&view, Qt::Key_Space);
    QVERIFY(f.window.counting());
    QVERIFY(view.findChild<QLabel *>("Pausado")->isHidden());

    f.press(&view, Qt::Key_Escape);
    QVERIFY(!view.isOpen());
    QVERIFY(view.isHidden());
    QVERIFY(f.window.isVisible());
    QCOMPARE(odometer.geometry(), placed);
    QCOMPARE(odometer.text(), count);
    QVERIFY(f.window.counting());

    // F11 leaves as Esc does.
    f.window.enterPresentation();
    f.press(&view, Qt::Key_F11);
    QVERIFY(!f.window.inPresentation());
}

// The tool panel's title names what is counted; the period stays. Bahia's source is of 2022
// in this tree's data, the pace its year.
void TestPresentation::titleFromTheToolPanel()
{
    Fixture f;
    f.typeMonthly(QStringLiteral("937"));
    f.window.enterPresentation();
    QCOMPARE(f.view().sentence(),
             QStringLiteral("Estimativa a partir de 937 ocorrências por mês, hoje, 10/03/2026"));
    f.window.leavePresentation();
    auto *title = f.child<QLineEdit>("Titulo");
    QCOMPARE(title->accessibleName(), QStringLiteral("Título na apresentação"));
    title->setText(QStringLiteral("Nossa escola"));
    f.window.enterPresentation();
    QCOMPARE(f.view().sentence(), QStringLiteral("Nossa escola: estimativa hoje, 10/03/2026"));
    f.window.leavePresentation();
    f.chooseEntry(QStringLiteral("Bahia"));
    f.window.enterPresentation();
    QVERIFY2(f.view().sentence().startsWith(QStringLiteral("Nossa escola: estimativa hoje, "
                                                           "10/03/2026, no ritmo de 20")),
             qPrintable(f.view().sentence()));
    QVERIFY(f.view().sourceText().startsWith(QStringLiteral("Fonte: ")));
}

// "Roubos em geral na cidade de São Paulo" in the year mode on 1 October is over capacity:
// the view says so itself, no message box comes over it, and Esc still leaves.
void TestPresentation::capacitySaidInTheView()
{
    Fixture f;
    f.clock.set(QDate(2026, 10, 1), QTime(12, 0));
    f.chooseEntry(QStringLiteral("Roubos em geral na cidade de São Paulo"));
    f.child<QRadioButton>("Option1", 2)->setChecked(true);
    f.window.enterPresentation();
    f.press(&f.view(), Qt::Key_Space);
    QVERIFY(f.window.counting());
    f.recount();
    f.window.findChild<Counter *>()->recount();
    QVERIFY(f.desktop.messages.isEmpty());
    QCOMPARE(f.view().capacityText(),
             QStringLiteral("No modo ano a contagem passa de 99.999,9999, o máximo do odômetro. "
                            "Cabem: dia e mês."));
    f.press(&f.view(), Qt::Key_Escape);
    QVERIFY(!f.window.inPresentation());
}

// As the command line starts it: the view opens before the first recount; after a pause and
// Esc the main window shows the count the view showed.
void TestPresentation::startedInTheViewBackWithTheSameCount()
{
    DeadZoneFixture f(kNoon, DeadZoneFixture::shippedData());
    f.window.typeMonthlyFigure(90000);
    f.window.pressPlay();
    f.window.enterPresentation();
    f.recount();
    for (int i = 0; i < 11; ++i)
        f.fire(f.timer("frameTimer"));
    Apresentacao &view = *f.window.presentation();
    const QString shown = view.odometer()->text();
    QVERIFY(!shown.isEmpty());
    QTest::keyClick(&view, Qt::Key_Space);
    QCOMPARE(view.odometer()->text(), shown);
    QTest::keyClick(&view, Qt::Key_Escape);
    QCOMPARE(f.odometer().text(), shown);
}

void TestPresentation::viewPlacesItsOwnWheels_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("default size") << "default";
    QTest::newRow("maximised") << "maximised";
    QTest::newRow("resized while the view is open") << "resized";
}

// The main window's resize handler places its own odometer only: the view's wheels stay
// centred on the view whatever happens to the main window.
void TestPresentation::viewPlacesItsOwnWheels()
{
    QFETCH(QString, window);
    Fixture f;
    f.countTyped(QStringLiteral("90000"));
    if (window == u"maximised") {
        f.window.showMaximized();
        f.window.resize(1920, 1040);
    }
    f.window.enterPresentation();
    Apresentacao &view = f.view();
    view.resize(1280, 720);
    view.arrange();
    const QRect wheels = view.wheelBox()->geometry();
    if (window == u"resized")
        f.window.resize(1500, 900);
    QCOMPARE(view.wheelBox()->geometry(), wheels);
    QCOMPARE(view.odometer()->parentWidget(), view.wheelBox());
    QVERIFY(qAbs(wheels.center().x() - 640) <= 1);
    QVERIFY(view.rect().contains(wheels));
    QCOMPARE(f.odometer().parentWidget(), &f.window);
}

void TestPresentation::enteredFromButtonAndF11()
{
    Fixture f;
    auto *button = f.child<QPushButton>("BotaoApresentacao");
    QCOMPARE(button->accessibleName(), QStringLiteral("Modo de apresentação"));
    button->click();
    QVERIFY(f.window.inPresentation());
    f.window.leavePresentation();
    QVERIFY(!f.window.inPresentation());

    QApplication::setActiveWindow(&f.window);
    QTest::keyClick(f.window.windowHandle(), Qt::Key_F11);
    QVERIFY(f.window.inPresentation());
    // Space with no figure: the refusal, no list opened, nothing counting.
    f.recorder.clear();
    f.press(&f.view(), Qt::Key_Space);
    QVERIFY(f.recorder.contains(Cue::Abaixo));
    QVERIFY(!f.window.counting());
}

void TestPresentation::reducedMotion()
{
    Fixture f;
    // An entry with a pattern: the LED would blink.
    f.chooseEntry(QStringLiteral("Homicidios em São Paulo"));
    QVERIFY(f.timer("Timer4")->isActive());
    auto *box = f.child<QCheckBox>("MovimentoReduzido");
    QCOMPARE(box->accessibleName(), QStringLiteral("Movimento reduzido"));
    box->click();
    QVERIFY(f.window.reducedMotion());

    // The LED: lit and steady.
    for (int i = 0; i < 5; ++i) {
        f.fire(f.timer("Timer4"));
        QCOMPARE(f.window.ledColor(), QColor(0, 255, 0));
    }

    f.play();
    f.recount();
    // The fastest wheel's picture: never a spinning frame between recounts.
    auto *fastest = f.odometer().findChild<PictureBox *>("Picture0");
    const qint64 shown = fastest->picture().cacheKey();
    for (int i = 0; i < 9; ++i)
        f.fire(f.timer("tickTimer"));
    QCOMPARE(fastest->picture().cacheKey(), shown);

    // The first tick marks a victim: calmly, and no animation starts.
    f.displayTicks(1);
    QVERIFY(!sceneRuns(f.scene()));
    QVERIFY(f.timer("RelogMarcaVitima")->isActive());
    QVERIFY(f.child<QLabel>("PgCaption")->palette().color(QPalette::WindowText) !=
            f.child<QLabel>("Label6")->palette().color(QPalette::WindowText));
    f.displayTicks(10);
    QVERIFY(!sceneRuns(f.scene()));
    f.fire(f.timer("RelogMarcaVitima"));
    QCOMPARE(f.child<QLabel>("PgCaption")->palette().color(QPalette::WindowText),
             f.child<QLabel>("Label6")->palette().color(QPalette::WindowText));
}

void TestPresentation::newVictimAnnouncedOnce()
{
    Fixture f;
    auto *announcer = f.child<VictimAnnouncer>("AnuncioVitima");
    const QString quiet = announcer->accessibleName();

    // 3000 a day: a victim every 28.8 s. The first display after play shows the count and
    // announces nothing.
    f.countTyped(QStringLiteral("90000"));
    QCOMPARE(announcer->announcements(), 0);
    QCOMPARE(announcer->accessibleName(), quiet);

    // Ticks and recounts without a new victim: the odometer's name follows the count,
    // nothing is announced.
    auto *housing = f.odometer().findChild<QWidget *>("Picture11");
    for (int i = 0; i < 3; ++i) {
        f.clock.advanceMs(2'000);
        f.recount();
        f.displayTicks(1);
        const QString name = housing->accessibleName();
        f.displayTicks(20);
        QCOMPARE(housing->accessibleName(), name);
    }
    const int units = f.window.state().ExibidoUnidade;
    QCOMPARE(announcer->announcements(), 0);

    f.clock.advanceMs(30'000);
    f.recount();
    f.displayTicks(20);
    QVERIFY(f.window.state().ExibidoUnidade != units);
    QCOMPARE(announcer->announcements(), 1);
    QCOMPARE(announcer->accessibleName(), VictimAnnouncer::text(f.window.odometerText()));
    // Later ticks and a recount without a new victim say nothing more.
    f.clock.advanceMs(2'000);
    f.recount();
    f.displayTicks(20);
    QCOMPARE(announcer->announcements(), 1);
}

QTEST_MAIN(TestPresentation)
#include "tst_presentation_mainwindow.moc"
