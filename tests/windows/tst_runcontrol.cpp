// Play, wait and pause on the main window: the run-state table, the pause's effects, the
// sound and TILT switches, press feedback, and the buttons as keyboard and assistive
// technology see them. Cues are recorded, not played.
#include "core/soundcues.h"
#include "deadzonefixture.h"
#include "display/picclip.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "display/svgpicture.h"
#include "display/victimscene.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using RunState = DeadZone::RunState;

struct Fixture : DeadZoneFixture
{
    Fixture() : DeadZoneFixture(FakeClock().now(), shippedData()) {}

    void wait() { child<PictureButton>("Image3")->click(); }

    // Brings the window into a run state with a monthly figure, then sets the field.
    void reach(RunState state, const QString &monthly)
    {
        child<QLineEdit>("ParametroMes")->setText(QStringLiteral("3000"));
        if (state != RunState::Off)
            play();
        if (state == RunState::Waiting)
            wait();
        QCOMPARE(window.runState(), state);
        // Emptying the field is a reset: the count stops with nothing to show.
        child<QLineEdit>("ParametroMes")->setText(monthly);
        QCOMPARE(window.runState(), monthly.isEmpty() ? RunState::Off : state);
        recorder.clear();
    }

    static bool shows(const PictureButton *button, const char *picture)
    {
        const QPixmap face = svgPicture(QStringLiteral(":/pictures/%1.svg").arg(picture),
                                        button->size(), button->picture().devicePixelRatio());
        return button->picture().cacheKey() == face.cacheKey();
    }
    // The faces always show the state.
    void checkFaces(RunState state) const
    {
        const bool running = state == RunState::Running;
        const bool waiting = state == RunState::Waiting;
        QVERIFY(shows(child<PictureButton>("Image2"), running ? "playon" : "playoff"));
        QVERIFY(shows(child<PictureButton>("Image3"), waiting ? "waiton" : "waitoff"));
        QCOMPARE(child<PictureButton>("Image2")->accessibleDescription(),
                 running ? QStringLiteral("ligado") : QStringLiteral("desligado"));
        QCOMPARE(child<PictureButton>("Image3")->accessibleDescription(),
                 waiting ? QStringLiteral("ligado") : QStringLiteral("desligado"));
        QCOMPARE(tickTimer()->isActive(), running);
    }
};

const QString kClick = QStringLiteral("Clicar.wav");
const QString kRefusal = QStringLiteral("abaixo.wav");

} // namespace

class TestRunControl : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void startsOff();
    void transitions_data();
    void transitions();
    void playShowsCountingArea();
    void pauseEffects();
    void pauseWhileOffIsRefused();
    void newFigurePausesAndResets();
    void soundSwitch_data();
    void soundSwitch();
    void pauseSilencesRollingSound();
    void tiltSwitch_data();
    void tiltSwitch();
    void pressFeedback_data();
    void pressFeedback();
    void keyboard_data();
    void keyboard();
    void assistiveTechnology();
    void soundDeviceMissing_data();
    void soundDeviceMissing();
};

void TestRunControl::startsOff()
{
    Fixture f;
    QCOMPARE(f.window.runState(), RunState::Off);
    f.checkFaces(RunState::Off);
    QVERIFY(!f.child<PictureBox>("Picture22")->isHidden());
    QVERIFY(f.child<QRadioButton>("Option3")->isChecked());
    QVERIFY(f.child<QRadioButton>("Option6", 0)->isChecked());
    QCOMPARE(f.cues.SomDesligado, qint16(1));
    QCOMPARE(f.window.state().TiltDesligado, qint16(0));
}

void TestRunControl::transitions_data()
{
    QTest::addColumn<RunState>("from");
    QTest::addColumn<QString>("monthly");
    QTest::addColumn<QString>("event");
    QTest::addColumn<RunState>("to");
    QTest::addColumn<QStringList>("cues");
    QTest::addColumn<bool>("listOffered");

    const QStringList click{kClick};
    const QStringList refusal{kRefusal};
    const RunState off = RunState::Off;
    const RunState running = RunState::Running;
    const RunState waiting = RunState::Waiting;
    QTest::newRow("Off, play, no figure") << off << ""
                                          << "play" << off << refusal << true;
    // An emptied field has reset the count: nothing to start or pause.
    QTest::newRow("Running, play, no figure") << running << ""
                                              << "play" << off << refusal << true;
    QTest::newRow("Waiting, play, no figure") << waiting << ""
                                              << "play" << off << refusal << true;
    QTest::newRow("Off, play") << off << "3000"
                               << "play" << running << click << false;
    QTest::newRow("Waiting, play") << waiting << "3000"
                                   << "play" << running << click << false;
    QTest::newRow("Running, play again") << running << "3000"
                                         << "play" << running << click << false;
    QTest::newRow("Running, wait") << running << "3000"
                                   << "wait" << waiting << click << false;
    QTest::newRow("Running, wait, no figure") << running << ""
                                              << "wait" << off << refusal << false;
    QTest::newRow("Waiting, wait: resume") << waiting << "3000"
                                           << "wait" << running << click << false;
    QTest::newRow("Waiting, wait, no figure") << waiting << ""
                                              << "wait" << off << refusal << false;
    QTest::newRow("Off, wait") << off << "3000"
                               << "wait" << off << refusal << false;
    QTest::newRow("Off, wait, no figure") << off << ""
                                          << "wait" << off << refusal << false;
}

void TestRunControl::transitions()
{
    QFETCH(RunState, from);
    QFETCH(QString, monthly);
    QFETCH(QString, event);
    QFETCH(RunState, to);
    QFETCH(QStringList, cues);
    QFETCH(bool, listOffered);
    Fixture f;
    f.reach(from, monthly);
    f.child<QFrame>("PainelList1")->hide();
    if (event == QLatin1String("play"))
        f.play();
    else
        f.wait();
    QCOMPARE(f.window.runState(), to);
    f.checkFaces(to);
    QCOMPARE(f.recorder.played, cues);
    // Play without a figure offers the incidence list instead.
    QCOMPARE(!f.child<QFrame>("PainelList1")->isHidden(), listOffered);
    QVERIFY(f.messages.isEmpty());
}

void TestRunControl::playShowsCountingArea()
{
    Fixture f;
    f.play(); // no figure: the cover stays, the list is offered
    QVERIFY(!f.child<PictureBox>("Picture22")->isHidden());
    QVERIFY(!f.child<QFrame>("PainelList1")->isHidden());
    QVERIFY(f.child<QListWidget>("List1")->count() > 0);

    f.child<QLineEdit>("ParametroMes")->setText(QStringLiteral("3000"));
    f.play();
    QVERIFY(f.child<PictureBox>("Picture22")->isHidden());
    QVERIFY(f.child<QFrame>("PainelList1")->isHidden());
    // The first recount follows within ten count ticks.
    f.recount();
    QVERIFY(f.frameTimer()->isActive());
    QVERIFY(!f.child<QLineEdit>("ParametroHoje")->text().isEmpty());
}

// The pause's eight steps, seen from outside once it has run.
void TestRunControl::pauseEffects()
{
    Fixture f;
    f.reach(RunState::Running, QStringLiteral("3000"));
    CounterState &s = f.shownDigits();
    s.DigitoDecimal3 = 7;
    s.DigitoDecimal4 = 2;
    for (int i = 0; i < 6; ++i) // frame 6: the fast wheels mid-spin
        Fixture::fire(f.frameTimer());
    f.child<QRadioButton>("Option2")->click(); // sound ON while counting
    QCOMPARE(f.cues.SomDesligado, qint16(0));
    for (QTimer *t : {f.timer("RelogPolcar"), f.timer("relogAnjo"), f.timer("RelogAuto")})
        t->start();
    Fixture::fire(f.timer("RelogAuto"));
    Fixture::fire(f.timer("RelogPolcar"));
    const QRect car = f.scene().autoTwips();
    const QRect police = f.scene().PolcarTwips();
    const QString count = f.child<QLineEdit>("ParametroHoje")->text();
    f.recorder.clear();

    f.wait();

    QVERIFY(!f.tickTimer()->isActive());
    QVERIFY(!f.frameTimer()->isActive());
    // The fast wheels rest on the held thousandths and ten-thousandths.
    const PicClip decimals(QStringLiteral(":/pictures/strip2_decimal.svg"));
    for (const auto &[wheel, cell] : {std::pair{f.child<PictureBox>("Picture1"), 6},
                                      std::pair{f.child<PictureBox>("Picture0"), 1}}) {
        const QPixmap face =
            decimals.cell(cell, wheel->size(), wheel->picture().devicePixelRatio());
        QCOMPARE(wheel->picture().toImage(), face.toImage());
    }
    QCOMPARE(f.cues.SomDesligado, qint16(1));
    QVERIFY(f.child<QRadioButton>("Option3")->isChecked());
    QCOMPARE(f.recorder.played.first(), kClick);
    f.checkFaces(RunState::Waiting);
    for (QTimer *t : {f.timer("RelogPolcar"), f.timer("relogAnjo"), f.timer("RelogAuto")})
        QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
    QCOMPARE(f.scene().anjoTwips().top(),
             f.scene().anjoTwips().height() + f.scene().windowHeightTwips());
    QVERIFY(f.child<PictureBox>("auto")->isHidden());
    QVERIFY(f.child<PictureBox>("Polcar")->isHidden());
    // The car one step on, the police car one step back.
    QCOMPARE(f.scene().autoTwips().topLeft(), car.topLeft() + QPoint(30, 10));
    QCOMPARE(f.scene().PolcarTwips().topLeft(), police.topLeft() - QPoint(30, 0));
    QCOMPARE(f.child<QLineEdit>("ParametroHoje")->text(), count);
}

// The pause command with nothing counted is refused: the count has no paused state to show.
void TestRunControl::pauseWhileOffIsRefused()
{
    Fixture f;
    f.window.pauseCount();
    QCOMPARE(f.recorder.played, QStringList{kRefusal});
    QCOMPARE(f.window.runState(), RunState::Off);
    f.checkFaces(RunState::Off);
}

// A new figure pauses and resets: cue 1 from the pause, then both faces off.
void TestRunControl::newFigurePausesAndResets()
{
    Fixture f;
    f.reach(RunState::Running, QStringLiteral("3000"));
    f.child<QLineEdit>("ParametroMes")->setText(QStringLiteral("600"));
    QCOMPARE(f.recorder.played, QStringList{kClick});
    QCOMPARE(f.window.runState(), RunState::Off);
    f.checkFaces(RunState::Off);
}

void TestRunControl::soundSwitch_data()
{
    QTest::addColumn<RunState>("state");
    QTest::addColumn<QStringList>("clicks"); // "ON" / "OFF" in turn
    QTest::addColumn<qint16>("somDesligado");
    QTest::addColumn<QString>("selected"); // "ON", "OFF" or "" for neither
    QTest::newRow("Off: ON refused") << RunState::Off << QStringList{"ON"} << qint16(1) << "";
    QTest::newRow("Waiting: ON refused")
        << RunState::Waiting << QStringList{"ON"} << qint16(1) << "";
    QTest::newRow("Running: ON") << RunState::Running << QStringList{"ON"} << qint16(0) << "ON";
    QTest::newRow("Running: ON then OFF")
        << RunState::Running << QStringList{"ON", "OFF"} << qint16(1) << "OFF";
    QTest::newRow("Off: ON refused, then OFF")
        << RunState::Off << QStringList{"ON", "OFF"} << qint16(1) << "OFF";
}

void TestRunControl::soundSwitch()
{
    QFETCH(RunState, state);
    QFETCH(QStringList, clicks);
    QFETCH(qint16, somDesligado);
    QFETCH(QString, selected);
    Fixture f;
    f.reach(state, QStringLiteral("3000"));
    for (const QString &click : clicks)
        (click == QLatin1String("ON") ? f.child<QRadioButton>("Option2")
                                      : f.child<QRadioButton>("Option3"))
            ->click();
    QCOMPARE(f.cues.SomDesligado, somDesligado);
    QCOMPARE(f.child<QRadioButton>("Option2")->isChecked(), selected == QLatin1String("ON"));
    QCOMPARE(f.child<QRadioButton>("Option3")->isChecked(), selected == QLatin1String("OFF"));
    QCOMPARE(f.window.runState(), state);
}

void TestRunControl::pauseSilencesRollingSound()
{
    Fixture f;
    f.reach(RunState::Running, QStringLiteral("3000"));
    f.child<QRadioButton>("Option2")->click();
    Fixture::fire(f.timer("Timer2"));
    QCOMPARE(f.recorder.played, QStringList{QStringLiteral("rot2.wav")});
    f.wait();
    f.recorder.clear();
    Fixture::fire(f.timer("Timer2"));
    QVERIFY(f.recorder.played.isEmpty());
    // Resuming keeps it off until switched on again while counting.
    f.wait();
    f.recorder.clear();
    Fixture::fire(f.timer("Timer2"));
    QVERIFY(f.recorder.played.isEmpty());
    QCOMPARE(f.cues.SomDesligado, qint16(1));
}

void TestRunControl::tiltSwitch_data()
{
    QTest::addColumn<RunState>("state");
    QTest::newRow("Off") << RunState::Off;
    QTest::newRow("Running") << RunState::Running;
    QTest::newRow("Waiting") << RunState::Waiting;
}

void TestRunControl::tiltSwitch()
{
    QFETCH(RunState, state);
    Fixture f;
    f.reach(state, QStringLiteral("3000"));
    f.child<QRadioButton>("Option6", 1)->click();
    QCOMPARE(f.window.state().TiltDesligado, qint16(1));
    f.child<QRadioButton>("Option6", 0)->click();
    QCOMPARE(f.window.state().TiltDesligado, qint16(0));
    QCOMPARE(f.window.runState(), state);
    QVERIFY(f.recorder.played.isEmpty());
}

void TestRunControl::pressFeedback_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("play") << "Image2";
    QTest::newRow("wait") << "Image3";
}

void TestRunControl::pressFeedback()
{
    QFETCH(QString, button);
    Fixture f;
    auto *b = f.window.findChild<PictureButton *>(button);
    QVERIFY(b);
    QCOMPARE(b->borderStyle(), 0);
    QTest::mousePress(b, Qt::LeftButton);
    QCOMPARE(b->borderStyle(), 1);
    QTest::mouseRelease(b, Qt::LeftButton);
    QCOMPARE(b->borderStyle(), 0);
}

void TestRunControl::keyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Return") << int(Qt::Key_Return);
}

void TestRunControl::keyboard()
{
    QFETCH(int, key);
    Fixture f;
    f.reach(RunState::Off, QStringLiteral("3000"));
    QCOMPARE(f.child<PictureButton>("Image2")->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(f.child<PictureButton>("Image3")->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(f.child<PictureButton>("Image2"), Qt::Key(key));
    QTRY_COMPARE(f.window.runState(), RunState::Running);
    QTest::keyClick(f.child<PictureButton>("Image3"), Qt::Key(key));
    QTRY_COMPARE(f.window.runState(), RunState::Waiting);
    QCOMPARE(f.recorder.count(Cue::Clicar), 2);
}

void TestRunControl::assistiveTechnology()
{
    Fixture f;
    f.reach(RunState::Off, QStringLiteral("3000"));
    QAccessibleInterface *play =
        QAccessible::queryAccessibleInterface(f.child<PictureButton>("Image2"));
    QAccessibleInterface *wait =
        QAccessible::queryAccessibleInterface(f.child<PictureButton>("Image3"));
    QVERIFY(play && wait);
    QCOMPARE(play->role(), QAccessible::Button);
    QCOMPARE(wait->role(), QAccessible::Button);
    QCOMPARE(play->text(QAccessible::Name), QStringLiteral("Iniciar contagem"));
    QCOMPARE(wait->text(QAccessible::Name), QStringLiteral("Pausar contagem"));
    QCOMPARE(play->text(QAccessible::Description), QStringLiteral("desligado"));
    QVERIFY(play->state().focusable);

    // Pressed through its action, as a screen reader does.
    QVERIFY(play->actionInterface());
    play->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(f.window.runState(), RunState::Running);
    QCOMPARE(play->text(QAccessible::Description), QStringLiteral("ligado"));
    wait->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(f.window.runState(), RunState::Waiting);
    QCOMPARE(wait->text(QAccessible::Description), QStringLiteral("ligado"));
    QCOMPARE(play->text(QAccessible::Description), QStringLiteral("desligado"));

    // The odometer is read as the count it shows.
    QAccessibleInterface *odometer =
        QAccessible::queryAccessibleInterface(f.child<QWidget>("Picture11"));
    QVERIFY(odometer);
    QVERIFY(odometer->text(QAccessible::Name).startsWith(QStringLiteral("Contagem: ")));
}

void TestRunControl::soundDeviceMissing_data()
{
    QTest::addColumn<bool>("device");
    QTest::newRow("audio device") << true;
    QTest::newRow("no audio device") << false;
}

// Without an audio device the window says so once, and the sound switch cannot be set ON.
void TestRunControl::soundDeviceMissing()
{
    QFETCH(bool, device);
    QTemporaryDir dir;
    FakeClock clock;
    SoundRecorder recorder;
    recorder.deviceAvailable = device;
    SoundCues cues(recorder, dir.path());
    RecordingDesktop desktop;
    DeadZone window(clock, cues, desktop, dir.path());
    auto *panel = window.findChild<QLabel *>(QStringLiteral("st1Panel(1)"));
    auto *on = window.findChild<QRadioButton *>(QStringLiteral("Option2"));
    const QString notice = QStringLiteral("Som indisponível: nenhum dispositivo de áudio");
    QCOMPARE(panel->text(), device ? QString() : notice);
    QCOMPARE(on->isEnabled(), device);
    QCOMPARE(on->toolTip().isEmpty(), device);

    // Counting, the switch still stays OFF without a device.
    window.findChild<QLineEdit *>(QStringLiteral("ParametroMes"))->setText(QStringLiteral("937"));
    window.findChild<PictureButton *>(QStringLiteral("Image2"))->click();
    on->click();
    QCOMPARE(cues.SomDesligado, qint16(device ? 0 : 1));
    QVERIFY(window.findChild<QRadioButton *>(QStringLiteral("Option3"))->isChecked() != device);
}

QTEST_MAIN(TestRunControl)
#include "tst_runcontrol.moc"
