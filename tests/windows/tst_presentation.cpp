// The presentation view: its layout on a projector's screen, what it says, the one count it
// shares with the main window across pauses and back, reduced motion and the announcement of
// a new victim to assistive technology. Timers are fired by hand, the clock set by the test.
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
            fire(frameTimer());
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
    void layoutFitsTheScreen_data();
    void layoutFitsTheScreen();
    void saysWhatIsCounted_data();
    void saysWhatIsCounted();
    void tallyGoesOnAcrossPause();
    void spacePausesEscReturnsWithSameCount();
    void enteredFromButtonAndF11();
    void reducedMotion();
    void newVictimAnnouncedOnce();
};

void TestPresentation::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void TestPresentation::layoutFitsTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("entry");
    QTest::newRow("1920 x 1080, typed figure") << QSize(1920, 1080) << QString();
    QTest::newRow("1280 x 720, typed figure") << QSize(1280, 720) << QString();
    // The longest shipped name with its source line.
    QTest::newRow("1280 x 720, long entry") << QSize(1280, 720)
                                            << QStringLiteral("Roubos de veículos na cidade de "
                                                              "São Paulo");
    QTest::newRow("1920 x 1080, state") << QSize(1920, 1080) << QStringLiteral("Bahia");
    QTest::newRow("1024 x 768, 4:3") << QSize(1024, 768) << QStringLiteral("Bahia");
}

void TestPresentation::layoutFitsTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QString, entry);
    Fixture f;
    if (entry.isEmpty()) {
        f.countTyped(QStringLiteral("90000"));
    } else {
        f.chooseEntry(entry);
        f.play();
        f.recount();
        f.displayTicks();
    }
    OdometerView &odometer = f.odometer();
    f.window.enterPresentation();
    Apresentacao &view = f.view();
    view.resize(screen);
    view.arrange();
    QCOMPARE(view.size(), screen);

    const QRect whole(QPoint(0, 0), screen);
    QCOMPARE(odometer.parentWidget(), &view);
    QVERIFY2(odometer.width() >= 0.9 * screen.width(),
             qPrintable(QString::number(odometer.width())));
    if (!entry.isEmpty())
        QVERIFY(!view.sourceText().isEmpty());

    const QList<QWidget *> parts = view.shownParts();
    QCOMPARE(parts.size(), 8);
    for (QWidget *part : parts) {
        QVERIFY2(whole.contains(part->geometry()), qPrintable(part->objectName()));
        if (auto *label = qobject_cast<QLabel *>(part)) {
            // The text, wrapped as shown, inside its own box.
            const QRect needed =
                QFontMetrics(label->font())
                    .boundingRect(QRect(QPoint(0, 0), label->size()),
                                  Qt::AlignCenter | Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
            // Readable from the back of a room: not below 2 % of the screen's height.
            if (!label->text().isEmpty())
                QVERIFY2(label->font().pixelSize() >= screen.height() / 50,
                         qPrintable(label->objectName()));
        }
        for (QWidget *other : parts) {
            if (other != part)
                QVERIFY2(
                    !part->geometry().intersects(other->geometry()),
                    qPrintable(part->objectName() + QStringLiteral(" / ") + other->objectName()));
        }
    }
}

void TestPresentation::saysWhatIsCounted_data()
{
    QTest::addColumn<QString>("figure"); // typed, or empty
    QTest::addColumn<QString>("entry");  // chosen, or empty
    QTest::addColumn<int>("mode");       // Option1(mode)
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<bool>("hasSource");

    QTest::newRow("typed 937 a month: 31,23 a day")
        << "937" << QString() << 0 << "Número digitado: 937 por mês — hoje, 10/03/2026"
        << "uma vítima a cada 46 min 7 s" << false;
    QTest::newRow("typed 90000: 3000 a day")
        << "90000" << QString() << 0 << "Número digitado: 90000 por mês — hoje, 10/03/2026"
        << "uma vítima a cada 29 s" << false;
    QTest::newRow("typed 0") << "0" << QString() << 0
                             << "Número digitado: 0 por mês — hoje, 10/03/2026"
                             << "nenhuma vítima prevista neste ritmo" << false;
    // Pernambuco: 288 a month, 9,6 a day, one victim every 2 h 30 min.
    QTest::newRow("state, this month")
        << QString() << "Pernambuco" << 1 << "Pernambuco — neste mês, março de 2026"
        << intervalSentence(288 / 30.0) << true;
    QTest::newRow("state, this year")
        << QString() << "Pernambuco" << 2 << "Pernambuco — neste ano, 2026"
        << intervalSentence(288 / 30.0) << true;
    // Bahia's pattern has four intervals of 6 hours; noon is in the third, 20 of 100.
    QTest::newRow("state with a pattern, at noon")
        << QString() << "Bahia" << 0 << "Bahia — hoje, 10/03/2026"
        << intervalSentence(503 / 30.0 * 0.20 / 6 * 24) << true;
    // Its pattern is in use: at noon the pace of the 12-16 h interval, 14 of 100 occurrences
    // in 4 hours, that is 937 / 30 * 0.14 / 4 * 24 a day.
    QTest::newRow("crime with a pattern, at noon")
        << QString() << "Homicidios em São Paulo" << 0
        << "Homicidios em São Paulo — hoje, 10/03/2026" << intervalSentence(31.23 * 0.14 / 4 * 24)
        << true;
}

void TestPresentation::saysWhatIsCounted()
{
    QFETCH(QString, figure);
    QFETCH(QString, entry);
    QFETCH(int, mode);
    QFETCH(QString, sentence);
    QFETCH(QString, interval);
    QFETCH(bool, hasSource);
    Fixture f;
    f.child<QRadioButton>("Option1", mode)->setChecked(true);
    if (!figure.isEmpty())
        f.typeMonthly(figure);
    else
        f.chooseEntry(entry);
    f.window.enterPresentation();
    QCOMPARE(f.view().sentence(), sentence);
    QCOMPARE(f.view().intervalText(), interval);
    QCOMPARE(!f.view().sourceText().isEmpty(), hasSource);
    if (hasSource)
        QVERIFY2(f.view().sourceText().startsWith(QStringLiteral("Fonte: ")) ||
                     entry == u"Homicidios em São Paulo", // the example line: its note
                 qPrintable(f.view().sourceText()));

    // A typed figure afterwards names no entry and no source.
    f.window.leavePresentation();
    f.typeMonthly(QStringLiteral("1"));
    f.window.enterPresentation();
    QVERIFY(f.view().sentence().startsWith(QStringLiteral("Número digitado: ")));
    QVERIFY(f.view().sourceText().isEmpty());
}

// 3000 a day is 0.0347 a second: 60 s counted, 120 s paused, 60 s counted again. The
// count follows the clock, so the pause takes nothing away: 180 s make 6.25.
void TestPresentation::tallyGoesOnAcrossPause()
{
    Fixture f;
    f.countTyped(QStringLiteral("90000"));
    f.window.enterPresentation();
    Apresentacao &view = f.view();
    QCOMPARE(view.tallyText(), QStringLiteral("desde o início da apresentação: 0,0000 (há 0 s)"));

    f.clock.advanceMs(60'000);
    f.recount();
    QVERIFY2(view.tallyText().startsWith(QStringLiteral("desde o início da apresentação: 2,08")),
             qPrintable(view.tallyText()));

    f.press(&view, Qt::Key_Space);
    QCOMPARE(f.window.runState(), DeadZone::RunState::Waiting);
    f.clock.advanceMs(120'000);
    f.press(&view, Qt::Key_Space);
    QCOMPARE(f.window.runState(), DeadZone::RunState::Running);
    f.recount();
    QVERIFY2(view.tallyText().startsWith(QStringLiteral("desde o início da apresentação: 6,2")),
             qPrintable(view.tallyText()));
    QVERIFY2(view.tallyText().endsWith(QStringLiteral("(há 3 min)")), qPrintable(view.tallyText()));

    // A new figure starts the count again; what was counted stays.
    f.window.leavePresentation();
    f.typeMonthly(QStringLiteral("0"));
    f.window.enterPresentation();
    QCOMPARE(view.tallyText(), QStringLiteral("desde o início da apresentação: 0,0000 (há 0 s)"));
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
    QCOMPARE(odometer.parentWidget(), &view);
    QCOMPARE(odometer.text(), count);

    f.press(&view, Qt::Key_Space);
    QVERIFY(!f.window.counting());
    QCOMPARE(f.window.runState(), DeadZone::RunState::Waiting);
    QVERIFY(!f.tickTimer()->isActive());
    f.press(&view, Qt::Key_Space);
    QVERIFY(f.window.counting());

    // The view's bar is the main window's bar.
    f.displayTicks(3);
    QCOMPARE(view.findChild<QProgressBar *>("ProximaVitima")->value(),
             f.child<QProgressBar>("Pg1")->value());

    f.press(&view, Qt::Key_Escape);
    QVERIFY(!view.isOpen());
    QVERIFY(view.isHidden());
    QVERIFY(f.window.isVisible());
    QCOMPARE(odometer.parentWidget(), &f.window);
    QCOMPARE(odometer.geometry(), placed);
    QCOMPARE(odometer.text(), count);
    QVERIFY(f.window.counting());

    // F11 leaves as Esc does; Space with nothing to count only refuses.
    f.window.enterPresentation();
    f.press(&view, Qt::Key_F11);
    QVERIFY(!f.window.inPresentation());
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
        f.fire(f.tickTimer());
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

    // In the view: the sentence changes colour, its scene stays still, the count goes on.
    f.window.enterPresentation();
    auto *sentence = f.view().findChild<QLabel *>("Frase");
    const QColor calm = sentence->palette().color(QPalette::WindowText);
    f.clock.advanceMs(3'600'000); // an hour: several victims
    f.recount();
    f.displayTicks(1);
    QVERIFY(sentence->palette().color(QPalette::WindowText) != calm);
    QVERIFY(!sceneRuns(*f.view().findChild<VictimScene *>("VictimScene")));
    f.fire(f.view().findChild<QTimer *>("RelogMarca"));
    QCOMPARE(sentence->palette().color(QPalette::WindowText), calm);

    // Motion back on: the next victim drives the scene of the view again.
    f.window.leavePresentation();
    box->click();
    QVERIFY(!f.window.reducedMotion());
    f.window.enterPresentation();
    f.clock.advanceMs(3'600'000);
    f.recount();
    f.displayTicks(1);
    QVERIFY(sceneRuns(*f.view().findChild<VictimScene *>("VictimScene")));
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

    // The view has its own announcer, spoken while the view is open.
    f.window.enterPresentation();
    auto *viewAnnouncer = f.view().findChild<VictimAnnouncer *>("AnuncioVitima");
    f.clock.advanceMs(30'000);
    f.recount();
    f.displayTicks(20);
    QCOMPARE(viewAnnouncer->announcements(), 1);
    QCOMPARE(viewAnnouncer->accessibleName(), VictimAnnouncer::text(f.window.odometerText()));
}

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
