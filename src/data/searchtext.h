#pragma once

#include <QString>
#include <QStringList>

// The text as a search compares it: without accents and case-folded, so that "sao paulo"
// finds "São Paulo" and "FEMIN" finds "Feminicídios".
QString foldForSearch(const QString &text);

// The words of a query (blanks between them), folded for search.
QStringList searchWords(const QString &query);

// Whether every word stands somewhere in the text already folded for search; no words match
// every text. A list folds its texts once and each query once, not each text at each key.
bool containsEveryWord(const QString &foldedText, const QStringList &words);

// Whether every word of the query stands somewhere in the text, both folded for search. An
// empty or blank query matches every text.
bool matchesSearch(const QString &text, const QString &query);
