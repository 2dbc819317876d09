// The page in a real browser: Debian's Chromium, headless, with its clock set through the
// DevTools protocol and its time zone elsewhere than the page's. At each instant of the table
// the count the page shows must be the count of the program's Counter at that instant, in the
// page's zone, to the last decimal shown; then again two seconds later, after the page's own
// tick (across midnight, a month's end and New Year). The page must ask for nothing but itself.
#include "chromiumpipe.h"
#include "core/counter.h"
#include "core/counttext.h"
#include "distribution/hourlyexpansion.h"
#include "distribution/livepage.h"
#include "fakeclock.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QUrl>

#include <cmath>
#include <type_traits>

namespace {

const QLocale kPortuguese(QLocale::Portuguese, QLocale::Brazil);
const QString kPageZone = QStringLiteral("America/Sao_Paulo");

// A pattern of the test's own, whose shares add up to 99.99 %: the count is scaled to a day.
HourlyPattern fixturePattern()
{
    HourlyPattern pattern;
    pattern.name = QStringLiteral("Padrão de teste");
    pattern.shares = {12.33, 20.5, 33.33, 33.83};
    pattern.table = expandHourly(4, pattern.shares);
    return pattern;
}

// The page counts in double precision, as the program is meant to. While the program's count
// is still kept in 32 bits its last decimal may stand one unit off; once it is kept in 64,
// the two texts must be equal.
constexpr bool kProgramCountsIn32Bits = std::is_same_v<decltype(RecountResult::count), float>;

bool sameCount(const QString &page, const QString &program)
{
    if (!kProgramCountsIn32Bits)
        return page == program;
    const auto value = [](QString text) {
        text.remove(u'.');
        text.replace(u',', u'.');
        return text.toDouble();
    };
    return std::abs(value(page) - value(program)) < 0.00011;
}

// What the page shows of one counter, and the instant it says it counted at.
struct Shown
{
    QString count;
    QString announced;
    QString period;
    QString pace;
    QDateTime at;
};

} // namespace

class TestLivePageBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sameCountAsTheProgram_data();
    void sameCountAsTheProgram();

private:
    // Opens the page with the browser's clock stopped at `epochMs`: the page's first count.
    bool open(const QString &path, qint64 epochMs, Shown &shown);
    // Lets the browser's clock run `ms` and reads the page again.
    bool advance(int ms, Shown &shown);
    bool read(Shown &shown);
    QString evaluate(const QString &expression);

    ChromiumPipe m_browser;
    QTemporaryDir m_folder;
    QString m_target;
    QString m_session;
    QString m_pageUrl;
    int m_pages = 0;
};

void TestLivePageBrowser::initTestCase()
{
    if (ChromiumPipe::program().isEmpty())
        QSKIP("Chromium is not installed (scripts/test.sh installs it)");
    // The browser's own zone is far from the page's: nine hours ahead of UTC, São Paulo three
    // behind.
    QVERIFY2(m_browser.start(QStringLiteral("Asia/Tokyo")), "Chromium did not start");
    QVERIFY(m_folder.isValid());
}

void TestLivePageBrowser::cleanupTestCase()
{
    m_browser.stop();
}

QString TestLivePageBrowser::evaluate(const QString &expression)
{
    const QJsonObject result = m_browser.call(
        QStringLiteral("Runtime.evaluate"),
        {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}},
        m_session);
    return result.value(QStringLiteral("result"))
        .toObject()
        .value(QStringLiteral("value"))
        .toString();
}

bool TestLivePageBrowser::read(Shown &shown)
{
    shown.count = evaluate(QStringLiteral("document.querySelector('.inteira').textContent + "
                                          "document.querySelector('.decimais').textContent"));
    shown.announced =
        evaluate(QStringLiteral("document.querySelector('[role=status]').textContent"));
    shown.period = evaluate(QStringLiteral("document.querySelector('.periodo').textContent"));
    shown.pace = evaluate(QStringLiteral("document.querySelector('.ritmo').textContent"));
    shown.at = QDateTime::fromString(
        evaluate(
            QStringLiteral("document.querySelector('.instante time').getAttribute('datetime')")),
        Qt::ISODateWithMs);
    return !shown.count.isEmpty() && shown.at.isValid();
}

bool TestLivePageBrowser::open(const QString &path, qint64 epochMs, Shown &shown)
{
    const QJsonObject target = m_browser.call(QStringLiteral("Target.createTarget"),
                                              {{QStringLiteral("url"), "about:blank"}});
    m_target = target.value(QStringLiteral("targetId")).toString();
    const QJsonObject attached =
        m_browser.call(QStringLiteral("Target.attachToTarget"),
                       {{QStringLiteral("targetId"), m_target}, {QStringLiteral("flatten"), true}});
    m_session = attached.value(QStringLiteral("sessionId")).toString();
    if (m_session.isEmpty())
        return false;
    m_browser.events.clear();
    m_browser.call(QStringLiteral("Network.enable"), {}, m_session);
    m_browser.call(QStringLiteral("Page.enable"), {}, m_session);
    // The clock stands still at the instant until it is let run.
    m_browser.call(QStringLiteral("Emulation.setVirtualTimePolicy"),
                   {{QStringLiteral("policy"), "pause"},
                    {QStringLiteral("initialVirtualTime"), double(epochMs) / 1000.0}},
                   m_session);
    m_pageUrl = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    m_browser.call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), m_pageUrl}},
                   m_session);
    // A paused clock holds the page's loading too: a tenth of a second lets it load, and its
    // script counts on loading, at the instant itself.
    m_browser.call(QStringLiteral("Emulation.setVirtualTimePolicy"),
                   {{QStringLiteral("policy"), "advance"}, {QStringLiteral("budget"), 100}},
                   m_session);
    if (m_browser.waitForEvent(QStringLiteral("Emulation.virtualTimeBudgetExpired")).isEmpty())
        return false;
    return read(shown);
}

bool TestLivePageBrowser::advance(int ms, Shown &shown)
{
    m_browser.call(QStringLiteral("Emulation.setVirtualTimePolicy"),
                   {{QStringLiteral("policy"), "advance"}, {QStringLiteral("budget"), ms}},
                   m_session);
    if (m_browser.waitForEvent(QStringLiteral("Emulation.virtualTimeBudgetExpired")).isEmpty())
        return false;
    return read(shown);
}

void TestLivePageBrowser::sameCountAsTheProgram_data()
{
    QTest::addColumn<int>("monthly");
    QTest::addColumn<bool>("withPattern");
    QTest::addColumn<int>("modeNumber");    // AccumulationMode
    QTest::addColumn<QDateTime>("at");      // wall clock of the page's zone
    QTest::addColumn<QString>("period");    // the sentence's period at the second reading
    QTest::addColumn<QString>("announced"); // the live region after the second reading

    const QTimeZone zone(kPageZone.toUtf8());
    const auto at = [&zone](int y, int m, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, m, d), QTime(h, mi, s), zone);
    };
    const int dia = int(AccumulationMode::Dia);
    const int mes = int(AccumulationMode::Mes);
    const int ano = int(AccumulationMode::Ano);

    QTest::newRow("typed 937, day, noon")
        << 937 << false << dia << at(2026, 3, 10, 12, 0, 0) << "hoje, 10/03/2026"
        << "";
    QTest::newRow("typed 937, day, across midnight")
        << 937 << false << dia << at(2026, 3, 10, 23, 59, 59) << "hoje, 11/03/2026"
        << "";
    QTest::newRow("typed 937, month, across a month's end")
        << 937 << false << mes << at(2026, 3, 31, 23, 59, 59) << "neste mês, abril de 2026"
        << "";
    QTest::newRow("typed 30, year, across New Year")
        << 30 << false << ano << at(2026, 12, 31, 23, 59, 59) << "em 2027"
        << "";
    QTest::newRow("typed 30, year, in July")
        << 30 << false << ano << at(2026, 7, 15, 8, 30, 0) << "em 2026"
        << "";
    QTest::newRow("typed 86400, day, a new victim")
        << 86400 << false << dia << at(2026, 5, 20, 11, 59, 59) << "hoje, 20/05/2026"
        << "Nova vítima. Contagem: 1.440";
    QTest::newRow("pattern, day, mid-hour")
        << 937 << true << dia << at(2026, 3, 10, 14, 37, 25) << "hoje, 10/03/2026"
        << "";
    QTest::newRow("pattern, day, across midnight")
        << 937 << true << dia << at(2026, 6, 1, 23, 59, 59) << "hoje, 02/06/2026"
        << "";
    QTest::newRow("pattern, month, across a month's end")
        << 937 << true << mes << at(2026, 4, 30, 23, 59, 59) << "neste mês, maio de 2026"
        << "";
    QTest::newRow("pattern, year, across New Year")
        << 30 << true << ano << at(2026, 12, 31, 23, 59, 59) << "em 2027"
        << "";
    QTest::newRow("pattern, year, a change of interval")
        << 30 << true << ano << at(2026, 2, 14, 5, 59, 59) << "em 2026"
        << "";
}

void TestLivePageBrowser::sameCountAsTheProgram()
{
    QFETCH(int, monthly);
    QFETCH(bool, withPattern);
    QFETCH(int, modeNumber);
    const auto mode = AccumulationMode(modeNumber);
    QFETCH(QDateTime, at);
    QFETCH(QString, period);
    QFETCH(QString, announced);

    LivePageCounter counter;
    counter.monthly = monthly;
    counter.mode = mode;
    if (withPattern) {
        counter.pattern = fixturePattern();
        counter.what.entryName = QStringLiteral("Entrada de teste");
    } else {
        counter.what.typedMonthly = monthly;
    }
    const LivePage page{{counter}, at, kPageZone};
    const QByteArray html = livePageHtml(page);
    QVERIFY(html.size() <= kMaxSingleCounterPageBytes);
    const QString path = m_folder.filePath(QStringLiteral("pagina-%1.html").arg(++m_pages));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(html);
    }

    // The program's count at an instant, in the page's zone.
    FakeClock clock;
    Counter program(clock);
    if (withPattern)
        program.chooseEntry(CurrentChoice(), monthly, fixturePattern());
    else
        program.setTypedFigure(monthly);
    program.setMode(mode);
    const auto expected = [&](const QDateTime &instant) {
        clock.set(instant.toTimeZone(QTimeZone(kPageZone.toUtf8())));
        program.recount();
        return program.count() ? countTextParts(*program.count(), kPortuguese).text()
                               : QStringLiteral("sem contagem");
    };

    Shown first;
    QVERIFY2(open(path, at.toMSecsSinceEpoch(), first), qPrintable(m_browser.error));
    QCOMPARE(first.at.toMSecsSinceEpoch(), at.toMSecsSinceEpoch());
    QVERIFY2(sameCount(first.count, expected(first.at)),
             qPrintable(first.count + u' ' + expected(first.at)));
    QVERIFY2(first.announced.isEmpty(), qPrintable(first.announced)); // the first count is not news

    Shown second;
    QVERIFY2(advance(2500, second), qPrintable(m_browser.error));
    QVERIFY2(second.at.toMSecsSinceEpoch() - at.toMSecsSinceEpoch() >= 2000 &&
                 second.at.toMSecsSinceEpoch() - at.toMSecsSinceEpoch() <= 2600,
             qPrintable(second.at.toString(Qt::ISODateWithMs)));
    QVERIFY2(sameCount(second.count, expected(second.at)),
             qPrintable(second.count + u' ' + expected(second.at)));
    QCOMPARE(second.period, period);
    QCOMPARE(second.announced, announced);

    // Nothing but the page itself was asked for: no font, no script, no picture, no beacon.
    QStringList requested;
    for (const QJsonObject &event : std::as_const(m_browser.events)) {
        if (event.value(QStringLiteral("method")).toString() == u"Network.requestWillBeSent")
            requested.append(event.value(QStringLiteral("params"))
                                 .toObject()
                                 .value(QStringLiteral("request"))
                                 .toObject()
                                 .value(QStringLiteral("url"))
                                 .toString());
    }
    QCOMPARE(requested, QStringList{m_pageUrl});

    m_browser.call(QStringLiteral("Target.closeTarget"), {{QStringLiteral("targetId"), m_target}});
}

QTEST_GUILESS_MAIN(TestLivePageBrowser)
#include "tst_livepagebrowser.moc"
