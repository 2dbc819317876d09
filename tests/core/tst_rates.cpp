#include "core/rates.h"

#include <QLocale>
#include <QTest>

namespace {

const QLocale kComma(QLocale::Portuguese, QLocale::Brazil);
const QLocale kPoint(QLocale::English, QLocale::UnitedStates);

// Fixed-point text of a whole number of thousandths, hundredths or tenths (places decimals),
// written with integers only so that no binary rounding can hide in the expectation.
QString fixedText(qint64 units, int places, int minPlaces, QChar point)
{
    qint64 scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    QString decimals = QString::number(units % scale).rightJustified(places, u'0');
    while (decimals.size() > minPlaces && decimals.endsWith(u'0'))
        decimals.chop(1);
    return QString::number(units / scale) + point + decimals;
}

} // namespace

class TestRates : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void deriveRates_data();
    void deriveRates();
    void everyWholeMonthlyFigure_data();
    void everyWholeMonthlyFigure();
    void defaultLocale();
};

void TestRates::deriveRates_data()
{
    QTest::addColumn<double>("monthly");
    QTest::addColumn<double>("daily");
    QTest::addColumn<QString>("dia"); // point form
    QTest::addColumn<QString>("hora");
    QTest::addColumn<QString>("ano");

    // The keys 9, 3 and 7 typed one after another give 9, 93 and 937.
    QTest::newRow("key 9") << 9.0 << 0.30 << "0.30"
                           << "0.013"
                           << "109.5";
    QTest::newRow("keys 93") << 93.0 << 3.10 << "3.10"
                             << "0.129"
                             << "1131.5";
    QTest::newRow("keys 937") << 937.0 << 31.23 << "31.23"
                              << "1.301"
                              << "11400.2";
    QTest::newRow("60") << 60.0 << 2.00 << "2.00"
                        << "0.083"
                        << "730.0";
    // 29 / 30 = 0.966...: truncated, not rounded.
    QTest::newRow("29 truncates") << 29.0 << 0.96 << "0.96"
                                  << "0.04"
                                  << "352.8";
    QTest::newRow("57") << 57.0 << 1.90 << "1.90"
                        << "0.079"
                        << "693.5";
    // 69 / 30 * 100 is 229.99999999999997 in binary: the truncation works on the decimal
    // value, 2.30 and not 2.29.
    QTest::newRow("69 binary trap") << 69.0 << 2.30 << "2.30"
                                    << "0.096"
                                    << "839.5";
    QTest::newRow("123 binary trap") << 123.0 << 4.10 << "4.10"
                                     << "0.171"
                                     << "1496.5";
    QTest::newRow("zero") << 0.0 << 0.0 << "0.00"
                          << "0.00"
                          << "0.0";
    QTest::newRow("one") << 1.0 << 0.03 << "0.03"
                         << "0.001"
                         << "12.2";
    // Figures to the hundredth, as the shipped lines give a yearly count / 12.
    QTest::newRow("9,25: 111 a year") << 9.25 << 0.30 << "0.30"
                                      << "0.013"
                                      << "112.5";
    QTest::newRow("124,33: 1492 a year") << 124.33 << 4.14 << "4.14"
                                         << "0.173"
                                         << "1512.7";
    QTest::newRow("0,83: 10 a year") << 0.83 << 0.02 << "0.02"
                                     << "0.001"
                                     << "10.1";
    QTest::newRow("3677,25: 44127 a year") << 3677.25 << 122.57 << "122.57"
                                           << "5.107"
                                           << "44739.9";
    QTest::newRow("large") << 300000.0 << 10000.0 << "10000.00"
                           << "416.667"
                           << "3650000.0";
}

void TestRates::deriveRates()
{
    QFETCH(double, monthly);
    QFETCH(double, daily);
    QFETCH(QString, dia);
    QFETCH(QString, hora);
    QFETCH(QString, ano);

    QCOMPARE(dailyRate(monthly), daily);

    const RateFigures point = ::deriveRates(monthly, kPoint);
    QCOMPARE(point.daily, daily);
    QCOMPARE(point.ParametroDia, dia);
    QCOMPARE(point.Parametrohora, hora);
    QCOMPARE(point.Label8, ano);

    const RateFigures comma = ::deriveRates(monthly, kComma);
    QCOMPARE(comma.daily, daily);
    QCOMPARE(comma.ParametroDia, QString(dia).replace(u'.', u','));
    QCOMPARE(comma.Parametrohora, QString(hora).replace(u'.', u','));
    QCOMPARE(comma.Label8, QString(ano).replace(u'.', u','));
}

void TestRates::everyWholeMonthlyFigure_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("point") << kPoint;
    QTest::newRow("comma") << kComma;
}

// Every whole monthly figure a user can type, against an integer-only computation: this is
// where binary rounding (57, 0.30 / 24, ...) would show.
void TestRates::everyWholeMonthlyFigure()
{
    QFETCH(QLocale, locale);
    const QChar point = locale.decimalPoint().at(0);

    for (qint64 m = 0; m <= 6000; ++m) {
        // Daily rate in hundredths: m / 30 * 100 truncated, m * 10 / 3 in integers.
        const qint64 dayHundredths = m * 10 / 3;
        // Hourly average in thousandths: dayHundredths / 2400 rounded half up,
        // that is floor(dayHundredths * 5 / 12 + 1 / 2).
        const qint64 hourThousandths = (dayHundredths * 10 + 12) / 24;
        // Yearly figure in tenths: m * 365 / 3 rounded (never exactly a half).
        const qint64 yearTenths = (m * 365 * 2 + 3) / 6;

        const RateFigures got = ::deriveRates(double(m), locale);
        const QByteArray where = QByteArray::number(m);
        QVERIFY2(got.ParametroDia == fixedText(dayHundredths, 2, 2, point), where);
        QVERIFY2(got.Parametrohora == fixedText(hourThousandths, 3, 2, point), where);
        QVERIFY2(got.Label8 == fixedText(yearTenths, 1, 1, point), where);
        QVERIFY2(got.daily == double(dayHundredths) / 100.0, where);
    }
}

void TestRates::defaultLocale()
{
    QLocale::setDefault(kComma);
    const RateFigures figures = ::deriveRates(937.0);
    QCOMPARE(figures.ParametroDia, QStringLiteral("31,23"));
    QCOMPARE(figures.Parametrohora, QStringLiteral("1,301"));
    QCOMPARE(figures.Label8, QStringLiteral("11400,2"));
}

QTEST_GUILESS_MAIN(TestRates)
#include "tst_rates.moc"
