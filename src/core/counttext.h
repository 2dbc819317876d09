#pragma once

#include <QLocale>
#include <QString>

// A count as the views of text write it: four decimals, rounded half away from zero as the
// number masks round, with the locale's separators of thousands, cut at the decimal
// separator: 6355.04215 gives "6.355" and ",0422" in Portuguese.
struct CountTextParts
{
    QString whole;
    QString decimals; // with the separator in front

    QString text() const { return whole + decimals; }
};

CountTextParts countTextParts(double count, const QLocale &locale = QLocale());
