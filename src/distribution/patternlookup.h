#pragma once

#include <QString>
#include <QStringList>

// The index of the first stored pattern whose name equals the chosen one exactly (case,
// accents and spaces count), or -1 when none does.
qsizetype findPatternByName(const QStringList &patternNames, const QString &chosenName);
