#include "distribution/patternlookup.h"

#include "distribution/distributionmodel.h"
#include "distributioneditor.h"

#include <QTest>

namespace {

// The second pattern has a cell that is not a number: loading it plays the refusal cue.
const QByteArray kPatterns = "\"Roubos\",\"10\",\"20\",\"40\",\"30\"\r\n"
                             "\"Furtos\",\"1\",\"x\"\r\n"
                             "\"Homicidios em São Paulo\",\"25\",\"75\"\r\n"
                             "\"Furtos\",\"5\",\"5\",\"5\"\r\n";

} // namespace

// Finding the stored pattern of a chosen incidence by walking the editor's list.
class TestPatternLookup : public QObject
{
    Q_OBJECT

private slots:
    void findsFirstExactName_data();
    void findsFirstExactName();
    void noMatchEmptiesTheCells();
};

void TestPatternLookup::findsFirstExactName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("index");

    QTest::newRow("first") << "Roubos" << 0;
    QTest::newRow("first of duplicates wins") << "Furtos" << 1;
    QTest::newRow("accents") << "Homicidios em São Paulo" << 2;
    QTest::newRow("case differs") << "roubos" << -1;
    QTest::newRow("trailing space") << "Roubos " << -1;
    QTest::newRow("accent folded") << "Homicidios em Sao Paulo" << -1;
    QTest::newRow("empty name") << "" << -1;
}

void TestPatternLookup::findsFirstExactName()
{
    QFETCH(QString, chosen);
    QFETCH(int, index);
    DistributionEditor editor(kPatterns);
    DistributionModel &model = *editor.model;

    QCOMPARE(lookUpPattern(model, chosen), index);
    if (index < 0)
        return;
    QCOMPARE(model.currentIndex(), index);
    QCOMPARE(model.Tipo(), chosen);
    QVERIFY(!model.Quantidade(0).isEmpty());
}

void TestPatternLookup::noMatchEmptiesTheCells()
{
    DistributionEditor editor(kPatterns);
    DistributionModel &model = *editor.model;

    QCOMPARE(lookUpPattern(model, QStringLiteral("Estelionato")), -1);
    // Every pattern was loaded on the way, the faulty one included.
    QVERIFY(editor.sound.contains(Cue::Abaixo));
    QCOMPARE(model.currentIndex(), 3);
    const int lastSlider = model.SL1();
    for (int i = 0; i < 12; ++i) {
        QVERIFY(model.Quantidade(i).isEmpty());
        QVERIFY(model.Percentual(i).isEmpty());
    }
    QVERIFY(model.Tipo().isEmpty());
    QCOMPARE(model.SL1(), lastSlider);

    // No pattern stored: nothing found, nothing selected.
    DistributionEditor empty(QByteArray{});
    QCOMPARE(lookUpPattern(*empty.model, QStringLiteral("Roubos")), -1);
    QCOMPARE(empty.model->currentIndex(), -1);
}

QTEST_GUILESS_MAIN(TestPatternLookup)
#include "tst_patternlookup.moc"
