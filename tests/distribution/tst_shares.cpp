#include "distribution/shares.h"

#include <QTest>

using Bars = std::array<double, 12>;
Q_DECLARE_METATYPE(Bars)

class tst_Shares : public QObject
{
    Q_OBJECT

private slots:
    void bars_data();
    void bars();
    void percentText_data();
    void percentText();
    void digitsOnly_data();
    void digitsOnly();
};

// Each bar is its two-hour band's share of the day: the interval's share over its bands.
void tst_Shares::bars_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("percentual");
    QTest::addColumn<Bars>("expected");
    Bars twelfths;
    twelfths.fill(100.0 / 12);
    QTest::newRow("1: a twelfth of the day on every bar") << 1 << QStringList{"100,00"} << twelfths;
    QTest::newRow("2: each half over six bands")
        << 2 << QStringList{"33,33", "66,67"}
        << Bars{5.555,     5.555,     5.555,     5.555,     5.555,     5.555,
                66.67 / 6, 66.67 / 6, 66.67 / 6, 66.67 / 6, 66.67 / 6, 66.67 / 6};
    QTest::newRow("3: each over four bands")
        << 3 << QStringList{"25,00", "25,00", "50,00"}
        << Bars{6.25, 6.25, 6.25, 6.25, 6.25, 6.25, 6.25, 6.25, 12.5, 12.5, 12.5, 12.5};
    QTest::newRow("4: each over three bands")
        << 4 << QStringList{"10,50", "20,99", "30,01", "38,50"}
        << Bars{3.5,       3.5,       3.5,       20.99 / 3, 20.99 / 3, 20.99 / 3,
                30.01 / 3, 30.01 / 3, 30.01 / 3, 38.5 / 3,  38.5 / 3,  38.5 / 3};
    QTest::newRow("6: each over two bands")
        << 6 << QStringList{"10,00", "20,00", "30,00", "15,00", "15,00", "10,00"}
        << Bars{5, 5, 10, 10, 15, 15, 7.5, 7.5, 7.5, 7.5, 5, 5};
    QTest::newRow("12: each its own band")
        << 12 << QStringList{"1,9", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12,99"}
        << Bars{1.9, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12.99};
    // Empty or odd labels (a total of 0 leaves them as they were) count as 0.
    QTest::newRow("empty labels") << 4 << QStringList{"", "x", "", ""} << Bars{};
}

void tst_Shares::bars()
{
    QFETCH(int, count);
    QFETCH(QStringList, percentual);
    QFETCH(Bars, expected);
    const Bars drawn =
        Shares::bars(count, percentual, QLocale(QLocale::Portuguese, QLocale::Brazil));
    for (int b = 0; b < 12; ++b)
        QVERIFY2(qAbs(drawn[b] - expected[b]) < 1e-9,
                 qPrintable(QStringLiteral("bar %1: %2").arg(b).arg(drawn[b])));
}

void tst_Shares::percentText_data()
{
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("quarter") << 1.0 << 4.0 << "25,00"
                             << "25.00";
    QTest::newRow("third") << 1.0 << 3.0 << "33,33"
                           << "33.33";
    QTest::newRow("two thirds") << 2.0 << 3.0 << "66,67"
                                << "66.67";
    QTest::newRow("all") << 7.0 << 7.0 << "100,00"
                         << "100.00";
    QTest::newRow("none") << 0.0 << 7.0 << "0,00"
                          << "0.00";
    QTest::newRow("small") << 1.0 << 300.0 << "0,33"
                           << "0.33";
}

void tst_Shares::percentText()
{
    QFETCH(double, quantity);
    QFETCH(double, total);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QCOMPARE(Shares::percentText(quantity, total, QLocale(QLocale::Portuguese, QLocale::Brazil)),
             comma);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(Shares::percentText(quantity, total, english), point);
}

void tst_Shares::digitsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("digits");
    QTest::newRow("digits") << "0123" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter") << "12a" << false;
    QTest::newRow("space") << " 12" << false;
    QTest::newRow("sign") << "-1" << false;
    QTest::newRow("decimal") << "1,5" << false;
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0661") << false;
}

void tst_Shares::digitsOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, digits);
    QCOMPARE(Shares::isDigitsOnly(text), digits);
}

QTEST_GUILESS_MAIN(tst_Shares)
#include "tst_shares.moc"
