#include "data/entrymatching.h"

#include "data/searchtext.h"

#include <QList>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace {

constexpr qsizetype kComparedLength = 200;

// Letters to insert, delete or replace to make one text the other.
qsizetype editDistance(const QString &from, const QString &to)
{
    QList<qsizetype> previous(to.size() + 1);
    std::iota(previous.begin(), previous.end(), qsizetype(0));
    QList<qsizetype> current(to.size() + 1);
    for (qsizetype i = 1; i <= from.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= to.size(); ++j) {
            const qsizetype replace = previous[j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
        }
        std::swap(previous, current);
    }
    return previous[to.size()];
}

} // namespace

QString looseEntryName(const QString &name)
{
    return foldForSearch(name.simplified());
}

EntryNameMatch matchEntryName(const QString &typed, const QStringList &names)
{
    EntryNameMatch match;
    if (typed.isEmpty())
        return match;
    if (names.contains(typed)) {
        match.name = typed;
        return match;
    }
    const QString loose = looseEntryName(typed);
    QStringList equal;
    for (const QString &name : names) {
        if (!name.isEmpty() && !equal.contains(name) && looseEntryName(name) == loose)
            equal.append(name);
    }
    if (equal.size() == 1) {
        match.name = equal.front();
        return match;
    }
    if (!equal.isEmpty()) {
        match.ambiguous = equal;
        return match;
    }

    struct Candidate
    {
        QString name;
        bool holdsTyped;
        qsizetype distance;
    };
    QList<Candidate> candidates;
    QSet<QString> seen;
    for (const QString &name : names) {
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        const QString looseName = looseEntryName(name);
        // A name of a broken file can be megabytes long: its start is enough to rank it.
        candidates.append(
            {name, !loose.isEmpty() && looseName.contains(loose),
             editDistance(loose.left(kComparedLength), looseName.left(kComparedLength))});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) {
                         if (a.holdsTyped != b.holdsTyped)
                             return a.holdsTyped;
                         return a.distance < b.distance;
                     });
    for (qsizetype i = 0; i < std::min(kEntrySuggestions, candidates.size()); ++i)
        match.closest.append(candidates.at(i).name);
    return match;
}
