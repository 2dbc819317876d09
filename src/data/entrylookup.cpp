#include "data/entrylookup.h"

#include "core/rates.h"

EntryLookup findEntry(const QString &name, const IncidenceReading &parametros,
                      const IncidenceReading &homicidios)
{
    EntryLookup lookup;
    lookup.error = QStringLiteral("Entrada desconhecida: ") + name;
    if (name.isEmpty())
        return lookup; // a blank line of a file reads as an entry with no name
    const std::pair<EntryList, const IncidenceReading *> lists[] = {
        {EntryList::Parametros, &parametros}, {EntryList::Homicidios, &homicidios}};
    for (const auto &[list, reading] : lists) {
        const qsizetype index = reading->names.indexOf(name);
        if (index < 0 || index >= reading->quantities.size())
            continue;
        const QString &quantity = reading->quantities[index];
        const std::optional<double> monthly = reading->figure(index);
        if (!monthly) {
            // One pass of arg: a name may itself hold "%2".
            lookup.error = QStringLiteral("A entrada \"%1\" não tem um número mensal de 0 a %2, "
                                          "com até duas casas decimais: \"%3\"")
                               .arg(name, QString::number(kMaxMonthlyFigure), quantity);
            return lookup;
        }
        lookup.entry = FoundEntry{list, index, name, *monthly};
        lookup.error.clear();
        return lookup;
    }
    return lookup;
}
