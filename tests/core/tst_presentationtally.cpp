// "desde o início da apresentação": what the count rose by since the view opened.
#include "core/presentationtally.h"
#include "core/recount.h"

#include <QTest>

namespace {

const QLocale kPortuguese(QLocale::Portuguese, QLocale::Brazil);

QDateTime at(int day, int hour, int minute, int second = 0, int month = 3)
{
    return QDateTime(QDate(2027, month, day), QTime(hour, minute, second));
}

// The count a recount would show at `now`, 24 a day (one an hour), no distribution.
double countAt(const QDateTime &now, AccumulationMode mode = AccumulationMode::Dia,
               double dailyRate = 24)
{
    RecountInput in;
    in.dailyRate = dailyRate;
    in.mode = mode;
    in.now = now;
    return accumulatedCount(in, todayCount(in));
}

// Recounts every 2 s from `from` up to `to`, as a running count delivers them.
void run(PresentationTally &tally, const QDateTime &from, const QDateTime &to,
         AccumulationMode mode = AccumulationMode::Dia, double dailyRate = 24)
{
    for (QDateTime t = from; t <= to; t = t.addSecs(2))
        tally.addCount(countAt(t, mode, dailyRate));
}

} // namespace

class TestPresentationTally : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(kPortuguese); }

    // Paused from 12:30 to 13:00: the first recount after the pause rises by the half hour
    // the clock went on counting, and the elapsed time runs through the pause too.
    void countsAcrossAPause()
    {
        PresentationTally tally;
        tally.start(at(10, 12, 0), countAt(at(10, 12, 0)));
        QCOMPARE(tally.text(at(10, 12, 0)), "desde o início da apresentação: 0,0000 (há 0 s)");
        run(tally, at(10, 12, 0, 2), at(10, 12, 30));
        QCOMPARE(tally.occurrencesText(), "0,5000");
        QCOMPARE(tally.text(at(10, 12, 45)), "desde o início da apresentação: 0,5000 (há 45 min)");
        run(tally, at(10, 13, 0), at(10, 13, 15));
        QCOMPARE(tally.occurrencesText(), "1,2500");
        QCOMPARE(tally.elapsedSeconds(at(10, 13, 15)), 4500);
        QCOMPARE(tally.text(at(10, 13, 15, 40)),
                 "desde o início da apresentação: 1,2500 (há 1 h 16 min)");
    }

    // The count restarts from 0 at midnight (day mode) and on the first of the month (month
    // mode): the tally goes on from 0 and loses at most the one recount before the restart.
    void countsAcrossARestart_data()
    {
        QTest::addColumn<AccumulationMode>("mode");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");

        QTest::newRow("day mode, midnight")
            << AccumulationMode::Dia << at(10, 23, 50) << at(11, 0, 10);
        QTest::newRow("month mode, first of April")
            << AccumulationMode::Mes << at(31, 23, 50) << at(1, 0, 10, 0, 4);
        QTest::newRow("year mode, New Year")
            << AccumulationMode::Ano << QDateTime(QDate(2027, 12, 31), QTime(23, 50))
            << QDateTime(QDate(2028, 1, 1), QTime(0, 10));
    }

    void countsAcrossARestart()
    {
        QFETCH(AccumulationMode, mode);
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);

        PresentationTally tally;
        tally.start(from);
        double lowest = 0;
        for (QDateTime t = from; t <= to; t = t.addSecs(2)) {
            tally.addCount(countAt(t, mode));
            QVERIFY(tally.occurrences() >= lowest);
            lowest = tally.occurrences();
        }
        // 20 minutes at one an hour, less at most one recount (2 s) before the restart; the
        // counts are 32-bit values, a thousandth apart near 8760.
        const double expected = 20.0 / 60.0;
        QVERIFY2(tally.occurrences() <= expected + 2e-3 &&
                     tally.occurrences() >= expected - 2.0 / 3600.0 - 2e-3,
                 qPrintable(QString::number(tally.occurrences())));
        QCOMPARE(tally.elapsedText(to), "20 min");
    }

    // A new rate resets the counter; its jump is no occurrence, what was counted stays.
    void aChangeOfRateIsNotCounted()
    {
        PresentationTally tally;
        tally.start(at(10, 12, 0));
        run(tally, at(10, 12, 0), at(10, 13, 0));
        tally.rebase();
        run(tally, at(10, 13, 0), at(10, 14, 0), AccumulationMode::Dia, 240);
        QCOMPARE(tally.occurrencesText(), "11,0000");
    }

    void nothingBeforeTheStart()
    {
        PresentationTally tally;
        tally.addCount(5);
        tally.addCount(9);
        QVERIFY(!tally.isStarted());
        QCOMPARE(tally.occurrences(), 0.0);
        QCOMPARE(tally.elapsedSeconds(at(10, 12, 0)), 0);

        // Opened with no count on the odometer: the first count is the starting point.
        tally.start(at(10, 12, 0));
        tally.addCount(12);
        tally.addCount(12.5);
        QCOMPARE(tally.occurrences(), 0.5);
        // Opened again: everything before is forgotten.
        tally.start(at(10, 13, 0), 13.0);
        tally.addCount(13.25);
        QCOMPARE(tally.occurrences(), 0.25);
        // A clock set back gives no negative time.
        QCOMPARE(tally.elapsedText(at(10, 11, 0)), "0 s");
    }
};

QTEST_GUILESS_MAIN(TestPresentationTally)
#include "tst_presentationtally.moc"
