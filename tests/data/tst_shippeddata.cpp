// The shipped data files agree with each other: each monthly figure is its source's yearly
// count divided by 12, every entry has its source, and the sources say which year they are.
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
// year, and the entry counts round(N / 12) a month.
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
        const int expected = int(std::lround(match.captured(1).toDouble() / 12.0));
        QVERIFY2(lookup.entry->monthly == expected,
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
    QTest::addColumn<int>("monthly");
    QTest::addColumn<QString>("shown");

    const QString newest =
        QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024; "
                       "taxa de %1 por 100 mil habitantes em 2024");
    const QString older =
        QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2023 (FBSP), dados de %1");
    QTest::newRow("Bahia") << "Bahia" << 503 << newest.arg("40,6");
    QTest::newRow("São Paulo") << "São Paulo" << 313 << newest.arg("8,2");
    QTest::newRow("Brasil") << "Brasil" << 3677 << newest.arg("20,8");
    QTest::newRow("Rio Grande do Sul, rate 15,0")
        << "Rio Grande do Sul" << 141 << newest.arg("15,0");
    QTest::newRow("Amapá") << "Amapá" << 30 << newest.arg("45,1");
    QTest::newRow("Ceará") << "Ceará" << 260 << older.arg("2022");
    QTest::newRow("Distrito Federal") << "Distrito Federal" << 26 << older.arg("2023");
    QTest::newRow("Roraima") << "Roraima" << 16 << older.arg("2022");
    QTest::newRow("Sergipe") << "Sergipe" << 64 << older.arg("2022");
}

void TestShippedData::figuresOfEntries()
{
    QFETCH(QString, name);
    QFETCH(int, monthly);
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

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
