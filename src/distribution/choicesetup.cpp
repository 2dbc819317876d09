#include "distribution/choicesetup.h"

#include "data/countdescription.h"
#include "data/entrylookup.h"
#include "distribution/entrypattern.h"

#include <QDir>

ChoiceFiles ChoiceFiles::read(const QString &dataDirectory)
{
    const QDir dir(dataDirectory);
    ChoiceFiles files;
    files.parametros = readIncidenceFile(dir.filePath(QStringLiteral("QuorvelParametros.txt")));
    files.homicidios = readIncidenceFile(dir.filePath(QStringLiteral("Quorvelhomicidios.txt")));
    files.sources = readSourcesFile(dir.filePath(sourcesFileName()));
    files.patterns = DistributionFile::read(dir.filePath(DistributionFile::fileName())).rows;
    return files;
}

PreparedChoice prepareChoice(const CounterChoice &choice, const ChoiceFiles &files)
{
    PreparedChoice prepared;
    if (!choice.isEntry()) {
        prepared.monthly = choice.monthly;
        prepared.description =
            describeCount(prepared.choice, choice.monthly, files.sources, QString()).what;
        return prepared;
    }
    const EntryLookup lookup = findEntry(choice.entryName, files.parametros, files.homicidios);
    if (!lookup.entry) {
        prepared.error = lookup.error;
        return prepared;
    }
    const FoundEntry &entry = *lookup.entry;
    const bool states = entry.list == EntryList::Homicidios;
    const QStringList captions = (states ? files.homicidios : files.parametros).listTexts();
    prepared.choice.chooseEntry(states ? CurrentChoice::List::States : CurrentChoice::List::Crimes,
                                entry.name, captions.value(entry.index, entry.name));
    prepared.monthly = entry.monthly;
    prepared.pattern = patternForEntry(files.patterns, entry.name);
    // Said as the presentation view says it.
    prepared.description =
        describeCount(prepared.choice, std::nullopt, files.sources, QString()).what;
    prepared.source = files.sources.find(entry.name);
    return prepared;
}

void applyChoice(Counter &counter, const PreparedChoice &prepared)
{
    if (!prepared.isCountable())
        return;
    if (prepared.choice.isEntry())
        counter.chooseEntry(prepared.choice, *prepared.monthly, prepared.pattern);
    else
        counter.setTypedFigure(prepared.monthly);
}
