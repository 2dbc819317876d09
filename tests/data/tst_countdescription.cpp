// What a view is told of a count: the chosen entry with its source line, year, indicator and
// rate, or the figure typed by hand; a title stands for the what.
#include "data/countdescription.h"

#include <QLocale>
#include <QTest>

namespace {

SourcesTable sources()
{
    return readSources(QStringView(
        u"\"Bahia\",\"Bahia\",\"Anuário Brasileiro de Segurança Pública 2025 (FBSP)\",\"2024\","
        u"\"MVI\",\"40,6\",\"mortes violentas intencionais\"\r\n"
        u"\"Homicidios em São Paulo\",\"São Paulo\",\"\",\"\",\"Linha de exemplo do "
        u"programa\"\r\n"));
}

CurrentChoice entry(const QString &name)
{
    CurrentChoice choice;
    choice.chooseEntry(CurrentChoice::List::States, name, name + QStringLiteral("   503"));
    return choice;
}

} // namespace

class TestCountDescription : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void describesTheChoice_data()
    {
        QTest::addColumn<QString>("name"); // empty: a typed figure
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("indicator");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("rate");
        QTest::newRow("entry with its source and rate")
            << "Bahia"
            << ""
            << "2024"
            << "mortes violentas intencionais"
            << "Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024"
            << "taxa de 40,6 por 100 mil habitantes em 2024";
        QTest::newRow("entry whose line has a note only") << "Homicidios em São Paulo"
                                                          << ""
                                                          << ""
                                                          << ""
                                                          << "Linha de exemplo do programa"
                                                          << "";
        QTest::newRow("entry the sources do not know") << "Sergipe"
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << "";
        QTest::newRow("typed figure, title trimmed") << ""
                                                     << "  Minha cidade "
                                                     << ""
                                                     << ""
                                                     << ""
                                                     << "";
    }
    void describesTheChoice()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        const CurrentChoice choice = name.isEmpty() ? CurrentChoice() : entry(name);
        const DescribedCount described = describeCount(choice, 937.0, sources(), title);
        QCOMPARE(described.what.entryName, name);
        QCOMPARE(described.what.title, title.trimmed());
        QTEST(described.what.dataYear, "year");
        QTEST(described.what.indicator, "indicator");
        QTEST(described.source, "source");
        QTEST(described.rate, "rate");
        // Only a typed figure is said as a figure.
        QCOMPARE(described.what.typedMonthly,
                 name.isEmpty() ? std::optional<double>(937.0) : std::optional<double>());
    }
};

QTEST_GUILESS_MAIN(TestCountDescription)
#include "tst_countdescription.moc"
