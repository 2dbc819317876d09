// The shipped data files agree with each other: each monthly figure is its source's yearly
// count divided by 12, every entry has its source, and the sources say which year they are.
#include "core/countsentence.h"
#include "data/countdescription.h"
#include "data/distributionfile.h"
#include "data/entrylookup.h"
#include "data/incidencereader.h"
#include "data/sourcesreader.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

QString shippedFile(const QString &name)
{
    return QDir(QStringLiteral(QUORVEL_ASSETS "/data")).filePath(name);
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void monthlyFigureIsTheNotedYearlyCountOverTwelve();
    void everyEntryHasItsSource();
    void figuresOfEntries_data();
    void figuresOfEntries();
    void patternsAreExamplesBesideThePublishedFigures();
    void newIndicatorsOf2024_data();
    void newIndicatorsOf2024();
    void everyNewLineSaysWhatAndWhose();

private:
    IncidenceReading m_crimes;
    IncidenceReading m_states;
    SourcesTable m_sources;
};

void TestShippedData::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    m_crimes = readIncidenceFile(shippedFile(QStringLiteral("QuorvelParametros.txt")));
    m_states = readIncidenceFile(shippedFile(QStringLiteral("Quorvelhomicidios.txt")));
    m_sources = readSourcesFile(shippedFile(sourcesFileName()));
    QVERIFY(!m_crimes.failed() && !m_states.failed());
    QVERIFY(m_sources.skippedLines().isEmpty());
}

// Every note that gives a yearly count says it as "<N> no ano de <AAAA>", of the line's own
// year, and the entry counts N / 12 a month to the hundredth (6036 a year is 503, 44127 is
// 3677,25, 10 is 0,83).
void TestShippedData::monthlyFigureIsTheNotedYearlyCountOverTwelve()
{
    static const QRegularExpression yearly(QStringLiteral("\\b(\\d+) no ano de (\\d{4})\\b"));
    int checked = 0;
    for (const QString &name : m_sources.names()) {
        const EntrySource source = *m_sources.find(name);
        const QRegularExpressionMatch match = yearly.match(source.note);
        // Only the program's example line, which has no source, gives no count.
        QVERIFY2(match.hasMatch() || source.source.isEmpty(), qPrintable(name));
        if (!match.hasMatch())
            continue;
        QCOMPARE(match.captured(2), source.year);
        const EntryLookup lookup = findEntry(name, m_crimes, m_states);
        QVERIFY2(lookup.entry, qPrintable(name));
        const long long yearly = match.captured(1).toLongLong();
        // In hundredths, rounded half up: whole numbers on both sides, no binary noise.
        const long long expected = (yearly * 100 + 6) / 12;
        QVERIFY2(std::llround(lookup.entry->monthly * 100) == expected,
                 qPrintable(QStringLiteral("%1: %2 a month, the note gives %3 a year")
                                .arg(name)
                                .arg(lookup.entry->monthly)
                                .arg(match.captured(1))));
        ++checked;
    }
    // Every entry but the example line.
    QCOMPARE(checked, int(m_crimes.size() + m_states.size()) - 1);
}

void TestShippedData::everyEntryHasItsSource()
{
    for (const QString &name : m_crimes.names + m_states.names)
        QVERIFY2(m_sources.find(name), qPrintable(name));
    QCOMPARE(m_sources.size(), m_crimes.size() + m_states.size());
}

// Published figures, typed from the 2025 edition's tables (2024) and the 2023 edition's (the
// four states whose 2024 count was not at hand keep those).
void TestShippedData::figuresOfEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("monthly");
    QTest::addColumn<QString>("shown");

    const QString newest =
        QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024; "
                       "taxa de %1 por 100 mil habitantes em 2024");
    const QString older =
        QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2023 (FBSP), dados de %1");
    // 6036, 3751, 44127, 1687, 362, 3123, 313, 194 and 768 a year.
    QTest::newRow("Bahia") << "Bahia" << 503.0 << newest.arg("40,6");
    QTest::newRow("São Paulo") << "São Paulo" << 312.58 << newest.arg("8,2");
    QTest::newRow("Brasil") << "Brasil" << 3677.25 << newest.arg("20,8");
    QTest::newRow("Rio Grande do Sul, rate 15,0")
        << "Rio Grande do Sul" << 140.58 << newest.arg("15,0");
    QTest::newRow("Amapá") << "Amapá" << 30.17 << newest.arg("45,1");
    QTest::newRow("Ceará") << "Ceará" << 260.25 << older.arg("2022");
    QTest::newRow("Distrito Federal") << "Distrito Federal" << 26.08 << older.arg("2023");
    QTest::newRow("Roraima") << "Roraima" << 16.17 << older.arg("2022");
    QTest::newRow("Sergipe") << "Sergipe" << 64.0 << older.arg("2022");
}

void TestShippedData::figuresOfEntries()
{
    QFETCH(QString, name);
    QFETCH(double, monthly);
    QFETCH(QString, shown);

    const EntryLookup lookup = findEntry(name, m_crimes, m_states);
    QVERIFY(lookup.entry);
    QCOMPARE(lookup.entry->list, EntryList::Homicidios);
    QCOMPARE(lookup.entry->monthly, monthly);
    QCOMPARE(sourceLineWithRate(*m_sources.find(name)), shown);
}

// No hour of the day is published for any shipped figure: a pattern named after an entry with
// a source would weight a published figure with made-up hours. The shipped patterns are
// examples by name; the program's own example line keeps one, so that the lookup shows.
void TestShippedData::patternsAreExamplesBesideThePublishedFigures()
{
    const DistributionFileContent patterns =
        DistributionFile::read(shippedFile(DistributionFile::fileName()));
    QVERIFY(patterns.readable && patterns.exists);
    QStringList names;
    for (const PatternRow &row : patterns.rows) {
        if (DistributionFile::isWritten(row))
            names.append(row.at(0));
    }
    QVERIFY(names.size() >= 3);
    const QString exampleLine = QStringLiteral("Homicidios em São Paulo");
    QVERIFY(names.contains(exampleLine));
    QVERIFY(m_sources.find(exampleLine)->source.isEmpty());
    for (const QString &name : names) {
        if (name == exampleLine)
            continue;
        QVERIFY2(name.startsWith(QStringLiteral("Exemplo: ")), qPrintable(name));
        const std::optional<EntrySource> source = m_sources.find(name);
        QVERIFY2(!source || source->source.isEmpty(), qPrintable(name));
        QVERIFY2(!findEntry(name, m_crimes, m_states).entry, qPrintable(name));
    }
}

// Feminicides, rapes and police killings of 2024, read in the press from the Anuário 2025:
// monthly = yearly / 12 to the hundredth, a feminicide rate per 100,000 women, and no rate the
// notes call doubtful (Distrito Federal's, Amazonas').
void TestShippedData::newIndicatorsOf2024_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("monthly");
    QTest::addColumn<QString>("shown");

    const QString anuario =
        QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024");
    const QString women = anuario + QStringLiteral("; taxa de %1 por 100 mil mulheres em 2024");
    const QString people = anuario + QStringLiteral("; taxa de %1 por 100 mil habitantes em 2024");
    // 1492, 111, 10, 23 and 29 feminicides a year.
    QTest::newRow("feminicides, Brazil") << "Feminicídios no Brasil" << 124.33 << women.arg("1,4");
    QTest::newRow("feminicides, Bahia") << "Feminicídios na Bahia" << 9.25 << women.arg("1,5");
    QTest::newRow("feminicides, Sergipe: under one a month")
        << "Feminicídios em Sergipe" << 0.83 << women.arg("0,8");
    QTest::newRow("feminicides, Distrito Federal: doubtful rate left out")
        << "Feminicídios no Distrito Federal" << 1.92 << anuario;
    QTest::newRow("feminicides, Amazonas: weak rate left out")
        << "Feminicídios no Amazonas" << 2.42 << anuario;
    // 87545 and 991 rapes, 1556 and 50 police killings.
    QTest::newRow("rapes, Brazil") << "Estupros no Brasil" << 7295.42 << people.arg("41,2");
    QTest::newRow("rapes, Acre") << "Estupros no Acre" << 82.58 << people.arg("112,0");
    QTest::newRow("police killings, Bahia")
        << "Mortes por intervenção policial na Bahia" << 129.67 << people.arg("10,5");
    QTest::newRow("police killings, Tocantins")
        << "Mortes por intervenção policial no Tocantins" << 4.17 << people.arg("3,16");
}

void TestShippedData::newIndicatorsOf2024()
{
    QFETCH(QString, name);
    QFETCH(double, monthly);
    QFETCH(QString, shown);

    const EntryLookup lookup = findEntry(name, m_crimes, m_states);
    QVERIFY2(lookup.entry, qPrintable(lookup.error));
    QCOMPARE(lookup.entry->list, EntryList::Parametros);
    QCOMPARE(lookup.entry->monthly, monthly);
    QCOMPARE(sourceLineWithRate(*m_sources.find(name)), shown);
}

// Every line of the three indicators names its source, year, indicator and, for a rate,
// whose; units whose count the notes put in doubt, or that have none, are absent.
void TestShippedData::everyNewLineSaysWhatAndWhose()
{
    const QHash<QString, int> expectedLines{
        {"feminicídios", 20}, {"estupros", 7}, {"mortes por intervenção policial", 10}};
    QHash<QString, int> lines;
    for (const QString &name : m_sources.names()) {
        const EntrySource source = *m_sources.find(name);
        if (!expectedLines.contains(source.indicator) || source.year != QLatin1String("2024"))
            continue;
        ++lines[source.indicator];
        QCOMPARE(source.source,
                 QStringLiteral("Anuário Brasileiro de Segurança Pública 2025 (FBSP)"));
        QVERIFY2(!source.place.isEmpty(), qPrintable(name));
        QVERIFY2(m_crimes.names.contains(name), qPrintable(name));
        const bool feminicide = source.indicator == QStringLiteral("feminicídios");
        QCOMPARE(source.population, feminicide ? QStringLiteral("mulheres") : QString());
        if (source.ratePer100k)
            QVERIFY2(rateText(source).contains(feminicide ? QLatin1String("100 mil mulheres")
                                                          : QLatin1String("100 mil habitantes")),
                     qPrintable(name));
        // The sentence opens with the place and says what once.
        CurrentChoice choice;
        choice.chooseEntry(CurrentChoice::List::Crimes, name, name);
        QCOMPARE(countSentence(describeCount(choice, std::nullopt, m_sources, QString()).what,
                               AccumulationMode::Ano, QDate(2026, 3, 10)),
                 source.place + QStringLiteral(": estimativa de ") + source.indicator +
                     QStringLiteral(" em 2026, no ritmo de 2024"));
    }
    QCOMPARE(lines, expectedLines);
    // Conflicting counts (Rio de Janeiro, Rio Grande do Norte, Tocantins), no count (Ceará), a
    // count never printed (Goiás' "mais de 4,1 mil", Espírito Santo's parts).
    for (const char *absent :
         {"Feminicídios no Rio de Janeiro", "Feminicídios no Rio Grande do Norte",
          "Feminicídios no Tocantins", "Feminicídios no Ceará", "Estupros em Goiás",
          "Estupros no Espírito Santo", "Estupros no Tocantins"})
        QVERIFY2(!findEntry(QString::fromUtf8(absent), m_crimes, m_states).entry, absent);
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
