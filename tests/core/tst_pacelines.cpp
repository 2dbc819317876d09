// The pace the audience reads: the day's average first, the pattern's hour second and named.
#include "core/pacelines.h"

#include <QLocale>
#include <QTest>

#include <vector>

namespace {

const QLocale kBrazil(QLocale::Portuguese, QLocale::Brazil);
const QLocale kPoint(QLocale::English, QLocale::UnitedStates);

// n equal intervals of the day, each hour holding its interval's share, as the editor fills it.
HourlyTable table(const std::vector<double> &percents)
{
    HourlyTable t;
    const int n = int(percents.size());
    t.intervalCount = n;
    for (int i = 0; i < n; ++i)
        t.percentualIntervalo[i] = float(percents[i]);
    for (int h = 0; h < 24; ++h)
        t.percentualHora[h] = float(percents[h / (24 / n)]);
    return t;
}

} // namespace

class TestPaceLines : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
};

void TestPaceLines::lines_data()
{
    QTest::addColumn<double>("dailyRate");
    QTest::addColumn<QList<double>>("pattern"); // empty: no pattern in use
    QTest::addColumn<QString>("patternName");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("hourLine");

    // 937 a month is 31,23 a day: 86 400 s / 31,23 = 2 766,6 s.
    QTest::newRow("typed figure, 937 a month")
        << 31.23 << QList<double>() << QString() << 10 << kBrazil
        << "uma vítima a cada 46 min 7 s, em média" << QString();
    // Bahia, 503 a month (6 036 in 2024): 16,76 a day, one every 5 155 s.
    QTest::newRow("entry without pattern, Bahia")
        << 16.76 << QList<double>() << QString() << 10 << kBrazil
        << "uma vítima a cada 1 h 26 min, em média" << QString();
    // 24 a day, a quarter of them from 0 h to 12 h: 12 a day's pace at night, 36 by day.
    QTest::newRow("user's pattern, 03:00")
        << 24.0 << QList<double>{25, 75} << "Meu padrão" << 3 << kBrazil
        << "uma vítima a cada 1 h, em média"
        << "nesta hora, uma a cada 2 h, pelo padrão horário «Meu padrão»";
    QTest::newRow("user's pattern, 15:00")
        << 24.0 << QList<double>{25, 75} << "Meu padrão" << 15 << kBrazil
        << "uma vítima a cada 1 h, em média"
        << "nesta hora, uma a cada 40 min, pelo padrão horário «Meu padrão»";
    QTest::newRow("pattern with an empty hour")
        << 24.0 << QList<double>{0, 100} << "Só à tarde" << 3 << kBrazil
        << "uma vítima a cada 1 h, em média"
        << "nesta hora, nenhuma prevista, pelo padrão horário «Só à tarde»";
    QTest::newRow("no figure at all") << 0.0 << QList<double>() << QString() << 10 << kBrazil
                                      << "nenhuma vítima prevista neste ritmo" << QString();
    // 57 600 a day is one every 1,5 s: the separator is the locale's.
    QTest::newRow("Brazilian decimals") << 57600.0 << QList<double>() << QString() << 10 << kBrazil
                                        << "uma vítima a cada 1,5 s, em média" << QString();
    QTest::newRow("decimals of another locale")
        << 57600.0 << QList<double>() << QString() << 10 << kPoint
        << "uma vítima a cada 1.5 s, em média" << QString();
}

void TestPaceLines::lines()
{
    QFETCH(double, dailyRate);
    QFETCH(QList<double>, pattern);
    QFETCH(QString, patternName);
    QFETCH(int, hour);
    QFETCH(QLocale, locale);
    QFETCH(QString, average);
    QFETCH(QString, hourLine);

    RecountInput in;
    in.dailyRate = dailyRate;
    in.now = QDateTime(QDate(2026, 12, 11), QTime(hour, 30));
    if (!pattern.isEmpty()) {
        in.useDistribution = true;
        in.hourly = table(std::vector<double>(pattern.cbegin(), pattern.cend()));
    }
    const PaceLines lines = paceLines(in, patternName, locale);
    QCOMPARE(lines.average, average);
    QCOMPARE(lines.hour, hourLine);
}

QTEST_GUILESS_MAIN(TestPaceLines)
#include "tst_pacelines.moc"
