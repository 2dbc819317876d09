#include "data/entrygroups.h"

#include <QHash>

QString groupHeading(const QString &indicator)
{
    const QString trimmed = indicator.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("Outras entradas");
    return trimmed.front().toUpper() + trimmed.mid(1);
}

QList<EntryGroup> groupByIndicator(const QStringList &names, const SourcesTable &sources)
{
    QList<EntryGroup> groups;
    QHash<QString, qsizetype> groupOfHeading;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const std::optional<EntrySource> source = sources.find(names.at(i));
        const QString heading = groupHeading(source ? source->indicator : QString());
        auto found = groupOfHeading.constFind(heading);
        if (found == groupOfHeading.constEnd()) {
            found = groupOfHeading.insert(heading, groups.size());
            groups.append(EntryGroup{heading, {}});
        }
        groups[*found].entries.append(i);
    }
    return groups;
}
