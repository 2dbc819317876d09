#include "core/counter.h"

#include "countdigits.h"
#include "fakeclock.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Four intervals of six hours with 10, 20, 30 and 40 % of the day.
HourlyPattern risingPattern()
{
    HourlyPattern p;
    p.name = QStringLiteral("Roubos em geral na cidade de São Paulo");
    p.shares = {10, 20, 30, 40};
    p.table.intervalCount = 4;
    for (int i = 0; i < 4; ++i)
        p.table.percentualIntervalo[i] = p.shares[i];
    for (int h = 0; h < 24; ++h)
        p.table.percentualHora[h] = p.shares[h / 6];
    return p;
}

CurrentChoice entry(const QString &name)
{
    CurrentChoice choice;
    choice.chooseEntry(CurrentChoice::List::Crimes, name, name);
    return choice;
}

// Ten ticks of the 200 ms timer: the tenth recounts.
void twoSeconds(Counter &counter)
{
    for (int i = 0; i < 10; ++i)
        counter.tick();
}

} // namespace

class TestCounter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void countsByModeAtAnInstant_data();
    void countsByModeAtAnInstant();
    void recountFollowsTheClock_data();
    void recountFollowsTheClock();
    void typedFigureAfterAnEntryCountsWithoutItsPattern_data();
    void typedFigureAfterAnEntryCountsWithoutItsPattern();
    void runStateTransitions_data();
    void runStateTransitions();
    void startNeedsAFigureAndTheTickKeepsItsCadence();
    void pauseAndResetStopTheCount();
    void newFigureOrModeStopsAndResets();
    void entryPatternWeightsTheCountAndSurvivesToggling();
    void handedOverPatternIsKeptUntilTheModeChanges();
    void headingNamesAHandedOverPatternInUse();
    void capacityStopsTheOdometerCountOnly();
    void newVictimOncePerWholeOccurrence();
    void emptiedFigureCountsNothing();
    void resumedCountIsThePresentTimes();
};

void TestCounter::countsByModeAtAnInstant_data()
{
    QTest::addColumn<double>("monthly");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("hourly");

    const QDateTime noon(QDate(2026, 3, 10), QTime(12, 0));
    // 937 a month: 31,23 a day (truncated), 1,30125 an hour.
    QTest::newRow("day at noon") << 937.0 << int(AccumulationMode::Dia) << noon << "15,6150"
                                 << 1.30125;
    // Nine whole days of March before the tenth.
    QTest::newRow("month") << 937.0 << int(AccumulationMode::Mes) << noon << "296,6850" << 1.30125;
    // 68 whole days of the year before 10 March.
    QTest::newRow("year") << 937.0 << int(AccumulationMode::Ano) << noon << "2139,2550" << 1.30125;
    // 57 / 30 is 1,90 a day, not 1,89.
    QTest::newRow("truncation at hundredths")
        << 57.0 << int(AccumulationMode::Dia) << QDateTime(QDate(2026, 1, 1), QTime(18, 0))
        << "1,4250" << 0.0791666;
}

void TestCounter::countsByModeAtAnInstant()
{
    QFETCH(double, monthly);
    QFETCH(int, mode);
    QFETCH(QDateTime, at);
    QFETCH(QString, shown);
    QFETCH(double, hourly);

    FakeClock clock(at);
    Counter counter(clock);
    counter.setTypedFigure(monthly);
    counter.setMode(AccumulationMode(mode));
    QVERIFY(counter.start());
    twoSeconds(counter);

    QVERIFY(counter.lastRecount());
    QCOMPARE(counter.lastRecount()->hojeShown, shown);
    QVERIFY(counter.count());
    QLocale plain;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QCOMPARE(plain.toString(*counter.count(), 'f', 4), shown);
    QVERIFY(qAbs(counter.hourlyFigureNow() - hourly) < 1e-6);
}

// The recount's texts and digits by mode, in both number formats.
void TestCounter::recountFollowsTheClock_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QString>("hoje");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("digits");
    const QString prefix = QStringLiteral("  Ocorrências até o momento : ");
    QTest::newRow("day noon") << "en_US" << 0 << QDateTime(QDate(2026, 3, 10), QTime(12, 0))
                              << "15.6150" << prefix + " 15.615"
                              << "000156150";
    QTest::newRow("day noon comma") << "pt_BR" << 0 << QDateTime(QDate(2026, 3, 10), QTime(12, 0))
                                    << "15,6150" << prefix + " 15.615"
                                    << "000156150";
    // Month: today plus the nine whole days before the 10th.
    QTest::newRow("month 10th") << "en_US" << 1 << QDateTime(QDate(2026, 3, 10), QTime(12, 0))
                                << "296.6850" << prefix + " 15.615"
                                << "002966850";
    // Year: today plus the 68 whole days before the 10th of March.
    QTest::newRow("year march 10") << "en_US" << 2 << QDateTime(QDate(2026, 3, 10), QTime(12, 0))
                                   << "2139.2550" << prefix + " 15.615"
                                   << "021392550";
    QTest::newRow("midnight") << "en_US" << 0 << QDateTime(QDate(2026, 3, 10), QTime(0, 0))
                              << "0.0000" << prefix + " 0"
                              << "000000000";
}

void TestCounter::recountFollowsTheClock()
{
    QFETCH(QString, locale);
    QFETCH(int, mode);
    QFETCH(QDateTime, at);
    QLocale::setDefault(QLocale(locale));
    FakeClock clock(at);
    Counter counter(clock);
    counter.setTypedFigure(937);
    counter.setMode(AccumulationMode(mode));
    QVERIFY(counter.start());
    twoSeconds(counter);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QVERIFY(counter.lastRecount());
    QTEST(counter.lastRecount()->hojeShown, "hoje");
    QTEST(counter.lastRecount()->statusText, "panel");
    QCOMPARE(counter.lastRecount()->PercentualDinamico, QStringLiteral("Indef"));
    CounterState shown;
    shown.setDigits(counter.lastRecount()->digits);
    QString digits;
    for (float d : countDigits(shown))
        digits += QString::number(int(d));
    QTEST(digits, "digits");
    QVERIFY(counter.frameTimer()->isActive());
}

// A figure typed after an entry with a pattern counts evenly, and a new mode brings no
// pattern back: the figure was typed, not chosen.
void TestCounter::typedFigureAfterAnEntryCountsWithoutItsPattern_data()
{
    QTest::addColumn<int>("list");
    QTest::newRow("after a crime") << int(CurrentChoice::List::Crimes);
    QTest::newRow("after a state") << int(CurrentChoice::List::States);
}

void TestCounter::typedFigureAfterAnEntryCountsWithoutItsPattern()
{
    QFETCH(int, list);
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(15, 0)));
    Counter counter(clock);
    CurrentChoice chosen;
    chosen.chooseEntry(CurrentChoice::List(list), QStringLiteral("Bahia"), QStringLiteral("Bahia"));
    counter.chooseEntry(chosen, 503, risingPattern());
    QVERIFY(counter.patternInUse());

    counter.setTypedFigure(60); // 2 a day
    QVERIFY(!counter.pattern());
    QVERIFY(!counter.choice().isEntry());
    counter.start();
    twoSeconds(counter);
    QCOMPARE(counter.lastRecount()->hojeShown, QStringLiteral("1,2500"));

    counter.setMode(AccumulationMode::Mes);
    QVERIFY(!counter.patternInUse());
    counter.start();
    twoSeconds(counter);
    QCOMPARE(counter.lastRecount()->hojeShown, QStringLiteral("19,2500")); // 9 past days of 2
}

// The run state under each command: start needs a figure; pause acts only on a running
// count; a reset, a new figure or a new mode stop it.
void TestCounter::runStateTransitions_data()
{
    using RS = Counter::RunState;
    QTest::addColumn<RS>("from");
    QTest::addColumn<QString>("command");
    QTest::addColumn<RS>("to");
    QTest::addColumn<bool>("ticking");
    QTest::newRow("stopped, start") << RS::Stopped << "start" << RS::Running << true;
    QTest::newRow("stopped, pause") << RS::Stopped << "pause" << RS::Stopped << false;
    QTest::newRow("running, start") << RS::Running << "start" << RS::Running << true;
    QTest::newRow("running, pause") << RS::Running << "pause" << RS::Paused << false;
    QTest::newRow("paused, start") << RS::Paused << "start" << RS::Running << true;
    QTest::newRow("paused, pause") << RS::Paused << "pause" << RS::Paused << false;
    QTest::newRow("over capacity, start") << RS::OverCapacity << "start" << RS::Running << true;
    QTest::newRow("running, reset") << RS::Running << "reset" << RS::Stopped << false;
    QTest::newRow("paused, new figure") << RS::Paused << "figure" << RS::Stopped << false;
    QTest::newRow("running, new mode") << RS::Running << "mode" << RS::Stopped << false;
    QTest::newRow("running, figure emptied") << RS::Running << "empty" << RS::Stopped << false;
}

void TestCounter::runStateTransitions()
{
    QFETCH(Counter::RunState, from);
    QFETCH(QString, command);
    QFETCH(Counter::RunState, to);
    QFETCH(bool, ticking);
    // 2.999.970 a month is past the odometer's capacity in the month mode on the 2nd.
    FakeClock clock(QDateTime(QDate(2026, 3, 2), QTime(12, 0)));
    Counter counter(clock);
    counter.setTypedFigure(937);
    if (from == Counter::RunState::OverCapacity) {
        counter.setTypedFigure(2999970);
        counter.setMode(AccumulationMode::Mes);
    }
    if (from != Counter::RunState::Stopped) {
        QVERIFY(counter.start());
        twoSeconds(counter);
    }
    if (from == Counter::RunState::Paused)
        counter.pause();
    QCOMPARE(counter.runState(), from);

    if (command == QLatin1String("start"))
        counter.start();
    else if (command == QLatin1String("pause"))
        counter.pause();
    else if (command == QLatin1String("reset"))
        counter.reset();
    else if (command == QLatin1String("figure"))
        counter.setTypedFigure(600);
    else if (command == QLatin1String("mode"))
        counter.setMode(AccumulationMode::Ano);
    else
        counter.setTypedFigure(std::nullopt);
    QCOMPARE(counter.runState(), to);
    QCOMPARE(counter.tickTimer()->isActive(), ticking);
}

void TestCounter::startNeedsAFigureAndTheTickKeepsItsCadence()
{
    FakeClock clock;
    Counter counter(clock);
    QSignalSpy states(&counter, &Counter::runStateChanged);
    QSignalSpy recounts(&counter, &Counter::recounted);

    QVERIFY(!counter.start());
    QCOMPARE(counter.runState(), Counter::RunState::Stopped);
    QCOMPARE(states.count(), 0);

    counter.setTypedFigure(937);
    QVERIFY(counter.start());
    QCOMPARE(counter.runState(), Counter::RunState::Running);
    QVERIFY(counter.tickTimer()->isActive());
    QVERIFY(!counter.frameTimer()->isActive()); // nothing to show before the first recount

    for (int i = 0; i < 9; ++i)
        counter.tick();
    QCOMPARE(recounts.count(), 0);
    QCOMPARE(counter.wheelStep(), 9);
    counter.tick();
    QCOMPARE(recounts.count(), 1);
    QCOMPARE(counter.wheelStep(), 0);
    QVERIFY(counter.frameTimer()->isActive());

    // Start pressed again while counting: the countdown goes on, no second recount.
    for (int i = 0; i < 5; ++i)
        counter.tick();
    QVERIFY(counter.start());
    for (int i = 0; i < 5; ++i)
        counter.tick();
    QCOMPARE(recounts.count(), 2);
}

void TestCounter::pauseAndResetStopTheCount()
{
    FakeClock clock;
    Counter counter(clock);
    counter.setTypedFigure(937);
    counter.start();
    twoSeconds(counter);
    const std::optional<double> before = counter.count();

    counter.pause();
    QCOMPARE(counter.runState(), Counter::RunState::Paused);
    QVERIFY(!counter.tickTimer()->isActive());
    QVERIFY(!counter.frameTimer()->isActive());
    QCOMPARE(counter.count(), before); // the wheels rest on the last count

    // The count follows the clock: resumed an hour later it has risen by an hour's worth.
    clock.advanceMs(3600 * 1000);
    QVERIFY(counter.start());
    twoSeconds(counter);
    QVERIFY(qAbs(*counter.count() - *before - 1.30125) < 1e-3);

    QSignalSpy resets(&counter, &Counter::counterReset);
    counter.reset();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(counter.runState(), Counter::RunState::Stopped);
    QVERIFY(!counter.count());
    QVERIFY(!counter.lastRecount());
    QCOMPARE(counter.nextVictimShare(), 0);
}

void TestCounter::newFigureOrModeStopsAndResets()
{
    FakeClock clock;
    Counter counter(clock);
    counter.setTypedFigure(937);
    counter.start();
    twoSeconds(counter);
    QVERIFY(counter.count());

    counter.setMode(AccumulationMode::Ano);
    QCOMPARE(counter.runState(), Counter::RunState::Stopped);
    QVERIFY(!counter.count());

    counter.start();
    twoSeconds(counter);
    counter.setTypedFigure(1000);
    QCOMPARE(counter.runState(), Counter::RunState::Stopped);
    QVERIFY(!counter.count());
    QCOMPARE(counter.mode(), AccumulationMode::Ano); // the mode stays
    QCOMPARE(counter.dailyRate(), 33.33);
}

void TestCounter::entryPatternWeightsTheCountAndSurvivesToggling()
{
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    Counter counter(clock);
    QSignalSpy activated(&counter, &Counter::patternActivated);
    // 720 a month is 24 a day; by noon the pattern has given 6 h at 10 % and 6 h at 20 %.
    counter.chooseEntry(entry(QStringLiteral("Roubos em geral na cidade de São Paulo")), 720,
                        risingPattern());
    QCOMPARE(activated.count(), 1);
    QVERIFY(counter.patternInUse());
    counter.start();
    twoSeconds(counter);
    QCOMPARE(counter.lastRecount()->hojeShown, QStringLiteral("7,2000"));
    QVERIFY(qAbs(counter.hourlyFigureNow() - 1.2) < 1e-9); // 30 % of 24 over 6 hours
    QCOMPARE(counter.hourShareNow(), std::optional<double>(30.0));

    counter.setPatternInUse(false);
    twoSeconds(counter);
    QCOMPARE(counter.lastRecount()->hojeShown, QStringLiteral("12,0000"));
    QVERIFY(!counter.hourShareNow());

    // Switched on again it is the chosen entry's pattern, whatever else was browsed.
    counter.setPatternInUse(true);
    twoSeconds(counter);
    QCOMPARE(counter.lastRecount()->hojeShown, QStringLiteral("7,2000"));
    QCOMPARE(counter.pattern()->name, QStringLiteral("Roubos em geral na cidade de São Paulo"));

    // A new mode resets the count and counts with the entry's pattern again.
    counter.setMode(AccumulationMode::Mes);
    QVERIFY(counter.patternInUse());
    QCOMPARE(activated.count(), 2);
}

void TestCounter::handedOverPatternIsKeptUntilTheModeChanges()
{
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    Counter counter(clock);
    counter.setTypedFigure(720);
    QVERIFY(!counter.pattern());
    counter.setPatternInUse(true); // nothing to switch on
    QVERIFY(!counter.patternInUse());

    counter.start();
    twoSeconds(counter);
    counter.usePattern(risingPattern());
    QCOMPARE(counter.runState(), Counter::RunState::Running); // not reset
    twoSeconds(counter);
    QCOMPARE(counter.lastRecount()->hojeShown, QStringLiteral("7,2000"));

    // A typed figure has no pattern of its own to come back with a new mode.
    counter.setMode(AccumulationMode::Mes);
    QVERIFY(!counter.patternInUse());
    QVERIFY(!counter.pattern());
}

void TestCounter::headingNamesAHandedOverPatternInUse()
{
    FakeClock clock;
    Counter counter(clock);
    const QString roubos = QStringLiteral("Roubos em geral na cidade de São Paulo");
    HourlyPattern furtos = risingPattern();
    furtos.name = QStringLiteral("Furtos em geral na cidade de São Paulo");

    counter.chooseEntry(entry(roubos), 11110, risingPattern());
    QVERIFY(!counter.patternHandedOver()); // the entry's own pattern
    QCOMPARE(counter.heading(), roubos);

    counter.usePattern(furtos);
    QVERIFY(counter.patternHandedOver());
    QCOMPARE(counter.heading(), furtos.name);
    counter.setPatternInUse(false);
    QCOMPARE(counter.heading(), roubos);
    counter.setPatternInUse(true);
    QCOMPARE(counter.heading(), furtos.name);

    // A new mode counts with the entry's pattern again; a new choice forgets the hand-over.
    counter.setMode(AccumulationMode::Ano);
    QCOMPARE(counter.heading(), roubos);
    counter.usePattern(furtos);
    counter.setTypedFigure(937);
    QVERIFY(!counter.patternHandedOver());
    QCOMPARE(counter.heading(), QString());
    counter.usePattern(furtos);
    QCOMPARE(counter.heading(), furtos.name);
}

void TestCounter::capacityStopsTheOdometerCountOnly()
{
    // 2.999.970 a month is 99.999 a day: the second day of a month is past 99.999,9999.
    FakeClock clock(QDateTime(QDate(2026, 3, 2), QTime(12, 0)));
    Counter odometer(clock);
    QSignalSpy reached(&odometer, &Counter::capacityReached);
    odometer.setTypedFigure(2999970);
    odometer.setMode(AccumulationMode::Mes);
    odometer.start();
    twoSeconds(odometer);
    QCOMPARE(reached.count(), 1);
    QCOMPARE(odometer.runState(), Counter::RunState::OverCapacity);
    QVERIFY(!odometer.count());
    QVERIFY(!odometer.tickTimer()->isActive());

    // Started again it stops again: one message a start.
    QVERIFY(odometer.start());
    twoSeconds(odometer);
    QCOMPARE(reached.count(), 2);

    Counter text(clock);
    text.setStopsAtCapacity(false);
    text.setTypedFigure(2999970);
    text.setMode(AccumulationMode::Mes);
    text.start();
    twoSeconds(text);
    QCOMPARE(text.runState(), Counter::RunState::Running);
    QVERIFY(text.count());
    QCOMPARE(*text.count(), 149998.5);
}

void TestCounter::newVictimOncePerWholeOccurrence()
{
    // 72 a month is 2,4 a day, one occurrence every 10 hours.
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(9, 59, 58)));
    Counter counter(clock);
    QSignalSpy victims(&counter, &Counter::newVictim);
    counter.setTypedFigure(72);
    counter.start();
    twoSeconds(counter); // 0,9999: the first count is no new victim
    QCOMPARE(victims.count(), 0);
    clock.advanceMs(4000);
    twoSeconds(counter); // 1,0000
    QCOMPARE(victims.count(), 1);
    clock.advanceMs(2000);
    twoSeconds(counter);
    QCOMPARE(victims.count(), 1);
}

void TestCounter::emptiedFigureCountsNothing()
{
    FakeClock clock;
    Counter counter(clock);
    counter.setTypedFigure(937);
    counter.start();
    twoSeconds(counter);
    counter.setTypedFigure(std::nullopt);
    QCOMPARE(counter.runState(), Counter::RunState::Stopped);
    QVERIFY(!counter.count());
    QVERIFY(!counter.paceNow());
    QVERIFY(!counter.start());
    counter.recount();
    QVERIFY(!counter.count());
}

// A resumed count shows the count of the present time, never one carried over the pause; the
// tenth tick after the resume recounts.
void TestCounter::resumedCountIsThePresentTimes()
{
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    Counter counter(clock);
    counter.setTypedFigure(937);
    QVERIFY(counter.start());
    for (int i = 0; i < 9; ++i)
        counter.tick();
    QVERIFY(!counter.lastRecount());
    counter.tick();
    QCOMPARE(counter.lastRecount()->hojeShown, QStringLiteral("15,6150"));

    counter.pause();
    QCOMPARE(counter.runState(), Counter::RunState::Paused);
    clock.set(QDate(2026, 3, 10), QTime(18, 0));
    QVERIFY(counter.start());
    twoSeconds(counter);
    // 31,23 a day, three quarters of it by 18:00.
    QCOMPARE(counter.lastRecount()->hojeShown, QStringLiteral("23,4225"));
}

QTEST_GUILESS_MAIN(TestCounter)
#include "tst_counter.moc"
