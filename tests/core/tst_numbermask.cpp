#include "core/numbermask.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

const QLocale kComma(QLocale::Portuguese, QLocale::Brazil);
const QLocale kPoint(QLocale::English, QLocale::UnitedStates);

// The same text as a comma locale writes it: the masks never group digits, so only the
// decimal separator differs.
QString withComma(QString text)
{
    return text.replace(u'.', u',');
}

} // namespace

class TestNumberMask : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void formatMask_data();
    void formatMask();
    void formatMaskUsesDefaultLocale();
    void formatMaskOddValues();

    void readNumberRoundTrip_data();
    void readNumberRoundTrip();
    void readNumberRefuses_data();
    void readNumberRefuses();

    void readLeadingPointNumber_data();
    void readLeadingPointNumber();

    void formatGeneral_data();
    void formatGeneral();
    void formatPanelNumber_data();
    void formatPanelNumber();

    void roundTo15Digits_data();
    void roundTo15Digits();
};

void TestNumberMask::formatMask_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    struct Case
    {
        const char *name;
        double value;
        const char *mask;
        const char *pointText; // as a point locale writes it
    };
    // Expectations worked out by hand on the decimal value; several sit exactly on the half
    // of the last place, where the binary value is just below or above it.
    const Case cases[] = {
        // "###0.00": daily rate
        {"###0.00 31.23", 31.23, "###0.00", "31.23"},
        {"###0.00 zero", 0.0, "###0.00", "0.00"},
        {"###0.00 whole", 2.0, "###0.00", "2.00"},
        {"###0.00 1.005 half up (binary below)", 1.005, "###0.00", "1.01"},
        {"###0.00 1.004999 down", 1.004999, "###0.00", "1.00"},
        {"###0.00 no grouping", 1234567.891, "###0.00", "1234567.89"},
        {"###0.00 negative half", -1.005, "###0.00", "-1.01"},
        {"###0.00 float 0.30", double(0.30f), "###0.00", "0.30"},
        // "###0.0": yearly figure
        {"###0.0 11400.1666", 937.0 / 30.0 * 365.0, "###0.0", "11400.2"},
        {"###0.0 730", 730.0, "###0.0", "730.0"},
        {"###0.0 1.15 half up (binary below)", 1.15, "###0.0", "1.2"},
        {"###0.0 0.25 half", 0.25, "###0.0", "0.3"},
        {"###0.0 2.25 half", 2.25, "###0.0", "2.3"},
        {"###0.0 -2.25 half away", -2.25, "###0.0", "-2.3"},
        {"###0.0 0.04 down", 0.04, "###0.0", "0.0"},
        // "##0.00#": hourly average, two to three decimals
        {"##0.00# 0.30/24", 0.30 / 24.0, "##0.00#", "0.013"},
        {"##0.00# 3.10/24", 3.10 / 24.0, "##0.00#", "0.129"},
        {"##0.00# 31.23/24", 31.23 / 24.0, "##0.00#", "1.301"},
        {"##0.00# 2/24", 2.0 / 24.0, "##0.00#", "0.083"},
        {"##0.00# third decimal zero dropped", 1.6, "##0.00#", "1.60"},
        {"##0.00# 0.0005 half", 0.0005, "##0.00#", "0.001"},
        {"##0.00# 0.0004 down", 0.0004, "##0.00#", "0.00"},
        {"##0.00# 0.9995 carries", 0.9995, "##0.00#", "1.00"},
        {"##0.00# -0.0125 half away", -0.0125, "##0.00#", "-0.013"},
        {"##0.00# wide integer", 1234.5, "##0.00#", "1234.50"},
        // "##0.0#": share of the current interval
        {"##0.0# 100/12", 100.0 / 12.0, "##0.0#", "8.33"},
        {"##0.0# 40", 40.0, "##0.0#", "40.0"},
        {"##0.0# 4.165 half up (binary below)", 4.165, "##0.0#", "4.17"},
        {"##0.0# 100/24", 100.0 / 24.0, "##0.0#", "4.17"},
        {"##0.0# 0.005", 0.005, "##0.0#", "0.01"},
        // "00000.0000": the odometer's ten characters
        {"00000.0000 15.615 float", double(15.615f), "00000.0000", "00015.6150"},
        {"00000.0000 zero", 0.0, "00000.0000", "00000.0000"},
        {"00000.0000 99999", 99999.0, "00000.0000", "99999.0000"},
        {"00000.0000 half", 1.00005, "00000.0000", "00001.0001"},
        {"00000.0000 carry into sixth digit", 99999.99995, "00000.0000", "100000.0000"},
        {"00000.0000 carry through decimals", 9.99995, "00000.0000", "00010.0000"},
        {"00000.0000 negative", -15.615, "00000.0000", "-00015.6150"},
        // "####0.0000": the count as the field keeps it
        {"####0.0000 15.615", 15.615, "####0.0000", "15.6150"},
        {"####0.0000 zero", 0.0, "####0.0000", "0.0000"},
        {"####0.0000 327.915", 327.915, "####0.0000", "327.9150"},
        {"####0.0000 small half", 0.00005, "####0.0000", "0.0001"},
        // "#0.00"
        {"#0.00 0.125 half", 0.125, "#0.00", "0.13"},
        {"#0.00 2.675 half up (binary below)", 2.675, "#0.00", "2.68"},
        {"#0.00 2.5", 2.5, "#0.00", "2.50"},
        {"#0.00 -0.125 half away", -0.125, "#0.00", "-0.13"},
        {"#0.00 tiny negative is no minus zero", -0.004, "#0.00", "0.00"},
        {"#0.00 99.995 carries", 99.995, "#0.00", "100.00"},
    };
    for (const Case &c : cases) {
        const QString point = QString::fromUtf8(c.pointText);
        QTest::addRow("point %s", c.name)
            << c.value << QString::fromLatin1(c.mask) << kPoint << point;
        QTest::addRow("C %s", c.name)
            << c.value << QString::fromLatin1(c.mask) << QLocale::c() << point;
        QTest::addRow("comma %s", c.name)
            << c.value << QString::fromLatin1(c.mask) << kComma << withComma(point);
    }
}

void TestNumberMask::formatMask()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(::formatMask(value, mask, locale), expected);
}

void TestNumberMask::formatMaskUsesDefaultLocale()
{
    QLocale::setDefault(kComma);
    QCOMPARE(::formatMask(31.23, u"###0.00"), QStringLiteral("31,23"));
    QCOMPARE(::formatMask(0.30 / 24.0, u"##0.00#"), QStringLiteral("0,013"));
    QLocale::setDefault(kPoint);
    QCOMPARE(::formatMask(31.23, u"###0.00"), QStringLiteral("31.23"));
    QCOMPARE(::formatMask(1234567.0, u"###0.0"), QStringLiteral("1234567.0"));
}

void TestNumberMask::formatMaskOddValues()
{
    // Values no input of the program makes still give a readable number, never garbage.
    QCOMPARE(::formatMask(std::nan(""), u"###0.00", kPoint), QStringLiteral("0.00"));
    QCOMPARE(::formatMask(INFINITY, u"00000.0000", kPoint), QStringLiteral("00000.0000"));
    QCOMPARE(::formatMask(1e20, u"###0.0", kPoint), QStringLiteral("100000000000000000000.0"));
    QCOMPARE(::formatMask(1e-20, u"##0.00#", kPoint), QStringLiteral("0.00"));
}

void TestNumberMask::readNumberRoundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("readBack"); // the value at the mask's last place

    struct Case
    {
        const char *name;
        double value;
        const char *mask;
        double readBack;
    };
    const Case cases[] = {
        {"daily 31.23", 31.23, "###0.00", 31.23},
        {"daily 0.30", 0.3, "###0.00", 0.3},
        {"hourly 0.30/24", 0.30 / 24.0, "##0.00#", 0.013},
        {"hourly 1.6", 1.6, "##0.00#", 1.6},
        {"yearly", 937.0 / 30.0 * 365.0, "###0.0", 11400.2},
        {"count masked", 15.615, "00000.0000", 15.615},
        {"count shown", 327.915, "####0.0000", 327.915},
        {"over a thousand", 1234.5678, "####0.0000", 1234.5678},
        {"negative", -2.25, "###0.0", -2.3},
        {"zero", 0.0, "#0.00", 0.0},
    };
    for (const Case &c : cases) {
        QTest::addRow("point %s", c.name)
            << c.value << QString::fromLatin1(c.mask) << kPoint << c.readBack;
        QTest::addRow("C %s", c.name)
            << c.value << QString::fromLatin1(c.mask) << QLocale::c() << c.readBack;
        QTest::addRow("comma %s", c.name)
            << c.value << QString::fromLatin1(c.mask) << kComma << c.readBack;
    }
}

void TestNumberMask::readNumberRoundTrip()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QLocale, locale);
    QFETCH(double, readBack);

    const QString text = ::formatMask(value, mask, locale);
    const std::optional<double> read = readNumber(text, locale);
    QVERIFY2(read.has_value(), qPrintable(text));
    QCOMPARE(*read, readBack);
    // Written again, it gives the same text: a field survives being read and rewritten.
    QCOMPARE(::formatMask(*read, mask, locale), text);
}

void TestNumberMask::readNumberRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");

    const char *texts[] = {"", "   ", "abc", "12abc", "1,2,3", "inf", "nan", "--1"};
    for (const char *t : texts) {
        QTest::addRow("point '%s'", t) << QString::fromLatin1(t) << kPoint;
        QTest::addRow("comma '%s'", t) << QString::fromLatin1(t) << kComma;
    }
    // The other locale's decimal separator in the decimal place is no number.
    QTest::newRow("comma reads 0.30") << QStringLiteral("0.30") << kComma;
}

void TestNumberMask::readNumberRefuses()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QCOMPARE(readNumber(text, locale), std::optional<double>());
}

void TestNumberMask::readLeadingPointNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("comma stops") << QStringLiteral("1,25") << 1.0;
    QTest::newRow("point") << QStringLiteral("1.25") << 1.25;
    QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
    QTest::newRow("blank then trailing letter") << QStringLiteral(" 3.5x") << 3.5;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("negative") << QStringLiteral("-2.5") << -2.5;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("second point stops") << QStringLiteral("12.5.3") << 12.5;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("whole") << QStringLiteral("8") << 8.0;
}

void TestNumberMask::readLeadingPointNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    // The reading ignores the user's locale.
    QLocale::setDefault(kComma);
    QCOMPARE(::readLeadingPointNumber(text), expected);
}

void TestNumberMask::formatGeneral_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("comma 53.21") << 53.21f << kComma << QStringLiteral("53,21");
    QTest::newRow("point 53.21") << 53.21f << kPoint << QStringLiteral("53.21");
    QTest::newRow("comma whole") << 50.0f << kComma << QStringLiteral("50");
    QTest::newRow("point no grouping") << 1234567.0f << kPoint << QStringLiteral("1234567");
    QTest::newRow("comma no grouping") << 1234.5f << kComma << QStringLiteral("1234,5");
    QTest::newRow("point 937/30") << float(937.0 / 30.0) << kPoint << QStringLiteral("31.23333");
    QTest::newRow("zero") << 0.0f << kComma << QStringLiteral("0");
}

void TestNumberMask::formatGeneral()
{
    QFETCH(float, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(::formatGeneral(value, locale), expected);
}

void TestNumberMask::formatPanelNumber_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("15.615") << 15.615f << QStringLiteral(" 15.615");
    QTest::newRow("zero") << 0.0f << QStringLiteral(" 0");
    QTest::newRow("seven digits") << float(10.0 + 30.0 / 3600.0) << QStringLiteral(" 10.00833");
    QTest::newRow("whole") << 24.0f << QStringLiteral(" 24");
    QTest::newRow("negative has no blank") << -2.5f << QStringLiteral("-2.5");
}

void TestNumberMask::formatPanelNumber()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    // The panel writes a point whatever the user's locale.
    QLocale::setDefault(kComma);
    QCOMPARE(::formatPanelNumber(value), expected);
}

void TestNumberMask::roundTo15Digits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("1.9 * 100") << 1.9 * 100.0 << 190.0;
    QTest::newRow("57 / 30 * 100") << 57.0 / 30.0 * 100.0 << 190.0;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << 0.3;
    QTest::newRow("negative") << -(0.1 + 0.2) << -0.3;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("already short") << 31.23 << 31.23;
}

void TestNumberMask::roundTo15Digits()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(::roundTo15Digits(value), expected);
}

QTEST_GUILESS_MAIN(TestNumberMask)
#include "tst_numbermask.moc"
