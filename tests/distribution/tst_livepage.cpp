// The page as written, read without a browser: the count of the moment it was made in
// Brazilian form, the sentence, pace and source, one file that names nothing outside itself,
// its size, what a title cannot break, and the names it is offered and said under.
#include "distribution/hourlyexpansion.h"
#include "distribution/livepage.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimeZone>

namespace {

const QString kZone = QStringLiteral("America/Sao_Paulo");

QDateTime inSaoPaulo(QDate day, QTime time)
{
    return QDateTime(day, time, QTimeZone(kZone.toUtf8()));
}

LivePageCounter typed(int monthly, AccumulationMode mode)
{
    LivePageCounter counter;
    counter.monthly = monthly;
    counter.mode = mode;
    counter.what.typedMonthly = monthly;
    return counter;
}

HourlyPattern quarters()
{
    HourlyPattern pattern;
    pattern.name = QStringLiteral("Padrão de teste");
    pattern.shares = {12.33, 20.5, 33.33, 33.83};
    pattern.table = expandHourly(4, pattern.shares);
    return pattern;
}

QString page(const LivePageCounter &counter, const QDateTime &at)
{
    return QString::fromUtf8(livePageHtml({{counter}, at, kZone}));
}

} // namespace

class TestLivePage : public QObject
{
    Q_OBJECT

private slots:
    void countOfTheMoment_data();
    void countOfTheMoment();
    void paceLines();
    void selfContained();
    void sizeOfOneCounter();
    void titleIsText();
    void comparison();
    void overCapacity();
    void zoneNames_data();
    void zoneNames();
    void fileName();
};

void TestLivePage::countOfTheMoment_data()
{
    QTest::addColumn<int>("monthly");
    QTest::addColumn<int>("modeNumber");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("decimals");
    QTest::addColumn<QString>("sentence");

    // 937 a month: 31.23 a day; at noon half a day, 15.615.
    QTest::newRow("day") << 937 << 0 << "15"
                         << ",6150"
                         << "Estimativa a partir de 937 ocorrências por mês, "
                            "<span class=\"periodo\">hoje, 10/03/2026</span>";
    // Nine whole days of March before the 10th: 15.615 + 9 × 31.23.
    QTest::newRow("month") << 937 << 1 << "296"
                           << ",6850"
                           << "Estimativa a partir de 937 ocorrências por mês, "
                              "<span class=\"periodo\">neste mês, março de 2026</span>";
    // 68 whole days of 2026 before the 10th of March: 15.615 + 68 × 31.23.
    QTest::newRow("year, thousands with a point")
        << 937 << 2 << "2.139"
        << ",2550"
        << "Estimativa a partir de 937 ocorrências por mês, <span class=\"periodo\">em "
           "2026</span>";
}

void TestLivePage::countOfTheMoment()
{
    QFETCH(int, monthly);
    QFETCH(int, modeNumber);
    QFETCH(QString, whole);
    QFETCH(QString, decimals);
    QFETCH(QString, sentence);
    const QString html = page(typed(monthly, AccumulationMode(modeNumber)),
                              inSaoPaulo(QDate(2026, 3, 10), QTime(12, 0)));
    QVERIFY2(html.contains(QStringLiteral("<span class=\"inteira\">%1</span>"
                                          "<span class=\"decimais\">%2</span>")
                               .arg(whole, decimals)),
             qPrintable(html));
    QVERIFY(html.contains(sentence));
    // Without script the page says when it counted, and in which time.
    QVERIFY(html.contains(QStringLiteral("<time datetime=\"2026-03-10T12:00:00.000-03:00\">"
                                         "10/03/2026 às 12:00:00</time>, horário de Brasília")));
    QVERIFY(html.contains(QStringLiteral("uma vítima a cada 46 min 7 s, em média")));
    QVERIFY(html.contains(QStringLiteral("\"zona\":\"America/Sao_Paulo\"")));
}

void TestLivePage::paceLines()
{
    LivePageCounter counter = typed(937, AccumulationMode::Dia);
    counter.pattern = quarters();
    // Hour 14 is in the third quarter of the day: 33.33 % of a day of 99.99 %, a third of the
    // day in six hours, so the pace is 4/3 of 31.23 a day: one every 2075 s.
    const QString html = page(counter, inSaoPaulo(QDate(2026, 3, 10), QTime(14, 37, 25)));
    QVERIFY(html.contains(QStringLiteral("<p class=\"ritmo\">uma vítima a cada 46 min 7 s, em "
                                         "média</p>\n<p class=\"ritmo-hora\">nesta hora, uma a "
                                         "cada 34 min 35 s, pelo padrão horário «Padrão de "
                                         "teste»</p>")));
    // Without a pattern there is no second line.
    QVERIFY(!page(typed(937, AccumulationMode::Dia), inSaoPaulo(QDate(2026, 3, 10), QTime(14, 0)))
                 .contains(QStringLiteral("ritmo-hora\">")));
}

void TestLivePage::selfContained()
{
    LivePageCounter counter = typed(937, AccumulationMode::Ano);
    counter.pattern = quarters();
    counter.source = QStringLiteral("Fonte: Anuário de teste, dados de 2024");
    counter.rate = QStringLiteral("taxa de 40,6 por 100 mil habitantes em 2024");
    const QString html = page(counter, inSaoPaulo(QDate(2026, 3, 10), QTime(12, 0)));
    QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"pt-BR\">")));
    QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(
        html.contains(QStringLiteral("<p class=\"fonte\">Fonte: Anuário de teste, dados de "
                                     "2024 · taxa de 40,6 por 100 mil habitantes em 2024</p>")));
    QVERIFY(html.contains(QStringLiteral("Quorvel Counter")));
    // Nothing that would make a browser ask for anything.
    static const QRegularExpression outside(
        QStringLiteral("https?:|//[a-z]|\\bsrc=|\\bhref=|url\\(|@import|<link|<img|<iframe|"
                       "fetch\\(|XMLHttpRequest|WebSocket|sendBeacon|import\\("),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = outside.match(html);
    QVERIFY2(!found.hasMatch(), qPrintable(found.captured()));
    // No placeholder of the template is left.
    QVERIFY(!html.contains(QStringLiteral("{{")));
}

void TestLivePage::sizeOfOneCounter()
{
    LivePageCounter counter = typed(2999970, AccumulationMode::Dia);
    counter.pattern = quarters();
    counter.what.title = QString(500, u'ç');
    counter.source = QString(500, u'é');
    const QByteArray html = livePageHtml({{counter}, QDateTime::currentDateTime(), kZone});
    QVERIFY2(html.size() <= kMaxSingleCounterPageBytes, QByteArray::number(html.size()));
}

void TestLivePage::titleIsText()
{
    LivePageCounter counter = typed(937, AccumulationMode::Dia);
    counter.what.title = QStringLiteral("</script><script>alert(1)</script> & {{dados}}");
    const QString html = page(counter, inSaoPaulo(QDate(2026, 3, 10), QTime(12, 0)));
    QCOMPARE(html.count(QStringLiteral("<script")), 2);
    QCOMPARE(html.count(QStringLiteral("</script>")), 2);
    QVERIFY(html.contains(QStringLiteral("&lt;/script&gt;&lt;script&gt;alert(1)&lt;/script&gt; "
                                         "&amp; {{dados}}: estimativa")));
}

void TestLivePage::comparison()
{
    LivePageCounter bahia = typed(937, AccumulationMode::Ano);
    bahia.what = CountDescription();
    bahia.what.entryName = QStringLiteral("Bahia");
    bahia.stopsAtCapacity = false;
    LivePageCounter other = typed(120, AccumulationMode::Ano);
    other.stopsAtCapacity = false;
    LivePage comparison{{bahia, other, other}, inSaoPaulo(QDate(2026, 3, 10), QTime(12, 0)), kZone};
    const QString html = QString::fromUtf8(livePageHtml(comparison));
    QVERIFY(html.contains(QStringLiteral("<body class=\"comparacao\">")));
    QCOMPARE(html.count(QStringLiteral("<section class=\"contador\"")), 3);
    QCOMPARE(html.count(QStringLiteral("<h2 class=\"frase\"")), 3);
    QVERIFY(html.contains(QStringLiteral("<h1 class=\"titulo\">Estimativas comparadas</h1>")));
    // In the order given.
    QVERIFY(html.indexOf(QStringLiteral("Bahia: estimativa")) <
            html.indexOf(QStringLiteral("a partir de 120")));
}

void TestLivePage::overCapacity()
{
    // 99999 a day: in December the year is far past the odometer's 99.999,9999.
    const QString html =
        page(typed(2999970, AccumulationMode::Ano), inSaoPaulo(QDate(2026, 12, 10), QTime(12, 0)));
    QVERIFY(html.contains(QStringLiteral("<p class=\"contagem\" hidden>")));
    QVERIFY(html.contains(QStringLiteral("<p class=\"capacidade\">Capacidade acumulada excede")));
}

void TestLivePage::zoneNames_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("São Paulo") << "America/Sao_Paulo"
                               << "horário de Brasília";
    QTest::newRow("Salvador") << "America/Bahia"
                              << "horário de Brasília";
    QTest::newRow("Manaus") << "America/Manaus"
                            << "horário de Manaus";
    QTest::newRow("Rio Branco") << "America/Rio_Branco"
                                << "horário de Rio Branco";
    QTest::newRow("Cuiabá") << "America/Cuiaba"
                            << "horário de Cuiabá";
    QTest::newRow("Lisboa") << "Europe/Lisbon"
                            << "fuso horário Europe/Lisbon";
    QTest::newRow("UTC") << "UTC"
                         << "horário UTC";
}

void TestLivePage::zoneNames()
{
    QFETCH(QString, zone);
    QFETCH(QString, spoken);
    QCOMPARE(timeZoneSpokenName(zone), spoken);
}

void TestLivePage::fileName()
{
    QCOMPARE(defaultPageFileName(QDate(2026, 12, 1)), QStringLiteral("quorvel-2026-12-01.html"));
}

QTEST_GUILESS_MAIN(TestLivePage)
#include "tst_livepage.moc"
