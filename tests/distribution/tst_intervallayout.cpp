#include "distribution/intervallayout.h"

#include <QStringList>
#include <QTest>

class tst_IntervalLayout : public QObject
{
    Q_OBJECT

private slots:
    void captions_data();
    void captions();
    void positionForValueCount_data();
    void positionForValueCount();
};

void tst_IntervalLayout::captions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("rows"); // "start-end" per row
    QTest::newRow("0") << 0 << 1 << QStringList{"00:00-23:59"};
    QTest::newRow("1") << 1 << 2 << QStringList{"00:00-11:59", "12:00-23:59"};
    QTest::newRow("2") << 2 << 3 << QStringList{"00:00-07:59", "08:00-15:59", "16:00-23:59"};
    QTest::newRow("3") << 3 << 4
                       << QStringList{"00:00-05:59", "06:00-11:59", "12:00-17:59", "18:00-23:59"};
    QTest::newRow("4") << 4 << 6 << QStringList{"00:00-03:59", "04:00-07:59", "08:00-11:59",
                                                "12:00-15:59", "16:00-19:59", "20:00-23:59"};
    QTest::newRow("5") << 5 << 12
                       << QStringList{"00:00-01:59", "02:00-03:59", "04:00-05:59", "06:00-07:59",
                                      "08:00-09:59", "10:00-11:59", "12:00-13:59", "14:00-15:59",
                                      "16:00-17:59", "18:00-19:59", "20:00-21:59", "22:00-23:59"};
}

void tst_IntervalLayout::captions()
{
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(QStringList, rows);
    QCOMPARE(IntervalLayout::intervalCount(position), count);
    QStringList actual;
    for (int row = 0; row < count; ++row)
        actual << IntervalLayout::startCaption(count, row) + '-' +
                      IntervalLayout::endCaption(count, row);
    QCOMPARE(actual, rows);
}

void tst_IntervalLayout::positionForValueCount_data()
{
    QTest::addColumn<int>("values");
    QTest::addColumn<int>("position"); // -1: the slider stays
    const int expected[] = {-1, 0, 1, 2, 3, 4, 4, -1, -1, -1, -1, -1, 5, -1};
    for (int values = 0; values <= 13; ++values)
        QTest::addRow("%d values", values) << values << expected[values];
}

void tst_IntervalLayout::positionForValueCount()
{
    QFETCH(int, values);
    QFETCH(int, position);
    QCOMPARE(IntervalLayout::positionForValueCount(values).value_or(-1), position);
}

QTEST_GUILESS_MAIN(tst_IntervalLayout)
#include "tst_intervallayout.moc"
