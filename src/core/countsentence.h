#pragma once

#include "core/counterstate.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// What a counter counts, as the views name it to a class: estimated, of what, where, for which
// period and at the pace of which year. Texts come from the data files, never from code, so
// that no preposition is guessed from a place name.
struct CountDescription
{
    // A title given by the user: it stands for the what and the where.
    QString title;
    // The chosen entry's name ("Bahia"); empty for a typed figure.
    QString entryName;
    // What the entry's figure covers, from its source line ("Bahia", "cidade de São Paulo").
    QString place;
    // What the entry's figure counts, from its source line ("mortes violentas intencionais");
    // empty when the sources file does not say.
    QString indicator;
    // The year of the entry's figure ("2024"), whose pace the count follows; empty if unknown.
    QString dataYear;
    // The figure typed by hand, for a count that comes from no list.
    std::optional<double> typedMonthly;
};

// The period of a mode on a day: "em 2026", "neste mês, dezembro de 2026", "hoje, 10/12/2026".
QString periodText(AccumulationMode mode, const QDate &today);

// The view's sentence, e.g. "Bahia: estimativa de mortes violentas intencionais em 2026, no
// ritmo de 2024", "Estimativa a partir de 937 ocorrências por mês, em 2026", or
// "Nenhum número escolhido" when nothing is counted. An entry that says what it counts opens
// with its place when the place is a proper name ("Bahia: estimativa de feminicídios …" for
// "Feminicídios na Bahia"), with its own name otherwise ("cidade de São Paulo" reads only
// inside a name).
QString countSentence(const CountDescription &what, AccumulationMode mode, const QDate &today,
                      const QLocale &locale = QLocale());
