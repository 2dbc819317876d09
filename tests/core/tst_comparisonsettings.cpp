// The last comparison kept for next time: written and read back, and a damaged or hand-edited
// file read for what it still holds, never refused whole.
#include "core/comparisonsettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestComparisonSettings : public QObject
{
    Q_OBJECT

private slots:
    void keptAndReadBack();
    void damagedFile_data();
    void damagedFile();
    void unwritableFolder();
};

void TestComparisonSettings::keptAndReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/comparacao.ini"));
    QCOMPARE(loadComparison(path), Comparison()); // none yet
    const Comparison kept{{CounterChoice::entry(QStringLiteral("São Paulo")),
                           CounterChoice::typed(937),
                           CounterChoice::entry(QStringLiteral("Roubos, furtos e \"outros\""))},
                          AccumulationMode::Ano};
    QVERIFY(saveComparison(path, kept));
    QCOMPARE(loadComparison(path), kept);
}

void TestComparisonSettings::damagedFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("mode");

    QTest::newRow("unknown kinds and bad figures left out")
        << QByteArray("[comparacao]\ncontadores=entrada:Bahia, cidade:Recife, mensal:-5, "
                      "mensal:12, mensal:99999999, entrada:\nmodo=mes\n")
        << QStringList{"entrada:Bahia", "mensal:12"} << int(AccumulationMode::Mes);
    QTest::newRow("more than six: the first six")
        << QByteArray("[comparacao]\ncontadores=mensal:1, mensal:2, mensal:3, mensal:4, "
                      "mensal:5, mensal:6, mensal:7\nmodo=ano\n")
        << QStringList{"mensal:1", "mensal:2", "mensal:3", "mensal:4", "mensal:5", "mensal:6"}
        << int(AccumulationMode::Ano);
    QTest::newRow("unknown mode: the day's")
        << QByteArray("[comparacao]\ncontadores=entrada:Brasil\nmodo=semana\n")
        << QStringList{"entrada:Brasil"} << int(AccumulationMode::Dia);
    QTest::newRow("not a settings file") << QByteArray("\x00\xff\xfe garbage \n[[[\n=\n", 18)
                                         << QStringList() << int(AccumulationMode::Dia);
}

void TestComparisonSettings::damagedFile()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, choices);
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("comparacao.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    const Comparison read = loadComparison(path);
    QStringList given;
    for (const CounterChoice &choice : read.choices)
        given.append(choice.toSetting());
    QCOMPARE(given, choices);
    QCOMPARE(int(read.mode), mode);
}

void TestComparisonSettings::unwritableFolder()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("config")));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    QVERIFY(!saveComparison(dir.filePath(QStringLiteral("config/comparacao.ini")),
                            {{CounterChoice::typed(1), CounterChoice::typed(2)}}));
}

QTEST_GUILESS_MAIN(TestComparisonSettings)
#include "tst_comparisonsettings.moc"
