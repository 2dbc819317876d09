#include "data/countdescription.h"

#include "core/audiencelocale.h"
#include "data/sourceline.h"

DescribedCount describeCount(const CurrentChoice &choice, std::optional<double> typedMonthly,
                             const SourcesTable &sources, const QString &title)
{
    DescribedCount described;
    if (choice.isEntry()) {
        described.what.entryName = choice.name();
        if (const std::optional<EntrySource> found = sources.find(choice.name())) {
            described.source = sourceLine(*found);
            described.rate = rateText(*found, audienceLocale());
            described.what.dataYear = found->year;
            described.what.indicator = found->indicator;
            described.what.place = found->place;
        }
    } else {
        described.what.typedMonthly = typedMonthly;
    }
    described.what.title = title.trimmed();
    return described;
}
