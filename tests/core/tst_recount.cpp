#include "core/recount.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <vector>

namespace {

const QLocale kComma(QLocale::Portuguese, QLocale::Brazil);
const QLocale kPoint(QLocale::English, QLocale::UnitedStates);
const QString kPanelPrefix = QStringLiteral("  Ocorrências até o momento : ");

// An hourly table as the distribution editor would fill it: n equal intervals, each hour
// holding the share of its interval; a single interval's share is already divided by 24.
HourlyTable table(const std::vector<double> &percents)
{
    HourlyTable t;
    const int n = int(percents.size());
    t.intervalCount = n;
    for (int i = 0; i < n; ++i)
        t.percentualIntervalo[i] = percents[i];
    for (int h = 0; h < 24; ++h) {
        const double share = percents[h / (24 / n)];
        t.percentualHora[h] = n == 1 ? share / 24.0 : share;
    }
    return t;
}

HourlyTable equalTable(int n)
{
    return table(std::vector<double>(n, 100.0 / n));
}

RecountInput input(double rate, QDateTime now, AccumulationMode mode = AccumulationMode::Dia)
{
    RecountInput in;
    in.dailyRate = rate;
    in.mode = mode;
    in.now = std::move(now);
    return in;
}

RecountInput withTable(RecountInput in, const HourlyTable &t)
{
    in.useDistribution = true;
    in.hourly = t;
    return in;
}

QDateTime at(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

// A count compared with an exact value: a few units of double precision apart.
bool near(double got, double expected, double slack = 0.0)
{
    return std::fabs(got - expected) <= 1e-12 * std::max(1.0, std::fabs(expected)) + slack;
}

QByteArray describe(double got, double expected)
{
    return QByteArray::number(got, 'f', 7) + " expected " + QByteArray::number(expected, 'f', 7);
}

using Digits = std::array<float, 9>;

} // namespace

Q_DECLARE_METATYPE(Digits)
Q_DECLARE_METATYPE(AccumulationMode)
Q_DECLARE_METATYPE(HourlyTable)

class TestRecount : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void dayCountWithoutDistribution_data();
    void dayCountWithoutDistribution();
    void accumulationModes_data();
    void accumulationModes();
    void capacity_data();
    void capacity();
    void distributionCount_data();
    void distributionCount();
    void distributionDayTotalsRate_data();
    void distributionDayTotalsRate();
    void midnightsInMonthAndYear_data();
    void midnightsInMonthAndYear();
    void hourlyFigures_data();
    void hourlyFigures();
    void negativeRateKeepsLayout();
};

void TestRecount::dayCountWithoutDistribution_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("today");
    QTest::addColumn<QString>("masked");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Digits>("digits");
    QTest::addColumn<QString>("panel");

    const Digits d15615{0, 0, 0, 1, 5, 6, 1, 5, 0};
    QTest::newRow("31.23 at noon, point")
        << 31.23 << QTime(12, 0) << kPoint << 15.615 << "00015.6150"
        << "15.6150" << d15615 << "  Ocorrências até o momento :  15.615";
    QTest::newRow("31.23 at noon, comma")
        << 31.23 << QTime(12, 0) << kComma << 15.615 << "00015,6150"
        << "15,6150" << d15615 << "  Ocorrências até o momento :  15.615";
    QTest::newRow("midnight") << 31.23 << QTime(0, 0) << kComma << 0.0 << "00000,0000"
                              << "0,0000" << Digits{0, 0, 0, 0, 0, 0, 0, 0, 0}
                              << "  Ocorrências até o momento :  0";
    // 86400 a day is one a second, milliseconds included: 01:02:03.25 is 3723.25.
    QTest::newRow("milliseconds count")
        << 86400.0 << QTime(1, 2, 3, 250) << kComma << 3723.25 << "03723,2500"
        << "3723,2500" << Digits{0, 3, 7, 2, 3, 2, 5, 0, 0}
        << "  Ocorrências até o momento :  3723.25";
    // 86400 a day is one a second: 23:59:59 is 86399.
    QTest::newRow("one a second, end of day")
        << 86400.0 << QTime(23, 59, 59) << kPoint << 86399.0 << "86399.0000"
        << "86399.0000" << Digits{8, 6, 3, 9, 9, 0, 0, 0, 0}
        << "  Ocorrências até o momento :  86399";
}

void TestRecount::dayCountWithoutDistribution()
{
    QFETCH(double, rate);
    QFETCH(QTime, time);
    QFETCH(QLocale, locale);
    QFETCH(double, today);
    QFETCH(QString, masked);
    QFETCH(QString, shown);
    QFETCH(Digits, digits);
    QFETCH(QString, panel);

    const RecountInput in = input(rate, QDateTime(QDate(2026, 3, 10), time));
    const RecountResult out = ::recount(in, locale);
    QVERIFY2(near(out.today, today), describe(out.today, today));
    QCOMPARE(out.count, out.today);
    QVERIFY(!out.overCapacity);
    QCOMPARE(out.hojeMasked, masked);
    QCOMPARE(out.hojeMasked.size(), 10);
    QCOMPARE(out.hojeShown, shown);
    QCOMPARE(out.digits, digits);
    QCOMPARE(out.statusText, panel);
    QVERIFY(out.clearChart);
    QCOMPARE(out.PercentualDinamico, QStringLiteral("Indef"));
}

void TestRecount::accumulationModes_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<AccumulationMode>("mode");
    QTest::addColumn<double>("expected");

    const double r = 31.23;
    const double half = r / 2; // at noon without distribution
    QTest::newRow("day mode") << r << at(2026, 3, 10, 12, 0, 0) << AccumulationMode::Dia << half;
    // Month mode: the whole days before today, R * (D - 1), not R * D.
    QTest::newRow("month, day 10")
        << r << at(2026, 3, 10, 12, 0, 0) << AccumulationMode::Mes << half + r * 9;
    QTest::newRow("month, first day")
        << r << at(2026, 3, 1, 12, 0, 0) << AccumulationMode::Mes << half;
    QTest::newRow("month, day 31")
        << r << at(2026, 1, 31, 12, 0, 0) << AccumulationMode::Mes << half + r * 30;
    // Year mode: the whole days before today in the real calendar.
    QTest::newRow("year, 10 March") // 31 + 28 + 9 days before
        << r << at(2026, 3, 10, 12, 0, 0) << AccumulationMode::Ano << half + r * 68;
    QTest::newRow("year, 10 March leap year")
        << r << at(2028, 3, 10, 12, 0, 0) << AccumulationMode::Ano << half + r * 69;
    QTest::newRow("year, 1 January")
        << r << at(2026, 1, 1, 12, 0, 0) << AccumulationMode::Ano << half;
    QTest::newRow("year, 15 January")
        << r << at(2026, 1, 15, 12, 0, 0) << AccumulationMode::Ano << half + r * 14;
    QTest::newRow("year, 31 December leap year")
        << r << at(2028, 12, 31, 12, 0, 0) << AccumulationMode::Ano << half + r * 365;
}

void TestRecount::accumulationModes()
{
    QFETCH(double, rate);
    QFETCH(QDateTime, now);
    QFETCH(AccumulationMode, mode);
    QFETCH(double, expected);

    const RecountResult out = ::recount(input(rate, now, mode), kPoint);
    QVERIFY2(near(out.count, expected), describe(out.count, expected));
    QVERIFY(!out.overCapacity);
    // The panel shows today's count, before the mode is applied.
    QCOMPARE(out.statusText, kPanelPrefix + QStringLiteral(" 15.615"));
    // The digits are those of the count written with the odometer's mask, the count taken
    // as the decimal it stands for.
    const qint64 tenThousandths = std::llround(expected * 10000.0);
    QString digits = QString::number(tenThousandths).rightJustified(9, u'0');
    QCOMPARE(out.hojeMasked, digits.left(5) + u'.' + digits.mid(5));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(out.digits[i], float(digits[i].digitValue()));
}

void TestRecount::capacity_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<AccumulationMode>("mode");
    QTest::addColumn<bool>("over");
    QTest::addColumn<QString>("masked");

    QTest::newRow("1000 a day, year mode, December")
        << 1000.0 << at(2026, 12, 15, 8, 0, 0) << AccumulationMode::Ano << true << "";
    QTest::newRow("1000 a day, year mode, 1 January")
        << 1000.0 << at(2026, 1, 1, 8, 0, 0) << AccumulationMode::Ano << false << "00333.3333";
    // 99999 exactly fits; one second later it does not.
    QTest::newRow("exactly 99999")
        << 99999.0 << at(2026, 3, 2, 0, 0, 0) << AccumulationMode::Mes << false << "99999.0000";
    QTest::newRow("one second later")
        << 99999.0 << at(2026, 3, 2, 0, 0, 1) << AccumulationMode::Mes << true << "";
    // 274 * 364 + 274 * 83100 / 86400 = 99999.53: over, though below 100000.
    QTest::newRow("99999.53") << 274.0 << at(2026, 12, 31, 23, 5, 0) << AccumulationMode::Ano
                              << true << "";
    // 273 * 364 days + 273 * 0.75 = 99576.75 fits on the last day of the year.
    QTest::newRow("273 a day, 31 December 18:00")
        << 273.0 << at(2026, 12, 31, 18, 0, 0) << AccumulationMode::Ano << false << "99576.7500";
    QTest::newRow("275 a day, 31 December")
        << 275.0 << at(2026, 12, 31, 0, 0, 0) << AccumulationMode::Ano << true << "";
}

void TestRecount::capacity()
{
    QFETCH(double, rate);
    QFETCH(QDateTime, now);
    QFETCH(AccumulationMode, mode);
    QFETCH(bool, over);
    QFETCH(QString, masked);

    const RecountResult out = ::recount(input(rate, now, mode), kPoint);
    QCOMPARE(out.overCapacity, over);
    QCOMPARE(out.hojeMasked, masked);
    if (over) {
        // Nothing for the count field and the wheels; the hourly figures still come.
        QVERIFY(out.hojeShown.isEmpty());
        QCOMPARE(out.digits, Digits{});
        QVERIFY(!out.Parametrohora.isEmpty());
        QVERIFY(out.statusText.startsWith(kPanelPrefix));
    }
    QVERIFY(kCapacityMessage.contains(QStringLiteral("99.999,9999")));
}

void TestRecount::distributionCount_data()
{
    QTest::addColumn<HourlyTable>("hourly");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<double>("expected");

    // Twelve equal intervals, 24 a day: one an hour. The hours before 10 in full, then the
    // 30 seconds of hour 10: 10 + 30 / 3600.
    QTest::newRow("12 equal, 10:00:30")
        << equalTable(12) << 24.0 << QTime(10, 0, 30) << 10.0 + 30.0 / 3600.0;
    QTest::newRow("12 equal, 10:00:00") << equalTable(12) << 24.0 << QTime(10, 0) << 10.0;
    QTest::newRow("12 equal, 10:59:59.5")
        << equalTable(12) << 24.0 << QTime(10, 59, 59, 500) << 10.0 + 3599.5 / 3600.0;
    QTest::newRow("one interval, noon") << equalTable(1) << 24.0 << QTime(12, 0) << 12.0;
    QTest::newRow("one interval, 06:15") << equalTable(1) << 48.0 << QTime(6, 15) << 12.5;
    // 4 intervals of 6 hours with 10, 20, 40 and 30 %: hours 0-5 give 24 * 10 / 6 / 100 =
    // 0.4 each, hours 6-11 0.8 each, hours 12-17 1.6 each, hours 18-23 1.2 each.
    const HourlyTable four = table({10, 20, 40, 30});
    QTest::newRow("4 intervals, 13:00") << four << 24.0 << QTime(13, 0) << 2.4 + 4.8 + 1.6;
    QTest::newRow("4 intervals, 13:30") << four << 24.0 << QTime(13, 30) << 2.4 + 4.8 + 2.4;
    QTest::newRow("4 intervals, 03:45") << four << 24.0 << QTime(3, 45) << 1.5;
    QTest::newRow("4 intervals, 23:00") << four << 24.0 << QTime(23, 0) << 2.4 + 4.8 + 9.6 + 6.0;
    // All in one of two intervals: nothing counts during the empty half of the day.
    const HourlyTable night = table({0, 100});
    QTest::newRow("empty half, 11:59") << night << 10.0 << QTime(11, 59) << 0.0;
    QTest::newRow("second half, 18:00") << night << 10.0 << QTime(18, 0) << 5.0;
    // 3 intervals of 8 hours with 50, 25, 25 %: 31.23 * 0.5 / 8 an hour until 08:00.
    QTest::newRow("3 intervals, 04:00")
        << table({50, 25, 25}) << 31.23 << QTime(4, 0) << 31.23 * 0.5 / 2;
    QTest::newRow("6 intervals, 20:00")
        << table({5, 10, 15, 20, 20, 30}) << 100.0 << QTime(20, 0) << 70.0;
}

void TestRecount::distributionCount()
{
    QFETCH(HourlyTable, hourly);
    QFETCH(double, rate);
    QFETCH(QTime, time);
    QFETCH(double, expected);

    const RecountInput in = withTable(input(rate, QDateTime(QDate(2026, 3, 10), time)), hourly);
    const double today = todayCount(in);
    QVERIFY2(near(today, expected, 1e-5), describe(today, expected));
    const RecountResult out = ::recount(in, kPoint);
    QCOMPARE(out.today, today);
    QVERIFY(!out.clearChart);
}

void TestRecount::distributionDayTotalsRate_data()
{
    QTest::addColumn<HourlyTable>("hourly");
    QTest::addColumn<double>("rate");

    QTest::newRow("1 interval") << equalTable(1) << 24.0;
    QTest::newRow("2 intervals 30/70") << table({30, 70}) << 31.23;
    QTest::newRow("3 equal") << equalTable(3) << 7.0;
    QTest::newRow("4 intervals") << table({10, 20, 40, 30}) << 24.0;
    QTest::newRow("6 intervals") << table({5, 10, 15, 20, 20, 30}) << 1000.0;
    QTest::newRow("12 equal") << equalTable(12) << 24.0;
    QTest::newRow("12 uneven") << table({1, 2, 3, 4, 5, 10, 15, 20, 15, 10, 10, 5}) << 3.1;
    // The editor's percentages are rounded to hundredths: they need not add up to 100 %.
    QTest::newRow("6 rounded up to 100.02 %")
        << table({16.67, 16.67, 16.67, 16.67, 16.67, 16.67}) << 250.0;
    QTest::newRow("3 rounded down to 99.99 %") << table({33.33, 33.33, 33.33}) << 250.0;
}

// Over a whole day the weighted count totals the daily rate; it never falls back within the
// day and passes every hour and minute without a jump.
void TestRecount::distributionDayTotalsRate()
{
    QFETCH(HourlyTable, hourly);
    QFETCH(double, rate);

    const QDate day(2026, 3, 10);
    auto count = [&](QTime t) {
        return double(todayCount(withTable(input(rate, QDateTime(day, t)), hourly)));
    };

    const double end = count(QTime(23, 59, 59, 999));
    QVERIFY2(near(end, rate, rate * 3e-6), describe(end, rate));
    QCOMPARE(count(QTime(0, 0)), 0.0);

    // The largest share of one hour, scaled as the shares are to a whole day, bounds what a
    // step of one millisecond may add.
    double hourMax = 0;
    double dayTotal = 0;
    for (int h = 0; h < 24; ++h) {
        const double hour = rate * hourly.percentualHora[h] / hourly.hoursPerShare() / 100.0;
        hourMax = std::max(hourMax, hour);
        dayTotal += hour;
    }
    const double msStep = hourMax * (rate / dayTotal) / 3600000.0;

    for (int h = 1; h < 24; ++h) {
        const double before = count(QTime(h - 1, 59, 59, 999));
        const double after = count(QTime(h, 0));
        QVERIFY2(near(after, before, msStep),
                 "hour " + QByteArray::number(h) + ": " + describe(after, before));
    }
    double previous = 0;
    for (int minute = 1; minute < 24 * 60; ++minute) {
        const QTime t = QTime(0, 0).addSecs(minute * 60);
        const double before = count(t.addMSecs(-1));
        const double now = count(t);
        const QByteArray where = t.toString().toLatin1();
        QVERIFY2(near(now, before, msStep), where + ": " + describe(now, before));
        QVERIFY2(now >= previous - 4e-7 * std::max(1.0, now), where);
        previous = now;
    }
}

void TestRecount::midnightsInMonthAndYear_data()
{
    QTest::addColumn<QDate>("lastDay");
    QTest::addColumn<AccumulationMode>("mode");
    QTest::addColumn<bool>("useDistribution");
    QTest::addColumn<double>("beforeMidnight"); // count of whole days, at 23:59:59.999
    QTest::addColumn<double>("afterMidnight");  // in days of the rate, at 00:00:00

    for (bool weighted : {false, true}) {
        const char *how = weighted ? "weighted" : "by the clock";
        // Month mode: the end of day D counts D days, and day D + 1 starts there.
        QTest::addRow("month, 9 to 10 March, %s", how)
            << QDate(2026, 3, 9) << AccumulationMode::Mes << weighted << 9.0 << 9.0;
        QTest::addRow("month, end of March restarts, %s", how)
            << QDate(2026, 3, 31) << AccumulationMode::Mes << weighted << 31.0 << 0.0;
        QTest::addRow("month, end of February restarts, %s", how)
            << QDate(2026, 2, 28) << AccumulationMode::Mes << weighted << 28.0 << 0.0;
        QTest::addRow("month, 28 to 29 February leap year, %s", how)
            << QDate(2028, 2, 28) << AccumulationMode::Mes << weighted << 28.0 << 28.0;
        // Year mode: every midnight inside the year, month ends included, without a jump.
        QTest::addRow("year, 9 to 10 March, %s", how)
            << QDate(2026, 3, 9) << AccumulationMode::Ano << weighted << 68.0 << 68.0;
        QTest::addRow("year, 31 January to 1 February, %s", how)
            << QDate(2026, 1, 31) << AccumulationMode::Ano << weighted << 31.0 << 31.0;
        QTest::addRow("year, 31 March to 1 April, %s", how)
            << QDate(2026, 3, 31) << AccumulationMode::Ano << weighted << 90.0 << 90.0;
        QTest::addRow("year, 29 February to 1 March leap year, %s", how)
            << QDate(2028, 2, 29) << AccumulationMode::Ano << weighted << 60.0 << 60.0;
        QTest::addRow("year, New Year restarts, %s", how)
            << QDate(2026, 12, 31) << AccumulationMode::Ano << weighted << 365.0 << 0.0;
        QTest::addRow("year, New Year after leap year, %s", how)
            << QDate(2028, 12, 31) << AccumulationMode::Ano << weighted << 366.0 << 0.0;
    }
}

void TestRecount::midnightsInMonthAndYear()
{
    QFETCH(QDate, lastDay);
    QFETCH(AccumulationMode, mode);
    QFETCH(bool, useDistribution);
    QFETCH(double, beforeMidnight);
    QFETCH(double, afterMidnight);

    const double rate = 31.23;
    auto count = [&](const QDateTime &now) {
        RecountInput in = input(rate, now, mode);
        if (useDistribution)
            in = withTable(in, table({10, 20, 40, 30}));
        return double(::recount(in, kPoint).count);
    };
    const double before = count(QDateTime(lastDay, QTime(23, 59, 59, 999)));
    const double after = count(QDateTime(lastDay.addDays(1), QTime(0, 0)));
    QVERIFY2(near(before, rate * beforeMidnight, 1e-3), describe(before, rate * beforeMidnight));
    QVERIFY2(near(after, rate * afterMidnight), describe(after, rate * afterMidnight));
}

void TestRecount::hourlyFigures_data()
{
    QTest::addColumn<bool>("useDistribution");
    QTest::addColumn<HourlyTable>("hourly");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<QString>("percentual");

    const HourlyTable four = table({10, 20, 40, 30});
    // Per hour: 24 * 40 / 6 / 100 = 1.60 (not the interval's 9.60).
    QTest::newRow("4 intervals, 13:00, point")
        << true << four << 24.0 << QTime(13, 0) << kPoint << "1.60"
        << "40.0%";
    QTest::newRow("4 intervals, 13:00, comma")
        << true << four << 24.0 << QTime(13, 0) << kComma << "1,60"
        << "40,0%";
    QTest::newRow("4 intervals, 02:59") << true << four << 24.0 << QTime(2, 59) << kPoint << "0.40"
                                        << "10.0%";
    QTest::newRow("4 intervals, 23:59") << true << four << 24.0 << QTime(23, 59) << kPoint << "1.20"
                                        << "30.0%";
    QTest::newRow("12 equal") << true << equalTable(12) << 24.0 << QTime(10, 0) << kComma << "1,00"
                              << "8,33%";
    QTest::newRow("one interval") << true << equalTable(1) << 24.0 << QTime(5, 0) << kPoint
                                  << "1.00"
                                  << "4.17%";
    QTest::newRow("2 intervals, 31.23")
        << true << table({30, 70}) << 31.23 << QTime(18, 0) << kPoint << "1.822"
        << "70.0%";
    QTest::newRow("no distribution, point")
        << false << four << 31.23 << QTime(13, 0) << kPoint << "1.301"
        << "Indef";
    QTest::newRow("no distribution, comma")
        << false << HourlyTable{} << 0.30 << QTime(13, 0) << kComma << "0,013"
        << "Indef";
}

void TestRecount::hourlyFigures()
{
    QFETCH(bool, useDistribution);
    QFETCH(HourlyTable, hourly);
    QFETCH(double, rate);
    QFETCH(QTime, time);
    QFETCH(QLocale, locale);
    QFETCH(QString, hora);
    QFETCH(QString, percentual);

    RecountInput in = input(rate, QDateTime(QDate(2026, 3, 10), time));
    in.useDistribution = useDistribution;
    in.hourly = hourly;
    const RecountResult out = ::recount(in, locale);
    QCOMPARE(out.Parametrohora, hora);
    QCOMPARE(out.PercentualDinamico, percentual);
    QCOMPARE(out.clearChart, !useDistribution);
}

void TestRecount::negativeRateKeepsLayout()
{
    // No input of the program makes a negative rate; should one come, the odometer's
    // ten characters still hold.
    const RecountResult out = ::recount(input(-5.0, at(2026, 3, 10, 12, 0, 0)), kComma);
    QVERIFY(!out.overCapacity);
    QCOMPARE(out.hojeMasked.size(), 10);
    for (float digit : out.digits)
        QVERIFY(digit >= 0 && digit <= 9);
}

QTEST_GUILESS_MAIN(TestRecount)
#include "tst_recount.moc"
