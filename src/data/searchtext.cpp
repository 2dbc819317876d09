#include "data/searchtext.h"

QString foldForSearch(const QString &text)
{
    // Decomposition puts each accent on its own character after its letter (and spells out
    // ligatures and the like); the accents are then left out.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
            category != QChar::Mark_Enclosing)
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
