#include "distribution/patternlookup.h"

qsizetype findPatternByName(const QStringList &patternNames, const QString &chosenName)
{
    return patternNames.indexOf(chosenName); // exact, case-sensitive, first match
}
