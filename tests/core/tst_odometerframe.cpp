#include "core/odometerframe.h"

#include "countdigits.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

namespace {

using Face = OdometerFrame::Face;
using Wheel = OdometerFrame::Wheel;

const QLocale kComma(QLocale::Portuguese, QLocale::Brazil);
const QLocale kPoint(QLocale::English, QLocale::UnitedStates);

// The digits of a count written as the recount writes it, "00105.0372", none shown yet.
CounterState counted(const QString &masked)
{
    CounterState s;
    setCountDigits(s, masked);
    s.forgetShownDigits();
    return s;
}

// What a tick gives the wheels from `from` to `to`, one character each: a digit, '_' for the
// blank face, '~' for a spin frame, '.' for no change.
QString faces(const OdometerFrame::Step &step, int from = Wheel::Picture29,
              int to = Wheel::Picture0)
{
    QString text;
    for (int w = from; w <= to; ++w) {
        const Face &f = step.faces[w];
        switch (f.kind) {
        case Face::Keep:
            text += u'.';
            break;
        case Face::Blank:
            text += u'_';
            break;
        case Face::Spin:
            text += u'~';
            break;
        case Face::Crisp:
            text += QChar(u'0' + OdometerFrame::digitForCell(f.cell));
            break;
        }
    }
    return text;
}

QString integerFaces(const OdometerFrame::Step &step)
{
    return faces(step, Wheel::Picture29, Wheel::Picture20);
}

} // namespace

class TestOdometerFrame : public QObject
{
    Q_OBJECT

private slots:
    void faceOfDigit_data();
    void faceOfDigit();
    void rollCycle_data();
    void rollCycle();
    void reducedMotionNeverSpins_data();
    void reducedMotionNeverSpins();
    void firstTickShowsCount_data();
    void firstTickShowsCount();
    void progressAndPercent_data();
    void progressAndPercent();
    void newVictimStartsSelectedAnimation_data();
    void newVictimStartsSelectedAnimation();
    void integerWheelsRedrawnOnlyOnChange();
    void wheelNoLongerLeadingIsDrawn();
    void tiltOffStopsAfterFastWheels();
    void textOfShownWheels_data();
    void textOfShownWheels();
};

void TestOdometerFrame::faceOfDigit_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("cell");
    QTest::newRow("0 is the last cell") << 0 << 9;
    QTest::newRow("1 is the first") << 1 << 0;
    QTest::newRow("5") << 5 << 4;
    QTest::newRow("9") << 9 << 8;
}

void TestOdometerFrame::faceOfDigit()
{
    QFETCH(int, digit);
    QFETCH(int, cell);
    QCOMPARE(OdometerFrame::cellForDigit(digit), cell);
    QCOMPARE(OdometerFrame::digitForCell(cell), digit);
    QCOMPARE(Face::digit(digit), (Face{Face::Crisp, cell}));
}

// Ticks 1 to 22 from a fresh window: the roll frame runs 1..9, -1, 0 and the two fast wheels
// rest on frames 1 to 4, spin on 5 to 8 and hold on the rest.
void TestOdometerFrame::rollCycle_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("fastWheels"); // Picture1 then Picture0, frames 1..9, -1, 0
    QTest::newRow("fourth decimal not 0: Picture0 held at rest") << "00105.0372"
                                                                 << "7.7.7.7.~6~7~8~9......";
    QTest::newRow("fourth decimal 0: Picture0 rests on 0") << "00105.0370"
                                                           << "70707070~6~7~8~9......";
}

void TestOdometerFrame::rollCycle()
{
    QFETCH(QString, count);
    QFETCH(QString, fastWheels);
    CounterState s = counted(count);
    OdometerFrame frame;
    const int frames[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 0};
    for (int round = 0; round < 2; ++round) {
        QString seen;
        for (int i = 0; i < 11; ++i) {
            const OdometerFrame::Step step = frame.tick(s, 2);
            QCOMPARE(step.frame, frames[i]);
            QCOMPARE(frame.QuadroRolagem(), frames[i]);
            seen += faces(step, Wheel::Picture1, Wheel::Picture0);
            if (frames[i] >= 5 && frames[i] <= 8) {
                QCOMPARE(step.faces[Wheel::Picture1], (Face{Face::Spin, frames[i]}));
                QCOMPARE(step.rolling, OdometerFrame::Rolling::Start);
            } else if (frames[i] >= 1 && frames[i] <= 4) {
                QCOMPARE(step.rolling, OdometerFrame::Rolling::Stop);
            } else {
                QCOMPARE(step.rolling, OdometerFrame::Rolling::Keep);
            }
            // The slower decimal wheels show their digits on every tick.
            QCOMPARE(faces(step, Wheel::Picture3, Wheel::Picture2), count.mid(6, 2));
        }
        QCOMPARE(seen, fastWheels);
    }
}

// Reduced motion: the fast wheels rest on their digits through the whole cycle, the jolts
// stay off, and the count, the bar and the new victim come out as with motion.
void TestOdometerFrame::reducedMotionNeverSpins_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("fastWheels"); // Picture1 then Picture0, frames 1..9, -1, 0
    QTest::newRow("fourth decimal not 0") << "00105.0372"
                                          << "7272727272727272727272";
    QTest::newRow("fourth decimal 0") << "00105.0370"
                                      << "7070707070707070707070";
}

void TestOdometerFrame::reducedMotionNeverSpins()
{
    QFETCH(QString, count);
    QFETCH(QString, fastWheels);
    CounterState s = counted(count);
    CounterState moving = counted(count);
    OdometerFrame frame;
    OdometerFrame withMotion;
    frame.setReducedMotion(true);
    QVERIFY(frame.reducedMotion());
    QString seen;
    for (int i = 0; i < 11; ++i) {
        const OdometerFrame::Step step = frame.tick(s, 2);
        const OdometerFrame::Step reference = withMotion.tick(moving, 2);
        seen += faces(step, Wheel::Picture1, Wheel::Picture0);
        for (const Face &face : step.faces)
            QVERIFY(face.kind != Face::Spin);
        QVERIFY(!step.wheelJolts);
        QCOMPARE(step.frame, reference.frame);
        QCOMPARE(step.progress, reference.progress);
        QCOMPARE(step.percent, reference.percent);
        QCOMPARE(step.newVictim, reference.newVictim);
        QCOMPARE(step.animation, reference.animation);
        QCOMPARE(step.rolling, reference.rolling);
        QCOMPARE(faces(step, Wheel::Picture29, Wheel::Picture2),
                 faces(reference, Wheel::Picture29, Wheel::Picture2));
    }
    QCOMPARE(seen, fastWheels);
}

void TestOdometerFrame::firstTickShowsCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("integerWheels");
    QTest::newRow("0.0000: a single 0 before the comma") << "00000.0000"
                                                         << "____0";
    QTest::newRow("105.0372") << "00105.0372"
                              << "__105";
    QTest::newRow("10005: only leading zeros blank") << "10005.4812"
                                                     << "10005";
    QTest::newRow("tens") << "00010.5000"
                          << "___10";
    QTest::newRow("thousands") << "01000.0000"
                               << "_1000";
    QTest::newRow("99999.9999") << "99999.9999"
                                << "99999";
}

void TestOdometerFrame::firstTickShowsCount()
{
    QFETCH(QString, count);
    QFETCH(QString, integerWheels);
    CounterState s = counted(count);
    OdometerFrame frame;
    const OdometerFrame::Step step = frame.tick(s, 2);
    QCOMPARE(integerFaces(step), integerWheels);
    QCOMPARE(s.ExibidoUnidade, qint16(count.at(4).digitValue()));
    QCOMPARE(s.ExibidoDezenaMilhar, qint16(count.at(0).digitValue()));
    // Later ticks keep the faces: blank wheels are blanked again, the rest left alone.
    QString kept = integerWheels;
    kept.replace(QRegularExpression(QStringLiteral("[0-9]")), QStringLiteral("."));
    QCOMPARE(integerFaces(frame.tick(s, 2)), kept);
}

void TestOdometerFrame::progressAndPercent_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("commaText");
    QTest::addColumn<QString>("pointText");
    QTest::newRow("0.0000") << "00000.0000" << 0 << "0"
                            << "0";
    QTest::newRow("105.0372") << "00105.0372" << 37 << "3,72"
                              << "3.72";
    QTest::newRow("53.21 of a victim") << "00012.5321" << 532 << "53,21"
                                       << "53.21";
    QTest::newRow("half: no decimals") << "00012.5000" << 500 << "50"
                                       << "50";
    QTest::newRow("last thousandth") << "00001.9999" << 999 << "99,99"
                                     << "99.99";
    QTest::newRow("ten-thousandths only") << "00003.0001" << 0 << "0,01"
                                          << "0.01";
}

void TestOdometerFrame::progressAndPercent()
{
    QFETCH(QString, count);
    QFETCH(int, progress);
    QFETCH(QString, commaText);
    QFETCH(QString, pointText);
    CounterState s = counted(count);
    QCOMPARE(OdometerFrame::progress(s), progress);
    QCOMPARE(OdometerFrame::percentText(s, kComma), commaText);
    QCOMPARE(OdometerFrame::percentText(s, kPoint), pointText);

    // A tick that announces a victim shows 0; the next one the count's figures.
    OdometerFrame frame;
    OdometerFrame::Step step = frame.tick(s, 2, kComma);
    QVERIFY(step.newVictim);
    QCOMPARE(step.progress, 0);
    QCOMPARE(step.percent, QStringLiteral("0"));
    step = frame.tick(s, 2, kComma);
    QVERIFY(!step.newVictim);
    QCOMPARE(step.progress, progress);
    QCOMPARE(step.percent, commaText);
}

void TestOdometerFrame::newVictimStartsSelectedAnimation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<OdometerFrame::Animation>("animation");
    QTest::newRow("Homicídio: angel") << 0 << OdometerFrame::Animation::Anjo;
    QTest::newRow("Veículos: car") << 1 << OdometerFrame::Animation::Auto;
    QTest::newRow("Outros: police car") << 2 << OdometerFrame::Animation::Polcar;
    QTest::newRow("none selected") << -1 << OdometerFrame::Animation::None;
}

void TestOdometerFrame::newVictimStartsSelectedAnimation()
{
    QFETCH(int, kind);
    QFETCH(OdometerFrame::Animation, animation);
    CounterState s = counted(QStringLiteral("00105.0372"));
    OdometerFrame frame;

    // The first tick after a reset is a new victim although no occurrence has passed.
    OdometerFrame::Step step = frame.tick(s, kind);
    QVERIFY(step.newVictim);
    QCOMPARE(step.animation, animation);
    QCOMPARE(integerFaces(step), QStringLiteral("__105"));

    step = frame.tick(s, kind);
    QVERIFY(!step.newVictim);
    QCOMPARE(step.animation, OdometerFrame::Animation::None);

    // The units digit changes: a victim, and the units wheel turns even with no animation.
    setCountDigits(s, QStringLiteral("00106.0011"));
    step = frame.tick(s, kind);
    QVERIFY(step.newVictim);
    QCOMPARE(step.animation, animation);
    QCOMPARE(integerFaces(step), QStringLiteral("__..6"));
    QCOMPARE(s.ExibidoUnidade, qint16(6));
}

void TestOdometerFrame::integerWheelsRedrawnOnlyOnChange()
{
    CounterState s = counted(QStringLiteral("10005.4812"));
    OdometerFrame frame;
    QCOMPARE(integerFaces(frame.tick(s, 2)), QStringLiteral("10005"));
    for (int i = 0; i < 30; ++i)
        QCOMPARE(integerFaces(frame.tick(s, 2)), QStringLiteral("....."));

    // Tens and units change together; hundreds and above are not touched.
    setCountDigits(s, QStringLiteral("10010.0001"));
    QCOMPARE(integerFaces(frame.tick(s, 2)), QStringLiteral("...10"));
    QCOMPARE(integerFaces(frame.tick(s, 2)), QStringLiteral("....."));
}

// A count that jumps while paused (resumed hours later) can make a blank leading zero a
// significant digit without that digit itself changing: 5 then 105 leaves the tens at 0.
void TestOdometerFrame::wheelNoLongerLeadingIsDrawn()
{
    CounterState s = counted(QStringLiteral("00005.1000"));
    OdometerFrame frame;
    QCOMPARE(integerFaces(frame.tick(s, 2)), QStringLiteral("____5"));
    setCountDigits(s, QStringLiteral("00105.2000"));
    QCOMPARE(integerFaces(frame.tick(s, 2)), QStringLiteral("__10."));
    QCOMPARE(integerFaces(frame.tick(s, 2)), QStringLiteral("__..."));
}

void TestOdometerFrame::tiltOffStopsAfterFastWheels()
{
    CounterState s = counted(QStringLiteral("00105.0372"));
    OdometerFrame frame;
    frame.tick(s, 2);
    s.TiltDesligado = 1;
    setCountDigits(s, QStringLiteral("00106.5554"));
    for (int i = 0; i < 11; ++i) {
        const OdometerFrame::Step step = frame.tick(s, 2, kComma);
        QVERIFY(step.tiltStopped);
        QVERIFY(!step.wheelJolts);
        QVERIFY(!step.newVictim);
        QCOMPARE(step.animation, OdometerFrame::Animation::None);
        // Integer wheels and the tenths and hundredths wheels keep their faces ...
        QCOMPARE(faces(step, Wheel::Picture29, Wheel::Picture2), QStringLiteral("......."));
        // ... the bar and the label go on.
        QCOMPARE(step.progress, 555);
        QCOMPARE(step.percent, QStringLiteral("55,54"));
        if (step.frame >= 5 && step.frame <= 8)
            QCOMPARE(step.rolling, OdometerFrame::Rolling::Start);
    }
    QCOMPARE(s.ExibidoUnidade, qint16(5));

    // Back ON: the change held back is a new victim.
    s.TiltDesligado = 0;
    const OdometerFrame::Step step = frame.tick(s, 2);
    QVERIFY(!step.tiltStopped);
    QVERIFY(step.wheelJolts);
    QVERIFY(step.newVictim);
    QCOMPARE(integerFaces(step), QStringLiteral("__..6"));
}

void TestOdometerFrame::textOfShownWheels_data()
{
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QString>("text");
    QTest::newRow("105,0372") << QList<int>{-1, -1, 1, 0, 5, 0, 3, 7, 2} << "105,0372";
    QTest::newRow("10005") << QList<int>{1, 0, 0, 0, 5, 4, 8, 1, 2} << "10005,4812";
    QTest::newRow("below one") << QList<int>{-1, -1, -1, -1, 0, 0, 0, 0, 0} << "0,0000";
    QTest::newRow("integer wheels blank at start-up")
        << QList<int>{-1, -1, -1, -1, -1, 0, 0, 0, 0} << "0,0000";
    QTest::newRow("all blank") << QList<int>{-1, -1, -1, -1, -1, -1, -1, -1, -1} << "";
    QTest::newRow("a decimal wheel still blank") << QList<int>{-1, -1, -1, 1, 5, 6, 1, 4, -1} << "";
}

void TestOdometerFrame::textOfShownWheels()
{
    QFETCH(QList<int>, shown);
    QFETCH(QString, text);
    std::array<int, OdometerFrame::WheelCount> wheels{};
    std::copy(shown.cbegin(), shown.cend(), wheels.begin());
    QCOMPARE(OdometerFrame::text(wheels, kComma), text);
    QCOMPARE(OdometerFrame::text(wheels, kPoint), QString(text).replace(u',', u'.'));
}

QTEST_GUILESS_MAIN(TestOdometerFrame)
#include "tst_odometerframe.moc"
