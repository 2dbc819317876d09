// --entrada NOME and --listar: a name typed is found by its exact name first, then ignoring
// case and accents; the listing gives every entry with its source, one a line.
#include "data/entrylisting.h"
#include "data/entrymatching.h"

#include <QTest>

namespace {

// The crime list, then the states: "Bahia" is in both, and two names differ by an accent.
const QStringList kNames{
    "Homicidios em São Paulo", "Roubos", "Bahia", "Sao Paulo", "Bahia", "São Paulo", "Acre", ""};

} // namespace

class TestEntryMatching : public QObject
{
    Q_OBJECT

private slots:
    void matchesTypedName_data();
    void matchesTypedName();
    void listsEveryEntry();
};

void TestEntryMatching::matchesTypedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("ambiguous");
    QTest::addColumn<QStringList>("closest");

    QTest::newRow("exact") << "Bahia"
                           << "Bahia" << QStringList() << QStringList();
    QTest::newRow("lower case, in both lists: one name")
        << "bahia"
        << "Bahia" << QStringList() << QStringList();
    QTest::newRow("capitals") << "ACRE"
                              << "Acre" << QStringList() << QStringList();
    QTest::newRow("without accents") << "homicidios em sao paulo"
                                     << "Homicidios em São Paulo" << QStringList() << QStringList();
    QTest::newRow("with an accent it lacks") << "Roubós"
                                             << "Roubos" << QStringList() << QStringList();
    QTest::newRow("blanks around and doubled")
        << "  homicidios  em são paulo "
        << "Homicidios em São Paulo" << QStringList() << QStringList();
    // Exact wins over two loose matches.
    QTest::newRow("exact among look-alikes") << "Sao Paulo"
                                             << "Sao Paulo" << QStringList() << QStringList();
    QTest::newRow("ambiguous") << "são paulo"
                               << "" << QStringList{"Sao Paulo", "São Paulo"} << QStringList();
    // Names holding "paulo" first (the two of 4 changes, then the long one), then the rest by
    // changes, 4 each, in file order.
    QTest::newRow("unknown: closest names")
        << "paulo"
        << "" << QStringList()
        << QStringList{"Sao Paulo", "São Paulo", "Homicidios em São Paulo", "Roubos", "Bahia"};
    QTest::newRow("a letter more")
        << "Acree"
        << "" << QStringList() << QStringList{"Acre", "Bahia", "Roubos", "Sao Paulo", "São Paulo"};
    QTest::newRow("nothing typed") << ""
                                   << "" << QStringList() << QStringList();
}

void TestEntryMatching::matchesTypedName()
{
    QFETCH(QString, typed);
    const EntryNameMatch match = matchEntryName(typed, kNames);
    QTEST(match.name, "name");
    QTEST(match.ambiguous, "ambiguous");
    QTEST(match.closest, "closest");
}

void TestEntryMatching::listsEveryEntry()
{
    const IncidenceReading crimes = readIncidences(
        QStringView(u"\"Roubos\",\"11110\"\r\n\"Meu\tcrime\",\"12,5\"\r\n\"\",\"3\"\r\n"));
    const IncidenceReading states = readIncidences(QStringView(u"\"Bahia\",\"503\"\r\n"));
    const SourcesTable sources = readSources(
        QStringView(u"\"Bahia\",\"Bahia\",\"Anuário Brasileiro de Segurança Pública 2025 (FBSP)\","
                    u"\"2024\",\"\",\"40,6\",\"mortes violentas intencionais\"\r\n"));
    QCOMPARE(entryListing(crimes, states, sources),
             QStringLiteral("Roubos\t11110\t\t\t\t\n"
                            "Meu crime\t12,5\t\t\t\t\n"
                            "Bahia\t503\tmortes violentas intencionais\tBahia\t2024\t"
                            "Anuário Brasileiro de Segurança Pública 2025 (FBSP)\n"));
}

QTEST_GUILESS_MAIN(TestEntryMatching)
#include "tst_entrymatching.moc"
