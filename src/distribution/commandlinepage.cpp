#include "distribution/commandlinepage.h"

#include "core/clock.h"
#include "core/wholefile.h"
#include "data/sourceline.h"
#include "distribution/choicesetup.h"
#include "distribution/livepage.h"

namespace {

PageRun refused(int status, const QString &message)
{
    return {status, QStringLiteral("quorvel-counter: %1\n").arg(message)};
}

} // namespace

PageRun writeStartPage(const StartOptions &options, Clock &clock, const QString &dataDirectory)
{
    const ChoiceFiles files = ChoiceFiles::read(dataDirectory);
    const QLocale portuguese(QLocale::Portuguese, QLocale::Brazil);
    LivePage page;
    page.madeAt = clock.now();
    page.timeZoneId = localTimeZoneId();
    for (const CounterChoice &choice : options.choices) {
        const PreparedChoice prepared = prepareChoice(choice, files);
        if (!prepared.isCountable())
            return refused(kCommandLineErrorStatus, prepared.error);
        LivePageCounter counter;
        counter.what = prepared.description;
        if (prepared.source) {
            counter.source = sourceLine(*prepared.source);
            counter.rate = rateText(*prepared.source, portuguese);
        } else if (options.comparison() && !prepared.choice.isEntry()) {
            counter.source = QStringLiteral("Número digitado");
        }
        counter.monthly = *prepared.monthly;
        counter.mode = options.mode.value_or(AccumulationMode::Dia);
        counter.pattern = prepared.pattern;
        counter.stopsAtCapacity = !options.comparison();
        if (options.title && !options.comparison())
            counter.what.title = *options.title;
        page.counters.append(counter);
    }
    if (page.counters.isEmpty())
        return refused(kCommandLineErrorStatus, QStringLiteral("Não há contagem para a página"));

    const QString reason = writeWholeFile(*options.pageFile, livePageHtml(page));
    if (!reason.isEmpty())
        return refused(kPageWriteErrorStatus,
                       QStringLiteral("Não foi possível salvar a página em %1: %2")
                           .arg(*options.pageFile, reason));
    return {};
}
