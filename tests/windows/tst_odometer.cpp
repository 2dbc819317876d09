// The odometer on the main window: faces of the nine wheels read back from their pictures,
// the display tick driven by hand, jolts, rolling sound and the count read to assistive
// technology.
#include "core/soundcues.h"
#include "countdigits.h"
#include "deadzonefixture.h"
#include "display/picclip.h"
#include "display/picturebox.h"
#include "display/svgpicture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {

struct Fixture : DeadZoneFixture
{
    PicClip crisp{QStringLiteral(":/pictures/strip2.svg")};
    PicClip decimal{QStringLiteral(":/pictures/strip2_decimal.svg")};

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            fire(frameTimer());
    }

    // Reset as a new rate does, then the digits a recount of `masked` ("00105.0372") leaves.
    void count(const QString &masked)
    {
        showResetLook();
        setDigits(masked);
    }
    void setDigits(const QString &masked) { setCountDigits(shownDigits(), masked); }

    // What a wheel shows: its digit, '_' for the blank face, '~' for anything else (a spin
    // frame). Decimal wheels are read in their own colour only.
    QChar face(const PictureBox *wheel) const
    {
        const bool isDecimal = wheel->parentWidget() == child<QWidget>("Picture6");
        const QPixmap &shown = wheel->picture();
        const QImage image = shown.toImage();
        const qreal dpr = shown.devicePixelRatio();
        const PicClip &strip = isDecimal ? decimal : crisp;
        for (int c = 0; c < 10; ++c) {
            if (strip.cell(c, wheel->size(), dpr).toImage() == image)
                return QChar(u'0' + (c == 9 ? 0 : c + 1));
        }
        const QString blank = isDecimal ? QStringLiteral(":/pictures/neutro_decimal.svg")
                                        : QStringLiteral(":/pictures/neutro.svg");
        if (svgPicture(blank, wheel->size(), dpr).toImage() == image)
            return u'_';
        return u'~';
    }
    QString faces(std::initializer_list<const PictureBox *> wheels) const
    {
        QString text;
        for (const PictureBox *w : wheels)
            text += face(w);
        return text;
    }
    QString integerWheels() const
    {
        return faces({child<PictureBox>("Picture29"), child<PictureBox>("Picture17"),
                      child<PictureBox>("Picture18"), child<PictureBox>("Picture19"),
                      child<PictureBox>("Picture20")});
    }
    QString decimalWheels() const
    {
        return faces({child<PictureBox>("Picture3"), child<PictureBox>("Picture2"),
                      child<PictureBox>("Picture1"), child<PictureBox>("Picture0")});
    }
    void selectKind(int kind)
    {
        child<QButtonGroup>("Option4Group")->setExclusive(false);
        for (int i = 0; i < 3; ++i)
            child<QRadioButton>("Option4", i)->setChecked(false);
        child<QButtonGroup>("Option4Group")->setExclusive(true);
        if (kind >= 0)
            child<QRadioButton>("Option4", kind)->setChecked(true);
    }
};

} // namespace

class TestOdometer : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void startUp();
    void countShown_data();
    void countShown();
    void firstTickStartsSelectedAnimation_data();
    void firstTickStartsSelectedAnimation();
    void fastWheelsByFrame_data();
    void fastWheelsByFrame();
    void integerWheelRedrawnOnlyWhenItsDigitChanges();
    void pauseRestsFastWheelsOnDigits();
    void countReadsWithFourDecimalsFromTheFirstFrame();
    void tiltOff();
    void reenablingKeepsCountdown();
    void jolt_data();
    void jolt();
    void rollingSound_data();
    void rollingSound();
    void sliderMarksHour();
    void rescaledWindowRedrawsWheels();
};

void TestOdometer::startUp()
{
    Fixture f;
    QCOMPARE(f.integerWheels(), QStringLiteral("_____"));
    QCOMPARE(f.decimalWheels(), QStringLiteral("0000"));
    QCOMPARE(f.frameTimer()->interval(), 25);
    QVERIFY(!f.frameTimer()->isActive());
    // Ajuste starts the rolling sound and three jolts; RelogUnidade and Relogcentena give the
    // one jolt of the start-up.
    for (QTimer *t : {f.timer("Timer2"), f.timer("Relogcentena"), f.timer("RelogDezena"),
                      f.timer("RelogUnidade")})
        QVERIFY2(t->isActive(), qPrintable(t->objectName()));
    for (QTimer *t : {f.timer("RelogUnidadeInteiro"), f.timer("RelogdezenaInteiro")})
        QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
    QCOMPARE(f.child<QWidget>("Picture11")->accessibleName(), QStringLiteral("Contagem: 0,0000"));
    QCOMPARE(f.child<QLabel>("Label5")->text(), QStringLiteral(","));
    QVERIFY(!f.child<QLabel>("Label5")->isHidden());
}

void TestOdometer::countShown_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("integer");
    QTest::addColumn<QString>("slowDecimals"); // Picture3, Picture2, Picture1 at rest
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("0.0000") << "00000.0000"
                            << "____0"
                            << "000" << 0 << "0"
                            << "Contagem: 0,0000";
    QTest::newRow("105.0372") << "00105.0372"
                              << "__105"
                              << "037" << 37 << "3,72"
                              << "Contagem: 105,0372";
    QTest::newRow("10005: only leading zeros blank") << "10005.4812"
                                                     << "10005"
                                                     << "481" << 481 << "48,12"
                                                     << "Contagem: 10005,4812";
    QTest::newRow("1000") << "01000.5000"
                          << "_1000"
                          << "500" << 500 << "50"
                          << "Contagem: 1000,5000";
}

// Twelve ticks: the first announces the reset's victim, the twelfth is frame 1 again, where
// the fast wheels rest on their digits.
void TestOdometer::countShown()
{
    QFETCH(QString, count);
    QFETCH(QString, integer);
    QFETCH(QString, slowDecimals);
    QFETCH(int, bar);
    QFETCH(QString, percent);
    QFETCH(QString, spoken);
    Fixture f;
    f.count(count);
    QCOMPARE(f.integerWheels(), QStringLiteral("_____"));
    QCOMPARE(f.child<QWidget>("Picture11")->accessibleName(),
             QStringLiteral("Contagem: em branco"));
    f.ticks(1);
    QCOMPARE(f.child<QProgressBar>("Pg1")->value(), 0);
    QCOMPARE(f.child<QLabel>("Percent")->text(), QStringLiteral("0"));
    f.ticks(11);
    QCOMPARE(f.window.QuadroRolagem(), 1);
    QCOMPARE(f.integerWheels(), integer);
    QCOMPARE(f.faces({f.child<PictureBox>("Picture3"), f.child<PictureBox>("Picture2"),
                      f.child<PictureBox>("Picture1")}),
             slowDecimals);
    QCOMPARE(f.child<QProgressBar>("Pg1")->maximum(), 1000);
    QCOMPARE(f.child<QProgressBar>("Pg1")->value(), bar);
    QCOMPARE(f.child<QLabel>("Percent")->text(), percent);
    QCOMPARE(f.child<QWidget>("Picture11")->accessibleName(), spoken);
    QCOMPARE(f.window.odometerText(), spoken.mid(10));
}

void TestOdometer::firstTickStartsSelectedAnimation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("timer");
    QTest::newRow("Homicídio") << 0 << "relogAnjo";
    QTest::newRow("Veículos") << 1 << "RelogAuto";
    QTest::newRow("Outros") << 2 << "RelogPolcar";
    QTest::newRow("none selected") << -1 << "";
}

void TestOdometer::firstTickStartsSelectedAnimation()
{
    QFETCH(int, kind);
    QFETCH(QString, timer);
    Fixture f;
    f.selectKind(kind);
    f.count(QStringLiteral("00105.0372"));
    f.ticks(1);
    for (QTimer *t : {f.timer("relogAnjo"), f.timer("RelogAuto"), f.timer("RelogPolcar")})
        QCOMPARE(t->isActive(), t->objectName() == timer);
    QCOMPARE(f.face(f.child<PictureBox>("Picture20")), u'5');

    // The next victim: the units wheel turns whether an animation runs or not.
    f.timer("relogAnjo")->stop();
    f.timer("RelogAuto")->stop();
    f.timer("RelogPolcar")->stop();
    f.setDigits(QStringLiteral("00106.0001"));
    f.ticks(1);
    QCOMPARE(f.face(f.child<PictureBox>("Picture20")), u'6');
    for (QTimer *t : {f.timer("relogAnjo"), f.timer("RelogAuto"), f.timer("RelogPolcar")})
        QCOMPARE(t->isActive(), t->objectName() == timer);
}

void TestOdometer::fastWheelsByFrame_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("picture1"); // frames 1..9, -1, 0
    QTest::addColumn<QString>("picture0");
    // Picture0 starts on a spin frame of the count tick; at rest it keeps it unless the
    // fourth decimal is 0.
    QTest::newRow("fourth decimal 2") << "00105.0372"
                                      << "7777~~~~~~~"
                                      << "~~~~6789999";
    QTest::newRow("fourth decimal 0") << "00105.0370"
                                      << "7777~~~~~~~"
                                      << "00006789999";
}

void TestOdometer::fastWheelsByFrame()
{
    QFETCH(QString, count);
    QFETCH(QString, picture1);
    QFETCH(QString, picture0);
    Fixture f;
    f.setDigits(count);
    Fixture::fire(f.tickTimer());
    QCOMPARE(f.face(f.child<PictureBox>("Picture0")), u'~');
    QString seen1;
    QString seen0;
    for (int i = 0; i < 11; ++i) {
        f.ticks(1);
        seen1 += f.face(f.child<PictureBox>("Picture1"));
        seen0 += f.face(f.child<PictureBox>("Picture0"));
        const int frame = f.window.QuadroRolagem();
        if (frame >= 1 && frame <= 4)
            QVERIFY(!f.timer("Timer2")->isActive());
        else if (frame >= 5 && frame <= 8)
            QVERIFY(f.timer("Timer2")->isActive());
    }
    QCOMPARE(seen1, picture1);
    QCOMPARE(seen0, picture0);
}

void TestOdometer::integerWheelRedrawnOnlyWhenItsDigitChanges()
{
    Fixture f;
    f.count(QStringLiteral("10005.4812"));
    f.ticks(1);
    QCOMPARE(f.integerWheels(), QStringLiteral("10005"));
    const std::array<PictureBox *, 5> wheels{
        f.child<PictureBox>("Picture29"), f.child<PictureBox>("Picture17"),
        f.child<PictureBox>("Picture18"), f.child<PictureBox>("Picture19"),
        f.child<PictureBox>("Picture20")};
    std::array<int, 5> before{};
    for (int i = 0; i < 5; ++i)
        before[i] = wheels[i]->pictureChanges();
    f.ticks(80);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(wheels[i]->pictureChanges(), before[i]);

    f.setDigits(QStringLiteral("10006.0001"));
    f.ticks(40);
    QCOMPARE(f.integerWheels(), QStringLiteral("10006"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(wheels[i]->pictureChanges(), before[i]);
    QCOMPARE(wheels[4]->pictureChanges(), before[4] + 1);

    // Leading zeros stay blank without being drawn again.
    f.count(QStringLiteral("00007.0000"));
    f.ticks(1);
    QCOMPARE(f.integerWheels(), QStringLiteral("____7"));
    for (int i = 0; i < 5; ++i)
        before[i] = wheels[i]->pictureChanges();
    f.ticks(40);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(wheels[i]->pictureChanges(), before[i]);
}

void TestOdometer::pauseRestsFastWheelsOnDigits()
{
    Fixture f;
    f.typeMonthly(QStringLiteral("3000"));
    f.play();
    f.count(QStringLiteral("00105.0372"));
    f.ticks(7); // frame 7: both fast wheels mid-spin
    QCOMPARE(f.face(f.child<PictureBox>("Picture1")), u'~');
    f.window.pauseCount();
    QCOMPARE(f.decimalWheels(), QStringLiteral("0372"));
    QCOMPARE(f.integerWheels(), QStringLiteral("__105"));
    QVERIFY(!f.frameTimer()->isActive());
}

// After a reset the fourth-decimal wheel keeps its blank face until its spin reaches it; the
// count read to assistive technology carries all four decimals all the same.
void TestOdometer::countReadsWithFourDecimalsFromTheFirstFrame()
{
    Fixture f;
    f.count(QStringLiteral("00015.6142"));
    for (int i = 0; i < 11; ++i) {
        f.ticks(1);
        QCOMPARE(f.child<QWidget>("Picture11")->accessibleName(),
                 QStringLiteral("Contagem: 15,6142"));
    }
}

void TestOdometer::tiltOff()
{
    Fixture f;
    f.count(QStringLiteral("00105.0372"));
    f.ticks(1);
    f.timer("Relogcentena")->stop();
    f.child<QRadioButton>("Option6", 1)->click();
    QCOMPARE(f.window.state().TiltDesligado, qint16(1));

    // The tick stops after the fast wheels: no victim, integer and slow wheels held.
    f.timer("RelogPolcar")->stop();
    f.setDigits(QStringLiteral("00106.5554"));
    f.ticks(11);
    QCOMPARE(f.integerWheels(), QStringLiteral("__105"));
    QCOMPARE(f.faces({f.child<PictureBox>("Picture3"), f.child<PictureBox>("Picture2")}),
             QStringLiteral("03"));
    QVERIFY(!f.timer("RelogPolcar")->isActive());
    QVERIFY(f.timer("Relogcentena")->isActive());
    QCOMPARE(f.child<QProgressBar>("Pg1")->value(), 555);
    QCOMPARE(f.child<QLabel>("Percent")->text(), QStringLiteral("55,54"));
    QCOMPARE(f.child<QWidget>("Picture11")->accessibleName(), QStringLiteral("Contagem: 105,0354"));

    // Gated jolts do nothing and stay enabled.
    const QPoint at = f.child<PictureBox>("Picture2")->pos();
    f.timer("RelogDezena")->start();
    Fixture::fire(f.timer("RelogDezena"));
    Fixture::fire(f.timer("RelogDezena"));
    QCOMPARE(f.child<PictureBox>("Picture2")->pos(), at);
    QVERIFY(f.timer("RelogDezena")->isActive());

    // Switching back ON lets the held change through.
    f.child<QRadioButton>("Option6", 0)->click();
    QCOMPARE(f.window.state().TiltDesligado, qint16(0));
    f.ticks(1);
    QCOMPARE(f.integerWheels(), QStringLiteral("__106"));
    QVERIFY(f.timer("RelogPolcar")->isActive());
}

// RelogUnidade is not gated: switched OFF while Picture3 is down, it still brings it back.
void TestOdometer::jolt_data()
{
    QTest::addColumn<QString>("timer");
    QTest::addColumn<QString>("wheel");
    QTest::addColumn<bool>("gated");
    QTest::newRow("RelogUnidade") << "RelogUnidade"
                                  << "Picture3" << false;
    QTest::newRow("RelogDezena") << "RelogDezena"
                                 << "Picture2" << true;
    QTest::newRow("Relogcentena") << "Relogcentena"
                                  << "Picture1" << true;
    QTest::newRow("RelogUnidadeInteiro") << "RelogUnidadeInteiro"
                                         << "Picture20" << true;
    QTest::newRow("RelogdezenaInteiro") << "RelogdezenaInteiro"
                                        << "Picture19" << true;
}

void TestOdometer::jolt()
{
    QFETCH(QString, timer);
    QFETCH(QString, wheel);
    QFETCH(bool, gated);
    Fixture f;
    auto *t = f.window.findChild<QTimer *>(timer);
    auto *w = f.window.findChild<PictureBox *>(wheel);
    QVERIFY(t && w);
    t->start();
    QCOMPARE(w->y(), 0);
    Fixture::fire(t);
    // Down by its drop, drawn at least a pixel low.
    QVERIFY2(w->y() >= 1, qPrintable(QString::number(w->y())));
    QVERIFY(t->isActive());

    f.child<QRadioButton>("Option6", 1)->click(); // TILT OFF
    Fixture::fire(t);
    if (gated) {
        QVERIFY(w->y() >= 1);
        QVERIFY(t->isActive());
        f.child<QRadioButton>("Option6", 0)->click();
        Fixture::fire(t);
    }
    QCOMPARE(w->y(), 0);
    QVERIFY(!t->isActive());
}

// The display tick enables four jolt timers 40 times a second: a timer whose countdown
// restarted on each enabling would never fire. Real timers here, with generous limits.
void TestOdometer::reenablingKeepsCountdown()
{
    Fixture f;
    f.count(QStringLiteral("00105.0372"));
    QSignalSpy ticks(f.frameTimer(), &QTimer::timeout);
    QSignalSpy units(f.timer("RelogUnidadeInteiro"), &QTimer::timeout);
    QSignalSpy tens(f.timer("RelogdezenaInteiro"), &QTimer::timeout);
    f.frameTimer()->start();
    QTRY_VERIFY_WITH_TIMEOUT(units.count() >= 1 && tens.count() >= 1, 10000);
    f.frameTimer()->stop();
    QVERIFY(ticks.count() >= 2);
}

void TestOdometer::rollingSound_data()
{
    QTest::addColumn<int>("sound");
    QTest::addColumn<qint16>("off");
    QTest::addColumn<QString>("played");
    QTest::newRow("Som 1") << 0 << qint16(0) << "rot2.wav";
    QTest::newRow("Som 2") << 1 << qint16(0) << "gaveta.wav";
    QTest::newRow("Som 1, sound off") << 0 << qint16(1) << "";
    QTest::newRow("Som 2, sound off") << 1 << qint16(1) << "";
}

void TestOdometer::rollingSound()
{
    QFETCH(int, sound);
    QFETCH(qint16, off);
    QFETCH(QString, played);
    Fixture f;
    f.child<QRadioButton>("Option5", sound)->click();
    f.cues.SomDesligado = off;
    f.recorder.clear();
    Fixture::fire(f.timer("Timer2"));
    Fixture::fire(f.timer("Timer2"));
    const QStringList expected = played.isEmpty() ? QStringList() : QStringList{played, played};
    QCOMPARE(f.recorder.played, expected);
}

void TestOdometer::sliderMarksHour()
{
    Fixture f;
    f.clock.set(QDate(2026, 3, 10), QTime(15, 59, 59));
    f.ticks(1);
    QCOMPARE(f.child<QSlider>("sl2")->maximum(), 24);
    QCOMPARE(f.child<QSlider>("sl2")->value(), 15);
    f.clock.set(QDate(2026, 3, 11), QTime(0, 0, 1));
    f.ticks(1);
    QCOMPARE(f.child<QSlider>("sl2")->value(), 0);
}

void TestOdometer::rescaledWindowRedrawsWheels()
{
    Fixture f;
    f.count(QStringLiteral("00105.0372"));
    f.ticks(12);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.resize(f.window.width() * 2, f.window.height() * 2);
    QTRY_COMPARE(f.child<PictureBox>("Picture20")->width(), 146);
    for (PictureBox *w : {f.child<PictureBox>("Picture29"), f.child<PictureBox>("Picture20"),
                          f.child<PictureBox>("Picture3"), f.child<PictureBox>("Picture0")}) {
        const QPixmap &p = w->picture();
        QCOMPARE(p.deviceIndependentSize().toSize(), w->size());
    }
    QCOMPARE(f.integerWheels(), QStringLiteral("__105"));
    QCOMPARE(f.faces({f.child<PictureBox>("Picture3"), f.child<PictureBox>("Picture2"),
                      f.child<PictureBox>("Picture1")}),
             QStringLiteral("037"));
}

QTEST_MAIN(TestOdometer)
#include "tst_odometer.moc"
