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
    void formatsTheSourceLine_data();
    void formatsTheSourceLine();
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
    // entry, 6 has a field too many, 7 and 10 have broken quotes, 11 gives neither a source
    // nor a note; an unknown name (8) is kept, as the reader cannot know the lists; the last
    // line has no line end.
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

    const EntrySource source{fields[0], fields[1], fields[2], fields[3]};
    QCOMPARE(sourceLine(source), line);
    QCOMPARE(sourceDetails(source), details);
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

    const QString fbsp = QStringLiteral("Anuário Brasileiro de Segurança Pública 2023 (FBSP)");
    for (const QString &state : states.names) {
        const EntrySource source = *table.find(state);
        QCOMPARE(source.source, fbsp);
        QCOMPARE(source.year, state == QStringLiteral("Distrito Federal") ? "2023" : "2022");
        QVERIFY2(source.note.contains(state == QStringLiteral("Brasil") ? "país" : "estado") ||
                     state == QStringLiteral("Distrito Federal"),
                 qPrintable(state));
    }
    QCOMPARE(sourceLine(*table.find("Bahia")),
             "Fonte: Anuário Brasileiro de Segurança Pública 2023 (FBSP), dados de 2022");

    // The program's example line says that it is one; the other crimes say city or state.
    const EntrySource example = *table.find(crimes.names.front());
    QCOMPARE(crimes.names.front(), QStringLiteral("Homicidios em São Paulo"));
    QVERIFY(example.source.isEmpty());
    QVERIFY(sourceLine(example).contains("exemplo"));
    QVERIFY(sourceLine(example).contains("não é um número publicado"));
    for (const QString &crime : crimes.names.mid(1)) {
        const EntrySource source = *table.find(crime);
        QVERIFY2(source.source.contains("(SSP-SP)"), qPrintable(crime));
        QVERIFY2(source.year == "2022" || source.year == "2023", qPrintable(crime));
        const bool city = crime.contains("na cidade de São Paulo");
        QVERIFY2(city != crime.contains("no estado de São Paulo"), qPrintable(crime));
        QCOMPARE(source.place, city ? "cidade de São Paulo" : "estado de São Paulo");
        QVERIFY2(source.note.contains(city ? "cidade" : "estado"), qPrintable(crime));
    }
}

QTEST_GUILESS_MAIN(TestSourcesReader)
#include "tst_sourcesreader.moc"
