#include "distribution/hourlyexpansion.h"

#include <QTest>

using Bars = QList<double>;

// The twelve band values of a pattern: band b lies in interval b / (12 / n).
static QList<double> bands(int n, const QList<double> &values)
{
    QList<double> result;
    for (int b = 0; b < 12; ++b)
        result.append(values[b / (12 / n)]);
    return result;
}

class TestHourlyExpansion : public QObject
{
    Q_OBJECT

private slots:
    void expandsAndDrawsSpectrum_data();
    void expandsAndDrawsSpectrum();
    void impossibleCountsAndMissingShares();
    void flatSpectrum_data();
    void flatSpectrum();
    void sharesFromCaptions_data();
    void sharesFromCaptions();
};

void TestHourlyExpansion::expandsAndDrawsSpectrum_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<double>>("shares");
    QTest::addColumn<QList<double>>("bandValues"); // percentualIntervalo(0..11)
    QTest::addColumn<Bars>("bars");

    QTest::newRow("4 intervals") << 4 << QList<double>{10, 20, 40, 30} << bands(4, {10, 20, 40, 30})
                                 << Bars{10 / 3.0, 10 / 3.0, 10 / 3.0, 20 / 3.0, 20 / 3.0, 20 / 3.0,
                                         40 / 3.0, 40 / 3.0, 40 / 3.0, 10,       10,       10};
    // The share of the single interval is spread over the day; each bar shows a two-hour
    // band's twelfth of the day.
    QTest::newRow("1 interval") << 1 << QList<double>{100} << bands(1, {100.0 / 24.0})
                                << Bars(12, 100.0 / 12);
    QTest::newRow("2 intervals") << 2 << QList<double>{37.5, 62.5} << bands(2, {37.5, 62.5})
                                 << Bars{6.25,     6.25,     6.25,     6.25,
                                         6.25,     6.25,     62.5 / 6, 62.5 / 6,
                                         62.5 / 6, 62.5 / 6, 62.5 / 6, 62.5 / 6};
    QTest::newRow("2 intervals 33.33/66.67")
        << 2 << QList<double>{33.33, 66.67} << bands(2, {33.33, 66.67})
        << Bars{5.555,     5.555,     5.555,     5.555,     5.555,     5.555,
                66.67 / 6, 66.67 / 6, 66.67 / 6, 66.67 / 6, 66.67 / 6, 66.67 / 6};
    QTest::newRow("3 intervals") << 3 << QList<double>{25, 25, 50} << bands(3, {25, 25, 50})
                                 << Bars{6.25, 6.25, 6.25, 6.25, 6.25, 6.25,
                                         6.25, 6.25, 12.5, 12.5, 12.5, 12.5};
    QTest::newRow("6 intervals") << 6 << QList<double>{22.5, 9.99, 10, 14, 20.01, 23.5}
                                 << bands(6, {22.5, 9.99, 10, 14, 20.01, 23.5})
                                 << Bars{11.25, 11.25, 4.995,  4.995,  5,     5,
                                         7,     7,     10.005, 10.005, 11.75, 11.75};
    const QList<double> twelve = {6.25, 5, 3.1, 2, 4, 7.99, 8, 9, 11, 14.5, 17, 12.16};
    QTest::newRow("12 intervals") << 12 << twelve << twelve << Bars(twelve.begin(), twelve.end());
}

void TestHourlyExpansion::expandsAndDrawsSpectrum()
{
    QFETCH(int, n);
    QFETCH(QList<double>, shares);
    QFETCH(QList<double>, bandValues);
    QFETCH(Bars, bars);

    const HourlyTable table = expandHourly(n, shares);
    QCOMPARE(table.intervalCount, n);
    for (int b = 0; b < 12; ++b) // exact: the share is stored as given
        QVERIFY2(table.percentualIntervalo[b] == bandValues[b], qPrintable(QString::number(b)));
    QCOMPARE(table.percentualIntervalo[12], 0.0);
    for (int h = 0; h < 24; ++h)
        QVERIFY2(table.percentualHora[h] == bandValues[h / 2], qPrintable(QString::number(h)));
    QCOMPARE(table.percentualHora[24], 0.0);

    const std::array<double, 12> drawn = spectrumBars(n, shares);
    double total = 0;
    for (int b = 0; b < 12; ++b) {
        QVERIFY2(qAbs(drawn[b] - bars[b]) < 1e-9,
                 qPrintable(QStringLiteral("bar %1: %2").arg(b).arg(drawn[b])));
        // No band is empty where its interval has a share.
        if (shares.value(b / (12 / n)) > 0)
            QVERIFY2(drawn[b] > 0, qPrintable(QString::number(b)));
        total += drawn[b];
    }
    // The bars add up to the whole day.
    QVERIFY2(qAbs(total - 100) < 1e-9, qPrintable(QString::number(total, 'g', 17)));
}

void TestHourlyExpansion::impossibleCountsAndMissingShares()
{
    for (int n : {0, 5, 7, 24, -1}) {
        const HourlyTable table = expandHourly(n, {10, 20, 30, 40, 50});
        QCOMPARE(table.intervalCount, 1);
        QVERIFY(std::all_of(table.percentualHora.begin(), table.percentualHora.end(),
                            [](double v) { return v == 0; }));
        const std::array<double, 12> bars = spectrumBars(n, {10, 20, 30, 40, 50});
        QVERIFY(std::all_of(bars.begin(), bars.end(), [](double v) { return v == 0; }));
    }

    // Fewer shares than intervals: the missing ones are 0.
    const HourlyTable table = expandHourly(4, {10, 20});
    QCOMPARE(table.percentualHora[6], 20.0);
    QCOMPARE(table.percentualHora[12], 0.0);
    QCOMPARE(table.percentualHora[23], 0.0);
    const std::array<double, 12> bars = spectrumBars(2, {48});
    QCOMPARE(bars[0], 8.0);
    QCOMPARE(bars[11], 0.0);
}

void TestHourlyExpansion::flatSpectrum_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("value");

    QTest::newRow("decimal comma: whole part only") << "1,25" << 1.0;
    QTest::newRow("decimal point") << "1.25" << 1.25;
    QTest::newRow("three decimals") << "0.042" << 0.042;
    QTest::newRow("comma, below one") << "0,042" << 0.0;
    QTest::newRow("whole") << "12" << 12.0;
    QTest::newRow("grouped thousands stop at the separator") << "1.234,50" << 1.234;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no number") << "Indef" << 0.0;
}

void TestHourlyExpansion::flatSpectrum()
{
    QFETCH(QString, caption);
    QFETCH(double, value);
    QCOMPARE(flatSpectrumValue(caption), value);
}

void TestHourlyExpansion::sharesFromCaptions_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<double>>("shares");

    QTest::newRow("comma locale") << "pt_BR" << QStringList{"10,00", "20,50", "40,00", "29,50"} << 4
                                  << QList<double>{10, 20.5, 40, 29.5};
    QTest::newRow("point locale") << "en_US" << QStringList{"37.50", "62.50"} << 2
                                  << QList<double>{37.5, 62.5};
    QTest::newRow("empty and non-numeric count as 0")
        << "pt_BR" << QStringList{"", "abc", "50,00", " "} << 4 << QList<double>{0, 0, 50, 0};
    QTest::newRow("fewer captions than intervals")
        << "pt_BR" << QStringList{"100,00"} << 3 << QList<double>{100, 0, 0};
    QTest::newRow("only the first n captions")
        << "en_US" << QStringList{"60.00", "40.00", "9"} << 2 << QList<double>{60, 40};
}

void TestHourlyExpansion::sharesFromCaptions()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, captions);
    QFETCH(int, n);
    QFETCH(QList<double>, shares);
    QCOMPARE(::sharesFromCaptions(captions, n, QLocale(locale)), shares);
}

QTEST_GUILESS_MAIN(TestHourlyExpansion)
#include "tst_hourlyexpansion.moc"
