#include "data/searchtext.h"

QString foldForSearch(const QString &text)
{
    // Canonical decomposition puts each accent on its own character after its letter.
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    }
    return folded.toCaseFolded();
}

QStringList searchWords(const QString &query)
{
    return foldForSearch(query).simplified().split(u' ', Qt::SkipEmptyParts);
}

bool containsEveryWord(const QString &foldedText, const QStringList &words)
{
    for (const QString &word : words) {
        if (!foldedText.contains(word))
            return false;
    }
    return true;
}

bool matchesSearch(const QString &text, const QString &query)
{
    return containsEveryWord(foldForSearch(text), searchWords(query));
}
