// QuorvelFontes.txt: the source and year of each incidence entry.
#include "data/incidencereader.h"
#include "data/sourcesreader.h"

#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestSourcesReader : public QObject
{
    Q_OBJECT

private slots:
    void readsFixtureFiles_data();
    void readsFixtureFiles();
    void readsLineEnds_data();
    void readsLineEnds();
    void missingOrUnreadableFileIsEmpty();
    void namesAreComparedExactly();
    void readsRateAndIndicator_data();
    void readsRateAndIndicator();
    void formatsTheSourceLine_data();
    void formatsTheSourceLine();
    void formatsTheRate_data();
    void formatsTheRate();
    void rateSaysWhoseItIs();
    void shippedSourcesNameEveryShippedEntry();
};

void TestSourcesReader::readsFixtureFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("skipped");
    QTest::addColumn<QString>("checkedName");
    QTest::addColumn<QStringList>("checkedFields"); // place, source, year, note

    const QStringList valid = {"Bahia", "Homicidios em São Paulo",
                               "Latrocínios na cidade de São Paulo"};
    const QStringList bahia = {"Bahia", "Anuário Brasileiro de Segurança Pública 2023 (FBSP)",
                               "2022", "MVI, todo o estado"};
    QTest::newRow("Windows-1252, CR LF")
        << "fontes_valida_1252.txt" << valid << QList<int>() << "Bahia" << bahia;
    QTest::newRow("UTF-8, LF") << "fontes_valida_utf8.txt" << valid << QList<int>()
                               << "Latrocínios na cidade de São Paulo"
                               << QStringList{"cidade de São Paulo", "SSP-SP", "2023", ""};

    // Line 2 repeats Bahia (the first wins), 3 and 9 lack a field, 4 is blank, 5 names no
    // entry, 6 has nine items (one more than the rate, what is counted and whose rate it is), 7 and
    // 10 have broken quotes, 11 gives neither a source nor a note; an unknown name (8) is kept, as
    // the reader cannot know the lists; the last line has no line end.
    const QStringList kept = {"Bahia", "Cidade Inventada", "Tocantins"};
    const QList<int> skipped = {2, 3, 5, 6, 7, 9, 10, 11};
    const QStringList first = {"Bahia", "FBSP", "2022", "primeira"};
    QTest::newRow("bad lines, UTF-8, CR LF")
        << "fontes_ruins_utf8.txt" << kept << skipped << "Bahia" << first;
    QTest::newRow("bad lines, Windows-1252, LF")
        << "fontes_ruins_1252.txt" << kept << skipped << "Tocantins"
        << QStringList{"Tocantins", "FBSP", "2022", "última, sem fim de linha"};
}

void TestSourcesReader::readsFixtureFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, skipped);
    QFETCH(QString, checkedName);
    QFETCH(QStringList, checkedFields);

    const SourcesTable table = readSourcesFile(QDir(QUORVEL_TEST_DATA).filePath(file));
    QCOMPARE(table.names(), names);
    QCOMPARE(table.size(), names.size());
    QCOMPARE(table.skippedLines(), skipped);
    const std::optional<EntrySource> source = table.find(checkedName);
    QVERIFY(source);
    QCOMPARE(QStringList({source->place, source->source, source->year, source->note}),
             checkedFields);
    for (const char *absent : {"Ceará", "Pará", "Goiás", "Sergipe", "Roraima", "Amapá", ""})
        QVERIFY2(!table.find(QString::fromUtf8(absent)), absent);
}

void TestSourcesReader::readsLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("CR") << QByteArray(
        "\"A\",\"a\",\"F\",\"1\",\"n\"\r\"B\",\"b\",\"G\",\"2\",\"\"\r");
    QTest::newRow("mixed, blank lines")
        << QByteArray("\r\n\"A\",\"a\",\"F\",\"1\",\"n\"\n\n\"B\",\"b\",\"G\",\"2\",\"\"\r\n\r\n");
    QTest::newRow("unquoted, blanks around, trailing comma")
        << QByteArray("  A , a,F ,1,\t\"n\"  ,\r\nB,b,G,2,\"\"");
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xef\xbb\xbf\"A\",\"a\",\"F\",\"1\",\"n\"\n\"B\",\"b\",\"G\",\"2\",\"\"");
}

void TestSourcesReader::readsLineEnds()
{
    QFETCH(QByteArray, bytes);

    const SourcesTable table = readSources(bytes);
    QCOMPARE(table.names(), QStringList({"A", "B"}));
    QVERIFY(table.skippedLines().isEmpty());
    QCOMPARE(table.find("A")->note, QStringLiteral("n"));
    QCOMPARE(table.find("B")->year, QStringLiteral("2"));
    QCOMPARE(table.find("B")->source, QStringLiteral("G"));
}

void TestSourcesReader::missingOrUnreadableFileIsEmpty()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(readSourcesFile(dir.filePath(sourcesFileName())).isEmpty());
    QVERIFY(readSourcesFile(dir.path()).isEmpty()); // a folder, not a file
    QVERIFY(readSources(QByteArray()).isEmpty());
    QVERIFY(readSources(QByteArray("\0\xff\xfe\"\r\n,,,,\"", 10)).isEmpty());
}

// The same comparison as the pattern lookup: no folding of case, accents or spaces.
void TestSourcesReader::namesAreComparedExactly()
{
    const SourcesTable table = readSources(QByteArray("\"S\xe3o Paulo\",\"SP\",\"F\",\"1\",\"\""));
    QVERIFY(table.find(QStringLiteral("São Paulo")));
    QVERIFY(!table.find(QStringLiteral("são Paulo")));
    QVERIFY(!table.find(QStringLiteral("Sao Paulo")));
    QVERIFY(!table.find(QStringLiteral("São Paulo ")));
}

// The sixth item (rate per 100,000) and the seventh (what the line counts) are optional.
void TestSourcesReader::readsRateAndIndicator_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<double>("rate"); // -1: no rate
    QTest::addColumn<QString>("indicator");

    const QByteArray five = "\"Bahia\",\"Bahia\",\"FBSP\",\"2024\",\"6036 no ano de 2024\"";
    QTest::newRow("five items") << five << true << -1.0 << "";
    QTest::newRow("rate with a comma") << five + ",\"40,6\"" << true << 40.6 << "";
    QTest::newRow("rate with a point") << five + ",\"40.6\"" << true << 40.6 << "";
    QTest::newRow("whole rate, unquoted, blanks") << five + ", 8 " << true << 8.0 << "";
    QTest::newRow("quoted rate with blanks") << five + ",\" 8,25 \"" << true << 8.25 << "";
    QTest::newRow("rate and indicator") << five + ",\"40,6\",\"mortes violentas intencionais\""
                                        << true << 40.6 << "mortes violentas intencionais";
    QTest::newRow("empty rate, indicator") << five + ",\"\",\"roubos de ve\xc3\xad"
                                                     "culos\""
                                           << true << -1.0 << "roubos de veículos";
    QTest::newRow("empty rate and indicator") << five + ",\"\",\"\"" << true << -1.0 << "";
    QTest::newRow("word for a rate") << five + ",\"n/d\",\"roubos\"" << true << -1.0 << "roubos";
    QTest::newRow("rate with a unit") << five + ",\"40,6%\"" << true << -1.0 << "";
    QTest::newRow("two separators") << five + ",\"1.234,5\"" << true << -1.0 << "";
    QTest::newRow("negative rate") << five + ",\"-3\"" << true << -1.0 << "";
    QTest::newRow("exponent") << five + ",\"1e3\"" << true << -1.0 << "";
    QTest::newRow("separator without a decimal") << five + ",\"40,\"" << true << -1.0 << "";
    QTest::newRow("no whole part") << five + ",\",5\"" << true << -1.0 << "";
    QTest::newRow("infinity") << five + ",\"inf\"" << true << -1.0 << "";
    QTest::newRow("400 digits") << five + ",\"" + QByteArray(400, '9') + "\"" << true << -1.0 << "";
    QTest::newRow("eight items: whose rate") << five + ",\"1,5\",\"feminic\xc3\xad"
                                                       "dios\",\"mulheres\""
                                             << true << 1.5 << "feminicídios";
    QTest::newRow("nine items") << five + ",\"40,6\",\"mvi\",\"mulheres\",\"a mais\"" << false
                                << -1.0 << "";
    QTest::newRow("four items") << QByteArray("\"Bahia\",\"Bahia\",\"FBSP\",\"2024\"") << false
                                << -1.0 << "";
}

void TestSourcesReader::readsRateAndIndicator()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, kept);
    QFETCH(double, rate);
    QFETCH(QString, indicator);

    // The line between two ordinary ones: it never takes a neighbour's items.
    const QByteArray bytes = "\"A\",\"a\",\"F\",\"1\",\"n\"\r\n" + line +
                             "\r\n\"B\",\"b\",\"G\",\"2\",\"\",\"3,5\",\"furtos\"\r\n";
    const SourcesTable table = readSources(bytes);
    QCOMPARE(table.names(), kept ? QStringList({"A", "Bahia", "B"}) : QStringList({"A", "B"}));
    QCOMPARE(table.skippedLines(), kept ? QList<int>() : QList<int>{2});
    QCOMPARE(table.find("B")->ratePer100k, std::optional<double>(3.5));
    QCOMPARE(table.find("B")->indicator, QStringLiteral("furtos"));
    QVERIFY(!table.find("A")->ratePer100k);
    QVERIFY(table.find("A")->indicator.isEmpty());
    if (!kept)
        return;
    const EntrySource bahia = *table.find("Bahia");
    QCOMPARE(bahia.source, QStringLiteral("FBSP"));
    QCOMPARE(bahia.note, QStringLiteral("6036 no ano de 2024"));
    QCOMPARE(bahia.ratePer100k.has_value(), rate >= 0);
    if (rate >= 0)
        QCOMPARE(*bahia.ratePer100k, rate);
    QCOMPARE(bahia.indicator, indicator);
}

void TestSourcesReader::formatsTheSourceLine_data()
{
    QTest::addColumn<QStringList>("fields"); // place, source, year, note
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("details");

    QTest::newRow("source and year")
        << QStringList{"Bahia", "Anuário Brasileiro de Segurança Pública 2023 (FBSP)", "2022",
                       "MVI, todo o estado"}
        << "Fonte: Anuário Brasileiro de Segurança Pública 2023 (FBSP), dados de 2022"
        << "Fonte: Anuário Brasileiro de Segurança Pública 2023 (FBSP), dados de 2022\n"
           "Local: Bahia\nMVI, todo o estado";
    QTest::newRow("no year, no place") << QStringList{"", "SSP-SP", "", ""} << "Fonte: SSP-SP"
                                       << "Fonte: SSP-SP";
    QTest::newRow("note alone: the example line")
        << QStringList{"São Paulo", "", "", "Linha de exemplo, não é um número publicado"}
        << "Linha de exemplo, não é um número publicado"
        << "Linha de exemplo, não é um número publicado\nLocal: São Paulo";
}

void TestSourcesReader::formatsTheSourceLine()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, line);
    QFETCH(QString, details);

    const EntrySource source{fields[0], fields[1], fields[2], fields[3], {}, {}, {}};
    QCOMPARE(sourceLine(source), line);
    QCOMPARE(sourceDetails(source), details);
}

// The rate with the user's decimal separator, beside the source line and in its tooltip.
void TestSourcesReader::formatsTheRate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("rate"); // -1: no rate
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("rateText");
    QTest::addColumn<QString>("withRate");

    const QString bahia =
        QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de ");
    QTest::newRow("Brazilian decimal comma")
        << "pt_BR" << 40.6 << "2024"
        << "taxa de 40,6 por 100 mil habitantes em 2024"
        << bahia + "2024; taxa de 40,6 por 100 mil habitantes em 2024";
    QTest::newRow("English decimal point")
        << "en_US" << 40.6 << "2024"
        << "taxa de 40.6 por 100 mil habitantes em 2024"
        << bahia + "2024; taxa de 40.6 por 100 mil habitantes em 2024";
    QTest::newRow("a whole rate keeps one decimal")
        << "pt_BR" << 15.0 << "2024"
        << "taxa de 15,0 por 100 mil habitantes em 2024"
        << bahia + "2024; taxa de 15,0 por 100 mil habitantes em 2024";
    QTest::newRow("two decimals as written")
        << "pt_BR" << 8.25 << "2024"
        << "taxa de 8,25 por 100 mil habitantes em 2024"
        << bahia + "2024; taxa de 8,25 por 100 mil habitantes em 2024";
    QTest::newRow("no year") << "pt_BR" << 20.8 << ""
                             << "taxa de 20,8 por 100 mil habitantes"
                             << "Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP); "
                                "taxa de 20,8 por 100 mil habitantes";
    QTest::newRow("no rate") << "pt_BR" << -1.0 << "2022"
                             << "" << bahia + "2022";
}

void TestSourcesReader::formatsTheRate()
{
    QFETCH(QString, locale);
    QFETCH(double, rate);
    QFETCH(QString, year);
    QFETCH(QString, rateText);
    QFETCH(QString, withRate);

    EntrySource source{"Bahia", "Anuário Brasileiro de Segurança Pública 2025 (FBSP)",
                       year,    "MVI, todo o estado",
                       {},      "mortes violentas intencionais",
                       {}};
    if (rate >= 0)
        source.ratePer100k = rate;
    const QLocale shown(locale);
    QCOMPARE(::rateText(source, shown), rateText);
    QCOMPARE(sourceLineWithRate(source, shown), withRate);
    // The tooltip gives the rate on a line of its own, after the source line.
    const QStringList details = sourceDetails(source, shown).split(u'\n');
    QCOMPARE(details.front(), sourceLine(source));
    if (rate >= 0)
        QCOMPARE(details.at(1), "T" + rateText.mid(1));
    QVERIFY(!details.join(u' ').contains(QStringLiteral("axa")) || rate >= 0);
}

// A feminicide rate is per 100,000 women: the eighth item says so, and the rate's text with it.
void TestSourcesReader::rateSaysWhoseItIs()
{
    const SourcesTable table = readSources(QByteArray(
        "\"Feminic\xc3\xad\x64ios na Bahia\",\"Bahia\",\"FBSP\",\"2024\",\"111 no ano de 2024\","
        "\"1,5\",\"feminic\xc3\xad\x64ios\",\" mulheres \"\n"
        "\"Bahia\",\"Bahia\",\"FBSP\",\"2024\",\"6036 no ano de 2024\",\"40,6\",\"mvi\",\"\"\n"));
    QVERIFY(table.skippedLines().isEmpty());
    const QLocale brazilian(QLocale::Portuguese, QLocale::Brazil);
    QCOMPARE(sourceLineWithRate(*table.find("Feminicídios na Bahia"), brazilian),
             "Fonte: FBSP, dados de 2024; taxa de 1,5 por 100 mil mulheres em 2024");
    // An empty eighth item is the inhabitants, as a line without it.
    QCOMPARE(rateText(*table.find("Bahia"), brazilian),
             "taxa de 40,6 por 100 mil habitantes em 2024");
}

// Every shipped entry carries its source, and the sources file names nothing else.
void TestSourcesReader::shippedSourcesNameEveryShippedEntry()
{
    const QDir data(QDir(QUORVEL_ASSETS).filePath("data"));
    const IncidenceReading crimes = readIncidenceFile(data.filePath("QuorvelParametros.txt"));
    const IncidenceReading states = readIncidenceFile(data.filePath("Quorvelhomicidios.txt"));
    QVERIFY(!crimes.failed() && !states.failed());

    // Kept as the other data files are: Windows-1252, every line ended by CR LF.
    const QByteArray bytes = readBytes(data.filePath(sourcesFileName()));
    const int entries = int(crimes.size() + states.size());
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), entries);
    QCOMPARE(bytes.count('\n'), entries);
    QCOMPARE(decodeText(bytes).encoding, TextEncoding::Windows1252);

    const SourcesTable table = readSourcesFile(data.filePath(sourcesFileName()));
    QVERIFY(table.skippedLines().isEmpty());
    QCOMPARE(table.names(), crimes.names + states.names);

    // The states and Brazil from the 2025 edition, with 2024 figures; the four states whose
    // 2024 count was not at hand keep the 2023 edition's figures, of their own year.
    const QString older = QStringLiteral("Anuário Brasileiro de Segurança Pública 2023 (FBSP)");
    const QString newest = QStringLiteral("Anuário Brasileiro de Segurança Pública 2025 (FBSP)");
    const QHash<QString, QString> keptYears = {
        {"Ceará", "2022"}, {"Distrito Federal", "2023"}, {"Roraima", "2022"}, {"Sergipe", "2022"}};
    for (const QString &state : states.names) {
        const EntrySource source = *table.find(state);
        const bool kept = keptYears.contains(state);
        QCOMPARE(source.source, kept ? older : newest);
        QCOMPARE(source.year, kept ? keptYears.value(state) : QStringLiteral("2024"));
        QVERIFY2(source.note.contains(state == QStringLiteral("Brasil") ? "país" : "estado") ||
                     state == QStringLiteral("Distrito Federal"),
                 qPrintable(state));
        // A rate only where it is of the count's year; every state says what it counts.
        QCOMPARE(source.ratePer100k.has_value(), !kept);
        QCOMPARE(source.indicator, QStringLiteral("mortes violentas intencionais"));
    }
    QCOMPARE(sourceLine(*table.find("Bahia")),
             "Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024");
    QCOMPARE(sourceLine(*table.find("Ceará")),
             "Fonte: Anuário Brasileiro de Segurança Pública 2023 (FBSP), dados de 2022");

    // The program's example line says that it is one; the other crimes say city or state.
    const EntrySource example = *table.find(crimes.names.front());
    QCOMPARE(crimes.names.front(), QStringLiteral("Homicidios em São Paulo"));
    QVERIFY(example.source.isEmpty());
    QVERIFY(example.indicator.isEmpty());
    QVERIFY(!example.ratePer100k);
    QVERIFY(sourceLine(example).contains("exemplo"));
    QVERIFY(sourceLine(example).contains("não é um número publicado"));
    for (const QString &crime : crimes.names.mid(1)) {
        const EntrySource source = *table.find(crime);
        // The Anuário's lines of 2024 are checked with the shipped data.
        if (source.year == QLatin1String("2024"))
            continue;
        QVERIFY2(source.source.contains("(SSP-SP)"), qPrintable(crime));
        QVERIFY2(source.year == "2022" || source.year == "2023", qPrintable(crime));
        const bool city = crime.contains("na cidade de São Paulo");
        QVERIFY2(city != crime.contains("no estado de São Paulo"), qPrintable(crime));
        QCOMPARE(source.place, city ? "cidade de São Paulo" : "estado de São Paulo");
        QVERIFY2(source.note.contains(city ? "cidade" : "estado"), qPrintable(crime));
        QVERIFY(!source.ratePer100k);
        // What is counted, as a sentence says it: the crime's name in small letters.
        QVERIFY2(!source.indicator.isEmpty() &&
                     crime.startsWith(source.indicator.left(1).toUpper()) &&
                     crime.contains(source.indicator.mid(1)),
                 qPrintable(crime));
    }
}

QTEST_GUILESS_MAIN(TestSourcesReader)
#include "tst_sourcesreader.moc"
