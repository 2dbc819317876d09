#include "distribution/entrypattern.h"

#include "distribution/distributionmodel.h"
#include "distributioneditor.h"

#include <QTest>

namespace {

using Shares = QList<double>;

const QByteArray kPatterns = "\"Roubos\",\"10\",\"20\",\"40\",\"30\"\r\n"
                             "\"Furtos\",\"1\",\"x\"\r\n"
                             "\"Homicidios em São Paulo\",\"1\",\"2\"\r\n"
                             "\"Furtos\",\"5\",\"5\",\"5\"\r\n"
                             "\"Um\",\"7\"\r\n"
                             "\"Terços\",\"1\",\"1\",\"1\"\r\n"
                             "\"Cinco\",\"1\",\"1\",\"1\",\"1\",\"1\"\r\n"
                             "\"Sete\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\"\r\n"
                             "\"Zeros\",\"0\",\"0\"\r\n"
                             "\"Sinal\",\"-1\",\"3\"\r\n"
                             "\"Doze\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\","
                             "\"1\",\"1\"\r\n"
                             "\"Vazio\"\r\n";

} // namespace

// The pattern of a chosen entry, read from the pattern file's rows without the editor.
class TestEntryPattern : public QObject
{
    Q_OBJECT

private slots:
    void readsTheStoredPattern_data();
    void readsTheStoredPattern();
    void sameAsTheEditorsCaptions();
    void leavesTheEditorAlone();
};

void TestEntryPattern::readsTheStoredPattern_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("intervals");
    QTest::addColumn<Shares>("shares");

    QTest::newRow("four intervals") << "Roubos" << true << 4 << Shares{10, 20, 40, 30};
    QTest::newRow("rounded to hundredths")
        << "Homicidios em São Paulo" << true << 2 << Shares{33.33, 66.67};
    QTest::newRow("thirds") << "Terços" << true << 3 << Shares{33.33, 33.33, 33.33};
    QTest::newRow("one interval") << "Um" << true << 1 << Shares{100};
    QTest::newRow("twelve intervals")
        << "Doze" << true << 12
        << Shares{8.33, 8.33, 8.33, 8.33, 8.33, 8.33, 8.33, 8.33, 8.33, 8.33, 8.33, 8.33};
    // The first row of a name is the pattern, even when it cannot be counted with.
    QTest::newRow("first of duplicates is faulty") << "Furtos" << false << 0 << Shares{};
    QTest::newRow("five values need a sixth") << "Cinco" << false << 0 << Shares{};
    QTest::newRow("seven values: no layout") << "Sete" << false << 0 << Shares{};
    QTest::newRow("no occurrences") << "Zeros" << false << 0 << Shares{};
    QTest::newRow("a sign is no digit") << "Sinal" << false << 0 << Shares{};
    QTest::newRow("no values") << "Vazio" << false << 0 << Shares{};
    QTest::newRow("case differs") << "roubos" << false << 0 << Shares{};
    QTest::newRow("trailing space") << "Roubos " << false << 0 << Shares{};
    QTest::newRow("not stored") << "Estelionato" << false << 0 << Shares{};
    QTest::newRow("empty name") << "" << false << 0 << Shares{};
}

void TestEntryPattern::readsTheStoredPattern()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(int, intervals);
    QFETCH(Shares, shares);

    const auto pattern = patternForEntry(DistributionFile::fromBytes(kPatterns).rows, name);
    QCOMPARE(pattern.has_value(), found);
    if (!found)
        return;
    QCOMPARE(pattern->name, name);
    QCOMPARE(pattern->intervalCount(), intervals);
    QCOMPARE(pattern->shares, shares);
    // Band 0 holds the first interval's share (a single interval is spread over 24 hours).
    const double firstBand = intervals == 1 ? shares[0] / 24.0 : shares[0];
    QCOMPARE(pattern->table.percentualIntervalo[0], firstBand);
    QCOMPARE(pattern->table.percentualHora[23], pattern->table.percentualIntervalo[11]);
}

// Every pattern the editor accepts gives, read from the file, the table its captions give.
void TestEntryPattern::sameAsTheEditorsCaptions()
{
    DistributionEditor editor(kPatterns);
    DistributionModel &model = *editor.model;
    const QList<PatternRow> rows = model.TabelaPadroes();
    for (const QString name : {"Roubos", "Homicidios em São Paulo", "Terços", "Um", "Doze"}) {
        model.selectPattern(int(model.List1().indexOf(name)));
        QCOMPARE(model.ErroTabela(), 0);
        const HourlyPattern shown = patternInEditor(model);
        const auto read = patternForEntry(rows, name);
        QVERIFY(read);
        QCOMPARE(read->name, shown.name);
        QCOMPARE(read->shares, shown.shares);
        QCOMPARE(read->table.percentualHora, shown.table.percentualHora);
        QCOMPARE(read->intervalCount(), shown.intervalCount());
    }
}

// Reading a pattern neither loads it into the editor nor plays a cue for a faulty one.
void TestEntryPattern::leavesTheEditorAlone()
{
    DistributionEditor editor(kPatterns);
    DistributionModel &model = *editor.model;
    model.selectPattern(0);
    model.setQuantidade(0, QStringLiteral("77"));
    editor.sound.clear();

    for (const QString name : {"Furtos", "Sinal", "Homicidios em São Paulo", "Estelionato"})
        patternForEntry(model.TabelaPadroes(), name);

    QCOMPARE(model.currentIndex(), 0);
    QCOMPARE(model.Quantidade(0), QStringLiteral("77"));
    QVERIFY(editor.sound.played.isEmpty());
}

QTEST_GUILESS_MAIN(TestEntryPattern)
#include "tst_entrypattern.moc"
