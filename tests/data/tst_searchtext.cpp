// What the lists' search finds, and the groups the lists show their entries under.
#include "data/entrygroups.h"
#include "data/searchtext.h"

#include <QTest>

class TestSearchText : public QObject
{
    Q_OBJECT

private slots:
    void folds_data();
    void folds();
    void matches_data();
    void matches();
    void groupsByIndicator();
};

void TestSearchText::folds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");

    QTest::newRow("accents and capitals") << "São Paulo"
                                          << "sao paulo";
    QTest::newRow("every Portuguese accent") << "ÁÀÂÃÉÊÍÓÔÕÚÜÇ áàâãéêíóôõúüç"
                                             << "aaaaeeiooouuc aaaaeeiooouuc";
    QTest::newRow("composed and decomposed alike") << QString::fromUtf8("Feminic\xc3\xad") + "dios"
                                                   << "feminicidios";
    QTest::newRow("decomposed") << QString::fromUtf8("Feminici\xcc\x81") + "dios"
                                << "feminicidios";
    QTest::newRow("figures and signs kept") << "Roubos   11110,33 (SSP-SP)"
                                            << "roubos   11110,33 (ssp-sp)";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSearchText::folds()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(foldForSearch(text), folded);
}

void TestSearchText::matches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("found");

    const QString bahia = QStringLiteral("Feminicídios na Bahia Feminicídios");
    QTest::newRow("start of a word") << bahia << "femin" << true;
    QTest::newRow("capitals") << bahia << "BAHIA" << true;
    QTest::newRow("accent typed, none written") << "Homicidios em São Paulo"
                                                << "homicídios" << true;
    QTest::newRow("no accent typed") << "Estupros em São Paulo"
                                     << "sao paulo" << true;
    QTest::newRow("every word, any order") << bahia << "bahia  femin" << true;
    QTest::newRow("one word missing") << bahia << "femin sergipe" << false;
    QTest::newRow("blank query: everything") << bahia << "   " << true;
    QTest::newRow("empty query: everything") << bahia << "" << true;
    QTest::newRow("words are not joined across a blank") << "São Paulo"
                                                         << "saopaulo" << false;
}

void TestSearchText::matches()
{
    QFETCH(QString, text);
    QFETCH(QString, query);
    QFETCH(bool, found);
    QCOMPARE(matchesSearch(text, query), found);
}

// Groups in the order their first entry stands in the file; the entries keep file order.
void TestSearchText::groupsByIndicator()
{
    const SourcesTable sources = readSources(
        QByteArray("\"Roubos\",\"cidade\",\"SSP\",\"2023\",\"n\",\"\",\"roubos\"\n"
                   "\"Estupros SP\",\"estado\",\"SSP\",\"2022\",\"n\",\"\",\"estupros\"\n"
                   "\"Fem BA\",\"Bahia\",\"FBSP\",\"2024\",\"n\",\"1,5\",\"feminic\xc3\xad"
                   "dios\",\"mulheres\"\n"
                   "\"Estupros BR\",\"Brasil\",\"FBSP\",\"2024\",\"n\",\"41,2\",\" estupros \"\n"));
    const QStringList names{"Exemplo", "Roubos",    "Estupros SP",
                            "Fem BA",  "Sem fonte", "Estupros BR"};
    const QList<EntryGroup> groups = groupByIndicator(names, sources);
    QCOMPARE(groups.size(), 4);
    QCOMPARE(groups[0].heading, "Outras entradas");
    QCOMPARE(groups[0].entries, QList<qsizetype>({0, 4}));
    QCOMPARE(groups[1].heading, "Roubos");
    QCOMPARE(groups[1].entries, QList<qsizetype>({1}));
    QCOMPARE(groups[2].heading, "Estupros");
    QCOMPARE(groups[2].entries, QList<qsizetype>({2, 5}));
    QCOMPARE(groups[3].heading, "Feminicídios");
    QCOMPARE(groups[3].entries, QList<qsizetype>({3}));
    QVERIFY(groupByIndicator({}, sources).isEmpty());
}

QTEST_GUILESS_MAIN(TestSearchText)
#include "tst_searchtext.moc"
