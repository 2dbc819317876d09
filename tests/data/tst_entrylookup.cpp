// --entrada NOME: the entry is found by its exact name in either incidence file.
#include "data/entrylookup.h"

#include "core/rates.h"

#include <QDir>
#include <QTest>

namespace {

IncidenceReading parametros()
{
    return readIncidences(QByteArray("\"Homicidios em S\xe3o Paulo\",\"937\"\r\n"
                                     "\"Roubos\",\"11110\"\r\n"
                                     "\"Bahia\",\"7\"\r\n"
                                     "\"Roubos\",\"99\"\r\n"
                                     "\"Furtos\",\"muitos\"\r\n"
                                     "\"Estelionatos\",\"3000000\"\r\n"
                                     "\"Latroc\xednios\",\" 4\"\r\n"
                                     "\"Sergipe\",\"0,83\"\r\n"
                                     "\"Estupros\",\"0,833\"\r\n"));
}

IncidenceReading homicidios()
{
    // A blank line in the middle shifts the pairing (an entry with no name) and the reading
    // then fails at the end: the entries before the failure still count.
    return readIncidences(QByteArray("\"Bahia\",\"555\"\r\n\"S\xe3o Paulo\",\"311\"\r\n\r\n"
                                     "\"Acre\",\"20\"\r\n"));
}

} // namespace

class TestEntryLookup : public QObject
{
    Q_OBJECT

private slots:
    void findsByExactName_data();
    void findsByExactName();
    void findsEveryShippedEntry();
};

void TestEntryLookup::findsByExactName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("list"); // -1: not found
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("monthly");
    QTest::addColumn<QString>("error");

    const int crimes = int(EntryList::Parametros);
    const int states = int(EntryList::Homicidios);
    QTest::newRow("example line") << "Homicidios em São Paulo" << crimes << 0 << 937.0 << "";
    QTest::newRow("a state") << "São Paulo" << states << 1 << 311.0 << "";
    QTest::newRow("in both: the crime list first") << "Bahia" << crimes << 2 << 7.0 << "";
    QTest::newRow("twice: the first") << "Roubos" << crimes << 1 << 11110.0 << "";
    QTest::newRow("blanks around the figure") << "Latrocínios" << crimes << 6 << 4.0 << "";
    QTest::newRow("ten a year") << "Sergipe" << crimes << 7 << 0.83 << "";
    QTest::newRow("lower case") << "são paulo" << -1 << 0 << 0.0
                                << "Entrada desconhecida: são paulo";
    QTest::newRow("no accent") << "Sao Paulo" << -1 << 0 << 0.0
                               << "Entrada desconhecida: Sao Paulo";
    QTest::newRow("trailing blank") << "Bahia " << -1 << 0 << 0.0 << "Entrada desconhecida: Bahia ";
    QTest::newRow("no name") << "" << -1 << 0 << 0.0 << "Entrada desconhecida: ";
    QTest::newRow("a figure is no name") << "311" << -1 << 0 << 0.0 << "Entrada desconhecida: 311";
    QTest::newRow("after the failure") << "20" << -1 << 0 << 0.0 << "Entrada desconhecida: 20";
    QTest::newRow("not a figure")
        << "Furtos" << -1 << 0 << 0.0
        << "A entrada \"Furtos\" não tem um número mensal de 0 a 2999970, com até duas casas "
           "decimais: \"muitos\"";
    QTest::newRow("too large")
        << "Estelionatos" << -1 << 0 << 0.0
        << "A entrada \"Estelionatos\" não tem um número mensal de 0 a 2999970, com até duas "
           "casas decimais: \"3000000\"";
    QTest::newRow("three decimals")
        << "Estupros" << -1 << 0 << 0.0
        << "A entrada \"Estupros\" não tem um número mensal de 0 a 2999970, com até duas casas "
           "decimais: \"0,833\"";
}

void TestEntryLookup::findsByExactName()
{
    QFETCH(QString, name);
    QFETCH(int, list);
    QFETCH(int, index);
    QFETCH(double, monthly);
    QFETCH(QString, error);

    const EntryLookup lookup = findEntry(name, parametros(), homicidios());
    QCOMPARE(lookup.error, error);
    QCOMPARE(lookup.entry.has_value(), list >= 0);
    if (!lookup.entry)
        return;
    QCOMPARE(int(lookup.entry->list), list);
    QCOMPARE(lookup.entry->index, index);
    QCOMPARE(lookup.entry->monthly, monthly);
    QCOMPARE(lookup.entry->name, name);
}

void TestEntryLookup::findsEveryShippedEntry()
{
    const QDir data(QDir(QUORVEL_ASSETS).filePath("data"));
    const IncidenceReading crimes = readIncidenceFile(data.filePath("QuorvelParametros.txt"));
    const IncidenceReading states = readIncidenceFile(data.filePath("Quorvelhomicidios.txt"));
    QVERIFY(crimes.size() > 0 && states.size() > 0);
    for (const auto &[reading, list] :
         {std::pair{&crimes, EntryList::Parametros}, std::pair{&states, EntryList::Homicidios}}) {
        for (qsizetype i = 0; i < reading->size(); ++i) {
            const EntryLookup lookup = findEntry(reading->names[i], crimes, states);
            QVERIFY2(lookup.entry, qPrintable(lookup.error));
            QCOMPARE(lookup.entry->list, list);
            QCOMPARE(lookup.entry->index, i);
            // The files write their figures as the window shows them.
            QCOMPARE(monthlyFigureText(lookup.entry->monthly), reading->quantities[i]);
        }
    }
}

QTEST_GUILESS_MAIN(TestEntryLookup)
#include "tst_entrylookup.moc"
