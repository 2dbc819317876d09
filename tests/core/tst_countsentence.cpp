#include "core/countsentence.h"

#include <QTest>

Q_DECLARE_METATYPE(AccumulationMode)

class TestCountSentence : public QObject
{
    Q_OBJECT

private slots:
    void sentence_data();
    void sentence();
    void placeOpensTheSentence_data();
    void placeOpensTheSentence();
};

void TestCountSentence::sentence_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("year");
    QTest::addColumn<double>("typed");
    QTest::addColumn<AccumulationMode>("mode");
    QTest::addColumn<QString>("expected");

    const QString bahia = QStringLiteral("Bahia");
    const QString mvi = QStringLiteral("mortes violentas intencionais");
    const QString roubos = QStringLiteral("Roubos em geral na cidade de São Paulo");
    QTest::newRow("entry with indicator, year")
        << QString() << bahia << mvi << "2024" << 0.0 << AccumulationMode::Ano
        << "Bahia: estimativa de mortes violentas intencionais em "
           "2026, no ritmo de 2024";
    QTest::newRow("entry with indicator, month")
        << QString() << bahia << mvi << "2024" << 0.0 << AccumulationMode::Mes
        << "Bahia: estimativa de mortes violentas intencionais neste mês, dezembro de 2026, no "
           "ritmo de 2024";
    QTest::newRow("entry with indicator, day")
        << QString() << bahia << mvi << "2024" << 0.0 << AccumulationMode::Dia
        << "Bahia: estimativa de mortes violentas intencionais hoje, "
           "10/12/2026, no ritmo de 2024";
    QTest::newRow("entry without indicator")
        << QString() << roubos << QString() << "2023" << 0.0 << AccumulationMode::Ano
        << "Roubos em geral na cidade de São Paulo: estimativa em 2026, "
           "no ritmo de 2023";
    QTest::newRow("entry without source")
        << QString() << roubos << QString() << QString() << 0.0 << AccumulationMode::Dia
        << "Roubos em geral na cidade de São Paulo: estimativa hoje, "
           "10/12/2026";
    QTest::newRow("typed figure, year")
        << QString() << QString() << QString() << QString() << 937.0 << AccumulationMode::Ano
        << "Estimativa a partir de 937 ocorrências por mês, em 2026";
    QTest::newRow("typed figure with thousands, day")
        << QString() << QString() << QString() << QString() << 13000.0 << AccumulationMode::Dia
        << "Estimativa a partir de 13.000 ocorrências por mês, hoje, 10/12/2026";
    QTest::newRow("title over an entry")
        << "Nossa cidade" << bahia << mvi << "2024" << 0.0 << AccumulationMode::Mes
        << "Nossa cidade: estimativa neste mês, dezembro de 2026, no "
           "ritmo de 2024";
    QTest::newRow("title over a typed figure")
        << "Nossa escola" << QString() << QString() << QString() << 937.0 << AccumulationMode::Ano
        << "Nossa escola: estimativa em 2026";
    QTest::newRow("nothing chosen") << QString() << QString() << QString() << QString() << -1.0
                                    << AccumulationMode::Dia << "Nenhum número escolhido";
}

void TestCountSentence::sentence()
{
    QFETCH(QString, title);
    QFETCH(QString, entry);
    QFETCH(QString, indicator);
    QFETCH(QString, year);
    QFETCH(double, typed);
    QFETCH(AccumulationMode, mode);
    QFETCH(QString, expected);

    CountDescription what;
    what.title = title;
    what.entryName = entry;
    what.indicator = indicator;
    what.dataYear = year;
    if (typed > 0)
        what.typedMonthly = typed;
    const QLocale portuguese(QLocale::Portuguese, QLocale::Brazil);
    QCOMPARE(countSentence(what, mode, QDate(2026, 12, 10), portuguese), expected);
}

// The new lines' names say what they count ("Feminicídios na Bahia"): the sentence opens with
// their place and says what once; a place that is no proper name never opens it.
void TestCountSentence::placeOpensTheSentence_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("feminicides in a state")
        << "Feminicídios na Bahia"
        << "Bahia"
        << "feminicídios"
        << "Bahia: estimativa de feminicídios em 2026, no ritmo de 2024";
    QTest::newRow("police killings in the country")
        << "Mortes por intervenção policial no Brasil"
        << "Brasil"
        << "mortes por intervenção policial"
        << "Brasil: estimativa de mortes por intervenção policial em 2026, no ritmo de 2024";
    QTest::newRow("a city is no proper name")
        << "Roubos em geral na cidade de São Paulo"
        << "cidade de São Paulo"
        << "roubos"
        << "Roubos em geral na cidade de São Paulo: estimativa de roubos em 2026, no ritmo de "
           "2024";
    QTest::newRow("no indicator: the name")
        << "Homicidios em São Paulo"
        << "São Paulo" << QString()
        << "Homicidios em São Paulo: estimativa em 2026, no ritmo de 2024";
}

void TestCountSentence::placeOpensTheSentence()
{
    QFETCH(QString, entry);
    QFETCH(QString, place);
    QFETCH(QString, indicator);
    QFETCH(QString, expected);

    CountDescription what;
    what.entryName = entry;
    what.place = place;
    what.indicator = indicator;
    what.dataYear = QStringLiteral("2024");
    QCOMPARE(countSentence(what, AccumulationMode::Ano, QDate(2026, 12, 10)), expected);
}

QTEST_GUILESS_MAIN(TestCountSentence)
#include "tst_countsentence.moc"
