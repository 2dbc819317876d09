#pragma once

// What every reading of the sources file must hold, whatever the bytes: every name it keeps is
// found, once, skipped lines are in order, and a rate it keeps is a plain number that its
// text shows. Empty when it holds, else what went wrong.

#include "data/sourcesreader.h"

#include <QLocale>

#include <cmath>

// True when the text holds half of a surrogate pair: a reader cut a character in two.
inline bool holdsHalfSurrogate(const QString &text)
{
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k].isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate())
            ++k;
        else if (text[k].isSurrogate())
            return true;
    }
    return false;
}

inline const char *sourcesTableFault(const SourcesTable &sources)
{
    if (sources.names().size() != sources.size())
        return "sources: names and size disagree";
    for (const QString &name : sources.names()) {
        if (name.isEmpty() || !sources.find(name) || sources.names().count(name) != 1)
            return "sources: a kept name is empty, repeated or not found";
        const std::optional<EntrySource> source = sources.find(name);
        if (source->source.isEmpty() && source->note.isEmpty())
            return "sources: a kept line has neither a source nor a note";
        if (source->ratePer100k &&
            (!std::isfinite(*source->ratePer100k) || *source->ratePer100k < 0))
            return "sources: a kept rate is not a plain number";
        if (rateText(*source, QLocale::c()).isEmpty() == source->ratePer100k.has_value())
            return "sources: the rate's text and the rate disagree";
    }
    int previous = 0;
    for (int line : sources.skippedLines()) {
        if (line <= previous)
            return "sources: skipped lines out of order";
        previous = line;
    }
    return nullptr;
}
