// The page that counts in a browser (--pagina), beside the program: its size in bytes, and the
// time its script takes per recount in headless Chromium (the browser's own ScriptDuration
// over a thousand two-second ticks run on a virtual clock) against the program's recount.
// Usage: bench_livepage [ticks]
#include "../tests/support/chromiumpipe.h"
#include "core/clock.h"
#include "core/counter.h"
#include "distribution/hourlyexpansion.h"
#include "distribution/livepage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

class StoppedClock final : public Clock
{
public:
    QDateTime now() const override { return at; }
    QDateTime at = QDateTime(QDate(2026, 12, 10), QTime(14, 32, 17));
};

HourlyPattern pattern()
{
    HourlyPattern p;
    p.name = QStringLiteral("Padrão de medida");
    p.shares = {4, 4, 6, 8, 9, 10, 10, 11, 11, 10, 9, 8};
    p.table = expandHourly(12, p.shares);
    return p;
}

LivePage page(int counters, const QDateTime &at)
{
    LivePage made{{}, at, QStringLiteral("America/Sao_Paulo")};
    for (int i = 0; i < counters; ++i) {
        LivePageCounter counter;
        counter.monthly = 937 + 100 * i;
        counter.mode = AccumulationMode::Ano;
        counter.what.entryName = QStringLiteral("Entrada %1").arg(i + 1);
        counter.what.indicator = QStringLiteral("mortes violentas intencionais");
        counter.what.dataYear = QStringLiteral("2024");
        counter.source = QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2025 "
                                        "(FBSP), dados de 2024");
        counter.rate = QStringLiteral("taxa de 40,6 por 100 mil habitantes em 2024");
        counter.pattern = pattern();
        counter.stopsAtCapacity = counters == 1;
        made.counters.append(counter);
    }
    return made;
}

// Microseconds of the program's recount of one counter.
double programRecountMicroseconds(int rounds)
{
    StoppedClock clock;
    Counter counter(clock);
    counter.chooseEntry(CurrentChoice(), 937, pattern());
    counter.setMode(AccumulationMode::Ano);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        clock.at = clock.at.addMSecs(2000);
        counter.recount();
    }
    return double(timer.nsecsElapsed()) / 1000.0 / rounds;
}

double metric(ChromiumPipe &browser, const QString &session, const QString &name)
{
    const QJsonArray metrics = browser.call(QStringLiteral("Performance.getMetrics"), {}, session)
                                   .value(QStringLiteral("metrics"))
                                   .toArray();
    for (const QJsonValue &m : metrics) {
        if (m.toObject().value(QStringLiteral("name")).toString() == name)
            return m.toObject().value(QStringLiteral("value")).toDouble();
    }
    return -1;
}

// Milliseconds of script per recount of the page in the browser; negative on failure.
double browserRecountMilliseconds(ChromiumPipe &browser, const QString &path, int ticks)
{
    const QString target =
        browser
            .call(QStringLiteral("Target.createTarget"), {{QStringLiteral("url"), "about:blank"}})
            .value(QStringLiteral("targetId"))
            .toString();
    const QString session =
        browser
            .call(QStringLiteral("Target.attachToTarget"),
                  {{QStringLiteral("targetId"), target}, {QStringLiteral("flatten"), true}})
            .value(QStringLiteral("sessionId"))
            .toString();
    if (session.isEmpty())
        return -1;
    browser.call(QStringLiteral("Page.enable"), {}, session);
    browser.call(QStringLiteral("Performance.enable"), {}, session);
    browser.call(QStringLiteral("Emulation.setVirtualTimePolicy"),
                 {{QStringLiteral("policy"), "pause"}}, session);
    browser.call(QStringLiteral("Page.navigate"),
                 {{QStringLiteral("url"), QUrl::fromLocalFile(path).toString()}}, session);
    browser.waitForEvent(QStringLiteral("Page.loadEventFired"));
    const double before = metric(browser, session, QStringLiteral("ScriptDuration"));
    browser.call(QStringLiteral("Emulation.setVirtualTimePolicy"),
                 {{QStringLiteral("policy"), "advance"}, {QStringLiteral("budget"), ticks * 2000}},
                 session);
    browser.waitForEvent(QStringLiteral("Emulation.virtualTimeBudgetExpired"), 600'000);
    const double after = metric(browser, session, QStringLiteral("ScriptDuration"));
    browser.call(QStringLiteral("Target.closeTarget"), {{QStringLiteral("targetId"), target}});
    return before < 0 || after < 0 ? -1 : (after - before) * 1000.0 / ticks;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    QTemporaryDir folder;
    std::printf("Program: recount of one counter with a pattern, year mode: %.1f µs\n",
                programRecountMicroseconds(20000));

    ChromiumPipe browser;
    const bool started = browser.start(QStringLiteral("America/Sao_Paulo"));
    if (!started)
        std::printf("Chromium is not installed: only the page's size is measured\n");
    for (const int counters : {1, 6}) {
        const QByteArray html = livePageHtml(page(counters, QDateTime::currentDateTime()));
        const QString path = folder.filePath(QStringLiteral("pagina-%1.html").arg(counters));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
            return 1;
        file.close();
        std::printf("Page of %d counter%s: %lld bytes (limit for one: %lld)\n", counters,
                    counters == 1 ? "" : "s", static_cast<long long>(html.size()),
                    static_cast<long long>(kMaxSingleCounterPageBytes));
        if (started) {
            const double ms = browserRecountMilliseconds(browser, path, ticks);
            if (ms < 0)
                std::printf("  the browser gave no figure: %s\n", qPrintable(browser.error));
            else
                std::printf("  script per recount in Chromium, over %d ticks: %.3f ms\n", ticks,
                            ms);
        }
    }
    return 0;
}
