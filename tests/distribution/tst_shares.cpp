#include "distribution/shares.h"

#include <QTest>

using Bars = std::array<int, 12>;
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

void tst_Shares::bars_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("percentual");
    QTest::addColumn<Bars>("expected");
    QTest::newRow("1: share per hour on every bar")
        << 1 << QStringList{"100,00"} << Bars{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    QTest::newRow("2: per hour, halves")
        << 2 << QStringList{"33,33", "66,67"} << Bars{2, 2, 2, 2, 2, 2, 5, 5, 5, 5, 5, 5};
    QTest::newRow("3: first bar of each interval") << 3 << QStringList{"25,00", "25,00", "50,00"}
                                                   << Bars{25, 0, 0, 0, 25, 0, 0, 0, 50, 0, 0, 0};
    QTest::newRow("4") << 4 << QStringList{"10,50", "20,99", "30,01", "38,50"}
                       << Bars{10, 0, 0, 20, 0, 0, 30, 0, 0, 38, 0, 0};
    QTest::newRow("6") << 6 << QStringList{"10,00", "20,00", "30,00", "15,00", "15,00", "10,00"}
                       << Bars{10, 0, 20, 0, 30, 0, 15, 0, 15, 0, 10, 0};
    QTest::newRow("12") << 12 << QStringList{"1,9", "2", "3", "4",  "5",  "6",
                                             "7",   "8", "9", "10", "11", "12,99"}
                        << Bars{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    // Empty or odd labels (a total of 0 leaves them as they were) count as 0.
    QTest::newRow("empty labels") << 4 << QStringList{"", "x", "", ""} << Bars{};
}

void tst_Shares::bars()
{
    QFETCH(int, count);
    QFETCH(QStringList, percentual);
    QFETCH(Bars, expected);
    QCOMPARE(Shares::bars(count, percentual, QLocale(QLocale::Portuguese, QLocale::Brazil)),
             expected);
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
