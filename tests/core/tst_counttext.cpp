// A count written as text: four decimals rounded as the masks round, separators of thousands.
#include "core/counttext.h"

#include <QTest>

class TestCountText : public QObject
{
    Q_OBJECT

private slots:
    void parts_data();
    void parts();
};

void TestCountText::parts_data()
{
    QTest::addColumn<double>("count");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("decimals");

    QTest::newRow("nothing yet") << 0.0 << "pt_BR"
                                 << "0"
                                 << ",0000";
    QTest::newRow("half away from zero") << 6355.04215 << "pt_BR"
                                         << "6.355"
                                         << ",0422";
    QTest::newRow("carry into a new group") << 999.99995 << "pt_BR"
                                            << "1.000"
                                            << ",0000";
    QTest::newRow("past the odometer") << 137000.0 << "pt_BR"
                                       << "137.000"
                                       << ",0000";
    QTest::newRow("millions") << 1234567.5 << "pt_BR"
                              << "1.234.567"
                              << ",5000";
    QTest::newRow("English separators") << 6355.5 << "en_US"
                                        << "6,355"
                                        << ".5000";
}

void TestCountText::parts()
{
    QFETCH(double, count);
    QFETCH(QString, locale);
    QFETCH(QString, whole);
    QFETCH(QString, decimals);
    const CountTextParts parts = countTextParts(count, QLocale(locale));
    QCOMPARE(parts.whole, whole);
    QCOMPARE(parts.decimals, decimals);
    QCOMPARE(parts.text(), whole + decimals);
}

QTEST_GUILESS_MAIN(TestCountText)
#include "tst_counttext.moc"
