// "uma vítima a cada ...": the mean interval at the count's pace, by the hour's share when an
// hourly pattern is in use.
#include "core/intervaltext.h"
#include "core/recount.h"
#include "distribution/hourlyexpansion.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(RecountInput)

namespace {

const QLocale kPortuguese(QLocale::Portuguese, QLocale::Brazil);

// 24 a day in four intervals of 10, 20, 30 and 40 %: 9.6, 19.2, 28.8 and 38.4 a day.
RecountInput patternInput(int hour, int minute = 0)
{
    RecountInput in;
    in.dailyRate = 24;
    in.useDistribution = true;
    in.hourly = expandHourly(4, {10, 20, 30, 40});
    in.now = QDateTime(QDate(2027, 3, 10), QTime(hour, minute));
    return in;
}

} // namespace

class TestIntervalText : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(kPortuguese); }

    void sentenceForRate_data();
    void sentenceForRate();
    void durationRoundsAtEachUnit_data();
    void durationRoundsAtEachUnit();
    void paceFollowsTheHourOfThePattern_data();
    void paceFollowsTheHourOfThePattern();
    void paceIsTheRiseOfTheCount();
};

void TestIntervalText::sentenceForRate_data()
{
    QTest::addColumn<double>("perDay");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("0") << 0.0 << "nenhuma vítima prevista neste ritmo";
    QTest::newRow("negative") << -3.0 << "nenhuma vítima prevista neste ritmo";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN()
                                  << "nenhuma vítima prevista neste ritmo";
    QTest::newRow("0.5 a day") << 0.5 << "uma vítima a cada 2 dias";
    QTest::newRow("31.23 a day: 2766.6 s") << 31.23 << "uma vítima a cada 46 min 7 s";
    QTest::newRow("3000 a day: 28.8 s") << 3000.0 << "uma vítima a cada 29 s";
    QTest::newRow("411522 a day: 0.21 s") << 411522.0 << "uma vítima a cada 0,21 s";
    QTest::newRow("99999 a day, the largest: 0.864 s") << 99999.0 << "uma vítima a cada 0,86 s";
    QTest::newRow("24 a day") << 24.0 << "uma vítima a cada 1 h";
    QTest::newRow("0.03 a day (1 a month)") << 0.03 << "uma vítima a cada 33 dias 8 h";
    QTest::newRow("endless") << std::numeric_limits<double>::infinity()
                             << "uma vítima a cada menos de 0,01 s";
    QTest::newRow("almost none") << 1e-12 << "uma vítima a cada mais de 1.000.000 dias";
}

void TestIntervalText::sentenceForRate()
{
    QFETCH(double, perDay);
    QFETCH(QString, sentence);
    QCOMPARE(intervalSentence(perDay), sentence);
}

void TestIntervalText::durationRoundsAtEachUnit_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("nothing") << 0.0 << "0 s" << kPortuguese;
    QTest::newRow("under a hundredth") << 0.004 << "menos de 0,01 s" << kPortuguese;
    QTest::newRow("0.995 s is 1 s") << 0.995 << "1 s" << kPortuguese;
    QTest::newRow("1.44 s") << 1.44 << "1,4 s" << kPortuguese;
    QTest::newRow("1.44 s, point") << 1.44 << "1.4 s" << english;
    QTest::newRow("2.04 s") << 2.04 << "2 s" << kPortuguese;
    QTest::newRow("9.96 s is 10 s") << 9.96 << "10 s" << kPortuguese;
    QTest::newRow("59.6 s is 1 min") << 59.6 << "1 min" << kPortuguese;
    QTest::newRow("92 s") << 92.0 << "1 min 32 s" << kPortuguese;
    QTest::newRow("3599.6 s is 1 h") << 3599.6 << "1 h" << kPortuguese;
    QTest::newRow("3 h 10 min") << 11400.0 << "3 h 10 min" << kPortuguese;
    QTest::newRow("3 h 10 min 29 s") << 11429.0 << "3 h 10 min" << kPortuguese;
    QTest::newRow("a minute short of a day") << 86370.0 << "1 dia" << kPortuguese;
    QTest::newRow("1 dia 6 h") << 108000.0 << "1 dia 6 h" << kPortuguese;
    QTest::newRow("1000 days, grouped") << 86400000.0 << "1.000 dias" << kPortuguese;
}

void TestIntervalText::durationRoundsAtEachUnit()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QCOMPARE(formatDuration(seconds, locale), text);
}

void TestIntervalText::paceFollowsTheHourOfThePattern_data()
{
    QTest::addColumn<RecountInput>("in");
    QTest::addColumn<double>("pace");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("10 % interval, 03:00")
        << patternInput(3) << 9.6 << "uma vítima a cada 2 h 30 min";
    QTest::newRow("40 % interval, 23:59")
        << patternInput(23, 59) << 38.4 << "uma vítima a cada 37 min 30 s";
    RecountInput quiet = patternInput(7, 59); // the first of three intervals: 00:00 to 08:00
    quiet.hourly = expandHourly(3, {0, 50, 50});
    QTest::newRow("hour with no share") << quiet << 0.0 << "nenhuma vítima prevista neste ritmo";
    RecountInput plain = patternInput(8);
    plain.useDistribution = false;
    QTest::newRow("no pattern in use: the daily rate") << plain << 24.0 << "uma vítima a cada 1 h";
}

void TestIntervalText::paceFollowsTheHourOfThePattern()
{
    QFETCH(RecountInput, in);
    QFETCH(double, pace);
    QFETCH(QString, sentence);

    QVERIFY(qAbs(dailyPaceNow(in) - pace) < 1e-4);
    QCOMPARE(dailyPaceAtHour(in, in.now.time().hour()), dailyPaceNow(in));
    QCOMPARE(intervalSentence(dailyPaceNow(in)), sentence);
}

// The pace of an hour is how fast the recount's own count rises in it: a pattern whose
// shares do not add up to 100 % is scaled to the day in both.
void TestIntervalText::paceIsTheRiseOfTheCount()
{
    for (const QList<double> &shares :
         {QList<double>{10, 20, 30, 40},
          QList<double>{8.33, 8.33, 8.33, 8.33, 8.33, 8.33, 8.34, 8.33, 8.33, 8.33, 8.33, 8.34},
          QList<double>{20, 20, 20}}) {
        RecountInput in = patternInput(0);
        in.dailyRate = 31.23;
        in.hourly = expandHourly(int(shares.size()), shares);
        for (int hour = 0; hour < 24; ++hour) {
            in.now = QDateTime(QDate(2027, 3, 10), QTime(hour, 0));
            const double start = todayCount(in);
            in.now = QDateTime(QDate(2027, 3, 10), QTime(hour, 30));
            const double rise = todayCount(in) - start;
            QVERIFY2(qAbs(dailyPaceAtHour(in, hour) - rise * 48.0) < 1e-3,
                     qPrintable(QString::number(hour)));
        }
    }
}

QTEST_GUILESS_MAIN(TestIntervalText)
#include "tst_intervaltext.moc"
