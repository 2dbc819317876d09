#include "distribution/patternlookup.h"

#include <QTest>

class TestPatternLookup : public QObject
{
    Q_OBJECT

private slots:
    void findsFirstExactName_data();
    void findsFirstExactName();
};

void TestPatternLookup::findsFirstExactName_data()
{
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<qsizetype>("index");

    const QStringList stored = {"Roubos", "Furtos", "Homicidios em São Paulo", "Furtos"};
    QTest::newRow("second of the list") << stored << "Furtos" << qsizetype(1);
    QTest::newRow("accents") << stored << "Homicidios em São Paulo" << qsizetype(2);
    QTest::newRow("first of duplicates wins")
        << QStringList{"Furtos", "Furtos"} << "Furtos" << qsizetype(0);
    QTest::newRow("case differs") << stored << "roubos" << qsizetype(-1);
    QTest::newRow("trailing space") << stored << "Roubos " << qsizetype(-1);
    QTest::newRow("accent folded") << stored << "Homicidios em Sao Paulo" << qsizetype(-1);
    QTest::newRow("no patterns") << QStringList() << "Roubos" << qsizetype(-1);
    QTest::newRow("empty name matches no stored name") << stored << "" << qsizetype(-1);
}

void TestPatternLookup::findsFirstExactName()
{
    QFETCH(QStringList, patterns);
    QFETCH(QString, chosen);
    QFETCH(qsizetype, index);
    QCOMPARE(findPatternByName(patterns, chosen), index);
}

QTEST_GUILESS_MAIN(TestPatternLookup)
#include "tst_patternlookup.moc"
