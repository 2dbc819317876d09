#include "data/entrylisting.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

QString field(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    return QString(text).replace(breaks, QStringLiteral(" ")).trimmed();
}

} // namespace

QString entryListing(const IncidenceReading &parametros, const IncidenceReading &homicidios,
                     const SourcesTable &sources)
{
    QString listing;
    for (const IncidenceReading *reading : {&parametros, &homicidios}) {
        const qsizetype count = std::min(reading->names.size(), reading->quantities.size());
        for (qsizetype i = 0; i < count; ++i) {
            const QString &name = reading->names.at(i);
            if (name.isEmpty())
                continue;
            const EntrySource source = sources.find(name).value_or(EntrySource());
            const QStringList fields{field(name),
                                     field(reading->quantities.at(i)),
                                     field(source.indicator),
                                     field(source.place),
                                     field(source.year),
                                     field(source.source)};
            listing += fields.join(u'\t') + u'\n';
        }
    }
    return listing;
}
